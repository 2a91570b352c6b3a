// Drives Autorun.exe as a user would, by its control ids from this process:
// the install window, the agreement window, the Internet warning and the
// start of the installer, run from a folder and from a drive root.
#include "launcher/app/AutorunIds.h"
#include "launcher/layout/FormLayouts.h"
#include "launcher/layout/TwipLayout.h"
#include "testsupport/GuiTest.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <vector>

using namespace testsupport;

namespace {

const std::wstring kWarning = L"请你在安装本系统后,确认能正常的访问Internet再运行本系统。";

std::wstring codePageSuffix() { return L"_cp" + std::to_wstring(::GetACP()); }

std::string utf8(const std::wstring& text) {
    if (text.empty()) return {};
    int n = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::wstring wide(const std::string& text) {
    if (text.empty()) return {};
    int n = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

bool fileExists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string readFile(const std::wstring& path) {
    win32::UniqueFileHandle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                                               nullptr));
    if (!file) return {};
    std::string data;
    char buffer[4096];
    DWORD n = 0;
    while (::ReadFile(file.get(), buffer, sizeof buffer, &n, nullptr) && n > 0) data.append(buffer, n);
    return data;
}

// The agreement as the box must show it: the stored text with CR LF line ends.
std::wstring expectedAgreement() {
    std::string stored = readFile(wide(LAUNCHER_AGREEMENT_FILE));
    std::string shown;
    for (char c : stored) {
        if (c == '\n') shown += '\r';
        if (c != '\r') shown += c;
    }
    return wide(shown);
}

// A CD image: Autorun.exe in a folder, optionally Install\Setup.exe beside it.
class CdImage {
public:
    // folder: where Autorun.exe goes, ending with a backslash.
    CdImage(std::wstring folder, bool withInstaller) : folder_(std::move(folder)) {
        ::CreateDirectoryW(folder_.c_str(), nullptr);
        ok_ = ::CopyFileW(wide(AUTORUN_EXE).c_str(), (folder_ + L"Autorun.exe").c_str(), FALSE) != 0;
        if (withInstaller) {
            ::CreateDirectoryW((folder_ + L"Install").c_str(), nullptr);
            ok_ = ok_ && ::CopyFileW(wide(FAKE_SETUP_EXE).c_str(), installer().c_str(), FALSE) != 0;
        }
    }
    ~CdImage() {
        ::DeleteFileW((folder_ + L"Install\\started.txt").c_str());
        ::DeleteFileW(installer().c_str());
        ::RemoveDirectoryW((folder_ + L"Install").c_str());
        ::DeleteFileW((folder_ + L"Autorun.exe").c_str());
        ::RemoveDirectoryW(folder_.c_str());
    }
    bool ok() const { return ok_; }
    std::wstring launcher() const { return folder_ + L"Autorun.exe"; }
    std::wstring installer() const { return folder_ + L"Install\\Setup.exe"; }
    std::wstring record() const { return folder_ + L"Install\\started.txt"; }

private:
    std::wstring folder_;
    bool ok_ = false;
};

std::wstring tempFolder() {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    return temp;
}

// A folder of its own for each test, with a Chinese name and a space.
std::wstring freshCdFolder(const std::wstring& name) {
    std::wstring base = tempFolder() + L"autorun-test-" + std::to_wstring(::GetCurrentProcessId()) + L"\\";
    ::CreateDirectoryW(base.c_str(), nullptr);
    return base + name + L" 产品光盘\\";
}

// Removes this run's temporary folder when all tests are done.
class TempFolderCleanup : public ::testing::Environment {
public:
    void TearDown() override {
        std::wstring base = tempFolder() + L"autorun-test-" + std::to_wstring(::GetCurrentProcessId());
        ::RemoveDirectoryW(base.c_str());
    }
};
const auto* const kTempFolderCleanup = ::testing::AddGlobalTestEnvironment(new TempFolderCleanup);

std::map<std::string, std::string> parseRecord(const std::string& text) {
    std::map<std::string, std::string> fields;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        size_t eq = line.find('=');
        if (eq != std::string::npos) fields[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return fields;
}

struct WindowStyle {
    LONG style, exStyle;
};
WindowStyle styleOf(HWND w) { return {::GetWindowLongW(w, GWL_STYLE), ::GetWindowLongW(w, GWL_EXSTYLE)}; }

SIZE clientSize(HWND w) {
    RECT r{};
    ::GetClientRect(w, &r);
    return {r.right, r.bottom};
}

// A child's rectangle in its parent's client coordinates.
RECT rectInParent(HWND child) {
    RECT r{};
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

int dpiX() {
    win32::WindowDc dc(nullptr);
    return ::GetDeviceCaps(dc.get(), LOGPIXELSX);
}
int dpiY() {
    win32::WindowDc dc(nullptr);
    return ::GetDeviceCaps(dc.get(), LOGPIXELSY);
}

void expectPlaced(HWND control, const launcher::TwipRect& twips, const char* what) {
    ASSERT_TRUE(control) << what;
    launcher::PixelRect p = launcher::toPixels(twips, dpiX(), dpiY());
    RECT r = rectInParent(control);
    EXPECT_EQ(r.left, p.left) << what;
    EXPECT_EQ(r.top, p.top) << what;
    EXPECT_EQ(r.right - r.left, p.width) << what;
    EXPECT_EQ(r.bottom - r.top, p.height) << what;
}

std::vector<std::wstring> childTexts(HWND window) {
    std::vector<std::wstring> texts;
    for (HWND c = ::GetWindow(window, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) texts.push_back(windowText(c));
    return texts;
}

bool contains(const std::vector<std::wstring>& texts, const std::wstring& part) {
    for (const auto& t : texts)
        if (t.find(part) != std::wstring::npos) return true;
    return false;
}

// Other programs share the display (the test also runs under a second code
// page at the same time, its windows centred at the same place): raise the
// window until nothing covers it, before looking at its pixels.
bool uncovered(HWND window) {
    return waitFor([&] {
        ::SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        RECT r{};
        ::GetWindowRect(window, &r);
        POINT probes[] = {{r.left + 2, r.top + 2}, {r.right - 3, r.top + 2}, {r.left + 2, r.bottom - 3},
                          {r.right - 3, r.bottom - 3}, {(r.left + r.right) / 2, (r.top + r.bottom) / 2}};
        for (POINT p : probes) {
            HWND at = ::WindowFromPoint(p);
            if (!at || ::GetAncestor(at, GA_ROOT) != window) return false;
        }
        return true;
    });
}

std::wstring screenshot(HWND window, const std::wstring& name) {
    EXPECT_TRUE(uncovered(window)) << utf8(name);
    // Let the window repaint what was covered.
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    return saveScreenshot(window, name);
}

bool checked(HWND button) { return ::SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

// One run of the launcher, with the means to find and click its windows.
class LauncherRun {
public:
    explicit LauncherRun(const std::wstring& exe) : process_(exe, L"", tempFolder()) {}
    ChildProcess& process() { return process_; }

    HWND waitWindow(const std::wstring& title, const std::wstring& cls = {}) {
        HWND found = nullptr;
        waitFor([&] {
            found = findTopLevelWindow(process_.id(), cls, title);
            return found && ::IsWindowVisible(found);
        });
        return found;
    }
    HWND installWindow() { return waitWindow(L"SETUP", AUTORUN_FRMINSTALL_CLASS); }
    HWND agreementWindow() { return waitWindow(L"安装", AUTORUN_FRMXY_CLASS); }
    HWND messageBox() { return waitWindow(L"Autorun", L"#32770"); }
    bool gone(HWND window) {
        return waitFor([&] { return !::IsWindow(window); });
    }

    // Clicks are posted: some of them open modal boxes.
    static void click(HWND window, int id) { ::PostMessageW(::GetDlgItem(window, id), BM_CLICK, 0, 0); }

    // From the install window to a fresh agreement window.
    HWND openAgreement() {
        HWND install = installWindow();
        if (!install) return nullptr;
        click(install, IDC_FRMINSTALL_CMDOK);
        HWND agreement = agreementWindow();
        return gone(install) ? agreement : nullptr;
    }
    bool agree(HWND agreement) {
        click(agreement, IDC_FRMXY_OPTION1_1);
        return waitFor([&] { return ::IsWindowEnabled(::GetDlgItem(agreement, IDC_FRMXY_CMDOK)) != FALSE; });
    }

private:
    ChildProcess process_;
};

// The installer stand-in, once it has reported; released at the end.
class StartedInstaller {
public:
    explicit StartedInstaller(const std::map<std::string, std::string>& record) {
        auto pid = record.find("pid");
        if (pid == record.end()) return;
        DWORD id = static_cast<DWORD>(std::stoul(pid->second));
        process_.reset(::OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, id));
        release_.reset(::OpenEventW(EVENT_MODIFY_STATE, FALSE, (L"NorvaneFakeSetupRelease" + std::to_wstring(id)).c_str()));
    }
    ~StartedInstaller() {
        if (release_) ::SetEvent(release_.get());
        if (process_ && ::WaitForSingleObject(process_.get(), 10000) != WAIT_OBJECT_0)
            ::TerminateProcess(process_.get(), 1);
    }
    bool running() const { return process_ && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

private:
    win32::UniqueKernelHandle process_, release_;
};

}  // namespace

TEST(AutorunInstallWindow, IsABorderlessCentredPictureWithTwoOrangeButtons) {
    CdImage cd(freshCdFolder(L"install-window"), true);
    ASSERT_TRUE(cd.ok());
    LauncherRun run(cd.launcher());
    HWND install = run.installWindow();
    ASSERT_TRUE(install);

    WindowStyle s = styleOf(install);
    EXPECT_TRUE(s.style & WS_POPUP);
    EXPECT_FALSE(s.style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME | WS_DLGFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_TRUE(s.exStyle & WS_EX_TOOLWINDOW) << "no taskbar button";
    EXPECT_FALSE(s.exStyle & WS_EX_APPWINDOW);

    launcher::FrmInstallLayout layout;
    SIZE client = clientSize(install);
    EXPECT_EQ(client.cx, launcher::pixelsFromTwips(layout.clientWidth, dpiX()));
    EXPECT_EQ(client.cy, launcher::pixelsFromTwips(layout.clientHeight, dpiY()));
    RECT outer{};
    ::GetWindowRect(install, &outer);
    EXPECT_NEAR(outer.left, (::GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2, 1);
    EXPECT_NEAR(outer.top, (::GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2, 1);

    HWND ok = ::GetDlgItem(install, IDC_FRMINSTALL_CMDOK), cancel = ::GetDlgItem(install, IDC_FRMINSTALL_CMDCANCEL);
    EXPECT_EQ(windowText(ok), L"安　装");
    EXPECT_EQ(windowText(cancel), L"退　出");
    expectPlaced(ok, layout.cmdOK, "CmdOK");
    expectPlaced(cancel, layout.cmdCancel, "CmdCancel");
    for (HWND b : {ok, cancel}) EXPECT_EQ(::GetWindowLongW(b, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    // Tab order: "安　装" before "退　出".
    EXPECT_EQ(::GetNextDlgTabItem(install, ok, FALSE), cancel);

    // The orange face of the graphical button, as drawn on the screen.
    ASSERT_TRUE(uncovered(install));
    win32::WindowDc screen(nullptr);
    RECT br{};
    ::GetWindowRect(ok, &br);
    ASSERT_TRUE(waitFor([&] { return ::GetPixel(screen.get(), br.left + 8, br.top + 5) == RGB(255, 128, 0); }))
        << std::hex << ::GetPixel(screen.get(), br.left + 8, br.top + 5);

    EXPECT_FALSE(screenshot(install, L"autorun_install_window" + codePageSuffix()).empty());

    run.click(install, IDC_FRMINSTALL_CMDCANCEL);
    EXPECT_EQ(run.process().waitForExit(), 0u) << "退　出 ends the program";
    EXPECT_FALSE(fileExists(cd.record()));
}

TEST(AutorunAgreementWindow, OpensWithTheAgreementFocusedAndDisagreeChosen) {
    CdImage cd(freshCdFolder(L"agreement-window"), true);
    ASSERT_TRUE(cd.ok());
    LauncherRun run(cd.launcher());
    HWND xy = run.openAgreement();
    ASSERT_TRUE(xy);

    WindowStyle s = styleOf(xy);
    EXPECT_EQ(s.style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(s.style & WS_SYSMENU);
    EXPECT_FALSE(s.style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) << "fixed single border";
    EXPECT_FALSE(s.exStyle & WS_EX_TOOLWINDOW) << "shown in the taskbar";
    EXPECT_EQ(windowText(xy), L"安装");

    launcher::FrmXYLayout layout;
    SIZE client = clientSize(xy);
    EXPECT_EQ(client.cx, launcher::pixelsFromTwips(layout.clientWidth, dpiX()));
    EXPECT_EQ(client.cy, launcher::pixelsFromTwips(layout.clientHeight, dpiY()));
    RECT outer{};
    ::GetWindowRect(xy, &outer);
    EXPECT_NEAR(outer.left, (::GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2, 1);
    EXPECT_NEAR(outer.top, (::GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2, 1);

    HWND banner = ::GetDlgItem(xy, IDC_FRMXY_PICTURE1);
    HWND label1 = ::GetDlgItem(banner, IDC_FRMXY_LABEL1), label3 = ::GetDlgItem(banner, IDC_FRMXY_LABEL3);
    HWND text1 = ::GetDlgItem(xy, IDC_FRMXY_TEXT1);
    HWND disagree = ::GetDlgItem(xy, IDC_FRMXY_OPTION1_0), agree = ::GetDlgItem(xy, IDC_FRMXY_OPTION1_1);
    HWND pre = ::GetDlgItem(xy, IDC_FRMXY_CMDPRE), next = ::GetDlgItem(xy, IDC_FRMXY_CMDOK),
         cancel = ::GetDlgItem(xy, IDC_FRMXY_CMDCANCEL);
    expectPlaced(banner, layout.picture1, "Picture1");
    expectPlaced(label1, layout.label1, "Label1");
    expectPlaced(label3, layout.label3, "Label3");
    expectPlaced(text1, layout.text1, "Text1");
    expectPlaced(disagree, layout.optionDisagree, "Option1(0)");
    expectPlaced(agree, layout.optionAgree, "Option1(1)");
    expectPlaced(::GetDlgItem(xy, IDC_FRMXY_LABEL2), layout.label2, "Label2");
    expectPlaced(pre, layout.cmdPre, "CmdPre");
    expectPlaced(next, layout.cmdOK, "CmdOK");
    expectPlaced(cancel, layout.cmdCancel, "CmdCancel");
    EXPECT_LT(rectInParent(next).top, rectInParent(pre).top) << "下一步 sits higher than its neighbours";
    EXPECT_EQ(rectInParent(pre).top, rectInParent(cancel).top);

    EXPECT_EQ(windowText(label1), L"许可协议");
    std::wstring host = windowText(label3);
    EXPECT_EQ(host.rfind(L"www.", 0), 0u) << utf8(host);
    EXPECT_NE(host.find(L'.', 4), std::wstring::npos) << utf8(host);
    EXPECT_EQ(windowText(::GetDlgItem(xy, IDC_FRMXY_LABEL2)), L"请认真阅读此协议");
    EXPECT_EQ(windowText(disagree), L"我不同意");
    EXPECT_EQ(windowText(agree), L"我同意");
    EXPECT_EQ(windowText(pre), L"上一步");
    EXPECT_EQ(windowText(next), L"下一步");
    EXPECT_EQ(windowText(cancel), L"取　消");

    std::wstring agreement = windowText(text1);
    EXPECT_EQ(agreement, expectedAgreement());
    EXPECT_NE(agreement.find(L"Norvane软件最终用户许可协议"), std::wstring::npos);
    LONG editStyle = ::GetWindowLongW(text1, GWL_STYLE);
    EXPECT_TRUE(editStyle & ES_MULTILINE);
    EXPECT_TRUE(editStyle & WS_VSCROLL);

    EXPECT_TRUE(checked(disagree));
    EXPECT_FALSE(checked(agree));
    EXPECT_FALSE(::IsWindowEnabled(next));
    EXPECT_TRUE(::IsWindowEnabled(pre));

    // Another program on the display may hold the foreground; once the
    // window is active again, its focus is in the agreement box.
    EXPECT_TRUE(waitFor([&] {
        if (::GetForegroundWindow() != xy) ::SetForegroundWindow(xy);
        GUITHREADINFO gui{};
        gui.cbSize = sizeof gui;
        return ::GetGUIThreadInfo(::GetWindowThreadProcessId(xy, nullptr), &gui) && gui.hwndFocus == text1;
    })) << "the agreement box has the focus";

    // Tab order: agreement, options, 下一步 (when enabled), 上一步, 取　消.
    EXPECT_EQ(::GetNextDlgTabItem(xy, text1, FALSE), disagree);
    EXPECT_EQ(::GetNextDlgTabItem(xy, disagree, FALSE), pre) << "the disabled 下一步 is skipped";
    EXPECT_EQ(::GetNextDlgTabItem(xy, pre, FALSE), cancel);

    // The two grey lines.
    ASSERT_TRUE(uncovered(xy));
    ::RedrawWindow(xy, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    win32::WindowDc screen(nullptr);
    RECT cr{};
    ::GetClientRect(xy, &cr);
    ::MapWindowPoints(xy, nullptr, reinterpret_cast<POINT*>(&cr), 2);
    int lineY = launcher::pixelsFromTwips(layout.line1.y1, dpiY());
    int lineX = launcher::pixelsFromTwips(3000, dpiX());
    EXPECT_TRUE(waitFor([&] { return ::GetPixel(screen.get(), cr.left + lineX, cr.top + lineY) == RGB(192, 192, 192); }))
        << "Line1";
    int line2Y = launcher::pixelsFromTwips(layout.line2.y1, dpiY());
    EXPECT_TRUE(waitFor([&] { return ::GetPixel(screen.get(), cr.left + lineX, cr.top + line2Y) == RGB(192, 192, 192); }))
        << "Line2";

    EXPECT_FALSE(screenshot(xy, L"autorun_agreement_window" + codePageSuffix()).empty());

    run.click(xy, IDC_FRMXY_CMDCANCEL);
    EXPECT_EQ(run.process().waitForExit(), 0u) << "取　消 ends the program";
    EXPECT_FALSE(fileExists(cd.record()));
}

TEST(AutorunAgreementWindow, NextIsAvailableOnlyWhileAgreeIsChosen) {
    CdImage cd(freshCdFolder(L"options"), true);
    ASSERT_TRUE(cd.ok());
    LauncherRun run(cd.launcher());
    HWND xy = run.openAgreement();
    ASSERT_TRUE(xy);
    HWND next = ::GetDlgItem(xy, IDC_FRMXY_CMDOK);
    HWND disagree = ::GetDlgItem(xy, IDC_FRMXY_OPTION1_0), agree = ::GetDlgItem(xy, IDC_FRMXY_OPTION1_1);

    // A click on the disabled 下一步 does nothing. The click on 我同意 after
    // it is handled after it, so once 下一步 is enabled the first click has
    // been handled too, and no warning may have appeared.
    run.click(xy, IDC_FRMXY_CMDOK);
    ASSERT_TRUE(run.agree(xy));
    EXPECT_FALSE(findTopLevelWindow(run.process().id(), L"#32770", L""));
    EXPECT_TRUE(checked(agree));
    EXPECT_FALSE(checked(disagree));

    for (int round = 0; round < 2; ++round) {
        run.click(xy, IDC_FRMXY_OPTION1_0);
        EXPECT_TRUE(waitFor([&] { return !::IsWindowEnabled(next); })) << "我不同意 disables 下一步";
        EXPECT_TRUE(checked(disagree));
        run.click(xy, IDC_FRMXY_OPTION1_1);
        EXPECT_TRUE(waitFor([&] { return ::IsWindowEnabled(next) != FALSE; })) << "我同意 enables 下一步";
    }

    // The close box ends the program.
    ::PostMessageW(xy, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(run.process().waitForExit(), 0u);
    EXPECT_FALSE(fileExists(cd.record()));
}

TEST(AutorunAgreementWindow, BackAndInstallAgainShowAFreshAgreement) {
    CdImage cd(freshCdFolder(L"back"), true);
    ASSERT_TRUE(cd.ok());
    LauncherRun run(cd.launcher());
    HWND xy = run.openAgreement();
    ASSERT_TRUE(xy);
    ASSERT_TRUE(run.agree(xy));
    // Scroll the agreement away from its top, to see it come back fresh.
    ::SendMessageW(::GetDlgItem(xy, IDC_FRMXY_TEXT1), EM_LINESCROLL, 0, 20);

    run.click(xy, IDC_FRMXY_CMDPRE);
    HWND install = run.installWindow();
    ASSERT_TRUE(install) << "上一步 opens the install window";
    ASSERT_TRUE(run.gone(xy)) << "and closes the agreement window";
    EXPECT_TRUE(run.process().running());

    HWND again = run.openAgreement();
    ASSERT_TRUE(again);
    EXPECT_TRUE(checked(::GetDlgItem(again, IDC_FRMXY_OPTION1_0)));
    EXPECT_FALSE(checked(::GetDlgItem(again, IDC_FRMXY_OPTION1_1)));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(again, IDC_FRMXY_CMDOK)));
    EXPECT_EQ(::SendMessageW(::GetDlgItem(again, IDC_FRMXY_TEXT1), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    EXPECT_EQ(windowText(::GetDlgItem(again, IDC_FRMXY_TEXT1)), expectedAgreement());

    ::PostMessageW(again, WM_CLOSE, 0, 0);
    EXPECT_EQ(run.process().waitForExit(), 0u);
}

namespace {
// Agrees, presses 下一步, checks the warning and that nothing started before
// it is dismissed, dismisses it, and returns what the installer recorded.
std::map<std::string, std::string> nextThroughWarning(LauncherRun& run, const CdImage& cd, const std::wstring& shot) {
    HWND xy = run.openAgreement();
    EXPECT_TRUE(xy);
    if (!xy || !run.agree(xy)) return {};
    run.click(xy, IDC_FRMXY_CMDOK);
    HWND box = run.messageBox();
    EXPECT_TRUE(box) << "the Internet warning";
    if (!box) return {};
    EXPECT_TRUE(contains(childTexts(box), kWarning));
    EXPECT_TRUE(::GetDlgItem(box, IDOK));
    EXPECT_FALSE(::GetDlgItem(box, IDCANCEL)) << "an OK button only";
    EXPECT_FALSE(screenshot(box, shot).empty());
    // The launcher is inside the warning: nothing may have started yet.
    EXPECT_FALSE(fileExists(cd.record())) << "the installer started before the warning was dismissed";
    EXPECT_TRUE(::IsWindow(xy));

    ::PostMessageW(::GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(waitFor([&] { return fileExists(cd.record()); })) << "the installer did not start";
    return parseRecord(readFile(cd.record()));
}

void expectStartedAt(const std::map<std::string, std::string>& record, const std::wstring& installer,
                     const std::wstring& installFolder) {
    ASSERT_FALSE(record.empty());
    EXPECT_EQ(record.at("program"), utf8(installer));
    std::string quoted(1, '"');
    quoted.append(utf8(installer)).push_back('"');
    EXPECT_EQ(record.at("commandline"), quoted) << "no arguments";
    EXPECT_EQ(record.at("folder"), utf8(installFolder)) << "started in its own folder";
    EXPECT_EQ(record.at("show"), std::to_string(SW_SHOWNORMAL));
}
}  // namespace

TEST(AutorunStartsInstaller, FromAFolderAfterTheWarningWithoutWaitingForIt) {
    std::wstring folder = freshCdFolder(L"start");
    CdImage cd(folder, true);
    ASSERT_TRUE(cd.ok());
    LauncherRun run(cd.launcher());
    auto record = nextThroughWarning(run, cd, L"autorun_internet_warning" + codePageSuffix());
    StartedInstaller installer(record);
    expectStartedAt(record, folder + L"Install\\Setup.exe", folder + L"Install");
    EXPECT_EQ(utf8(cd.installer()).find("\\\\"), std::string::npos);

    EXPECT_EQ(run.process().waitForExit(), 0u) << "the launcher ends after starting the installer";
    EXPECT_TRUE(installer.running()) << "the installer runs on; the launcher did not wait for it";
}

TEST(AutorunStartsInstaller, FromADriveRootWithASingleBackslash) {
    const char* drive = std::getenv("LAUNCHER_CD_DRIVE");
    ASSERT_TRUE(drive && *drive) << "the test setup maps a drive letter for the CD";
    std::wstring root = wide(drive) + L"\\";
    ASSERT_TRUE(fileExists(root)) << utf8(root);
    CdImage cd(root, true);
    ASSERT_TRUE(cd.ok());
    LauncherRun run(cd.launcher());
    auto record = nextThroughWarning(run, cd, L"autorun_internet_warning_root" + codePageSuffix());
    StartedInstaller installer(record);
    expectStartedAt(record, root + L"Install\\Setup.exe", root + L"Install");
    EXPECT_EQ(record["program"].rfind(utf8(wide(drive)) + "\\Install\\Setup.exe", 0), 0u);
    EXPECT_EQ(run.process().waitForExit(), 0u);
}

TEST(AutorunStartsInstaller, WithoutTheInstallerNamesTheMissingFileAndEnds) {
    std::wstring folder = freshCdFolder(L"missing");
    CdImage cd(folder, false);
    ASSERT_TRUE(cd.ok());
    LauncherRun run(cd.launcher());
    HWND xy = run.openAgreement();
    ASSERT_TRUE(xy);
    ASSERT_TRUE(run.agree(xy));
    run.click(xy, IDC_FRMXY_CMDOK);
    HWND warning = run.messageBox();
    ASSERT_TRUE(warning);
    ASSERT_TRUE(contains(childTexts(warning), kWarning));
    ::PostMessageW(::GetDlgItem(warning, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(run.gone(warning));

    HWND error = run.messageBox();
    ASSERT_TRUE(error) << "an error message";
    std::vector<std::wstring> texts = childTexts(error);
    EXPECT_TRUE(contains(texts, folder + L"Install\\Setup.exe")) << "names the missing file";
    EXPECT_TRUE(contains(texts, L"找不到"));
    EXPECT_FALSE(screenshot(error, L"autorun_installer_missing" + codePageSuffix()).empty());
    ::PostMessageW(::GetDlgItem(error, IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(run.process().waitForExit(), 1u) << "the program ends after the error";
}
