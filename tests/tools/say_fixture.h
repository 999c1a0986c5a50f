// A tiny voice for zornatts-say: every lower-case Cyrillic letter as a unit of
// its own constant sample value, one syllable unit, and small dictionaries.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "say_runner.h"

namespace zorna::testing {

struct SayVoice {
    std::string dataPath;  // give with -d
    std::string voiceDir;  // dataPath/data/tavn2
    std::string appData;   // APPDATA of the runs: holds ZornaTts/zornatts.ini when written
};

// Writes the voice once per process and returns it.
const SayVoice &FixtureVoice();

// A call with the fixture's data path and settings folder, then args.
SayCall FixtureCall(std::vector<std::string> args, std::string input = "");

// Writes (or with empty text removes) the settings file of the fixture.
void WriteSettings(const std::string &text);

// The 16-bit samples of a byte string.
std::vector<std::int16_t> Samples(const std::string &bytes);

// Little-endian fields of a byte string.
std::uint32_t U32(const std::string &bytes, std::size_t at);
std::uint16_t U16(const std::string &bytes, std::size_t at);

}  // namespace zorna::testing
