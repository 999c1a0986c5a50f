// zorna-unitlist: chooses the units of a voice.
//
//   zorna-unitlist --data FOLDER --top N --out LIST [--step K]
//
// The list holds every one-character name the naming library can give, then the N names
// of two or more characters that come first most often when the front end and the naming
// library run over the words of slovar.rus and slovar.ukr in FOLDER (every K-th word).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
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
    std::string data, out;
    long top = 3000, step = 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        if (a == "--data") data = argv[i + 1];
        else if (a == "--out") out = argv[i + 1];
        else if (a == "--top") top = std::stol(argv[i + 1]);
        else if (a == "--step") step = std::max(1L, std::stol(argv[i + 1]));
    }
    if (data.empty() || out.empty()) {
        std::fprintf(stderr, "usage: zorna-unitlist --data FOLDER --top N --out LIST [--step K]\n");
        return 2;
    }
    const auto started = std::chrono::steady_clock::now();
    std::map<std::string, long> counts;
    try {
        for (const bool uk : {false, true}) {
            const auto keys = ReadKeys(data + (uk ? "/slovar.ukr" : "/slovar.rus"), step);
            zorna::coverage::TPhoneticReader reader(uk, data);
            for (const auto &key : keys)
                for (const auto &phonetic : reader.Read(key + " "))
                    zorna::coverage::CountFirstAlternatives(phonetic, uk, counts);
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
    for (const auto &[count, name] : ranked) {
        if (written >= top) break;
        if (name.size() > 24) continue;
        list << zorna::Cp1251ToUtf8(name) << "\t" << count << "\n";
        ++written;
    }
    if (!list) {
        std::fprintf(stderr, "zorna-unitlist: cannot write %s\n", out.c_str());
        return 1;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::fprintf(stderr, "zorna-unitlist: %zu one-character names, %ld of %zu longer names, %.1f s\n",
                 singles.size(), written, ranked.size(), seconds);
    return 0;
}
