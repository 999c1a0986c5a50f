// zorna-unitlist: chooses the units of a voice.
//
//   zorna-unitlist --data FOLDER --top N --out LIST [--step K]
//                  [--frequent-ru WORDS] [--frequent-uk WORDS]
//
// The list holds every one-character name the naming library can give, then the N names
// of two or more characters that come first most often when the front end and the naming
// library run over the words of slovar.rus and slovar.ukr in FOLDER (every K-th word),
// then every other name of two or more characters that comes first in a word of the
// WORDS lists (UTF-8, see ReadWordList): the dictionary ranking does not weigh words by
// how often they are said, and the short words of running text are said most.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "coverage.h"
#include "frontend/cp1251.h"

namespace {

// The keys of a dictionary file: every step-th even record.
std::vector<std::string> ReadKeys(const std::string &path, long step) {
    std::vector<std::string> keys;
    std::ifstream in(path, std::ios::binary);
    char record[50];
    long k = 0;
    in.seekg(25);
    while (in.read(record, sizeof record)) {
        if (k++ % step != 0) continue;
        const auto n = static_cast<std::uint8_t>(record[25]);
        keys.emplace_back(record + 26, n > 24 ? 24 : n);
    }
    return keys;
}

}  // namespace

int main(int argc, char **argv) {
    std::string data, out, frequentFiles[2];
    long top = 3000, step = 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        if (a == "--data") data = argv[i + 1];
        else if (a == "--out") out = argv[i + 1];
        else if (a == "--top") top = std::stol(argv[i + 1]);
        else if (a == "--frequent-ru") frequentFiles[0] = argv[i + 1];
        else if (a == "--frequent-uk") frequentFiles[1] = argv[i + 1];
        else if (a == "--step") step = std::max(1L, std::stol(argv[i + 1]));
    }
    if (data.empty() || out.empty()) {
        std::fprintf(stderr, "usage: zorna-unitlist --data FOLDER --top N --out LIST [--step K]"
                             " [--frequent-ru WORDS] [--frequent-uk WORDS]\n");
        return 2;
    }
    const auto started = std::chrono::steady_clock::now();
    std::map<std::string, long> counts, frequentCounts;
    std::size_t frequentWords = 0;
    try {
        for (const bool uk : {false, true}) {
            const auto keys = ReadKeys(data + (uk ? "/slovar.ukr" : "/slovar.rus"), step);
            zorna::coverage::TPhoneticReader reader(uk, data);
            for (const auto &key : keys)
                for (const auto &phonetic : reader.Read(key + " "))
                    zorna::coverage::CountFirstAlternatives(phonetic, uk, counts);
            const std::string &file = frequentFiles[uk ? 1 : 0];
            if (file.empty()) continue;
            std::vector<std::string> words;
            if (!zorna::coverage::ReadWordList(file, words)) {
                std::fprintf(stderr, "zorna-unitlist: cannot read %s\n", file.c_str());
                return 1;
            }
            frequentWords += words.size();
            // Each word alone, as the dictionary words are read (stress from the dictionaries).
            for (const auto &word : words)
                for (const auto &phonetic : reader.Read(zorna::Utf8ToCp1251(word) + " "))
                    zorna::coverage::CountFirstAlternatives(phonetic, uk, frequentCounts);
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "zorna-unitlist: %s\n", e.what());
        return 1;
    }
    const auto singles = zorna::coverage::SingleLetterNames();
    std::vector<std::pair<long, std::string>> ranked;
    for (const auto &[name, count] : counts) ranked.emplace_back(count, name);
    std::sort(ranked.rbegin(), ranked.rend());
    std::ofstream list(out, std::ios::binary | std::ios::trunc);
    list << "# one-character names\n";
    for (const auto &name : singles) list << zorna::Cp1251ToUtf8(name) << "\n";
    list << "# names of two or more characters, by how often they come first\n";
    long written = 0;
    std::set<std::string> chosen;
    for (const auto &[count, name] : ranked) {
        if (written >= top) break;
        if (name.size() > 24) continue;
        list << zorna::Cp1251ToUtf8(name) << "\t" << count << "\n";
        chosen.insert(name);
        ++written;
    }
    std::vector<std::pair<long, std::string>> frequentRanked;
    for (const auto &[name, count] : frequentCounts)
        if (name.size() <= 24 && chosen.count(name) == 0) frequentRanked.emplace_back(count, name);
    std::sort(frequentRanked.rbegin(), frequentRanked.rend());
    if (!frequentRanked.empty()) list << "# names of frequent words not ranked above\n";
    for (const auto &[count, name] : frequentRanked) list << zorna::Cp1251ToUtf8(name) << "\t" << count << "\n";
    if (!list) {
        std::fprintf(stderr, "zorna-unitlist: cannot write %s\n", out.c_str());
        return 1;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::fprintf(stderr,
                 "zorna-unitlist: %zu one-character names, %ld of %zu longer names, %zu more from %zu"
                 " frequent words, %.1f s\n",
                 singles.size(), written, ranked.size(), frequentRanked.size(), frequentWords, seconds);
    return 0;
}
