// Input conversion and the cutting of long texts into pieces.
#include "text_stream.h"

#include <gtest/gtest.h>

#include <random>

#include "frontend/char_classes.h"

namespace zorna::say {
namespace {

struct Converted {
    std::string text;
    std::vector<std::uint64_t> from;
};

// Converts the whole input, fed in blocks of `block` bytes, and joins the pieces.
Converted Convert(const std::string &input, InputEncoding encoding, bool ukrainian, std::size_t block) {
    TTextStream stream(encoding, ukrainian);
    Converted all;
    TextPiece piece;
    auto drain = [&] {
        while (stream.NextPiece(piece)) {
            EXPECT_LE(piece.Text.size(), kMaxPieceBytes);
            EXPECT_EQ(piece.From.size(), piece.Text.size() + 1);
            if (!all.from.empty()) {
                EXPECT_EQ(all.from.back(), piece.From.front());  // pieces follow each other
                all.from.pop_back();
            }
            all.text += piece.Text;
            all.from.insert(all.from.end(), piece.From.begin(), piece.From.end());
        }
    };
    for (std::size_t at = 0; at < input.size(); at += block) {
        stream.Feed(std::string_view(input).substr(at, block));
        drain();
    }
    stream.Finish();
    drain();
    return all;
}

TEST(TextStream, Utf8BecomesCodePage1251) {
    struct Case {
        const char *name;
        std::string utf8;
        std::string cp1251;
        bool ukrainian = false;
    };
    const std::vector<Case> cases = {
        {"Russian letters", "Привет", "\xCF\xF0\xE8\xE2\xE5\xF2"},
        {"ё and Ё", "ёЁ", "\xB8\xA8"},
        {"guillemets, dash, ellipsis, numero", "«»—…№", "\xAB\xBB\x97\x85\xB9"},
        {"Ukrainian letters", "іІїЇєЄґҐ", "\xB3\xB2\xBF\xAF\xBA\xAA\xB4\xA5"},
        {"typographic apostrophe", "п\xE2\x80\x99я", "\xEF\x92\xFF"},
        {"modifier letter apostrophe", "п\xCA\xBCя", "\xEF\x92\xFF"},
        {"ASCII apostrophe between letters, Ukrainian", "п'я 'я п'", "\xEF\x92\xFF '\xFF \xEF'", true},
        {"ASCII apostrophe kept for Russian", "п'я", "\xEF'\xFF"},
        {"characters the code page lacks",
         "a\xE2\x82\xBD\xF0\x9F\x98\x80"
         "b",
         "a  b"},
        {"malformed bytes, one space each",
         "a\xFF\xC3"
         "b\xE2\x82"
         "c\xC0\xAF",
         "a  b c  "},
        {"truncated sequence at the end", "a\xD0", "a "},
        {"zero byte", std::string("a\0b", 3), "a b"},
        {"dropped: soft hyphen, joiners, byte order mark",
         "\xEF\xBB\xBF"
         "ма\xC2\xADма\xE2\x80\x8D",
         "\xEC\xE0\xEC\xE0"},
        {"combining marks",
         "и\xCC\x86"
         "е\xCC\x88"
         "a\xCC\x81",
         "\xE9\xB8"
         "a"},
        {"hyphens",
         "a\xE2\x80\x91"
         "b",
         "a-b"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        for (std::size_t block : {std::size_t{1}, std::size_t{3}, std::size_t{4096}}) {
            SCOPED_TRACE(block);
            EXPECT_EQ(Convert(c.utf8, InputEncoding::Utf8, c.ukrainian, block).text, c.cp1251);
        }
    }
}

TEST(TextStream, EveryByteKnowsWhereItCameFrom) {
    // я (2 bytes), 😀 (4 bytes, lacking in the code page), б, a soft hyphen
    // (2 bytes, dropped), в, a malformed byte, г.
    const std::string input =
        "я\xF0\x9F\x98\x80"
        "б\xC2\xAD"
        "в\xFF"
        "г";
    const Converted c = Convert(input, InputEncoding::Utf8, false, 2);
    ASSERT_EQ(c.text, "\xFF \xE1\xE2 \xE3");
    const std::vector<std::uint64_t> expected = {0, 2, 6, 10, 12, 13, 15};
    EXPECT_EQ(c.from, expected);

    const Converted raw = Convert(std::string("\xE0\0\xE1", 3), InputEncoding::Cp1251, false, 1);
    EXPECT_EQ(raw.text, "\xE0 \xE1");
    EXPECT_EQ(raw.from, (std::vector<std::uint64_t>{0, 1, 2, 3}));
}

TEST(TextStream, PiecesGiveBackTheInputBytesOfAWord) {
    TTextStream stream(InputEncoding::Utf8, true);
    stream.Feed("мама п\xCA\xBCять");
    stream.Finish();
    TextPiece piece;
    ASSERT_TRUE(stream.NextPiece(piece));
    // п’ять are the cp bytes 5..9.
    EXPECT_EQ(piece.InputOffset(5), 9u);
    EXPECT_EQ(piece.InputLength(5, 5), 10u);
    EXPECT_EQ(piece.InputBytes(5, 5), "п\xCA\xBCять");
    EXPECT_FALSE(stream.NextPiece(piece));
}

TEST(ChooseCut, PrefersParagraphThenSentenceThenWordStart) {
    struct Case {
        const char *name;
        std::string text;
        std::size_t limit;
        std::size_t cut;
    };
    const std::vector<Case> cases = {
        {"paragraph before a later sentence", "aa.\n\nbb. cc. dd ee", 16, 5},
        {"paragraph with blanks on its empty line", "aa\n \t\nbb. cc dd ee", 16, 6},
        {"sentence end before later words", "aa bb. cc dd ee ff", 16, 7},
        {"ellipsis ends a sentence", "aa\x85 bb cc dd ee", 14, 4},
        {"last word start in reach", "aa bb cc dd ee", 10, 9},
        {"not before a hyphen or apostrophe", "aa bb -cc 'dd", 11, 3},
        {"after the last separator when no word starts", "aaaaaa,------", 12, 7},
        {"a short run without separators is cut at the limit", "aaaaaaaaaaaaaaaa", 10, 10},
        {"a long run is cut where the engine cuts its words", std::string(2000, 'a'), 1000, 700},
        {"never before an unknown next character", "aa bb ", 6, 3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ChooseCut(c.text, false, c.limit), c.cut);
    }
    EXPECT_EQ(ChooseCut("aa bb", true, 10), 5u);  // the end of the input
}

TEST(ChooseCut, LongTextsAreCutOnlyBetweenWords) {
    std::mt19937 random(3);
    const char *parts[] = {"мама", "дом-2", "п'ять", "+", "aб", " ", ", ", ".\n\n", "... ", "\n", "-", "—"};
    std::string input;
    while (input.size() < 100000) input += parts[random() % std::size(parts)];
    TTextStream stream(InputEncoding::Cp1251, false);
    stream.Feed(input);
    stream.Finish();
    std::string joined;
    TextPiece piece;
    while (stream.NextPiece(piece)) {
        ASSERT_LE(piece.Text.size(), kMaxPieceBytes);
        const std::size_t end = joined.size() + piece.Text.size();
        joined += piece.Text;
        if (end < input.size()) {  // a cut: a firm separator, then the start of a word
            EXPECT_TRUE(IsFirmSeparator(static_cast<std::uint8_t>(input[end - 1])));
            EXPECT_TRUE(IsFirmWordChar(static_cast<std::uint8_t>(input[end])));
        }
    }
    EXPECT_TRUE(joined == input);
}

}  // namespace
}  // namespace zorna::say
