#include "launcher/agreement/AgreementText.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

using namespace launcher;

namespace {
std::string storedAgreement() {
    std::ifstream f(LAUNCHER_AGREEMENT_FILE, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

std::vector<std::string> lines(const std::string& crlfText) {
    std::vector<std::string> out;
    size_t start = 0;
    for (;;) {
        size_t end = crlfText.find("\r\n", start);
        out.push_back(crlfText.substr(start, end - start));
        if (end == std::string::npos) return out;
        start = end + 2;
    }
}
}  // namespace

TEST(AgreementText, LineEndsBecomeCrLfAndTheByteOrderMarkGoes) {
    struct Case {
        std::string stored, shown;
    } cases[] = {
        {"a\nb", "a\r\nb"},       {"a\r\nb\r\n", "a\r\nb\r\n"}, {"a\rb", "a\r\nb"},
        {"\xEF\xBB\xBFx\n", "x\r\n"}, {"\n\n", "\r\n\r\n"},     {"", ""},
        {"中\r\r\n文", "中\r\n\r\n文"},
    };
    for (const Case& c : cases) EXPECT_EQ(agreementForDisplay(c.stored), c.shown);
}

TEST(AgreementText, CountsCharactersNotBytes) {
    EXPECT_EQ(countCharacters("abc"), 3u);
    EXPECT_EQ(countCharacters("许可协议"), 4u);
    EXPECT_EQ(countCharacters("a\r\n隶"), 4u);
}

TEST(AgreementText, OpensWithABlankLineOfSpacesThenTheIndentedHeading) {
    std::string text = agreementForDisplay(storedAgreement());
    ASSERT_FALSE(text.empty()) << "cannot read " << LAUNCHER_AGREEMENT_FILE;
    std::vector<std::string> l = lines(text);
    ASSERT_GE(l.size(), 3u);
    EXPECT_FALSE(l[0].empty());
    EXPECT_EQ(l[0].find_first_not_of(' '), std::string::npos);
    size_t indent = l[1].find_first_not_of(' ');
    EXPECT_GT(indent, 0u);
    EXPECT_EQ(l[1].substr(indent), "Norvane软件最终用户许可协议");
}

TEST(AgreementText, HasItsSectionsAndElevenNumberedClausesInOrder) {
    std::string text = agreementForDisplay(storedAgreement());
    const char* order[] = {
        "重要须知", "软件产品许可",  "1．许可的授予", "2．权利的保留", "3．升级",       "4．知识产权",
        "5．备份副本", "6．出口限制", "7．不提供担保", "8．间接损失免责", "9．责任限制", "10．发布数据的共享",
        "11．发布数据的安全", "\r\n有限担保\r\n", "\r\n适用法律\r\n",
    };
    size_t at = 0;
    for (const char* part : order) {
        size_t found = text.find(part, at);
        EXPECT_NE(found, std::string::npos) << "missing or out of order: " << part;
        if (found != std::string::npos) at = found + 1;
    }
    EXPECT_EQ(text.find("12．"), std::string::npos);
}

TEST(AgreementText, IsAboutFiveThousandEightHundredFiftyCharacters) {
    std::string text = agreementForDisplay(storedAgreement());
    size_t n = countCharacters(text);
    EXPECT_GE(n, 5600u);
    EXPECT_LE(n, 6100u);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "bare line feed at " << i;
        }
        if (text[i] == '\r') {
            EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "bare return at " << i;
        }
    }
}
