// zorna-voicepack: packs units listed in a text file into alfa.wav and alfa.tx.
//
//   zorna-voicepack LIST OUT-FOLDER
//
// LIST is UTF-8, one unit a line: the unit name, a tab, and a WAV file (16-bit mono,
// 22050 Hz) or a raw 16-bit little-endian file; a path is relative to the list's folder.
#include <cstdio>
#include <fstream>
#include <string>

#include "frontend/cp1251.h"
#include "voice_pack.h"

int main(int argc, char **argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: zorna-voicepack LIST OUT-FOLDER\n");
        return 2;
    }
    const std::string list = argv[1];
    const std::size_t slash = list.find_last_of('/');
    const std::string base = slash == std::string::npos ? "" : list.substr(0, slash + 1);
    std::ifstream in(list, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "zorna-voicepack: cannot read %s\n", list.c_str());
        return 1;
    }
    std::vector<zorna::voice::TUnit> units;
    std::string line, error;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::size_t tab = line.find('\t');
        if (line.empty() || line[0] == '#' || tab == std::string::npos) continue;
        zorna::voice::TUnit unit;
        unit.Name = zorna::Utf8ToCp1251(line.substr(0, tab), '?');
        std::string path = line.substr(tab + 1);
        if (!path.empty() && path[0] != '/') path = base + path;
        if (!zorna::voice::ReadPcm(path, unit.Samples, error)) {
            std::fprintf(stderr, "zorna-voicepack: %s\n", error.c_str());
            return 1;
        }
        units.push_back(std::move(unit));
    }
    const auto voice = zorna::voice::PackVoice(units);
    for (const auto &name : voice.Skipped)
        std::fprintf(stderr, "zorna-voicepack: skipped \"%s\"\n", zorna::Cp1251ToUtf8(name).c_str());
    if (!zorna::voice::WriteVoice(argv[2], voice, error)) {
        std::fprintf(stderr, "zorna-voicepack: %s\n", error.c_str());
        return 1;
    }
    std::fprintf(stderr, "zorna-voicepack: %zu units, %zu bytes of audio\n",
                 units.size() - voice.Skipped.size(), voice.Wav.size());
    return 0;
}
