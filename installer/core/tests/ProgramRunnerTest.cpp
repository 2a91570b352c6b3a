#include "installer/core/ProgramRunner.h"
#include "installer/engine/tests/TempFolder.h"

#include "common/win32/WideText.h"
#include "testsupport/GuiTest.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace setup {
namespace {

using testing::TempFolder;
using testing::exists;
using testing::readFile;
using testing::writeFile;

// Lets a waiting probe go as soon as its report is there, and remembers it.
class Releaser {
public:
    Releaser(std::string report, std::string release)
        : thread_([this, report, release] {
              if (testsupport::waitFor([&] { return exists(report); })) {
                  released_ = true;
                  writeFile(release, "go");
              }
          }) {}
    ~Releaser() { thread_.join(); }
    bool released() const { return released_; }

private:
    std::atomic<bool> released_{false};
    std::thread thread_;
};

class ProgramRunnerTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string built = win32::fromWide(testsupport::moduleFolder(), CP_ACP) + "runner_probe.exe";
        ASSERT_TRUE(::CopyFileA(built.c_str(), probe.c_str(), FALSE)) << built;
        char cwd[MAX_PATH];
        ::GetCurrentDirectoryA(MAX_PATH, cwd);
        ownFolder = cwd;
    }
    void TearDown() override { ::SetCurrentDirectoryA(ownFolder.c_str()); }

    // "<probe>.args" instructions for a probe started without arguments.
    void instruct(const std::string& exe, const std::string& code, const std::string& release = "") {
        ASSERT_TRUE(writeFile(exe + ".args", report + "|" + code + "|" + release));
    }
    std::string reportLine(const std::string& key) {
        const std::string text = readFile(report);
        const auto at = text.find(key + "=");
        if (at == std::string::npos) return "<none>";
        const auto start = at + key.size() + 1;
        return text.substr(start, text.find("\r\n", start) - start);
    }

    TempFolder folder;
    std::string probe = folder / "probe.exe";
    std::string report = folder / "report.txt";
    std::string done = report + ".done";
    std::string release = folder / "release";
    std::string ownFolder;
};

TEST_F(ProgramRunnerTest, PlainPathRunsHiddenWithoutParametersAndIsWaitedFor) {
    instruct(probe, "0", release);
    Releaser releaser(report, release);
    EXPECT_TRUE(runProgram(RunAppRecord::parse(probe)));
    EXPECT_TRUE(releaser.released());
    EXPECT_TRUE(exists(done));
    EXPECT_EQ(reportLine("show"), "0");
    EXPECT_EQ(reportLine("command"), "\"" + probe + "\"");
    EXPECT_EQ(reportLine("cwd"), ownFolder);  // the installer's own folder
}

TEST_F(ProgramRunnerTest, ExitCodeCountsOnlyWhenTaken) {
    const std::string check = folder / "check.exe";
    ASSERT_TRUE(::CopyFileA(probe.c_str(), check.c_str(), FALSE));
    ASSERT_TRUE(::SetCurrentDirectoryA(folder.path().c_str()));
    struct Case { const char* record; const char* code; bool result; };
    const Case cases[] = {
        {"check.exe,,,1,0,2", "3", false},
        {"check.exe,,,1,0,2", "0", true},
        {"check.exe,,,1,0,0", "3", true},
        {"check.exe", "255", true},
        {"check.exe,,,0,0,3", "0", false},  // not waited for: still running when the code is taken
    };
    for (const auto& c : cases) {
        ::DeleteFileA(done.c_str());
        instruct(check, c.code, c.record == std::string("check.exe,,,0,0,3") ? release : "");
        EXPECT_EQ(runProgram(RunAppRecord::parse(c.record)), c.result) << c.record << " exit " << c.code;
        EXPECT_EQ(runBeforeInstall(nullptr), true);
        writeFile(release, "go");
        EXPECT_TRUE(testsupport::waitFor([&] { return exists(done); })) << c.record;
        ::DeleteFileA(release.c_str());
    }
    instruct(check, "3");
    const RunAppRecord before = RunAppRecord::parse("check.exe,,,1,0,2");
    EXPECT_FALSE(runBeforeInstall(&before));
}

TEST_F(ProgramRunnerTest, Flag1DoesNotWait) {
    instruct(probe, "0", release);
    EXPECT_TRUE(runProgram(RunAppRecord::parse(probe + ",,,0,0,1")));
    EXPECT_FALSE(exists(done));  // it cannot end before the release exists
    ASSERT_TRUE(testsupport::waitFor([&] { return exists(report); }));
    writeFile(release, "go");
    EXPECT_TRUE(testsupport::waitFor([&] { return exists(done); }));
}

TEST_F(ProgramRunnerTest, ParametersWorkingFolderShowCommandAndNoInheritedHandles) {
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    win32::UniqueKernelHandle event(::CreateEventW(&inheritable, TRUE, FALSE, nullptr));
    const std::string eventValue = std::to_string(reinterpret_cast<std::uintptr_t>(event.get()));
    const std::string work = folder / "work";
    ASSERT_TRUE(::CreateDirectoryA(work.c_str(), nullptr));

    const std::string params = "\"" + report + "\" 0 \"\" " + eventValue;
    EXPECT_TRUE(runProgram(RunAppRecord::parse(probe + "," + params + "," + work + ",5,0,2")));
    EXPECT_EQ(reportLine("cwd"), work);
    EXPECT_EQ(reportLine("show"), "5");
    EXPECT_EQ(reportLine("command"), "\"" + probe + "\" " + params);
    EXPECT_EQ(::WaitForSingleObject(event.get(), 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "handle was inherited";

    // The same probe started with inheritance does reach the event, so the check above can fail.
    std::string commandLine = "\"" + probe + "\" " + params;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    ASSERT_TRUE(::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                                 &started));
    win32::UniqueKernelHandle process(started.hProcess), thread(started.hThread);
    ::WaitForSingleObject(process.get(), 20000);
    EXPECT_EQ(::WaitForSingleObject(event.get(), 0), static_cast<DWORD>(WAIT_OBJECT_0));
}

TEST_F(ProgramRunnerTest, ProgramThatCannotStartCountsAsSuccess) {
    EXPECT_TRUE(runProgram(RunAppRecord::parse(folder / "missing.exe,,,1,0,2")));
    EXPECT_TRUE(runProgram(RunAppRecord::parse(folder / "missing.bat,,,1,0,2")));
    EXPECT_TRUE(runProgram(RunAppRecord::parse(folder / "missing.document")));
    EXPECT_TRUE(runProgram(RunAppRecord::parse("")));  // an empty name handed to the shell
}

TEST_F(ProgramRunnerTest, BatchFileRunsAsAProgram) {
    const std::string batch = folder / "fail.bat";
    ASSERT_TRUE(writeFile(batch, "@exit 4\r\n"));
    EXPECT_FALSE(runProgram(RunAppRecord::parse(batch + ",,,0,0,2")));
    EXPECT_TRUE(runProgram(RunAppRecord::parse(batch + ",,,0,0,0")));
}

TEST_F(ProgramRunnerTest, AfterInstallCommandIsParsedAndRun) {
    runAfterInstall("");
    EXPECT_FALSE(exists(report));
    runAfterInstall(probe + ",\"" + report + "\" 7,,0,0,2");  // the failing code is not looked at
    EXPECT_TRUE(exists(done));
}

// Registers the document type ".nvtdoc" to be opened by the probe.
class Association {
public:
    explicit Association(const std::string& opener) {
        HKEY key = nullptr;
        ::RegCreateKeyExA(HKEY_CLASSES_ROOT, ".nvtdoc", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
        ::RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>("NorvaneTestDoc"), 15);
        ::RegCloseKey(key);
        const std::string command = "\"" + opener + "\" \"%1\"";
        ::RegCreateKeyExA(HKEY_CLASSES_ROOT, "NorvaneTestDoc\\shell\\open\\command", 0, nullptr, 0, KEY_ALL_ACCESS,
                          nullptr, &key, nullptr);
        ::RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                         static_cast<DWORD>(command.size() + 1));
        ::RegCloseKey(key);
    }
    ~Association() {
        for (const char* key : {"NorvaneTestDoc\\shell\\open\\command", "NorvaneTestDoc\\shell\\open",
                                "NorvaneTestDoc\\shell", "NorvaneTestDoc", ".nvtdoc"})
            ::RegDeleteKeyA(HKEY_CLASSES_ROOT, key);
    }
};

TEST_F(ProgramRunnerTest, DocumentIsOpenedThroughTheShellAndWaitedForWithFlags0) {
    Association association(probe);
    const std::string document = folder / "readme.nvtdoc";
    ASSERT_TRUE(writeFile(document, report + "|0|" + release + "\r\n"));
    {
        Releaser releaser(report, release);
        EXPECT_TRUE(runProgram(RunAppRecord::parse(document)));
        EXPECT_TRUE(releaser.released());
        EXPECT_TRUE(exists(done));
    }
    EXPECT_NE(reportLine("command").find(document), std::string::npos) << reportLine("command");

    // Any flag: opened and not waited for.
    ::DeleteFileA(report.c_str());
    ::DeleteFileA(done.c_str());
    ::DeleteFileA(release.c_str());
    EXPECT_TRUE(runProgram(RunAppRecord::parse(document + ",,,1,0,2")));
    EXPECT_FALSE(exists(done));
    ASSERT_TRUE(testsupport::waitFor([&] { return exists(report); }));
    writeFile(release, "go");
    EXPECT_TRUE(testsupport::waitFor([&] { return exists(done); }));
}

TEST_F(ProgramRunnerTest, ProgramExtensionIsMatchedWithLetterCase) {
    // "CHECK.EXE" holds no ".exe": it goes to the shell, whose result is always
    // success, so its exit code 3 is never taken.
    const std::string upper = folder / "CHECK.EXE";
    ASSERT_TRUE(::CopyFileA(probe.c_str(), upper.c_str(), FALSE));
    instruct(upper, "3");
    EXPECT_TRUE(runProgram(RunAppRecord::parse(upper + ",,,0,0,2")));
    EXPECT_TRUE(testsupport::waitFor([&] { return exists(done); }));
    ::DeleteFileA(done.c_str());
    instruct(probe, "3");  // the same program under a lower-case name
    EXPECT_FALSE(runProgram(RunAppRecord::parse(probe + ",,,0,0,2")));
}

}  // namespace
}  // namespace setup
