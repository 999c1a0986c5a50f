// RIFF WAVE output: 16-bit PCM, one channel, 22050 samples per second. The
// header is written first with placeholder sizes and completed by Finish, so
// audio of any length streams straight to the file.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace zorna::say {

constexpr std::uint32_t kSampleRate = 22050;
constexpr std::uint16_t kBitsPerSample = 16;
constexpr std::uint16_t kChannels = 1;
constexpr std::size_t kWavHeaderBytes = 44;
// The most data bytes a WAVE file can describe (its RIFF size is 32 bits).
constexpr std::uint64_t kMaxWavDataBytes = 0xFFFFFFFFull - 36 - 1;

// The 44-byte header of a file with dataBytes bytes of samples (clamped to
// kMaxWavDataBytes).
std::string WavHeader(std::uint64_t dataBytes);

class TWavWriter {
public:
    // maxDataBytes: the data limit (kMaxWavDataBytes; smaller in tests).
    explicit TWavWriter(std::uint64_t maxDataBytes = kMaxWavDataBytes) : maxData_(maxDataBytes) {}
    ~TWavWriter();
    TWavWriter(const TWavWriter &) = delete;
    TWavWriter &operator=(const TWavWriter &) = delete;

    // Creates the file ("-" is standard output) and writes the header. On a
    // stream that cannot seek (a pipe) the sizes are left at their largest value.
    bool Open(const std::string &path, std::string &error);
    // Appends sample bytes. Fails when the file cannot be written or the data
    // would pass the WAVE limit; nothing past the limit is written.
    bool Write(const void *data, std::size_t count, std::string &error);
    // Pads the data to whole samples, completes the header and closes the file.
    bool Finish(std::string &error);

    std::uint64_t DataBytes() const { return data_; }

private:
    std::FILE *file_ = nullptr;
    bool ownsFile_ = false;
    bool seekable_ = false;
    std::uint64_t data_ = 0;
    std::uint64_t maxData_;
    std::string path_;
};

}  // namespace zorna::say
