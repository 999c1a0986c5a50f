// Command line of zornatts-say.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zorna::say {

// Ranges accepted on the command line, in the engine's own units.
constexpr int kMinSpeed = -100, kMaxSpeed = 300;    // factor speed / 100 + 1.1
constexpr int kMinVolume = 0, kMaxVolume = 200;     // factor volume / 100
constexpr int kMinPitch = -1000, kMaxPitch = 1000;  // accepted, no effect

struct Options {
    std::vector<std::string> Words;  // text given as arguments
    std::optional<std::string> InputFile;
    std::optional<std::string> OutputFile;
    bool ToStdout = false;
    bool Cp1251Input = false;
    bool Phonetic = false;
    bool Units = false;
    bool Events = false;
    bool Quiet = false;
    bool Help = false;
    bool Version = false;
    std::string Language = "ru";
    std::string DataPath;
    std::string Voice = "tavn2";
    std::optional<int> Speed;
    std::optional<int> Volume;
    std::optional<int> Pitch;
    std::optional<int> Punctuation;  // 0 none, 1 some, 2 most, 3 all
};

// Parses argv into options (DataPath starts as defaultDataPath). False with a
// one-line message in `error` for an unknown option, a missing or bad value,
// or options that cannot go together.
bool ParseOptions(int argc, const char *const *argv, const std::string &defaultDataPath, Options &options,
                  std::string &error);

// The text of --help.
std::string HelpText(const std::string &defaultDataPath);

}  // namespace zorna::say
