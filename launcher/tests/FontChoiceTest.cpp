#include "launcher/fonts/FontChoice.h"

#include <gtest/gtest.h>

#include <set>

using namespace launcher;

TEST(FontChoice, TakesTheFirstInstalledPreferenceOrTheFallback) {
    struct Case {
        std::set<std::string> installed;
        std::string chosen;
    } cases[] = {
        {{"隶书", "宋体", "Tahoma"}, "隶书"},
        {{"LiSu", "宋体"}, "LiSu"},
        {{"宋体", "楷体"}, "楷体"},
        {{"SimSun"}, "SimSun"},
        {{"Tahoma", "WenQuanYi Micro Hei"}, "Fallback Face"},
        {{}, "Fallback Face"},
    };
    for (const Case& c : cases) {
        auto has = [&](const std::string& face) { return c.installed.count(face) > 0; };
        EXPECT_EQ(chooseFace(clericalFacePreferences(), has, "Fallback Face"), c.chosen);
    }
}

TEST(FontChoice, ClericalScriptComesFirstAndTextFaceIsSongTi) {
    ASSERT_FALSE(clericalFacePreferences().empty());
    EXPECT_EQ(clericalFacePreferences().front(), "隶书");
    ASSERT_FALSE(textFacePreferences().empty());
    EXPECT_EQ(textFacePreferences().front(), "宋体");
}
