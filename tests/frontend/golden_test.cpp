// Golden cases of the text front end: phrases and the phonetic text expected
// for them, from the plain-text case files in golden/ (format in README.txt there).
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cp1251.h"
#include "processor.h"
#include "test_dictionary.h"

namespace zorna {
namespace {

const char *const kOutputBefore = "(old)";
const char *const kOpen = "\xE2\x9F\xA8";   // ⟨
const char *const kClose = "\xE2\x9F\xA9";  // ⟩

struct GoldenCase {
    int Line = 0;
    bool Continues = false;  // "then": same processor as the line before
    std::uint8_t Language = 0;
    std::uint8_t Level = 0;
    std::int32_t Pause = 0;
    std::uint8_t FlagBefore = 0;
    std::string Phrase, Output, Pending;  // code page 1251
    std::uint8_t FlagAfter = 0;
};

// The text between ⟨ and ⟩: UTF-8 converted to code page 1251, with \xHH for
// one byte of any value and \\ for a backslash.
std::string DecodeText(const std::string &utf8) {
    std::string out, chunk;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] != '\\') {
            chunk.push_back(utf8[i]);
            continue;
        }
        out += Cp(chunk);
        chunk.clear();
        if (i + 1 < utf8.size() && utf8[i + 1] == '\\') {
            out.push_back('\\');
            ++i;
        } else if (i + 3 < utf8.size() && utf8[i + 1] == 'x') {
            out.push_back(static_cast<char>(std::stoi(utf8.substr(i + 2, 2), nullptr, 16)));
            i += 3;
        } else {
            throw std::runtime_error("bad escape");
        }
    }
    return out + Cp(chunk);
}

// Splits a line into bare words and ⟨bracketed⟩ texts (kept with a leading '<').
std::vector<std::string> Tokens(const std::string &line) {
    std::vector<std::string> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i;
        } else if (line.compare(i, 3, kOpen) == 0) {
            const std::size_t end = line.find(kClose, i + 3);
            if (end == std::string::npos) throw std::runtime_error("unclosed text");
            tokens.push_back("<" + line.substr(i + 3, end - i - 3));
            i = end + 3;
        } else {
            const std::size_t end = line.find_first_of(" \t", i);
            tokens.push_back(line.substr(i, end == std::string::npos ? std::string::npos : end - i));
            i = end == std::string::npos ? line.size() : end;
        }
    }
    return tokens;
}

std::vector<GoldenCase> ReadCases(const std::string &fileName) {
    std::ifstream in(std::string(ZORNA_FRONTEND_GOLDEN_DIR) + "/" + fileName);
    if (!in) throw std::runtime_error("cannot open " + fileName);
    std::vector<GoldenCase> cases;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> t = Tokens(line);
        if (t.empty()) continue;
        GoldenCase c;
        c.Line = number;
        std::size_t k = 0;
        if (t[0] == "then") {
            c.Continues = true;
            ++k;
        }
        auto text = [&](std::size_t at) {
            if (at >= t.size() || t[at].empty() || t[at][0] != '<')
                throw std::runtime_error(fileName + ":" + std::to_string(number) + ": expected a text");
            return DecodeText(t[at].substr(1));
        };
        if (t.size() != k + 9 || t[k + 5] != "->")
            throw std::runtime_error(fileName + ":" + std::to_string(number) + ": malformed case");
        if (t[k] != "ru" && t[k] != "uk")
            throw std::runtime_error(fileName + ":" + std::to_string(number) + ": language is ru or uk");
        c.Language = t[k] == "ru" ? kLanguageRussian : kLanguageUkrainian;
        c.Level = static_cast<std::uint8_t>(std::stoi(t[k + 1]));
        c.Pause = std::stoi(t[k + 2]);
        c.FlagBefore = static_cast<std::uint8_t>(std::stoi(t[k + 3]));
        c.Phrase = text(k + 4);
        c.Output = text(k + 6);
        c.Pending = text(k + 7);
        c.FlagAfter = static_cast<std::uint8_t>(std::stoi(t[k + 8]));
        cases.push_back(c);
    }
    return cases;
}

// Shows code page 1251 text as UTF-8 between brackets, for failure messages.
std::string Show(const std::string &cp1251) { return std::string(kOpen) + Cp1251ToUtf8(cp1251) + kClose; }

class GoldenTest : public ::testing::TestWithParam<const char *> {};

TEST_P(GoldenTest, PhrasesGiveTheirPhoneticText) {
    const std::vector<GoldenCase> cases = ReadCases(GetParam());
    ASSERT_FALSE(cases.empty());
    std::unique_ptr<TProcessor> processor;
    std::uint8_t language = 0;
    for (const GoldenCase &c : cases) {
        SCOPED_TRACE(std::string(GetParam()) + ":" + std::to_string(c.Line) + " phrase " + Show(c.Phrase));
        if (c.Continues) {
            ASSERT_TRUE(processor != nullptr) << "\"then\" without a case before it";
            ASSERT_EQ(language, c.Language) << "\"then\" continues with the same language";
        } else {
            processor = std::make_unique<TProcessor>(c.Language, test::DictionaryFolder());
            language = c.Language;
        }
        std::uint8_t flag = c.FlagBefore;
        std::string output = kOutputBefore;
        processor->Process(c.Phrase, c.Level, flag, c.Pause, output);
        EXPECT_EQ(Show(output), Show(c.Output)) << "output";
        EXPECT_EQ(Show(processor->Pending()), Show(c.Pending)) << "pending";
        EXPECT_EQ(int{flag}, int{c.FlagAfter}) << "preposition flag";
    }
}

INSTANTIATE_TEST_SUITE_P(Files, GoldenTest,
                         ::testing::Values("words.txt", "numbers.txt", "letters.txt", "latin.txt",
                                           "punctuation.txt", "symbols.txt"),
                         [](const ::testing::TestParamInfo<const char *> &info) {
                             std::string name = info.param;
                             return name.substr(0, name.find('.'));
                         });

}  // namespace
}  // namespace zorna
