// Small voice and dictionary files written by the tests.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace zorna::testing {

// A fresh empty directory below the system's temporary folder.
std::string MakeTempDir(const std::string &tag);

// Creates one directory (its parent must exist); an existing one is kept.
void MakeDir(const std::string &path);

// Sets or removes an environment variable of this process, for the C library
// and the system's own environment functions alike.
void SetEnv(const std::string &name, const std::string &value);
void UnsetEnv(const std::string &name);

// One 25-byte record: the length byte, then the text (at most 24 bytes written).
std::string Record(const std::string &text, int lengthByte = -1);

struct FixtureUnit {
    std::string name;              // UTF-8
    std::vector<std::int16_t> pcm;  // an even number of samples (4-byte units)
};

// Writes alfa.wav (the units' samples one after another, from byte 0) and
// alfa.tx (name/offset/length triples, names sorted by byte code so that each
// first letter, and "по" inside "п", forms one block).
void WriteVoice(const std::string &dir, const std::vector<FixtureUnit> &units);

// Writes a dictionary (record 0 unused, then stressed form and key pairs,
// keys sorted by byte code). Pairs are (key, stressed), UTF-8.
void WriteDictionary(const std::string &path, const std::vector<std::pair<std::string, std::string>> &entries);

// Writes raw bytes to a file.
void WriteFile(const std::string &path, const std::string &bytes);

// A unit whose samples identify it: every sample equals `value`.
FixtureUnit ConstantUnit(const std::string &name, std::int16_t value, int samples);

}  // namespace zorna::testing
