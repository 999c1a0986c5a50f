// Packing recorded units into a voice: alfa.wav (all units' samples one after another)
// and alfa.tx (25-byte records in triples: name, offset, length; offset and length are
// decimal text in 4-byte units from the start of alfa.wav).
//
// The unit store finds a name only inside the block of names that share its first byte
// (names beginning with "по" are searched from a start of their own inside the п block),
// so the table is written sorted by byte code: every first byte is one block and the
// "по" names lie together inside the п block.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zorna::voice {

constexpr int kSampleRate = 22050;
constexpr std::size_t kRecordSize = 25;
constexpr std::size_t kMaxName = 24;
constexpr std::size_t kWavHeaderSize = 44;  // a multiple of 4: units start on 4-byte units

struct TUnit {
    std::string Name;                    // code page 1251, 1..24 characters
    std::vector<std::int16_t> Samples;   // 22050 Hz mono
};

struct TPackedVoice {
    std::vector<std::uint8_t> Wav;    // alfa.wav: a RIFF header, then the units
    std::vector<std::uint8_t> Table;  // alfa.tx
    std::vector<std::string> Skipped; // names left out (empty, too long, repeated)
};

// Packs the units. A repeated name keeps its first unit. Each unit is padded with a zero
// sample to a whole number of 4-byte units.
TPackedVoice PackVoice(const std::vector<TUnit> &units);

// Writes folder/alfa.wav and folder/alfa.tx (each through a temporary file).
bool WriteVoice(const std::string &folder, const TPackedVoice &voice, std::string &error);

// Reads 16-bit mono PCM from a WAV file (any header chunks) or, for other names, from a
// raw little-endian file.
bool ReadPcm(const std::string &path, std::vector<std::int16_t> &samples, std::string &error);

}  // namespace zorna::voice
