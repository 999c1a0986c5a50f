// Conversion between UTF-8 and Windows code page 1251, the engine's 8-bit text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zorna {

// The Unicode code point of a code page 1251 byte (0 for the one unassigned byte, 0x98).
char32_t Cp1251ToCodePoint(std::uint8_t byte);

// The code page 1251 byte of a code point, or -1 when the code page lacks it.
int CodePointToCp1251(char32_t codePoint);

// UTF-8 to code page 1251. Characters the code page lacks, and malformed UTF-8
// sequences, become `replacement`.
std::string Utf8ToCp1251(std::string_view utf8, char replacement = ' ');

// Code page 1251 to UTF-8 (the unassigned byte 0x98 becomes U+FFFD).
std::string Cp1251ToUtf8(std::string_view text);

// A UTF-8 literal in code page 1251, for source text written in UTF-8. Every
// character must exist in the code page (tables use it; a missing one is a bug).
std::string Cp(std::string_view utf8);

}  // namespace zorna
