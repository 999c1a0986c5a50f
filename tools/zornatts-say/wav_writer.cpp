#include "wav_writer.h"

#include <cerrno>
#include <cstring>

namespace zorna::say {

namespace {

void Put16(std::string &out, std::uint32_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void Put32(std::string &out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

std::string Describe(const std::string &path) { return path == "-" ? "standard output" : "'" + path + "'"; }

}  // namespace

std::string WavHeader(std::uint64_t dataBytes) {
    if (dataBytes > kMaxWavDataBytes) dataBytes = kMaxWavDataBytes;
    const auto data = static_cast<std::uint32_t>(dataBytes);
    const std::uint32_t blockAlign = kChannels * kBitsPerSample / 8;
    std::string h;
    h.reserve(kWavHeaderBytes);
    h += "RIFF";
    Put32(h, 36 + data);
    h += "WAVE";
    h += "fmt ";
    Put32(h, 16);  // size of the format chunk
    Put16(h, 1);   // PCM
    Put16(h, kChannels);
    Put32(h, kSampleRate);
    Put32(h, kSampleRate * blockAlign);
    Put16(h, blockAlign);
    Put16(h, kBitsPerSample);
    h += "data";
    Put32(h, data);
    return h;
}

TWavWriter::~TWavWriter() {
    if (file_ != nullptr && ownsFile_) std::fclose(file_);
}

bool TWavWriter::Open(const std::string &path, std::string &error) {
    path_ = path;
    if (path == "-") {
        file_ = stdout;
        ownsFile_ = false;
    } else {
        file_ = std::fopen(path.c_str(), "wb");
        ownsFile_ = true;
        if (file_ == nullptr) {
            error = "cannot create " + Describe(path) + ": " + std::strerror(errno);
            return false;
        }
    }
    // A pipe cannot be rewound: its header keeps the largest sizes, which
    // readers of streamed WAVE data take as "until the end".
    seekable_ = std::fseek(file_, 0, SEEK_CUR) == 0 && std::ftell(file_) == 0;
    const std::string header = WavHeader(seekable_ ? 0 : kMaxWavDataBytes);
    if (std::fwrite(header.data(), 1, header.size(), file_) != header.size()) {
        error = "cannot write " + Describe(path) + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

bool TWavWriter::Write(const void *data, std::size_t count, std::string &error) {
    if (count == 0) return true;
    if (data_ + count > maxData_) {
        error =
            "the audio reached the 4 GiB limit of a WAVE file; the rest was not written "
            "(use --stdout for longer texts)";
        return false;
    }
    if (std::fwrite(data, 1, count, file_) != count) {
        error = "cannot write " + Describe(path_) + ": " + std::strerror(errno);
        return false;
    }
    data_ += count;
    return true;
}

bool TWavWriter::Finish(std::string &error) {
    if (file_ == nullptr) return true;
    bool ok = true;
    if (data_ % 2 != 0) {  // whole samples only
        const char zero = 0;
        ok = std::fwrite(&zero, 1, 1, file_) == 1;
        data_ += ok ? 1 : 0;
    }
    if (ok && seekable_) {
        const std::string header = WavHeader(data_);
        ok = std::fseek(file_, 0, SEEK_SET) == 0 &&
             std::fwrite(header.data(), 1, header.size(), file_) == header.size() &&
             std::fseek(file_, 0, SEEK_END) == 0;
    }
    ok = std::fflush(file_) == 0 && ok;
    if (ownsFile_) ok = std::fclose(file_) == 0 && ok;
    file_ = nullptr;
    if (!ok) error = "cannot write " + Describe(path_) + ": " + std::strerror(errno);
    return ok;
}

}  // namespace zorna::say
