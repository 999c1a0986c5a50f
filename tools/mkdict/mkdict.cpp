// zorna-mkdict: writes a stress dictionary (slovar.rus or slovar.ukr) from word lists.
//
//   zorna-mkdict --lang ru|uk --out FILE [--corrections FILE]... WORDLIST...
//
// Word lists are code page 1251, one word form per line (hunspell's unmunch output after
// converting the dictionary to code page 1251). Every lower-cased form is stressed by
// espeak-ng (IPA transcription; the vowel after "ˈ" gives the stressed vowel letter).
// Forms whose IPA vowel count differs from their vowel letters, and forms longer than
// the 24-character record, are dropped. Corrections files (UTF-8, "word stressed+form")
// override or add entries.
//
// Links libespeak-ng, so this program is GPL-3.0-or-later.
#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "dict_builder.h"
#include "frontend/cp1251.h"

namespace {

using zorna::dict::Language;

int Usage() {
    std::fprintf(stderr,
                 "usage: zorna-mkdict --lang ru|uk --out FILE [--corrections FILE]... "
                 "WORDLIST...\n");
    return 2;
}

bool ReadWords(const std::string &path, Language language, std::vector<std::string> &words) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string line;
    while (std::getline(in, line)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
        const std::size_t slash = line.find('/');
        if (slash != std::string::npos) line.erase(slash);
        std::string word = zorna::dict::LowerCp1251(line);
        if (word.size() > zorna::dict::kMaxText - 1) continue;  // no room for "+"
        if (!zorna::dict::IsDictionaryWord(word, language)) continue;
        words.push_back(std::move(word));
    }
    return true;
}

bool IsKnownForm(const std::string &key, const void *context) {
    const auto &sorted = *static_cast<const std::vector<std::string> *>(context);
    return std::binary_search(sorted.begin(), sorted.end(), key);
}

}  // namespace

int main(int argc, char **argv) {
    std::string lang, out;
    std::vector<std::string> corrections, lists;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if ((a == "--lang" || a == "--out" || a == "--corrections") && i + 1 < argc) {
            const std::string v = argv[++i];
            if (a == "--lang") lang = v;
            else if (a == "--out") out = v;
            else corrections.push_back(v);
        } else if (!a.empty() && a[0] == '-') {
            return Usage();
        } else {
            lists.push_back(a);
        }
    }
    if ((lang != "ru" && lang != "uk") || out.empty()) return Usage();
    const Language language = lang == "uk" ? Language::Ukrainian : Language::Russian;
    const auto started = std::chrono::steady_clock::now();

    std::vector<std::string> words;
    for (const auto &path : lists) {
        if (!ReadWords(path, language, words)) {
            std::fprintf(stderr, "zorna-mkdict: cannot read %s\n", path.c_str());
            return 1;
        }
    }
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());

    if (espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT) <= 0) {
        std::fprintf(stderr, "zorna-mkdict: espeak-ng cannot start\n");
        return 1;
    }
    if (espeak_SetVoiceByName(lang.c_str()) != EE_OK) {
        std::fprintf(stderr, "zorna-mkdict: espeak-ng has no voice \"%s\"\n", lang.c_str());
        return 1;
    }

    zorna::dict::Entries entries;
    std::size_t disagree = 0;
    for (const auto &word : words) {
        const std::string utf8 = zorna::Cp1251ToUtf8(word);
        const void *text = utf8.c_str();
        const char *ipa = espeak_TextToPhonemes(&text, espeakCHARS_UTF8, espeakPHONEMES_IPA);
        std::string form = zorna::dict::StressedFormFromIpa(
            word, zorna::dict::ReadIpaStress(ipa ? ipa : ""), language);
        if (form.empty()) {
            ++disagree;
            continue;
        }
        if (language == Language::Russian) {
            form = zorna::dict::RestoreYo(form, IsKnownForm, &words);
        }
        entries.emplace_hint(entries.end(), word, form);
    }
    espeak_Terminate();

    std::string error;
    for (const auto &path : corrections) {
        if (!zorna::dict::ReadCorrections(path, entries, error)) {
            std::fprintf(stderr, "zorna-mkdict: %s\n", error.c_str());
            return 1;
        }
    }
    if (!zorna::dict::WriteDictionary(out, entries, error)) {
        std::fprintf(stderr, "zorna-mkdict: %s\n", error.c_str());
        return 1;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() -
                                                         started).count();
    std::fprintf(stderr, "zorna-mkdict: %s: %zu forms, %zu dropped (stress unclear), %zu entries, %.1f s\n",
                 out.c_str(), words.size(), disagree, entries.size(), seconds);
    return 0;
}
