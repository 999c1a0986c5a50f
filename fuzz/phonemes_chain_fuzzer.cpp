// Zorna_GetPhonemesChain over arbitrary text. Leading bytes choose the
// position, the language flag, the answer buffer's capacity and whether the
// text and the buffer are given at all; the rest is the text.
//
// Checked: the result is -1, -2 or a positive length; a positive answer that
// fits is written with its zero and is well formed (" name=N/.../  "); nothing
// is written past the capacity, and a positive answer that does not fit leaves
// only an empty text behind.
#include <cstring>
#include <vector>

#include "fuzz_common.h"
#include "zornatts/zornatts_a.h"

namespace {

// " name=N/name=N/.../  " with at least one alternative, read left to right:
// a name runs up to its "=" (so it is non-empty and holds no "="; it may hold a
// space, as in " (.)" for a full stop after a space), N is a digit 1..9.
bool WellFormed(const char *answer, std::size_t length) {
    const std::string s(answer, length);
    if (s.size() < 6 || s[0] != ' ' || s.compare(s.size() - 2, 2, "  ") != 0) return false;
    std::size_t i = 1;
    const std::size_t end = s.size() - 2;
    int alternatives = 0;
    while (i < end) {
        const std::size_t eq = s.find('=', i);
        if (eq == std::string::npos || eq >= end || eq == i) return false;
        for (std::size_t k = i; k < eq; ++k)
            if (s[k] == '\0') return false;
        if (eq + 2 >= s.size() || s[eq + 1] < '1' || s[eq + 1] > '9' || s[eq + 2] != '/') return false;
        i = eq + 3;
        ++alternatives;
    }
    return i == end && alternatives > 0;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) { return 0; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    zorna::fuzz::ByteReader in(data, size);
    const std::uint8_t flags = in.Byte();
    std::int32_t position = static_cast<std::int16_t>(in.U16());
    if (flags & 0x10) position = static_cast<std::int32_t>(in.U32());  // any 32-bit value
    const std::int32_t isUkrainian = (flags & 0x01) ? 1 : (flags & 0x20) ? static_cast<std::int8_t>(in.Byte()) : 0;
    std::int32_t capacity = static_cast<std::int32_t>(in.U16() % 400);
    if (flags & 0x40) capacity = -capacity;
    const bool nullText = (flags & 0x02) != 0 && (flags & 0x04) != 0;
    const bool nullOut = (flags & 0x08) != 0 && (flags & 0x80) != 0;

    std::string text = in.Rest();
    text.push_back('\0');

    // The buffer, with guard bytes after the capacity.
    constexpr std::size_t kGuard = 16;
    constexpr char kFill = '\x5A';
    const std::size_t usable = capacity > 0 ? static_cast<std::size_t>(capacity) : 0;
    std::vector<char> buffer(usable + kGuard, kFill);

    const std::int32_t result = Zorna_GetPhonemesChain(nullText ? nullptr : text.c_str(), position, isUkrainian,
                                                       nullOut ? nullptr : buffer.data(), capacity);
    FUZZ_CHECK(result == -1 || result == -2 || result > 0);
    for (std::size_t k = usable; k < buffer.size(); ++k) FUZZ_CHECK(buffer[k] == kFill);
    if (nullText) FUZZ_CHECK(result == -1);
    if (nullOut || usable == 0) return 0;

    if (result > 0 && static_cast<std::size_t>(result) < usable) {
        FUZZ_CHECK(buffer[static_cast<std::size_t>(result)] == '\0');
        FUZZ_CHECK(std::strlen(buffer.data()) == static_cast<std::size_t>(result));
        // A "=" in the text can reach a name ("т=" for "т=" in the text), which
        // the chain's format cannot carry; the front end never writes "=" (it
        // is always spoken as its name), so only other texts are held to it.
        if (text.find('=') == std::string::npos)
            FUZZ_CHECK(WellFormed(buffer.data(), static_cast<std::size_t>(result)));
        // The same call again gives the same answer: the library keeps no state.
        std::vector<char> again(usable, kFill);
        FUZZ_CHECK(Zorna_GetPhonemesChain(text.c_str(), position, isUkrainian, again.data(), capacity) == result);
        FUZZ_CHECK(std::memcmp(again.data(), buffer.data(), static_cast<std::size_t>(result) + 1) == 0);
    } else {
        // Nothing or no room: an empty text, the rest untouched.
        FUZZ_CHECK(buffer[0] == '\0');
        for (std::size_t k = 1; k < usable; ++k) FUZZ_CHECK(buffer[k] == kFill);
    }
    return 0;
}
