// Conversion between UTF-8 and code page 1251, checked against the C library's iconv.
#include "cp1251.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

namespace zorna {
namespace {

// UTF-8 of one code page 1251 byte by iconv, or empty when iconv has no mapping.
std::string IconvToUtf8(unsigned char byte) {
    iconv_t cd = iconv_open("UTF-8", "CP1251");
    if (cd == reinterpret_cast<iconv_t>(-1)) return "?";
    char in[1] = {static_cast<char>(byte)};
    char out[8] = {};
    char *pin = in, *pout = out;
    std::size_t inLeft = 1, outLeft = sizeof out;
    const std::size_t rc = iconv(cd, &pin, &inLeft, &pout, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1)) return "";
    return std::string(out, sizeof out - outLeft);
}

TEST(Cp1251, EveryByteRoundTripsAsIconvConvertsIt) {
    for (int b = 1; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::string expected = IconvToUtf8(static_cast<unsigned char>(b));
        if (expected.empty()) {  // the one unassigned byte
            EXPECT_EQ(b, 0x98);
            continue;
        }
        EXPECT_EQ(Cp1251ToUtf8(byte), expected) << b;
        EXPECT_EQ(Utf8ToCp1251(expected), byte) << b;
    }
}

TEST(Cp1251, CharactersOutsideTheCodePageAndMalformedInputBecomeTheReplacement) {
    struct Case {
        std::string utf8;
        std::string expected;
    } cases[] = {
        {"ё«»—…№їґєі", "\xB8\xAB\xBB\x97\x85\xB9\xBF\xB4\xBA\xB3"},
        {"a\xE2\x82\xAC" "b", "a\x88" "b"},     // the euro sign exists
        {"日本", "__"},                          // missing characters
        {"\xC0\xAF", "__"},                     // overlong "/": two bad bytes
        {"\xED\xA0\x80", "___"},                // a surrogate
        {"\xF4\x90\x80\x80", "____"},           // past U+10FFFF
        {"\xD0", "_"},                          // cut short
        {"\xD0\x41", "_A"},                     // bad continuation
        {"\xFF\xFE", "__"},
    };
    for (const Case &c : cases) EXPECT_EQ(Utf8ToCp1251(c.utf8, '_'), c.expected) << c.utf8;
    EXPECT_THROW(Cp("日"), std::invalid_argument);
}

}  // namespace
}  // namespace zorna
