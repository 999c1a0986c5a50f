#include "audio_samples.h"

#include <stdexcept>

namespace zorna {

namespace {

// First character (code page 1251) of each slot 1..38; slot 34 is "по" (п then о).
constexpr std::uint8_t kSlotKeys[39] = {
    0,
    0xE0, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5, 0xB8, 0xE6, 0xE7, 0xE8,  //  1-10 а б в г д е ё ж з и
    0xE9, 0xEA, 0xEB, 0xEC, 0xED, 0xEE, 0xEF, 0xF0, 0xF1, 0xF2,  // 11-20 й к л м н о п р с т
    0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9, 0xFA, 0xFB, 0xFC,  // 21-30 у ф х ц ч ш щ ъ ы ь
    0xFD, 0xFE, 0xFF, 0xEF, 0xB3, 0xBF, 0xBA, 0xB4,              // 31-38 э ю я по і ї є ґ
};
constexpr int kSlotP = 17;
constexpr int kSlotPo = 34;
constexpr int kSlotB = 2;
constexpr std::uint8_t kLetterP = 0xEF;
constexpr std::uint8_t kLetterO = 0xEE;

// A decimal integer as a record holds it: optional blanks, an optional sign, digits.
std::int32_t ParseRecordInteger(const std::string &text) {
    std::size_t i = 0, n = text.size();
    while (i < n && text[i] == ' ') ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::size_t start = i;
    std::int64_t value = 0;
    while (i < n && text[i] >= '0' && text[i] <= '9') {
        value = value * 10 + (text[i] - '0');
        if (value > 0x7FFFFFFFLL + 1) break;
        ++i;
    }
    std::size_t end = i;
    while (i < n && text[i] == ' ') ++i;
    if (start == end || i != n || (!negative && value > 0x7FFFFFFFLL) || value > 0x80000000LL)
        throw std::runtime_error("'" + text + "' is not a valid integer value");
    return static_cast<std::int32_t>(negative ? -value : value);
}

}  // namespace

int TAudioSamples::SlotOf(std::uint8_t c1, std::uint8_t c2) {
    if (c1 == kLetterP) return c2 == kLetterO ? kSlotPo : kSlotP;
    for (int slot = 1; slot <= 38; ++slot)
        if (slot != kSlotPo && kSlotKeys[slot] == c1) return slot;
    return 0;
}

TAudioSamples::TAudioSamples(const std::string &dataDirectory) {
    letterIndex_.fill(kEmptySlot);
    const std::string sep(1, platform::kPathSeparator);
    switch (audio_.Open(dataDirectory + sep + "alfa.wav")) {
        case platform::MappedFile::OpenResult::Ok: break;
        case platform::MappedFile::OpenResult::CannotOpen: throw std::runtime_error("Unable to open file");
        case platform::MappedFile::OpenResult::CannotMap: throw std::runtime_error("");
    }
    if (audio_.Size() == 0) throw std::runtime_error("");  // an empty file cannot be mapped
    if (table_.Open(dataDirectory + sep + "alfa.tx") != platform::MappedFile::OpenResult::Ok)
        throw std::runtime_error("Unable to open file with offsets");

    // Index: the first name record of each first character (every third record).
    const std::size_t size = table_.Size();
    const std::uint8_t *t = table_.Data();
    for (std::size_t r = 0; r * kRecordSize < size; r += 3) {
        std::size_t at = r * kRecordSize;
        std::uint8_t c1 = at + 1 < size ? t[at + 1] : 0;
        std::uint8_t c2 = at + 2 < size ? t[at + 2] : 0;
        int slot = SlotOf(c1, c2);
        if (slot != 0 && letterIndex_[slot] == kEmptySlot) letterIndex_[slot] = static_cast<std::int32_t>(r);
    }
}

bool TAudioSamples::ReadRecord(std::int64_t r, std::string &text, bool &malformed) const {
    const std::size_t size = table_.Size();
    if (r < 0 || static_cast<std::uint64_t>(r) * kRecordSize >= size) return false;
    const std::size_t at = static_cast<std::size_t>(r) * kRecordSize;
    const std::uint8_t *t = table_.Data() + at;
    std::size_t n = t[0];
    malformed = n > kRecordSize - 1;
    if (malformed) n = kRecordSize - 1;
    if (at + 1 + n > size) {  // a short last record: only what the table holds
        n = size - at - 1;
        malformed = true;
    }
    text.assign(reinterpret_cast<const char *>(t + 1), n);
    return true;
}

bool TAudioSamples::FindUnit(const std::string &name, Unit &unit) const {
    if (name.empty()) return false;
    const auto first = static_cast<std::uint8_t>(name[0]);
    const auto second = name.size() > 1 ? static_cast<std::uint8_t>(name[1]) : std::uint8_t{0};
    const int slot = SlotOf(first, second);
    std::int64_t s = slot != 0 && letterIndex_[slot] != kEmptySlot ? letterIndex_[slot] : 0;
    const std::int64_t firstB = letterIndex_[kSlotB] == kEmptySlot ? 0 : letterIndex_[kSlotB];
    const std::size_t size = table_.Size();
    std::string text;
    for (;;) {
        bool malformed = false;
        if (!ReadRecord(s, text, malformed)) return false;
        if (!malformed && text == name) {
            std::string offsetText, lengthText;
            bool badOffset = false, badLength = false;
            if (!ReadRecord(s + 1, offsetText, badOffset) || !ReadRecord(s + 2, lengthText, badLength))
                return false;  // the table ends before the unit's offset or length
            unit.Offset = ParseRecordInteger(offsetText);
            unit.Length = ParseRecordInteger(lengthText);
            return true;
        }
        const std::size_t at = static_cast<std::size_t>(s) * kRecordSize;
        const std::uint8_t recordFirst = at + 1 < size ? table_.Data()[at + 1] : 0;
        s += 3;
        if (recordFirst == first) continue;
        if (firstB < s) return false;
    }
}

const std::uint8_t *TAudioSamples::ClipToFile(std::int64_t byteOffset, std::int64_t byteCount,
                                              std::int32_t *clippedCount) const {
    *clippedCount = 0;
    const auto size = static_cast<std::int64_t>(audio_.Size());
    std::int64_t begin = byteOffset, end = byteOffset + byteCount;
    if (begin < 0) begin = 0;
    if (end > size) end = size;
    if (byteCount <= 0 || begin >= end) return nullptr;
    std::int64_t count = end - begin;
    if (count > 0x7FFFFFF0LL) count = 0x7FFFFFF0LL;
    *clippedCount = static_cast<std::int32_t>(count);
    return audio_.Data() + begin;
}

}  // namespace zorna
