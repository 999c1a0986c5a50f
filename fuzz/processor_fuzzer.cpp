// zorna::TProcessor over arbitrary phrase bytes, both languages, every
// punctuation level, with a small dictionary written at start-up. The input is
// spoken twice: whole, as one phrase, and cut into phrases the way the speaking
// loop cuts it (a run of IsWordChar characters plus the one that ended it).
//
// Leading byte: bit 0 the preposition pause (0 or 150), bit 1 the preposition
// state a phrase starts with, bits 2-3 the punctuation level of the cut pass.
#include <memory>
#include <string>

#include "fixture_voice.h"
#include "frontend/processor.h"
#include "fuzz_common.h"

namespace {

std::string &DataFolder() {
    static std::string folder = [] {
        const std::string dir = zorna::testing::MakeTempDir("fuzz-processor");
        const std::vector<std::pair<std::string, std::string>> entries = {
            {"мама", "ма+ма"}, {"дом", "до+м"},         {"кот", "ко+т"},     {"привет", "приве+т"},
            {"кіт", "кі+т"},   {"п'ять", "п'я+ть"},     {"їжак", "їжа+к"},   {"сто", "сто+"},
            {"мир", "ми+р"},   {"abc", "a+bc"},         {"ёлка", "ё+лка"},   {"ґанок", "ґа+нок"},
            {"на", "на+"},     {"по", "по+"},           {"в", "в"},          {"за", "за+"},
        };
        zorna::testing::WriteDictionary(dir + "/slovar.rus", entries);
        zorna::testing::WriteDictionary(dir + "/slovar.ukr", entries);
        return dir;
    }();
    return folder;
}

void CheckOutput(const std::string &output, bool inputHasZero) {
    if (!inputHasZero) FUZZ_CHECK(output.find('\0') == std::string::npos);
}

void SpeakWhole(zorna::TProcessor &processor, const std::string &text, std::uint8_t level, std::uint8_t pending,
                std::int32_t pause, bool inputHasZero) {
    std::string output = "unchanged";
    processor.Process(text, level, pending, pause, output);
    if (text.empty()) FUZZ_CHECK(output == "unchanged");
    FUZZ_CHECK(pending <= 1);
    CheckOutput(output, inputHasZero);
}

void SpeakCut(zorna::TProcessor &processor, const std::string &text, std::uint8_t level, std::uint8_t pending,
              std::int32_t pause, bool inputHasZero) {
    processor.ResetHyphenCount();
    std::string phrase, output;
    for (const char ch : text) {
        const auto c = static_cast<std::uint8_t>(ch);
        phrase.push_back(ch);
        if (processor.IsWordChar(c)) continue;
        processor.Process(phrase, level, pending, pause, output);
        CheckOutput(output, inputHasZero);
        CheckOutput(processor.Pending(), inputHasZero);
        phrase.clear();
        processor.ResetHyphenCount();
    }
    processor.Process(phrase, level, pending, pause, output);
    CheckOutput(output, inputHasZero);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    (void)DataFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    zorna::fuzz::ByteReader in(data, size);
    const std::uint8_t flags = in.Byte();
    const std::int32_t pause = (flags & 1) ? 150 : 0;
    const std::uint8_t pending = (flags >> 1) & 1;
    const auto cutLevel = static_cast<std::uint8_t>((flags >> 2) & 3);
    const std::string text = in.Rest();
    const bool hasZero = text.find('\0') != std::string::npos;

    for (const std::uint8_t language : {zorna::kLanguageRussian, zorna::kLanguageUkrainian}) {
        zorna::TProcessor processor(language, DataFolder());
        FUZZ_CHECK(processor.GetLanguage() == language);
        // IsWordChar alone over every byte: a plain yes or no, nothing else.
        for (const char ch : text) (void)processor.IsWordChar(static_cast<std::uint8_t>(ch));
        processor.ResetHyphenCount();
        for (std::uint8_t level = 0; level <= 3; ++level) SpeakWhole(processor, text, level, pending, pause, hasZero);
        // Levels beyond 3 reach the engine only through its low byte; still no fault.
        SpeakWhole(processor, text, static_cast<std::uint8_t>(flags | 4), pending, pause, hasZero);
        SpeakCut(processor, text, cutLevel, pending, pause, hasZero);
    }
    return 0;
}
