// Helpers shared by the fuzz targets: a reader of the leading parameter bytes
// and a check that aborts (a crash to libFuzzer and a failure to the replay).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#define FUZZ_CHECK(cond)                                                                  \
    do {                                                                                  \
        if (!(cond)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
            std::abort();                                                                 \
        }                                                                                 \
    } while (0)

namespace zorna::fuzz {

// Takes parameters from the front of the input; past its end every read gives 0.
class ByteReader {
public:
    ByteReader(const std::uint8_t *data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::uint16_t U16() { return static_cast<std::uint16_t>(Byte() | Byte() << 8); }
    std::uint32_t U32() { return static_cast<std::uint32_t>(U16()) | static_cast<std::uint32_t>(U16()) << 16; }

    // The next n bytes (fewer at the end).
    std::string Bytes(std::size_t n) {
        if (n > size_ - pos_) n = size_ - pos_;
        std::string s(reinterpret_cast<const char *>(data_ + pos_), n);
        pos_ += n;
        return s;
    }
    // Everything not read yet.
    std::string Rest() { return Bytes(size_ - pos_); }
    std::size_t Remaining() const { return size_ - pos_; }

private:
    const std::uint8_t *data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// Splits bytes into pieces at the byte `separator` (kept out of the pieces).
inline std::string NextPiece(std::string &rest, char separator) {
    const std::size_t at = rest.find(separator);
    std::string piece = rest.substr(0, at);
    rest = at == std::string::npos ? std::string() : rest.substr(at + 1);
    return piece;
}

}  // namespace zorna::fuzz
