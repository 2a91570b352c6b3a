#include "launcher/path/InstallerPath.h"

#include <gtest/gtest.h>

using namespace launcher;

TEST(InstallerPath, AddsExactlyOneBackslashBeforeInstall) {
    struct Case {
        const char* folder;
        const char* path;
    } cases[] = {
        {"D:\\", "D:\\Install\\Setup.exe"},
        {"C:\\CD", "C:\\CD\\Install\\Setup.exe"},
        {"C:\\CD\\", "C:\\CD\\Install\\Setup.exe"},
        {"C:\\产品 光盘\\盘1", "C:\\产品 光盘\\盘1\\Install\\Setup.exe"},
        {"\\\\server\\share", "\\\\server\\share\\Install\\Setup.exe"},
        {"\\\\server\\share\\", "\\\\server\\share\\Install\\Setup.exe"},
        {"", "\\Install\\Setup.exe"},
    };
    for (const Case& c : cases) EXPECT_EQ(installerPath(c.folder), c.path) << c.folder;
}

TEST(InstallerPath, ProgramFolderKeepsTheBackslashOnlyAtADriveRoot) {
    struct Case {
        const char* program;
        const char* folder;
    } cases[] = {
        {"D:\\Autorun.exe", "D:\\"},
        {"C:\\CD\\Autorun.exe", "C:\\CD"},
        {"C:\\a\\b\\Autorun.exe", "C:\\a\\b"},
        {"C:\\产品\\Autorun.exe", "C:\\产品"},
        {"\\\\server\\share\\Autorun.exe", "\\\\server\\share"},
        {"Autorun.exe", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(folderOfProgram(c.program), c.folder) << c.program;
}

TEST(InstallerPath, FromProgramToInstallerAtRootAndInFolders) {
    EXPECT_EQ(installerPath(folderOfProgram("R:\\Autorun.exe")), "R:\\Install\\Setup.exe");
    EXPECT_EQ(installerPath(folderOfProgram("C:\\x\\Autorun.exe")), "C:\\x\\Install\\Setup.exe");
}

TEST(InstallerPath, FolderPartIsEverythingBeforeTheLastBackslash) {
    EXPECT_EQ(folderPart("D:\\Install\\Setup.exe"), "D:\\Install");
    EXPECT_EQ(folderPart("C:\\CD\\Install\\Setup.exe"), "C:\\CD\\Install");
    EXPECT_EQ(folderPart("Setup.exe"), "");
}
