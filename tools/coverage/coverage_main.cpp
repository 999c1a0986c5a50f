// zorna-coverage: how well a voice covers a text.
//
//   zorna-coverage --lang ru|uk --voice FOLDER [--data FOLDER] TEXT...
//
// TEXT is UTF-8. FOLDER holds alfa.tx (and, unless --data names another folder, the
// stress dictionaries). Reports the share of phonetic positions voiced by units of two or
// more characters, the units per word, and the first-asked names the voice lacks.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "coverage.h"
#include "frontend/cp1251.h"

namespace {

void PrintTop(const char *title, const std::map<std::string, long> &counts, std::size_t top) {
    std::vector<std::pair<long, std::string>> v;
    for (const auto &[name, count] : counts) v.emplace_back(count, name);
    std::sort(v.rbegin(), v.rend());
    std::printf("%s (%zu):", title, v.size());
    for (std::size_t i = 0; i < v.size() && i < top; ++i)
        std::printf(" %s:%ld", zorna::Cp1251ToUtf8(v[i].second).c_str(), v[i].first);
    std::printf("\n");
}

}  // namespace

int main(int argc, char **argv) {
    std::string lang = "ru", voiceDir, dataDir;
    std::vector<std::string> texts;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--lang" && i + 1 < argc) lang = argv[++i];
        else if (a == "--voice" && i + 1 < argc) voiceDir = argv[++i];
        else if (a == "--data" && i + 1 < argc) dataDir = argv[++i];
        else texts.push_back(a);
    }
    if (voiceDir.empty() || texts.empty() || (lang != "ru" && lang != "uk")) {
        std::fprintf(stderr, "usage: zorna-coverage --lang ru|uk --voice FOLDER [--data FOLDER] TEXT...\n");
        return 2;
    }
    if (dataDir.empty()) dataDir = voiceDir;
    const bool uk = lang == "uk";
    std::set<std::string> voice;
    if (!zorna::coverage::ReadVoiceNames(voiceDir, voice)) {
        std::fprintf(stderr, "zorna-coverage: cannot read %s/alfa.tx\n", voiceDir.c_str());
        return 1;
    }
    try {
        zorna::coverage::TPhoneticReader reader(uk, dataDir);
        zorna::coverage::TWalkStats stats;
        for (const auto &path : texts) {
            std::ifstream in(path, std::ios::binary);
            if (!in) {
                std::fprintf(stderr, "zorna-coverage: cannot read %s\n", path.c_str());
                return 1;
            }
            std::stringstream ss;
            ss << in.rdbuf();
            for (const auto &phonetic : reader.Read(zorna::Utf8ToCp1251(ss.str())))
                zorna::coverage::WalkPhonetic(phonetic, uk, voice, stats);
        }
        const double share = stats.Positions ? 100.0 * static_cast<double>(stats.MultiLetter) /
                                                   static_cast<double>(stats.Positions) : 0.0;
        std::printf("voice units: %zu\nwords: %ld\npositions: %ld\nmulti-letter share: %.1f%%\n"
                    "units per word: %.2f\npositions without a unit: %ld\n",
                    voice.size(), stats.Words, stats.Positions, share,
                    stats.Words ? static_cast<double>(stats.Units) / static_cast<double>(stats.Words) : 0.0,
                    stats.Gaps);
        PrintTop("missing first-asked names", stats.MissingFirst, 40);
        PrintTop("missing one-character names", stats.MissingSingle, 40);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "zorna-coverage: %s\n", e.what());
        return 1;
    }
    return 0;
}
