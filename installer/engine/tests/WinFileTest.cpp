#include "installer/engine/WinFile.h"
#include "installer/engine/tests/TempFolder.h"

#include <gtest/gtest.h>

namespace setup {
namespace {

using testing::TempFolder;
using testing::exists;
using testing::readFile;
using testing::writeFile;

class WinFileTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::string existing = folder / "existing.bin";
    std::string missing = folder / "missing.bin";
    void SetUp() override { ASSERT_TRUE(writeFile(existing, "0123456789")); }
};

TEST_F(WinFileTest, OpenModesGiveTheirAccessAndDisposition) {
    struct Case {
        int mode;
        bool onExisting;
        bool opens;
        bool canRead;
        bool canWrite;
        const char* contentAfter;  // of the file after writing "AB" when writable
    };
    const Case cases[] = {
        {0, true, true, true, false, "0123456789"},
        {0, false, false, false, false, nullptr},
        {1, true, true, true, true, "AB23456789"},
        {1, false, false, false, false, nullptr},
        {2, true, true, false, true, "AB23456789"},
        {2, false, false, false, false, nullptr},
        {3, true, true, false, true, "AB"},  // emptied
        {3, false, true, false, true, "AB"},  // created
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "mode " << c.mode << (c.onExisting ? " existing" : " missing"));
        ASSERT_TRUE(writeFile(existing, "0123456789"));
        ::DeleteFileA(missing.c_str());
        const std::string& path = c.onExisting ? existing : missing;
        WinFile file;
        ASSERT_EQ(file.open(path, c.mode), c.opens);
        EXPECT_EQ(file.isOpen(), c.opens);
        if (!c.opens) {
            EXPECT_EQ(exists(path), c.onExisting);
            continue;
        }
        char byte = 0;
        DWORD moved = 99;
        EXPECT_EQ(file.read(&byte, 1, moved), c.canRead);
        if (c.canRead) {
            EXPECT_EQ(byte, '0');
        }
        EXPECT_EQ(file.seek(0, WinFile::fromStart), true);
        moved = 99;
        EXPECT_EQ(file.write("AB", 2, moved), c.canWrite);
        EXPECT_EQ(moved, c.canWrite ? 2u : 0u);
        file.close();
        EXPECT_FALSE(file.isOpen());
        EXPECT_EQ(readFile(path), c.contentAfter);
    }
}

TEST_F(WinFileTest, OtherModesFailWithoutTouchingTheFileSystemAndCloseTheOpenFile) {
    for (int mode : {4, -1, 100}) {
        WinFile file;
        ASSERT_TRUE(file.open(existing, 0));
        EXPECT_FALSE(file.open(missing, mode)) << mode;
        EXPECT_FALSE(file.isOpen()) << mode;
        EXPECT_FALSE(exists(missing)) << mode;
        EXPECT_FALSE(file.open(existing, mode)) << mode;
        EXPECT_EQ(readFile(existing), "0123456789") << mode;
    }
}

TEST_F(WinFileTest, OpenWithFolderAndName) {
    struct Case { std::string folder; const char* name; bool opens; };
    const Case cases[] = {
        {folder.path(), "existing.bin", true},
        {folder.path() + "\\", "existing.bin", true},
        {folder.path(), "missing.bin", false},
    };
    for (const auto& c : cases) {
        WinFile file;
        EXPECT_EQ(file.open(c.folder, c.name, 0), c.opens) << c.folder << " " << c.name;
    }
}

TEST_F(WinFileTest, ShortReadReportsFalseWithTheCountMoved) {
    const std::string sixty(60, 'x');
    ASSERT_TRUE(writeFile(existing, sixty));
    WinFile file;
    ASSERT_TRUE(file.open(existing, 0));
    DWORD size = 0;
    EXPECT_TRUE(file.size(size));
    EXPECT_EQ(size, 60u);
    char buffer[100];
    DWORD moved = 0;
    EXPECT_FALSE(file.read(buffer, 100, moved));
    EXPECT_EQ(moved, 60u);
    EXPECT_EQ(std::string(buffer, moved), sixty);
    EXPECT_FALSE(file.read(buffer, 1, moved));  // at the end
    EXPECT_EQ(moved, 0u);
}

TEST_F(WinFileTest, SeekFromEachOrigin) {
    WinFile file;
    ASSERT_TRUE(file.open(existing, 0));
    struct Case { LONG distance; int origin; bool ok; char next; };
    const Case cases[] = {
        {3, WinFile::fromStart, true, '3'},   // then at 4
        {2, WinFile::fromCurrent, true, '6'}, // then at 7
        {-3, WinFile::fromEnd, true, '7'},
        {-2, WinFile::fromCurrent, true, '6'},
        {0, 3, false, '7'},                   // unknown origin: position unchanged
        {0, -1, false, '8'},
        {-20, WinFile::fromStart, false, '9'},  // before the start
    };
    for (const auto& c : cases) {
        EXPECT_EQ(file.seek(c.distance, c.origin), c.ok) << c.distance << "," << c.origin;
        char byte = 0;
        DWORD moved = 0;
        EXPECT_TRUE(file.read(&byte, 1, moved));
        EXPECT_EQ(byte, c.next) << c.distance << "," << c.origin;
    }
}

TEST_F(WinFileTest, ClosedFileFailsEveryOperation) {
    WinFile file;
    DWORD size = 7, moved = 7;
    char byte = 0;
    EXPECT_FALSE(file.size(size));
    EXPECT_EQ(size, 0u);
    EXPECT_FALSE(file.read(&byte, 1, moved));
    EXPECT_EQ(moved, 0u);
    moved = 7;
    EXPECT_FALSE(file.write("x", 1, moved));
    EXPECT_EQ(moved, 0u);
    EXPECT_FALSE(file.seek(0, 0));
}

TEST_F(WinFileTest, OpenFilesShareReadingOnly) {
    WinFile reader;
    ASSERT_TRUE(reader.open(existing, WinFile::readExisting));
    WinFile secondReader;
    EXPECT_TRUE(secondReader.open(existing, WinFile::readExisting));
    WinFile writer;
    EXPECT_FALSE(writer.open(existing, WinFile::writeExisting));  // writing is not shared
}

TEST_F(WinFileTest, PathsBeyondTheBufferAreRefused) {
    const std::string longName(300, 'n');
    WinFile file;
    ASSERT_TRUE(file.open(existing, 0));
    EXPECT_FALSE(file.open(folder / longName, WinFile::createForWrite));
    EXPECT_FALSE(file.isOpen());
    EXPECT_FALSE(file.open(folder.path(), longName, WinFile::createForWrite));
    EXPECT_FALSE(fileExists(folder / longName));
}

TEST_F(WinFileTest, ExistenceOfFilesAndFolders) {
    EXPECT_TRUE(fileExists(existing));
    EXPECT_TRUE(fileExists(folder.path()));
    EXPECT_FALSE(fileExists(missing));
    EXPECT_FALSE(fileExists(folder / "no\\such\\thing"));
}

}  // namespace
}  // namespace setup
