#include "cp1251.h"

#include <array>
#include <stdexcept>

namespace zorna {

namespace {

// Code points of the bytes 0x80 to 0xBF; 0xC0 to 0xFF are U+0410 to U+044F.
constexpr std::array<char32_t, 64> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

// Decodes one UTF-8 sequence at text[i]; advances i. Returns U+FFFD for a malformed one.
char32_t DecodeUtf8(std::string_view text, std::size_t &i) {
    auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(text[k]); };
    std::uint8_t b0 = byte(i);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int extra = 0;
    char32_t cp = 0;
    if ((b0 & 0xE0) == 0xC0) {
        extra = 1;
        cp = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2;
        cp = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3;
        cp = b0 & 0x07;
    } else {
        ++i;
        return 0xFFFD;
    }
    if (i + extra >= text.size()) {
        ++i;
        return 0xFFFD;
    }
    for (int k = 1; k <= extra; ++k) {
        std::uint8_t b = byte(i + k);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    // Overlong forms, surrogates and code points past U+10FFFF are malformed.
    static constexpr char32_t kSmallest[4] = {0, 0x80, 0x800, 0x10000};
    if (cp < kSmallest[extra] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
        ++i;
        return 0xFFFD;
    }
    i += extra + 1;
    return cp;
}

}  // namespace

char32_t Cp1251ToCodePoint(std::uint8_t byte) {
    if (byte < 0x80) return byte;
    if (byte >= 0xC0) return 0x0410 + (byte - 0xC0);
    return kHighHalf[byte - 0x80];
}

int CodePointToCp1251(char32_t codePoint) {
    if (codePoint < 0x80) return static_cast<int>(codePoint);
    if (codePoint >= 0x0410 && codePoint <= 0x044F) return static_cast<int>(0xC0 + (codePoint - 0x0410));
    for (std::size_t k = 0; k < kHighHalf.size(); ++k)
        if (kHighHalf[k] == codePoint && codePoint != 0) return static_cast<int>(0x80 + k);
    return -1;
}

namespace {

// UTF-8 to code page 1251; `missing` gives the byte for a character the code
// page lacks (or a malformed sequence).
template <typename Missing>
std::string ConvertUtf8(std::string_view utf8, Missing missing) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const int b = CodePointToCp1251(DecodeUtf8(utf8, i));
        out.push_back(b < 0 ? missing() : static_cast<char>(b));
    }
    return out;
}

}  // namespace

std::string Utf8ToCp1251(std::string_view utf8, char replacement) {
    return ConvertUtf8(utf8, [replacement] { return replacement; });
}

std::string Cp1251ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char ch : text) {
        char32_t cp = Cp1251ToCodePoint(static_cast<std::uint8_t>(ch));
        if (cp == 0 && ch != 0) cp = 0xFFFD;
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

std::string Cp(std::string_view utf8) {
    return ConvertUtf8(utf8, []() -> char {
        throw std::invalid_argument("character outside code page 1251 in a table");
    });
}

}  // namespace zorna
