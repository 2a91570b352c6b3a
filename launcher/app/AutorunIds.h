// Resource and control identifiers of Autorun, shared by the program, its
// resource script and the tests that drive its windows.
#pragma once

#define IDI_AUTORUN 100
#define IDR_BACKGROUND_JPEG 110
#define IDB_BANNER 111
#define IDR_AGREEMENT_TEXT 112

// FrmInstall
#define IDC_FRMINSTALL_CMDOK 1001
#define IDC_FRMINSTALL_CMDCANCEL 1002

// FrmXY
#define IDC_FRMXY_TEXT1 2001
#define IDC_FRMXY_PICTURE1 2002
#define IDC_FRMXY_LABEL1 2003
#define IDC_FRMXY_LABEL3 2004
#define IDC_FRMXY_LABEL2 2005
#define IDC_FRMXY_OPTION1_0 2010  // "我不同意"
#define IDC_FRMXY_OPTION1_1 2011  // "我同意"
#define IDC_FRMXY_CMDPRE 2020
#define IDC_FRMXY_CMDOK 2021
#define IDC_FRMXY_CMDCANCEL 2022

// Window classes, for finding the windows.
#define AUTORUN_FRMINSTALL_CLASS L"AutorunFrmInstall"
#define AUTORUN_FRMXY_CLASS L"AutorunFrmXY"
#define AUTORUN_BANNER_CLASS L"AutorunBanner"
