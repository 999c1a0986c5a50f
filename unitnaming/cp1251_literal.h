// Compile-time conversion of UTF-8 literals to code page 1251 bytes.
//
// The sources are written in UTF-8 so that a reader sees Cyrillic letters, but
// the library compares code page 1251 bytes. Every table in this folder is a
// constexpr object built through FixedText, so the conversion happens once, at
// compile time; a character this converter does not know stops the build.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zorna::naming {

// The code page 1251 byte of a code point: ASCII, the Russian alphabet and the
// Ukrainian letters. Anything else is a mistake in a table and throws, which in
// a constant expression is a compile error.
constexpr unsigned char CodePointToCp1251(char32_t cp) {
  if (cp < 0x80) return static_cast<unsigned char>(cp);
  if (cp >= 0x0410 && cp <= 0x044F) return static_cast<unsigned char>(0xC0 + (cp - 0x0410));
  switch (cp) {
    case 0x0401: return 0xA8;  // Ё
    case 0x0451: return 0xB8;  // ё
    case 0x0404: return 0xAA;  // Є
    case 0x0454: return 0xBA;  // є
    case 0x0406: return 0xB2;  // І
    case 0x0456: return 0xB3;  // і
    case 0x0407: return 0xAF;  // Ї
    case 0x0457: return 0xBF;  // ї
    case 0x0490: return 0xA5;  // Ґ
    case 0x0491: return 0xB4;  // ґ
    default: break;
  }
  throw "character without a code page 1251 byte in a naming table";
}

// A short code page 1251 text of at most Capacity bytes, made from UTF-8.
template <std::size_t Capacity>
struct FixedText {
  unsigned char bytes[Capacity] = {};
  std::uint8_t size = 0;

  constexpr FixedText() = default;

  // Implicit on purpose: tables are written as plain UTF-8 literals.
  constexpr FixedText(const char *utf8) {  // NOLINT(google-explicit-constructor)
    std::size_t i = 0;
    while (utf8[i] != '\0') {
      const auto b0 = static_cast<unsigned char>(utf8[i]);
      char32_t cp = 0;
      if (b0 < 0x80) {
        cp = b0;
        i += 1;
      } else if ((b0 & 0xE0) == 0xC0) {
        const auto b1 = static_cast<unsigned char>(utf8[i + 1]);
        if ((b1 & 0xC0) != 0x80) throw "malformed UTF-8 in a naming table";
        cp = (static_cast<char32_t>(b0 & 0x1F) << 6) | (b1 & 0x3F);
        i += 2;
      } else {
        throw "character without a code page 1251 byte in a naming table";
      }
      if (size >= Capacity) throw "text too long for its naming table field";
      bytes[size++] = CodePointToCp1251(cp);
    }
  }

  constexpr bool Contains(unsigned char c) const {
    for (std::size_t k = 0; k < size; ++k) {
      if (bytes[k] == c) return true;
    }
    return false;
  }
};

// One code page 1251 byte from a one-character UTF-8 literal.
constexpr unsigned char Ch(const char *utf8) {
  const FixedText<1> text(utf8);
  if (text.size != 1) throw "expected exactly one character";
  return text.bytes[0];
}

}  // namespace zorna::naming
