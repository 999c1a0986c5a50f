// Any byte sequence is a valid phrase: Process never fails on it and what comes
// out is phonetic text (no digits, no Latin letters, no upper-case letters).
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "char_classes.h"
#include "cp1251.h"
#include "processor.h"
#include "test_dictionary.h"

namespace zorna {
namespace {

// The characters the phonetic text may hold: lower-case letters, ё, ї, є, ґ
// (Russian leaves it unmapped), the stress mark, space, pause marks.
bool IsPhoneticTextChar(std::uint8_t c) {
    return c >= 224 || c == 184 || c == 191 || c == 186 || c == 180 || c == ' ' || c == '+' ||
           IsSentencePunctuation(c) || IsSymbolChar(c);
}

void ExpectPhoneticText(const std::string &phrase, const std::string &output, std::uint8_t language) {
    for (char ch : output) {
        if (!IsPhoneticTextChar(static_cast<std::uint8_t>(ch))) {
            ADD_FAILURE() << "language " << int{language} << ": phrase \"" << Cp1251ToUtf8(phrase)
                          << "\" gave \"" << Cp1251ToUtf8(output) << "\" with byte "
                          << int{static_cast<std::uint8_t>(ch)};
            return;
        }
    }
}

TEST(RobustnessTest, EveryOneAndTwoBytePhraseGivesPhoneticText) {
    for (std::uint8_t language : {kLanguageRussian, kLanguageUkrainian}) {
        TProcessor processor(language, test::DictionaryFolder());
        std::uint8_t flag = 0;
        std::string output;
        for (int a = 0; a < 256; ++a) {
            const std::string one(1, static_cast<char>(a));
            processor.Process(one, 3, flag, 0, output);
            ExpectPhoneticText(one, output, language);
            for (int b = 0; b < 256; ++b) {
                const std::string two{static_cast<char>(a), static_cast<char>(b)};
                processor.Process(two, static_cast<std::uint8_t>(b % 4), flag, 0, output);
                ExpectPhoneticText(two, output, language);
            }
        }
    }
}

TEST(RobustnessTest, RandomPhrasesGivePhoneticTextAndKeepHeldTextPhonetic) {
    std::mt19937 random(12345);
    // Bytes drawn mostly from the interesting classes so that runs form.
    const std::string pool = Cp("абвгдеёжзийклмнопрстуфхцчшщъыьэюяАБВЯЁІіЄєЇїҐґ") +
                             "0123456789abcxyzQW-+'\x92 ,.;!?\x07&()\x85\x96\x98\xAB\xBB\xB9";
    for (std::uint8_t language : {kLanguageRussian, kLanguageUkrainian}) {
        TProcessor processor(language, test::DictionaryFolder());
        std::uint8_t flag = 0;
        std::string output;
        for (int n = 0; n < 20000; ++n) {
            const std::size_t length = 1 + random() % 40;
            std::string phrase;
            for (std::size_t i = 0; i < length; ++i)
                phrase.push_back(n % 4 == 0 ? static_cast<char>(random() % 256) : pool[random() % pool.size()]);
            const auto level = static_cast<std::uint8_t>(random() % 5);
            const std::int32_t pause = random() % 3 == 0 ? 50 : 0;
            processor.Process(phrase, level, flag, pause, output);
            ExpectPhoneticText(phrase, output, language);
            ExpectPhoneticText(phrase, processor.Pending(), language);
            if (HasFailure()) return;
        }
    }
}

}  // namespace
}  // namespace zorna
