#include "installer/engine/DirectoryTree.h"
#include "installer/engine/tests/MemoryFileStore.h"
#include "installer/engine/tests/TempFolder.h"

#include <gtest/gtest.h>

namespace setup {
namespace {

using testing::MemoryFileStore;
using testing::TempFolder;
using testing::exists;
using Lines = std::vector<std::string>;

class DirectoryTreeTest : public ::testing::Test {
protected:
    TempFolder folder;
    MemoryFileStore store;
    SetupLog log{store, "C:\\Log", "setup.log", 0, false};

    Lines recorded() const {
        Lines all = log.lines(LogSection::appDir);
        const auto& others = log.lines(LogSection::appFolders);
        all.insert(all.end(), others.begin(), others.end());
        return all;
    }
};

// A drive letter that names no drive, or none when all are taken.
std::string unusedDrive() {
    const DWORD drives = ::GetLogicalDrives();
    for (int i = 25; i >= 3; --i)
        if (!(drives & (1u << i))) return std::string(1, static_cast<char>('A' + i)) + ":";
    return {};
}

TEST_F(DirectoryTreeTest, FileFolderVariantReportsWhetherItMadeThePath) {
    const std::string a = folder / "A", ab = folder / "A\\B", abc = folder / "A\\B\\C";
    EXPECT_TRUE(makeDirectoryTree(ab));  // parent missing: both made
    EXPECT_TRUE(exists(a));
    EXPECT_TRUE(isDirectory(ab));

    ::SetLastError(0);
    EXPECT_FALSE(makeDirectoryTree(ab));  // exists already
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));

    EXPECT_TRUE(makeDirectoryTree(abc + "\\"));  // one trailing backslash dropped
    EXPECT_TRUE(isDirectory(abc));
    EXPECT_FALSE(makeDirectoryTree(abc + "\\"));
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
}

TEST_F(DirectoryTreeTest, FileFolderVariantFailsOnUnknownDriveAndUnderAFile) {
    const std::string drive = unusedDrive();
    ASSERT_FALSE(drive.empty());
    EXPECT_FALSE(makeDirectoryTree(drive + "\\A\\B"));
    ASSERT_TRUE(testing::writeFile(folder / "file", "x"));
    EXPECT_FALSE(makeDirectoryTree(folder / "file\\A"));
}

TEST_F(DirectoryTreeTest, FolderRecordVariantRecordsEveryLevelItMadeParentsFirst) {
    ASSERT_TRUE(makeDirectoryTree(folder / "Old"));
    makeDirectoryTree(folder / "Old\\New\\Deeper", log);
    EXPECT_EQ(recorded(), (Lines{folder / "Old\\New", folder / "Old\\New\\Deeper"}));
    EXPECT_TRUE(isDirectory(folder / "Old\\New\\Deeper"));

    makeDirectoryTree(folder / "Old\\New\\Deeper", log);  // nothing new
    makeDirectoryTree(folder / "Old\\Flat", log);         // made at the first try
    EXPECT_EQ(recorded(), (Lines{folder / "Old\\New", folder / "Old\\New\\Deeper", folder / "Old\\Flat"}));
}

TEST_F(DirectoryTreeTest, ShortcutVariantChecksTheDriveFirst) {
    const std::string drive = unusedDrive();
    ASSERT_FALSE(drive.empty());
    struct Case { std::string path; bool result; };
    const Case cases[] = {
        {"", true},
        {"C:\\", true},
        {"C:", true},
        {drive + "\\", true},  // shorter than four characters: a root, not looked at
        {drive + "\\Programs\\Tool", false},
        {folder.path(), true},  // a directory already
    };
    for (const auto& c : cases) EXPECT_EQ(makeDirectoryTree(c.path, log, shortcutFolder), c.result) << c.path;
    EXPECT_TRUE(recorded().empty());
}

TEST_F(DirectoryTreeTest, ShortcutVariantMakesAndRecordsTheChain) {
    log.setCategory(FileCategory::shortcut);
    ASSERT_TRUE(makeDirectoryTree(folder / "Menu\\Group\\Sub", log, shortcutFolder));
    EXPECT_TRUE(isDirectory(folder / "Menu\\Group\\Sub"));
    EXPECT_EQ(log.lines(LogSection::appFolders),
              (Lines{folder / "Menu", folder / "Menu\\Group", folder / "Menu\\Group\\Sub"}));
    ASSERT_TRUE(testing::writeFile(folder / "file", "x"));
    EXPECT_FALSE(makeDirectoryTree(folder / "file\\Sub", log, shortcutFolder));
}

TEST_F(DirectoryTreeTest, PathsBeyondTheBufferAreRefusedInEveryVariant) {
    const std::string tooLong = folder / ("Top\\" + std::string(300, 'd'));
    EXPECT_FALSE(makeDirectoryTree(tooLong));
    makeDirectoryTree(tooLong, log);
    EXPECT_FALSE(makeDirectoryTree(tooLong, log, shortcutFolder));
    EXPECT_FALSE(exists(folder / "Top"));  // not even the parent
    EXPECT_TRUE(recorded().empty());
}

}  // namespace
}  // namespace setup
