// Frequent-word lists read by zorna-unitlist: the reader, and the lists kept with the tool.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "coverage.h"
#include "frontend/cp1251.h"

namespace {

using zorna::coverage::ReadWordList;

std::string WriteTemp(const std::string &text) {
    char pattern[] = "/tmp/zorna-words-test-XXXXXX";
    const int fd = mkstemp(pattern);
    if (fd < 0) return {};
    close(fd);
    std::ofstream(pattern, std::ios::binary) << text;
    return pattern;
}

TEST(WordList, CommentsSpacesAndRepeats) {
    const std::string path = WriteTemp(
        "\xEF\xBB\xBF# heading comment\r\n"
        "что это  как\t# trailing comment что\r\n"
        "\n"
        "   \n"
        "это он\n"
        "она#glued comment\n"
        "ещё п'ять из-за");
    ASSERT_FALSE(path.empty());
    std::vector<std::string> words;
    ASSERT_TRUE(ReadWordList(path, words));
    std::remove(path.c_str());
    const std::vector<std::string> expected = {"что", "это", "как", "он", "она", "ещё", "п'ять", "из-за"};
    EXPECT_EQ(words, expected);
}

TEST(WordList, MissingFileFails) {
    std::vector<std::string> words;
    EXPECT_FALSE(ReadWordList("/nonexistent/zorna-words.txt", words));
    EXPECT_TRUE(words.empty());
}

class ShippedWordList : public ::testing::TestWithParam<const char *> {};

TEST_P(ShippedWordList, HundredsOfLowerCaseWordsInCodePage1251) {
    std::vector<std::string> words;
    ASSERT_TRUE(ReadWordList(std::string(ZORNA_COVERAGE_DIR) + "/" + GetParam(), words));
    EXPECT_GE(words.size(), 300u);
    for (const auto &word : words) {
        const std::string cp = zorna::Utf8ToCp1251(word, '\x01');
        EXPECT_EQ(cp.find('\x01'), std::string::npos) << word;
        for (const char c : cp) {
            const auto u = static_cast<unsigned char>(c);
            const bool lower = (u >= 0xE0) || u == 0xB8 /* ё */ || u == 0xB3 /* і */ ||
                               u == 0xBF /* ї */ || u == 0xBA /* є */ || u == 0xB4 /* ґ */;
            EXPECT_TRUE(lower || c == '\'' || c == '-') << word;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Lists, ShippedWordList,
                         ::testing::Values("frequent-ru.txt", "frequent-uk.txt"));

}  // namespace
