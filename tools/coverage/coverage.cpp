#include "coverage.h"

#include <fstream>
#include <memory>

#include "frontend/cp1251.h"
#include "frontend/processor.h"
#include "zornatts/zornatts_a.h"

namespace zorna::coverage {

std::vector<TAlternative> AskNaming(const std::string &phonetic, int position, bool ukrainian,
                                    int &result) {
    char out[350] = {0};
    result = Zorna_GetPhonemesChain(phonetic.c_str(), position, ukrainian ? 1 : 0, out,
                                    static_cast<int>(sizeof out));
    std::vector<TAlternative> alternatives;
    if (result <= 0) return alternatives;
    // " name=N/name=N/  ": names may hold "=" or "/" only before the last "=N/".
    const std::string text(out);
    std::size_t at = 1;
    while (at < text.size()) {
        const std::size_t slash = text.find('/', at);
        if (slash == std::string::npos || slash < at + 2) break;
        const std::size_t eq = slash - 2;
        if (text[eq] != '=') break;
        alternatives.push_back({text.substr(at, eq - at), text[eq + 1] - '0'});
        at = slash + 1;
        if (text.compare(at, 2, "  ") == 0) break;
    }
    return alternatives;
}

bool ReadVoiceNames(const std::string &folder, std::set<std::string> &names) {
    std::ifstream in(folder + "/alfa.tx", std::ios::binary);
    if (!in) return false;
    char record[75];
    while (in.read(record, sizeof record)) {
        const auto n = static_cast<std::uint8_t>(record[0]);
        names.insert(std::string(record + 1, n > 24 ? 24 : n));
    }
    return true;
}

void WalkPhonetic(const std::string &phonetic, bool ukrainian, const std::set<std::string> &voice,
                  TWalkStats &stats) {
    ++stats.Words;
    const int length = static_cast<int>(phonetic.size());
    for (int p = 1; p <= length;) {
        int result = 0;
        const auto alternatives = AskNaming(phonetic, p, ukrainian, result);
        if (result == -1) break;
        if (result <= 0 || alternatives.empty()) {
            ++p;
            continue;
        }
        if (voice.count(alternatives[0].Name) == 0) ++stats.MissingFirst[alternatives[0].Name];
        int advance = 1;
        bool found = false;
        for (const auto &alt : alternatives) {
            if (voice.count(alt.Name) != 0) {
                advance = std::max(alt.Length, 1);
                ++stats.Units;
                stats.Positions += advance;
                if (advance >= 2) stats.MultiLetter += advance;
                found = true;
                break;
            }
            if (alt.Length == 1) ++stats.MissingSingle[alt.Name];
        }
        if (!found) {
            ++stats.Gaps;
            ++stats.Positions;
        }
        p += advance;
    }
}

void CountFirstAlternatives(const std::string &phonetic, bool ukrainian,
                            std::map<std::string, long> &counts) {
    const int length = static_cast<int>(phonetic.size());
    for (int p = 1; p <= length; ++p) {
        int result = 0;
        const auto alternatives = AskNaming(phonetic, p, ukrainian, result);
        if (result == -1) break;
        if (!alternatives.empty() && alternatives[0].Length >= 2) ++counts[alternatives[0].Name];
    }
}

bool ReadWordList(const std::string &path, std::vector<std::string> &words) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::set<std::string> seen(words.begin(), words.end());
    std::string line;
    bool first = true;
    auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; };
    while (std::getline(in, line)) {
        if (first && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);  // byte order mark
        first = false;
        const std::size_t hash = line.find('#');
        if (hash != std::string::npos) line.erase(hash);
        std::size_t i = 0;
        while (i < line.size()) {
            while (i < line.size() && isSpace(line[i])) ++i;
            const std::size_t start = i;
            while (i < line.size() && !isSpace(line[i])) ++i;
            if (i > start) {
                std::string word = line.substr(start, i - start);
                if (seen.insert(word).second) words.push_back(std::move(word));
            }
        }
    }
    return true;
}

std::set<std::string> SingleLetterNames() {
    // Phonetic letters, the stress mark, spaces and the pause marks.
    std::string alphabet = Cp("абвгдеёжзийклмнопрстуфхцчшщъыьэюяії");
    alphabet += "+ .,!?:;-'";
    auto isVowel = [](char c) {
        static const std::string vowels = Cp("аеёиоуыэюяії");
        return vowels.find(c) != std::string::npos;
    };
    std::set<std::string> names;
    std::string text;
    auto visit = [&](const std::string &t) {
        for (std::size_t i = 0; i < t.size(); ++i)  // a "+" stands only after a vowel
            if (t[i] == '+' && (i == 0 || !isVowel(t[i - 1]))) return;
        for (int uk = 0; uk < 2; ++uk) {
            for (int p = 1; p <= static_cast<int>(t.size()); ++p) {
                int result = 0;
                for (const auto &alt : AskNaming(t, p, uk == 1, result))
                    if (alt.Length == 1) names.insert(alt.Name);
            }
        }
    };
    for (char a : alphabet) {
        visit(std::string(1, a));
        for (char b : alphabet) {
            visit(std::string{a, b});
            for (char c : alphabet) visit(std::string{a, b, c});
        }
    }
    return names;
}

struct TPhoneticReader::Impl {
    std::unique_ptr<TProcessor> Processor;
    std::uint8_t PrepositionPending = 0;
};

TPhoneticReader::TPhoneticReader(bool ukrainian, const std::string &dataFolder)
    : impl_(new Impl) {
    impl_->Processor = std::make_unique<TProcessor>(ukrainian ? kLanguageUkrainian : kLanguageRussian,
                                                    dataFolder);
}

TPhoneticReader::~TPhoneticReader() { delete impl_; }

std::vector<std::string> TPhoneticReader::Read(const std::string &text) {
    std::vector<std::string> out;
    TProcessor &processor = *impl_->Processor;
    const std::size_t n = text.size();
    std::size_t i = 0;
    processor.ResetHyphenCount();
    while (i < n) {
        while (i < n && !processor.IsWordChar(static_cast<std::uint8_t>(text[i]))) ++i;
        if (i >= n) break;
        const std::size_t start = i;
        processor.ResetHyphenCount();
        while (i < n && i - start < 350 && processor.IsWordChar(static_cast<std::uint8_t>(text[i]))) ++i;
        const std::string phrase = text.substr(start, i < n ? i - start + 1 : i - start);
        std::string phonetic;
        processor.Process(phrase, 0, impl_->PrepositionPending, 0, phonetic);
        if (!phonetic.empty()) out.push_back(phonetic);
    }
    return out;
}

}  // namespace zorna::coverage
