#include "voice_pack.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <set>

namespace zorna::voice {

namespace {

void PutU32(std::vector<std::uint8_t> &out, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

void PutU16(std::vector<std::uint8_t> &out, std::size_t at, std::uint16_t v) {
    out[at] = static_cast<std::uint8_t>(v);
    out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void PutRecord(std::vector<std::uint8_t> &table, const std::string &text) {
    const std::size_t at = table.size();
    table.resize(at + kRecordSize, 0);
    table[at] = static_cast<std::uint8_t>(text.size());
    std::copy(text.begin(), text.end(), table.begin() + static_cast<std::ptrdiff_t>(at + 1));
}

bool WriteFile(const std::string &path, const std::vector<std::uint8_t> &bytes,
               std::string &error) {
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char *>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            error = "cannot write " + temp;
            return false;
        }
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        error = "cannot rename " + temp;
        return false;
    }
    return true;
}

std::uint32_t GetU32(const std::vector<char> &b, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<std::uint8_t>(b[at + i]);
    return v;
}

}  // namespace

TPackedVoice PackVoice(const std::vector<TUnit> &units) {
    TPackedVoice voice;
    // Order by name, byte by byte (std::string compares bytes as unsigned char).
    std::vector<const TUnit *> order;
    std::set<std::string> seen;
    for (const auto &unit : units) {
        if (unit.Name.empty() || unit.Name.size() > kMaxName || !seen.insert(unit.Name).second) {
            voice.Skipped.push_back(unit.Name);
            continue;
        }
        order.push_back(&unit);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const TUnit *a, const TUnit *b) { return a->Name < b->Name; });

    voice.Wav.assign(kWavHeaderSize, 0);
    for (const TUnit *unit : order) {
        const std::size_t offset = voice.Wav.size() / 4;
        std::size_t count = unit->Samples.size();
        for (std::int16_t s : unit->Samples) {
            voice.Wav.push_back(static_cast<std::uint8_t>(s & 0xFF));
            voice.Wav.push_back(static_cast<std::uint8_t>((s >> 8) & 0xFF));
        }
        if (count % 2 != 0) {
            voice.Wav.push_back(0);
            voice.Wav.push_back(0);
            ++count;
        }
        PutRecord(voice.Table, unit->Name);
        PutRecord(voice.Table, std::to_string(offset));
        PutRecord(voice.Table, std::to_string(count / 2));
    }

    // A RIFF header, so that alfa.wav also plays as one long recording.
    auto &w = voice.Wav;
    const auto dataBytes = static_cast<std::uint32_t>(w.size() - kWavHeaderSize);
    std::copy_n("RIFF", 4, w.begin());
    PutU32(w, 4, dataBytes + 36);
    std::copy_n("WAVEfmt ", 8, w.begin() + 8);
    PutU32(w, 16, 16);
    PutU16(w, 20, 1);  // PCM
    PutU16(w, 22, 1);  // mono
    PutU32(w, 24, kSampleRate);
    PutU32(w, 28, kSampleRate * 2);
    PutU16(w, 32, 2);
    PutU16(w, 34, 16);
    std::copy_n("data", 4, w.begin() + 36);
    PutU32(w, 40, dataBytes);
    return voice;
}

bool WriteVoice(const std::string &folder, const TPackedVoice &voice, std::string &error) {
    return WriteFile(folder + "/alfa.wav", voice.Wav, error) &&
           WriteFile(folder + "/alfa.tx", voice.Table, error);
}

bool ReadPcm(const std::string &path, std::vector<std::int16_t> &samples, std::string &error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path;
        return false;
    }
    std::vector<char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::size_t start = 0, size = b.size();
    if (b.size() >= 12 && std::equal(b.begin(), b.begin() + 4, "RIFF") &&
        std::equal(b.begin() + 8, b.begin() + 12, "WAVE")) {
        std::size_t at = 12;
        bool found = false;
        while (at + 8 <= b.size()) {
            const std::uint32_t len = GetU32(b, at + 4);
            if (std::equal(b.begin() + static_cast<std::ptrdiff_t>(at),
                           b.begin() + static_cast<std::ptrdiff_t>(at + 4), "fmt ")) {
                if (len < 16 || at + 8 + 16 > b.size()) break;
                const auto fmt = static_cast<std::uint8_t>(b[at + 8]);
                const auto channels = static_cast<std::uint8_t>(b[at + 10]);
                const auto bits = static_cast<std::uint8_t>(b[at + 22]);
                const std::uint32_t rate = GetU32(b, at + 12);
                if (fmt != 1 || channels != 1 || bits != 16 || rate != kSampleRate) {
                    error = path + ": not 16-bit mono PCM at 22050 Hz";
                    return false;
                }
            } else if (std::equal(b.begin() + static_cast<std::ptrdiff_t>(at),
                                  b.begin() + static_cast<std::ptrdiff_t>(at + 4), "data")) {
                start = at + 8;
                size = std::min<std::size_t>(len, b.size() - start);
                found = true;
                break;
            }
            at += 8 + len + (len & 1);
        }
        if (!found) {
            error = path + ": no data chunk";
            return false;
        }
    }
    samples.resize(size / 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const auto lo = static_cast<std::uint8_t>(b[start + 2 * i]);
        const auto hi = static_cast<std::uint8_t>(b[start + 2 * i + 1]);
        samples[i] = static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8)));
    }
    return true;
}

}  // namespace zorna::voice
