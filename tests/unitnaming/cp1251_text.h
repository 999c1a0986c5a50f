// Test helper: UTF-8 <-> code page 1251 for the letters the phonetic text uses.
// Kept here so that the naming tests depend on nothing but the library.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace zorna::naming_test {

inline std::string ToCp1251(std::string_view utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto b0 = static_cast<unsigned char>(utf8[i]);
    char32_t cp = b0;
    if (b0 >= 0x80) {
      if ((b0 & 0xE0) != 0xC0 || i + 1 >= utf8.size()) throw std::invalid_argument("bad UTF-8");
      cp = (static_cast<char32_t>(b0 & 0x1F) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F);
      i += 2;
    } else {
      i += 1;
    }
    unsigned byte = 0;
    if (cp < 0x80) byte = static_cast<unsigned>(cp);
    else if (cp >= 0x0410 && cp <= 0x044F) byte = 0xC0 + static_cast<unsigned>(cp - 0x0410);
    else if (cp == 0x0451) byte = 0xB8;  // ё
    else if (cp == 0x0456) byte = 0xB3;  // і
    else if (cp == 0x0457) byte = 0xBF;  // ї
    else if (cp == 0x0454) byte = 0xBA;  // є
    else if (cp == 0x0491) byte = 0xB4;  // ґ
    else throw std::invalid_argument("character not handled by the test helper");
    out.push_back(static_cast<char>(byte));
  }
  return out;
}

inline std::string ToUtf8(std::string_view cp1251) {
  std::string out;
  for (const char ch : cp1251) {
    const auto b = static_cast<unsigned char>(ch);
    char32_t cp = b;
    if (b >= 0xC0) cp = 0x0410 + (b - 0xC0);
    else if (b == 0xB8) cp = 0x0451;
    else if (b == 0xB3) cp = 0x0456;
    else if (b == 0xBF) cp = 0x0457;
    else if (b == 0xBA) cp = 0x0454;
    else if (b == 0xB4) cp = 0x0491;
    else if (b >= 0x80) cp = U'?';
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

}  // namespace zorna::naming_test
