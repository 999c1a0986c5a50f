// zorna-donor: makes a voice (alfa.wav, alfa.tx) from espeak-ng speech.
//
//   zorna-donor --units LIST --out FOLDER
//
// LIST is UTF-8, one unit name a line (anything after a tab is ignored; "#" starts a
// comment). Each unit is rendered in a carrier word, cut at the phoneme events, levelled
// with the others and packed. Names that cannot be made are reported and left out.
// Links libespeak-ng, so this program is GPL-3.0-or-later.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "donor.h"
#include "frontend/cp1251.h"
#include "voice_pack.h"

int main(int argc, char **argv) {
    std::string list, out;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        if (a == "--units") list = argv[i + 1];
        else if (a == "--out") out = argv[i + 1];
    }
    if (list.empty() || out.empty()) {
        std::fprintf(stderr, "usage: zorna-donor --units LIST --out FOLDER\n");
        return 2;
    }
    std::ifstream in(list, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "zorna-donor: cannot read %s\n", list.c_str());
        return 1;
    }
    const auto started = std::chrono::steady_clock::now();
    std::vector<std::string> names;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::size_t tab = line.find('\t');
        if (tab != std::string::npos) line.erase(tab);
        if (line.empty() || (line[0] == '#' && line.size() > 1)) continue;
        names.push_back(zorna::Utf8ToCp1251(line, '\x01'));
    }
    try {
        zorna::donor::TDonor donor;
        std::vector<std::vector<std::int16_t>> audio;
        std::vector<std::string> made;
        std::size_t failed = 0;
        for (const auto &name : names) {
            if (name.find('\x01') != std::string::npos) continue;
            auto samples = donor.MakeUnit(name);
            if (samples.empty()) {
                ++failed;
                std::fprintf(stderr, "zorna-donor: cannot make \"%s\"\n",
                             zorna::Cp1251ToUtf8(name).c_str());
                continue;
            }
            made.push_back(name);
            audio.push_back(std::move(samples));
        }
        zorna::donor::LevelUnits(audio);
        std::vector<zorna::voice::TUnit> units(made.size());
        for (std::size_t i = 0; i < made.size(); ++i) {
            units[i].Name = made[i];
            units[i].Samples = std::move(audio[i]);
        }
        const auto voice = zorna::voice::PackVoice(units);
        std::string error;
        if (!zorna::voice::WriteVoice(out, voice, error)) {
            std::fprintf(stderr, "zorna-donor: %s\n", error.c_str());
            return 1;
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() -
                                                             started).count();
        std::fprintf(stderr, "zorna-donor: %zu units (%zu not made), %.1f MB, %.1f s\n",
                     units.size() - voice.Skipped.size(), failed,
                     static_cast<double>(voice.Wav.size()) / 1e6, seconds);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "zorna-donor: %s\n", e.what());
        return 1;
    }
    return 0;
}
