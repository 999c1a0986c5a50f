// zorna::TAccentDictionary over an arbitrary dictionary file. Input: two bytes
// give the length of the file's bytes that follow; the rest is a list of words
// separated by '\n'. Besides those words, every record's text of the file and
// its shortenings by one and two characters are looked up (the exact and the
// near-match paths), and everything goes through Accentuate in both languages.
//
// Checked: no fault, and a lookup is repeatable (the dictionary keeps no state
// between lookups).
#include <algorithm>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "fixture_voice.h"
#include "frontend/accent_dictionary.h"
#include "fuzz_common.h"

namespace {

const std::string &FilePath() {
    // A folder of this process's own, so that parallel fuzzing jobs do not meet.
    static const std::string path = zorna::testing::MakeTempDir("fuzz-dictionary") + "/slovar.rus";
    return path;
}

void Check(const zorna::TAccentDictionary &dictionary, const std::string &word) {
    const std::string first = dictionary.Lookup(word);
    FUZZ_CHECK(dictionary.Lookup(word) == first);
    (void)dictionary.Accentuate(0, word);
    (void)dictionary.Accentuate(1, word);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    (void)FilePath();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    zorna::fuzz::ByteReader in(data, size);
    const std::string file = in.Bytes(in.U16());
    std::string rest = in.Rest();

    zorna::testing::WriteFile(FilePath(), file);
    std::unique_ptr<zorna::TAccentDictionary> dictionary;
    try {
        dictionary = std::make_unique<zorna::TAccentDictionary>(FilePath());
    } catch (const std::runtime_error &) {
        return 0;  // an empty file cannot be mapped: refused, which is fine
    }
    FUZZ_CHECK(dictionary->FileName() == FilePath());

    while (!rest.empty()) Check(*dictionary, zorna::fuzz::NextPiece(rest, '\n'));
    Check(*dictionary, "");
    for (std::size_t at = 0; at < file.size() && at < 25 * 200; at += 25) {
        const std::size_t n = std::min<std::size_t>({static_cast<std::uint8_t>(file[at]), 24, file.size() - at - 1});
        const std::string text = file.substr(at + 1, n);
        Check(*dictionary, text);
        if (!text.empty()) Check(*dictionary, text.substr(0, text.size() - 1) + "x");
        if (text.size() >= 2) Check(*dictionary, text.substr(0, text.size() - 2));
    }
    return 0;
}
