#include "installer/engine/ErrorLog.h"
#include "installer/engine/EarlierLogReader.h"
#include "installer/engine/FileException.h"
#include "installer/engine/SetupLog.h"
#include "installer/engine/SetupLogKeeper.h"
#include "installer/engine/tests/MemoryFileStore.h"

#include <gtest/gtest.h>

#include <vector>

namespace setup {
namespace {

using testing::MemoryFileStore;
using Lines = std::vector<std::string>;

const char* const logPath = "C:\\App\\setup.log";

// The written file of a log whose sections hold the given lines (in file order).
std::string layout(const std::vector<Lines>& sections) {
    std::string out;
    for (std::size_t i = 0; i < logSectionCount; ++i) {
        out += '[';
        out += logSectionNames[i];
        out += "]\r\n";
        if (i < sections.size())
            for (const auto& line : sections[i]) out += line + "\r\n";
    }
    return out;
}

class SetupLogTest : public ::testing::Test {
protected:
    MemoryFileStore store;
};

TEST_F(SetupLogTest, EntriesAreRoutedByKindAndCategory) {
    struct Case { LogKind kind; FileCategory category; std::optional<LogSection> section; };
    const Case cases[] = {
        {LogKind::file, FileCategory::shared, LogSection::sharedFiles},
        {LogKind::file, FileCategory::system, LogSection::stdFiles},
        {LogKind::file, FileCategory::application, LogSection::appFiles},
        {LogKind::file, FileCategory::shortcut, LogSection::appFiles},
        {LogKind::folder, FileCategory::system, LogSection::appFolders},
        {LogKind::folder, FileCategory::shared, LogSection::appFolders},
        {LogKind::folder, FileCategory::shortcut, LogSection::appFolders},
        {LogKind::folder, FileCategory::application, LogSection::appDir},
        {LogKind::font, FileCategory::system, LogSection::fonts},
        {LogKind::registryValue, FileCategory::application, LogSection::regValues},
        {LogKind::iniKey, FileCategory::shared, LogSection::iniKeys},
        {LogKind::registryKey, FileCategory::shortcut, LogSection::regEntry},
        {LogKind::registeredLibrary, FileCategory::shared, LogSection::regDlls},
        {LogKind::runCommand, FileCategory::application, LogSection::runApps},
        {static_cast<LogKind>(8), FileCategory::application, std::nullopt},
        {LogKind::file, static_cast<FileCategory>(3), std::nullopt},
        {LogKind::folder, static_cast<FileCategory>(5), std::nullopt},
    };
    for (const auto& c : cases) {
        SetupLog log(store, "C:\\App", "setup.log", 0, false);
        log.setCategory(c.category);
        log.addEntry(c.kind, "entry");
        for (std::size_t i = 0; i < logSectionCount; ++i) {
            const auto section = static_cast<LogSection>(i);
            const bool expected = c.section == section;
            EXPECT_EQ(log.lines(section), expected ? Lines{"entry"} : Lines{})
                << "kind " << static_cast<int>(c.kind) << " category " << static_cast<int>(c.category) << " in "
                << nameOf(section);
        }
        EXPECT_EQ(sectionFor(c.kind, c.category), c.section);
    }
}

TEST_F(SetupLogTest, DuplicateEntriesAreDroppedButCommonLinesRepeat) {
    SetupLog log(store, "C:\\App", "setup.log", 0, false);
    log.addEntry(LogKind::file, "C:\\App\\a.exe");
    log.addEntry(LogKind::file, "C:\\App\\a.exe");
    log.addEntry(LogKind::file, "C:\\APP\\a.exe");  // case counts
    log.setCategory(FileCategory::system);
    log.addEntry(LogKind::file, "C:\\App\\a.exe");  // another section
    log.addCommonLine("Line");
    log.addCommonLine("Line");
    log.writeLog();
    EXPECT_EQ(store.files[logPath], layout({{"Line", "Line"}, {}, {"C:\\App\\a.exe"}, {"C:\\APP\\a.exe", "C:\\App\\a.exe"}}));
}

TEST_F(SetupLogTest, SectionsOtherThanCommonAreWrittenNewestFirst) {
    SetupLog log(store, "C:\\App", "setup.log", 0, false);
    log.addCommonLine("first");
    log.addCommonLine("second");
    log.addEntry(LogKind::folder, "C:\\App\\A");
    log.addEntry(LogKind::folder, "C:\\App\\A\\B");
    log.addEntry(LogKind::registryKey, "HKLM,SOFTWARE\\One");
    log.addEntry(LogKind::registryKey, "HKLM,SOFTWARE\\Two");
    log.writeLog();
    EXPECT_EQ(store.files[logPath],
              "[COMMON]\r\nfirst\r\nsecond\r\n[SHAREDFILES]\r\n[STDFILES]\r\n[APPFILES]\r\n[APPFOLDERS]\r\n"
              "[FONTS]\r\n[APPDIR]\r\nC:\\App\\A\\B\r\nC:\\App\\A\r\n[REGVALUES]\r\n[INIKEYS]\r\n"
              "[REGENTRY]\r\nHKLM,SOFTWARE\\Two\r\nHKLM,SOFTWARE\\One\r\n[REGDLLS]\r\n[RUNAPPS]\r\n");
}

TEST_F(SetupLogTest, NewLogRecordsItsOwnPathAndIsWrittenOnce) {
    {
        SetupLog log(store, "C:\\App\\", "setup.log", SetupLog::newLog, false);
        EXPECT_EQ(log.path(), logPath);
        EXPECT_EQ(log.lines(LogSection::appFiles), Lines{logPath});
        log.writeLog();
        EXPECT_TRUE(log.written());
        log.addEntry(LogKind::file, "C:\\App\\late.exe");
        log.writeLog();
    }  // and not again on destruction
    EXPECT_EQ(store.writes, 1);
    EXPECT_EQ(store.files[logPath], layout({{}, {}, {}, {logPath}}));
}

TEST_F(SetupLogTest, PathIsFolderBackslashAndName) {
    struct Case { const char* folder; const char* path; };
    const Case cases[] = {{"C:\\App", logPath}, {"C:\\App\\", logPath}, {"", "\\setup.log"}};
    for (const auto& c : cases) {
        SetupLog log(store, c.folder, "setup.log", 0, true);
        EXPECT_EQ(log.path(), c.path) << c.folder;
    }
}

TEST_F(SetupLogTest, DestructionWritesAnUnwrittenLog) {
    {
        SetupLog log(store, "C:\\App", "setup.log", SetupLog::newLog, false);
        log.addEntry(LogKind::font, "C:\\WINDOWS\\Fonts\\x.ttf,X (TrueType)");
    }
    EXPECT_EQ(store.files[logPath], layout({{}, {}, {}, {logPath}, {}, {"C:\\WINDOWS\\Fonts\\x.ttf,X (TrueType)"}}));
}

TEST_F(SetupLogTest, DisabledLogDoesNothing) {
    store.files[logPath] = layout({{"Application_Name=Old"}, {}, {}, {"C:\\App\\old.exe"}});
    for (int mode : {SetupLog::newLog, SetupLog::existingLog}) {
        {
            SetupLog log(store, "C:\\App", "setup.log", mode, true);
            log.setCategory(FileCategory::system);
            EXPECT_EQ(log.category(), FileCategory::application);
            log.addEntry(LogKind::file, "C:\\x");
            log.addCommonLine("y");
            for (std::size_t i = 0; i < logSectionCount; ++i)
                EXPECT_TRUE(log.lines(static_cast<LogSection>(i)).empty()) << mode;
            log.writeLog();
            EXPECT_FALSE(log.written());
        }
        EXPECT_EQ(store.writes, 0);
    }
}

TEST_F(SetupLogTest, ExistingLogMergesEarlierSectionsWithoutDuplicates) {
    const std::string earlier = layout({
        {"Application_Name=Tool", "", "Remove?", "", "Remove?"},
        {"C:\\WINDOWS\\SYSTEM\\shared.dll"},
        {},
        {"C:\\App\\tool.exe", logPath},
        {},
        {},
        {"C:\\App\\A\\B", "C:\\App\\A"},
        {},
        {},
        {},
        {},
        {"BeforeUninstall=C:\\App\\stop.exe"},
    });
    store.files[logPath] = earlier;
    {
        SetupLog log(store, "C:\\App", "setup.log", SetupLog::existingLog, false);
        // Blank lines are no lines to the reader; a repeated common line is dropped.
        EXPECT_EQ(log.lines(LogSection::common), (Lines{"Application_Name=Tool", "Remove?"}));
        log.addEntry(LogKind::file, logPath);              // already there
        log.addEntry(LogKind::file, "C:\\App\\new.dll");   // new
        log.addEntry(LogKind::folder, "C:\\App\\A\\C");
    }
    EXPECT_EQ(store.files[logPath], layout({
                                        {"Application_Name=Tool", "Remove?"},
                                        {"C:\\WINDOWS\\SYSTEM\\shared.dll"},
                                        {},
                                        {"C:\\App\\new.dll", "C:\\App\\tool.exe", logPath},
                                        {},
                                        {},
                                        {"C:\\App\\A\\C", "C:\\App\\A\\B", "C:\\App\\A"},
                                        {},
                                        {},
                                        {},
                                        {},
                                        {"BeforeUninstall=C:\\App\\stop.exe"},
                                    }));
}

TEST_F(SetupLogTest, ExistingLogRewrittenUnchangedKeepsItsOrder) {
    const std::string earlier = layout({{"Application_Name=Tool", "Bye"}, {"s2", "s1"}, {"d2", "d1"}, {logPath},
                                        {"f3", "f2", "f1"}});
    store.files[logPath] = earlier;
    SetupLog(store, "C:\\App", "setup.log", SetupLog::existingLog, false).writeLog();
    EXPECT_EQ(store.files[logPath], earlier);
}

TEST_F(SetupLogTest, ExistingLogThatCannotBeReadStartsEmpty) {
    std::string complemented = layout({{"Application_Name=Tool"}, {}, {}, {logPath}});
    ASSERT_TRUE(complementLogBytes(complemented));
    struct Case { const char* what; std::optional<std::string> file; };
    const Case cases[] = {{"missing", std::nullopt}, {"complemented", complemented}, {"empty", std::string()}};
    for (const auto& c : cases) {
        MemoryFileStore own;
        if (c.file) own.files[logPath] = *c.file;
        SetupLog log(own, "C:\\App", "setup.log", SetupLog::existingLog, false);
        for (std::size_t i = 0; i < logSectionCount; ++i)
            EXPECT_TRUE(log.lines(static_cast<LogSection>(i)).empty()) << c.what << " " << logSectionNames[i];
        log.writeLog();
        EXPECT_EQ(own.files[logPath], layout({})) << c.what;
    }
}

TEST_F(SetupLogTest, FailedWriteRaisesCode5AndKeepsEverything) {
    store.refused.insert(logPath);
    SetupLog log(store, "C:\\App", "setup.log", SetupLog::newLog, false);
    log.addEntry(LogKind::iniKey, "C:\\WINDOWS\\win.ini,Sec,Key");
    try {
        log.writeLog();
        FAIL() << "no exception";
    } catch (const FileException& e) {
        EXPECT_EQ(e.code(), 5);
        EXPECT_EQ(e.fileName(), logPath);
    }
    EXPECT_FALSE(log.written());
    EXPECT_EQ(log.lines(LogSection::iniKeys), Lines{"C:\\WINDOWS\\win.ini,Sec,Key"});
    store.refused.clear();
    log.writeLog();
    EXPECT_EQ(store.files[logPath], layout({{}, {}, {}, {logPath}, {}, {}, {}, {}, {"C:\\WINDOWS\\win.ini,Sec,Key"}}));
}

TEST_F(SetupLogTest, PathBeyondTheBufferIsRefusedWithCode5) {
    const std::string folder = "C:\\" + std::string(300, 'a');
    SetupLog log(store, folder, "setup.log", SetupLog::newLog, false);
    EXPECT_THROW(log.writeLog(), FileException);
    EXPECT_EQ(store.writes, 0);
}

TEST(LogComplement, ComplementsOnlyTextLogs) {
    std::string bytes = "[COMMON]\r\n\xA4";
    ASSERT_TRUE(complementLogBytes(bytes));
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xA4);
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xFF - 'C');
    EXPECT_EQ(static_cast<unsigned char>(bytes[8]), 0xF2);  // CR
    EXPECT_EQ(bytes.back(), '[');
    const std::string once = bytes;
    EXPECT_FALSE(complementLogBytes(bytes));  // never twice
    EXPECT_EQ(bytes, once);
    std::string empty;
    EXPECT_FALSE(complementLogBytes(empty));
}

TEST(LogComplement, StoredLogIsComplementedInPlaceOnce) {
    MemoryFileStore store;
    const std::string text = layout({{"Application_Name=Tool"}});
    store.files[logPath] = text;
    complementStoredLog(store, logPath);
    ASSERT_EQ(store.files[logPath].size(), text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        EXPECT_EQ(static_cast<unsigned char>(store.files[logPath][i]), 0xFF - static_cast<unsigned char>(text[i]));
    const std::string complemented = store.files[logPath];
    complementStoredLog(store, logPath);
    EXPECT_EQ(store.files[logPath], complemented);
    complementStoredLog(store, "C:\\None\\setup.log");  // missing: silent
    EXPECT_EQ(store.files.count("C:\\None\\setup.log"), 0u);
}

TEST(EarlierLogReader, ReadsSectionsByTheScriptRules) {
    const std::string text =
        "[COMMON]\r\nA=1\r\n   \r\n\r\nB\r\n[APPFILES]\r\nC:\\x\r\n[APPDIR]\r\nC:\\last-without-line-end";
    EXPECT_EQ(readLogSection(text, "COMMON"), (Lines{"A=1", "B"}));
    EXPECT_EQ(readLogSection(text, "APPFILES"), Lines{"C:\\x"});
    EXPECT_EQ(readLogSection(text, "APPDIR"), Lines{});
    EXPECT_EQ(readLogSection(text, "FONTS"), Lines{});
    EXPECT_EQ(readLogSection(text, "common"), Lines{});  // case counts
    // Markers stay as they are.
    EXPECT_EQ(readLogSection("[RUNAPPS]\r\nBeforeUninstall=a<br>b<tab>\r\n", "RUNAPPS"),
              Lines{"BeforeUninstall=a<br>b<tab>"});
}

class FakeLogSettings : public LogSettings {
public:
    std::string appDir() override { return "C:\\App"; }
    std::string productName() override { return "Tool"; }
    std::string uninstallDialogLine(int index) override {
        return index < static_cast<int>(dialog.size()) ? dialog[static_cast<std::size_t>(index)] : std::string();
    }
    std::optional<std::string> beforeUninstallCommand() override { return beforeUninstall; }
    bool textLogFileFormat() override { return textLog; }

    Lines dialog;
    std::optional<std::string> beforeUninstall;
    bool textLog = false;
};

TEST(SetupLogKeeper, CreateLogWithThreeDialogLinesPadsToFifteen) {
    MemoryFileStore store;
    FakeLogSettings settings;
    settings.dialog = {"Title=Remove", "Text=Remove %ProductName%?", "Done<br>"};
    settings.beforeUninstall = "C:\\App\\stop.exe,-q";
    settings.textLog = true;
    SetupLogKeeper keeper(settings, store);
    SetupLog& log = keeper.createLog(false);
    EXPECT_EQ(&keeper.createLog(false), &log);  // held
    keeper.finish();
    Lines common = {"Application_Name=Tool", "Title=Remove", "Text=Remove %ProductName%?", "Done<br>"};
    common.resize(16);
    EXPECT_EQ(store.files[logPath], layout({common, {}, {}, {logPath}, {}, {}, {}, {}, {}, {}, {},
                                            {"BeforeUninstall=C:\\App\\stop.exe,-q"}}));
    EXPECT_EQ(keeper.log(), nullptr);
}

TEST(SetupLogKeeper, FinishStoresTheLogComplementedUnlessTextIsAsked) {
    for (bool textLog : {false, true}) {
        MemoryFileStore store;
        FakeLogSettings settings;
        settings.textLog = textLog;
        SetupLogKeeper keeper(settings, store);
        keeper.createLog(false).addEntry(LogKind::file, "C:\\App\\tool.exe");
        keeper.finish();
        const std::string& file = store.files[logPath];
        ASSERT_FALSE(file.empty());
        if (textLog) {
            EXPECT_EQ(file.rfind("[COMMON]\r\nApplication_Name=Tool\r\n", 0), 0u);
        } else {
            EXPECT_EQ(static_cast<unsigned char>(file[0]), 0xA4);
            std::string back = file;
            for (char& c : back) c = static_cast<char>(~static_cast<unsigned char>(c));
            EXPECT_EQ(back.rfind("[COMMON]\r\nApplication_Name=Tool\r\n", 0), 0u);
        }
    }
}

TEST(SetupLogKeeper, DisabledLogWritesNothingAndAddsNoLines) {
    MemoryFileStore store;
    FakeLogSettings settings;
    settings.beforeUninstall = "x";
    SetupLogKeeper keeper(settings, store);
    SetupLog& log = keeper.createLog(true);
    EXPECT_TRUE(log.lines(LogSection::common).empty());
    EXPECT_TRUE(log.lines(LogSection::runApps).empty());
    keeper.finish();
    EXPECT_EQ(store.writes, 0);
    EXPECT_TRUE(store.files.empty());
}

TEST(SetupLogKeeper, OpenExistingLogIsTheOneCreateLogReturns) {
    MemoryFileStore store;
    FakeLogSettings settings;
    settings.textLog = true;
    store.files[logPath] = layout({{"Application_Name=Old"}, {}, {}, {logPath}});
    SetupLogKeeper keeper(settings, store);
    SetupLog& existing = keeper.openExistingLog();
    EXPECT_EQ(&keeper.createLog(false), &existing);
    EXPECT_EQ(existing.lines(LogSection::common), Lines{"Application_Name=Old"});  // no new common lines
    keeper.finish();
    EXPECT_EQ(store.files[logPath], layout({{"Application_Name=Old"}, {}, {}, {logPath}}));
}

class ErrorLogTest : public ::testing::Test {
protected:
    MemoryFileStore store;
    SetupLog log{store, "C:\\App", "setup.log", SetupLog::newLog, false};
};

TEST_F(ErrorLogTest, NoLinesNoFileNoEntry) {
    {
        ErrorLog errors(store, "C:\\App", log);
        errors.write();
    }
    EXPECT_EQ(store.writes, 0);
    EXPECT_EQ(log.lines(LogSection::appFiles), Lines{logPath});
}

TEST_F(ErrorLogTest, LinesWrittenInOrderAndFileRecordedAsApplicationFile) {
    log.setCategory(FileCategory::shortcut);
    ErrorLog errors(store, "C:\\App\\", log);  // the backslash is added whatever the folder ends with
    EXPECT_EQ(errors.path(), "C:\\App\\\\error.log");
    ErrorLog plain(store, "C:\\App", log);
    EXPECT_EQ(plain.path(), "C:\\App\\error.log");
    plain.addLine("Invalid major key:HKXX");
    plain.addLine("Cannot create key:SOFTWARE\\X");
    plain.write();
    EXPECT_EQ(store.files["C:\\App\\error.log"], "Invalid major key:HKXX\r\nCannot create key:SOFTWARE\\X\r\n");
    EXPECT_TRUE(plain.lines().empty());
    EXPECT_EQ(log.category(), FileCategory::application);
    EXPECT_EQ(log.lines(LogSection::appFiles), (Lines{logPath, "C:\\App\\error.log"}));
    plain.write();  // the list is empty now
    EXPECT_EQ(store.writes, 1);
}

TEST_F(ErrorLogTest, FailedWriteRaisesCode5AndKeepsTheLines) {
    store.refused.insert("C:\\App\\error.log");
    ErrorLog errors(store, "C:\\App", log);
    errors.addLine("can't save shortcut:C:\\x.lnk");
    try {
        errors.write();
        FAIL() << "no exception";
    } catch (const FileException& e) {
        EXPECT_EQ(e.code(), 5);
        EXPECT_EQ(e.fileName(), "C:\\App\\error.log");
    }
    EXPECT_EQ(errors.lines(), Lines{"can't save shortcut:C:\\x.lnk"});
    EXPECT_EQ(log.lines(LogSection::appFiles), Lines{logPath});  // not recorded
    store.refused.clear();
    errors.write();
    EXPECT_EQ(store.files["C:\\App\\error.log"], "can't save shortcut:C:\\x.lnk\r\n");
}

}  // namespace
}  // namespace setup
