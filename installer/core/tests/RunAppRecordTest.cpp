#include "installer/core/RunAppRecord.h"

#include <gtest/gtest.h>

namespace setup {
namespace {

TEST(RunAppRecord, ParsesUpToSevenFieldsAndStopsAtTheFirstMissingOne) {
    struct Case {
        const char* text;
        RunAppRecord expected;
    };
    const Case cases[] = {
        {"C:\\Tools\\check.exe", {"C:\\Tools\\check.exe", "", "", 0, 0, 0, ""}},
        {"", {"", "", "", 0, 0, 0, ""}},
        {"check.exe,,,1,0,2", {"check.exe", "", "", 1, 0, 2, ""}},
        {"a.exe,-q -x,C:\\Work,3,7,1,note", {"a.exe", "-q -x", "C:\\Work", 3, 7, 1, "note"}},
        {"a.exe,p", {"a.exe", "p", "", 0, 0, 0, ""}},
        {"a.exe,p,", {"a.exe", "p", "", 0, 0, 0, ""}},
        {"a.exe, p , w ,  5x,,abc", {"a.exe", " p ", " w ", 5, 0, 0, ""}},  // no trimming; atoi
        {"a.exe,,,-1,,3,n,extra", {"a.exe", "", "", -1, 0, 3, "n"}},
        {",,,", {"", "", "", 0, 0, 0, ""}},
    };
    for (const auto& c : cases) {
        const auto r = RunAppRecord::parse(c.text);
        EXPECT_EQ(r.path, c.expected.path) << c.text;
        EXPECT_EQ(r.parameters, c.expected.parameters) << c.text;
        EXPECT_EQ(r.workingFolder, c.expected.workingFolder) << c.text;
        EXPECT_EQ(r.showCommand, c.expected.showCommand) << c.text;
        EXPECT_EQ(r.reserved, c.expected.reserved) << c.text;
        EXPECT_EQ(r.flags, c.expected.flags) << c.text;
        EXPECT_EQ(r.note, c.expected.note) << c.text;
    }
}

}  // namespace
}  // namespace setup
