// The logs on real files: the bytes on disk, the complement step, reading an
// earlier log, error.log, and folders recorded by the directory chains.
#include "installer/engine/DirectoryTree.h"
#include "installer/engine/ErrorLog.h"
#include "installer/engine/FileException.h"
#include "installer/engine/SetupLogKeeper.h"
#include "installer/engine/WinTextFileStore.h"
#include "installer/engine/tests/TempFolder.h"

#include <gtest/gtest.h>

namespace setup {
namespace {

using testing::TempFolder;
using testing::exists;
using testing::readFile;
using testing::writeFile;
using Lines = std::vector<std::string>;

class RealSettings : public LogSettings {
public:
    explicit RealSettings(std::string dir) : dir_(std::move(dir)) {}
    std::string appDir() override { return dir_; }
    std::string productName() override { return "Norvane Tool"; }
    std::string uninstallDialogLine(int index) override {
        const char* lines[] = {"Caption=Remove", "Question=Remove all?", "Done=Removed"};
        return index < 3 ? lines[index] : "";
    }
    std::optional<std::string> beforeUninstallCommand() override { return std::nullopt; }
    bool textLogFileFormat() override { return textLog; }
    bool textLog = false;

private:
    std::string dir_;
};

std::string complemented(std::string bytes) {
    for (char& c : bytes) c = static_cast<char>(~static_cast<unsigned char>(c));
    return bytes;
}

class LogFilesTest : public ::testing::Test {
protected:
    TempFolder folder;
    WinTextFileStore store;
    RealSettings settings{folder.path()};
    std::string logFile = folder / "setup.log";
    std::string errorFile = folder / "error.log";
};

TEST_F(LogFilesTest, InstallationWithoutErrorsLeavesTextOrComplementedLogAndNoErrorLog) {
    for (bool textLog : {true, false}) {
        SCOPED_TRACE(textLog ? "text" : "complemented");
        ::DeleteFileA(logFile.c_str());
        settings.textLog = textLog;
        const std::string top = textLog ? "Text" : "Stored";
        SetupLogKeeper keeper(settings, store);
        SetupLog& log = keeper.createLog(false);
        {
            ErrorLog errors(store, folder.path(), log);
            makeDirectoryTree(folder / top, log);
            makeDirectoryTree(folder / (top + "\\B"), log);
            log.addEntry(LogKind::file, folder / (top + "\\B\\tool.exe"));
            errors.write();
        }
        keeper.finish();
        EXPECT_FALSE(exists(errorFile));
        Lines common = {"Application_Name=Norvane Tool", "Caption=Remove", "Question=Remove all?", "Done=Removed"};
        common.resize(16);
        std::string expected = "[COMMON]\r\n";
        for (const auto& line : common) expected += line + "\r\n";
        expected += "[SHAREDFILES]\r\n[STDFILES]\r\n[APPFILES]\r\n" + folder / (top + "\\B\\tool.exe") + "\r\n" +
                    logFile + "\r\n[APPFOLDERS]\r\n[FONTS]\r\n[APPDIR]\r\n" + folder / (top + "\\B") + "\r\n" +
                    folder / top +
                    "\r\n[REGVALUES]\r\n[INIKEYS]\r\n[REGENTRY]\r\n[REGDLLS]\r\n[RUNAPPS]\r\n";
        const std::string onDisk = readFile(logFile);
        if (textLog) {
            EXPECT_EQ(onDisk, expected);
        } else {
            ASSERT_FALSE(onDisk.empty());
            EXPECT_EQ(static_cast<unsigned char>(onDisk[0]), 0xA4);
            EXPECT_EQ(complemented(onDisk), expected);
        }
        // A second complement step finds no "[" and leaves the file alone.
        const std::string before = readFile(logFile);
        complementStoredLog(store, logFile);
        EXPECT_EQ(readFile(logFile), textLog ? complemented(before) : before);
    }
}

TEST_F(LogFilesTest, ErrorsGoToErrorLogWhichIsRecordedAmongApplicationFiles) {
    settings.textLog = true;
    SetupLogKeeper keeper(settings, store);
    SetupLog& log = keeper.createLog(false);
    log.setCategory(FileCategory::system);
    {
        ErrorLog errors(store, folder.path(), log);
        errors.addLine("Invalid major key:HKXX");
        errors.addLine("Unknown link type:q");
    }  // written on destruction
    EXPECT_EQ(readFile(errorFile), "Invalid major key:HKXX\r\nUnknown link type:q\r\n");
    keeper.finish();
    const std::string onDisk = readFile(logFile);
    EXPECT_NE(onDisk.find("[APPFILES]\r\n" + errorFile + "\r\n" + logFile + "\r\n[APPFOLDERS]"), std::string::npos)
        << onDisk;
}

TEST_F(LogFilesTest, ReinstallationMergesTheEarlierTextLog) {
    const std::string earlier = "[COMMON]\r\nApplication_Name=Norvane Tool\r\n[SHAREDFILES]\r\n[STDFILES]\r\n"
                                "[APPFILES]\r\n" + folder / "old.exe" + "\r\n" + logFile + "\r\n[APPFOLDERS]\r\n"
                                "[FONTS]\r\n[APPDIR]\r\n[REGVALUES]\r\n[INIKEYS]\r\n[REGENTRY]\r\nHKLM,SOFTWARE\\Old\r\n"
                                "[REGDLLS]\r\n[RUNAPPS]\r\n";
    ASSERT_TRUE(writeFile(logFile, earlier));
    settings.textLog = true;
    SetupLogKeeper keeper(settings, store);
    keeper.openExistingLog();
    SetupLog& log = keeper.createLog(false);
    log.addEntry(LogKind::file, folder / "new.exe");
    log.addEntry(LogKind::registryKey, "HKLM,SOFTWARE\\Old");
    keeper.finish();
    EXPECT_EQ(readFile(logFile), "[COMMON]\r\nApplication_Name=Norvane Tool\r\n[SHAREDFILES]\r\n[STDFILES]\r\n"
                                 "[APPFILES]\r\n" + folder / "new.exe" + "\r\n" + folder / "old.exe" + "\r\n" +
                                     logFile + "\r\n[APPFOLDERS]\r\n[FONTS]\r\n[APPDIR]\r\n[REGVALUES]\r\n"
                                 "[INIKEYS]\r\n[REGENTRY]\r\nHKLM,SOFTWARE\\Old\r\n[REGDLLS]\r\n[RUNAPPS]\r\n");
}

TEST_F(LogFilesTest, ReinstallationOverAComplementedLogStartsEmpty) {
    ASSERT_TRUE(writeFile(logFile, complemented("[COMMON]\r\nApplication_Name=Old\r\n[APPFILES]\r\nC:\\x\r\n")));
    settings.textLog = true;
    SetupLogKeeper keeper(settings, store);
    SetupLog& log = keeper.openExistingLog();
    for (std::size_t i = 0; i < logSectionCount; ++i)
        EXPECT_TRUE(log.lines(static_cast<LogSection>(i)).empty()) << logSectionNames[i];
}

TEST_F(LogFilesTest, LogThatCannotBeCreatedRaisesCode5AndIsWrittenLater) {
    const std::string missingDir = folder / "NotYet";
    SetupLog log(store, missingDir, "setup.log", SetupLog::newLog, false);
    log.addEntry(LogKind::iniKey, "win.ini,Section,Key");
    ErrorLog errors(store, missingDir, log);
    errors.addLine("Cannot create key:SOFTWARE\\X");
    for (auto attempt : {0, 1}) {
        try {
            if (attempt == 0) log.writeLog(); else errors.write();
            FAIL() << "no exception";
        } catch (const FileException& e) {
            EXPECT_EQ(e.code(), 5);
            EXPECT_EQ(e.fileName(), attempt == 0 ? missingDir + "\\setup.log" : missingDir + "\\error.log");
        }
    }
    ASSERT_TRUE(makeDirectoryTree(missingDir));
    errors.write();
    log.writeLog();
    EXPECT_EQ(readFile(missingDir + "\\error.log"), "Cannot create key:SOFTWARE\\X\r\n");
    const std::string onDisk = readFile(missingDir + "\\setup.log");
    EXPECT_NE(onDisk.find("[INIKEYS]\r\nwin.ini,Section,Key\r\n"), std::string::npos) << onDisk;
    EXPECT_NE(onDisk.find(missingDir + "\\error.log\r\n"), std::string::npos) << onDisk;
}

TEST_F(LogFilesTest, StoreReadsWholeFilesAndOverwritesOnlyExistingOnes) {
    EXPECT_FALSE(store.readWhole(logFile).has_value());
    EXPECT_FALSE(store.overwrite(logFile, "x"));
    EXPECT_FALSE(exists(logFile));
    ASSERT_TRUE(store.replace(logFile, std::string("a\0b\r\n", 5)));
    EXPECT_EQ(store.readWhole(logFile), std::string("a\0b\r\n", 5));
    EXPECT_TRUE(store.overwrite(logFile, "XY"));
    EXPECT_EQ(store.readWhole(logFile), std::string("XYb\r\n", 5));
    ASSERT_TRUE(store.replace(logFile, ""));
    EXPECT_EQ(store.readWhole(logFile), std::string());
}

}  // namespace
}  // namespace setup
