#include "installer/engine/FreeSpace.h"
#include "installer/engine/tests/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace setup {
namespace {

// Free kilobytes as the wide query sees them at this moment.
std::uint64_t referenceKB(const std::string& root) {
    ULARGE_INTEGER available{}, total{}, free{};
    if (!::GetDiskFreeSpaceExA(root.c_str(), &available, &total, &free)) return 0;
    return available.QuadPart / 1024;
}

// Other programs write to the same disk meanwhile: allow 256 MB of drift.
void expectNear(std::uint64_t got, std::uint64_t reference, const std::string& what) {
    const std::uint64_t drift = got > reference ? got - reference : reference - got;
    EXPECT_LT(drift, 256u * 1024u) << what << ": " << got << " against " << reference;
}

TEST(FreeSpace, BothQueriesReportTheVolumesFreeKilobytes) {
    testing::TempFolder folder;
    const std::uint64_t reference = referenceKB("C:\\");
    ASSERT_GT(reference, 0u);
    const std::uint64_t expected = reference > 0xFFFFFFFFu ? 0xFFFFFFFFu : reference;
    using detail::FreeSpaceQuery;
    for (auto query : {FreeSpaceQuery::lookedUp, FreeSpaceQuery::clustersOnly}) {
        const char* what = query == FreeSpaceQuery::lookedUp ? "extended" : "clusters";
        expectNear(detail::freeSpaceKB("C:\\", query), expected, what);
        // A drive path is measured at its drive's root, even when the folder is missing.
        expectNear(detail::freeSpaceKB("C:\\No\\Such\\Folder", query), expected, what);
    }
    expectNear(freeSpaceKB(folder.path()), expected, "temp folder");
}

TEST(FreeSpace, UnknownPlacesAndOverlongPathsGiveZero) {
    const DWORD drives = ::GetLogicalDrives();
    std::string unused;
    for (int i = 25; i >= 3 && unused.empty(); --i)
        if (!(drives & (1u << i))) unused = std::string(1, static_cast<char>('A' + i)) + ":\\Tool";
    ASSERT_FALSE(unused.empty());
    EXPECT_EQ(freeSpaceKB(unused), 0u);
    EXPECT_EQ(detail::freeSpaceKB(unused, detail::FreeSpaceQuery::clustersOnly), 0u);
    EXPECT_EQ(freeSpaceKB("\\\\" + std::string(300, 's') + "\\share\\"), 0u);
}

}  // namespace
}  // namespace setup
