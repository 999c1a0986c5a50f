#include "text_stream.h"

#include <algorithm>

#include "frontend/char_classes.h"
#include "frontend/cp1251.h"

namespace zorna::say {

namespace {

constexpr std::uint8_t kApostrophe = 39;
constexpr std::uint8_t kRightQuote = 146;  // U+2019 in code page 1251
constexpr std::uint8_t kEllipsis = 133;
// Dropped characters in a row beyond this many become spaces, so that the input
// kept for a piece stays bounded whatever the input holds.
constexpr int kMaxDroppedInARow = 8;

bool IsSentenceEnd(std::uint8_t c) { return c == '.' || c == '!' || c == '?' || c == kEllipsis; }

// Characters that carry nothing to say and are left out.
bool IsDropped(char32_t cp) {
    return cp == 0x00AD      // soft hyphen
           || cp == 0x200C   // zero width non-joiner
           || cp == 0x200D   // zero width joiner
           || cp == 0x2060   // word joiner
           || cp == 0xFEFF;  // byte order mark, zero width no-break space
}

bool IsCombiningMark(char32_t cp) { return cp >= 0x0300 && cp <= 0x036F; }

// The letter that a combining mark makes of the letter before it (0 if none).
std::uint8_t Compose(std::uint8_t base, char32_t mark) {
    const int b = base;
    if (mark == 0x0306) {                                                                                 // breve
        if (b == CodePointToCp1251(0x0438)) return static_cast<std::uint8_t>(CodePointToCp1251(0x0439));  // и → й
        if (b == CodePointToCp1251(0x0418)) return static_cast<std::uint8_t>(CodePointToCp1251(0x0419));  // И → Й
        if (b == CodePointToCp1251(0x0443)) return static_cast<std::uint8_t>(CodePointToCp1251(0x045E));  // у → ў
        if (b == CodePointToCp1251(0x0423)) return static_cast<std::uint8_t>(CodePointToCp1251(0x040E));  // У → Ў
    } else if (mark == 0x0308) {                                                                          // diaeresis
        if (b == CodePointToCp1251(0x0435)) return static_cast<std::uint8_t>(CodePointToCp1251(0x0451));  // е → ё
        if (b == CodePointToCp1251(0x0415)) return static_cast<std::uint8_t>(CodePointToCp1251(0x0401));  // Е → Ё
        if (b == CodePointToCp1251(0x0456)) return static_cast<std::uint8_t>(CodePointToCp1251(0x0457));  // і → ї
        if (b == CodePointToCp1251(0x0406)) return static_cast<std::uint8_t>(CodePointToCp1251(0x0407));  // І → Ї
    }
    return 0;
}

// Code page byte for a code point the code page may lack: -1 when it has no
// sensible counterpart.
int ToCp1251(char32_t cp) {
    switch (cp) {
        case 0x02BC:
            return kRightQuote;  // modifier letter apostrophe (Ukrainian)
        case 0x2010:             // hyphen
        case 0x2011:
            return '-';  // non-breaking hyphen
        default:
            return CodePointToCp1251(cp);
    }
}

}  // namespace

std::string_view TextPiece::InputBytes(std::size_t offset, std::size_t length) const {
    const std::uint64_t begin = From[offset] - From.front();
    const std::uint64_t count = From[offset + length] - From[offset];
    if (begin > Source.size()) return {};
    return std::string_view(Source).substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(count));
}

bool IsFirmWordChar(std::uint8_t c) { return IsLatinLetter(c) || IsCyrillicLetter(c) || IsDigit(c) || c == '+'; }

bool IsFirmSeparator(std::uint8_t c) { return !IsFirmWordChar(c) && c != '-' && c != kApostrophe && c != kRightQuote; }

std::size_t ChooseCut(std::string_view text, bool atEnd, std::size_t limit) {
    if (text.empty()) return 0;
    if (limit == 0) limit = 1;
    if (atEnd && text.size() <= limit) return text.size();
    limit = std::min(limit, text.size());
    auto at = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };

    std::size_t paragraph = 0, sentence = 0, wordStart = 0, separator = 0;
    // State of the separator run that ends just before position i.
    std::size_t lineFeeds = 0;
    bool sentenceEnd = false;
    for (std::size_t i = 1; i <= limit; ++i) {
        const std::uint8_t before = at(i - 1);
        if (IsFirmSeparator(before)) {
            lineFeeds += before == '\n' ? 1 : 0;
            sentenceEnd = sentenceEnd || IsSentenceEnd(before);
            separator = i;
            // A cut before i needs to know the character at i.
            if (i < text.size() && IsFirmWordChar(at(i))) {
                wordStart = i;
                if (sentenceEnd) sentence = i;
                if (lineFeeds >= 2) paragraph = i;
            }
        } else {
            lineFeeds = 0;
            sentenceEnd = false;
        }
    }
    for (std::size_t cut : {paragraph, sentence, wordStart, separator})
        if (cut != 0) return cut;
    return limit >= kEngineWordLength ? limit - limit % kEngineWordLength : limit;
}

TTextStream::TTextStream(InputEncoding encoding, bool ukrainian) : encoding_(encoding), ukrainian_(ukrainian) {}

void TTextStream::Emit(std::uint8_t byte, std::uint64_t from) {
    if (byte == 0) byte = ' ';
    if (ukrainian_ && IsCyrillicLetter(byte) && text_.size() >= 2 &&
        static_cast<std::uint8_t>(text_.back()) == kApostrophe &&
        IsCyrillicLetter(static_cast<std::uint8_t>(text_[text_.size() - 2])))
        text_.back() = static_cast<char>(kRightQuote);
    text_.push_back(static_cast<char>(byte));
    from_.push_back(from);
}

void TTextStream::DecodeUtf8(bool last) {
    std::size_t i = static_cast<std::size_t>(undecoded_ - rawBase_);
    const std::size_t n = raw_.size();
    auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(raw_[k]); };
    int droppedInARow = 0;
    while (i < n) {
        const std::uint64_t from = rawBase_ + i;
        const std::uint8_t b0 = byte(i);
        if (b0 < 0x80) {
            Emit(b0, from);
            ++i;
            droppedInARow = 0;
            continue;
        }
        // A well-formed sequence, or its longest well-formed beginning, which
        // then counts as one malformed character.
        std::size_t extra = 0;
        char32_t cp = 0;
        std::uint8_t low = 0x80, high = 0xBF;  // range of the second byte
        if (b0 >= 0xC2 && b0 <= 0xDF) {
            extra = 1, cp = b0 & 0x1F;
        } else if (b0 >= 0xE0 && b0 <= 0xEF) {
            extra = 2, cp = b0 & 0x0F;
            if (b0 == 0xE0) low = 0xA0;
            if (b0 == 0xED) high = 0x9F;  // no surrogates
        } else if (b0 >= 0xF0 && b0 <= 0xF4) {
            extra = 3, cp = b0 & 0x07;
            if (b0 == 0xF0) low = 0x90;
            if (b0 == 0xF4) high = 0x8F;
        } else {  // a stray continuation byte or a byte that never starts a sequence
            Emit(' ', from);
            ++i;
            continue;
        }
        std::size_t have = 1;
        while (have <= extra && i + have < n) {
            const std::uint8_t b = byte(i + have);
            const bool fits = have == 1 ? (b >= low && b <= high) : (b & 0xC0) == 0x80;
            if (!fits) break;
            cp = (cp << 6) | (b & 0x3F);
            ++have;
        }
        if (have <= extra) {
            // Cut by the end of the block: wait for the next one.
            if (i + have >= n && !last) break;
            Emit(' ', from);
            i += have;
            continue;
        }
        i += have;
        const bool mark = IsCombiningMark(cp);
        if ((IsDropped(cp) || mark) && droppedInARow < kMaxDroppedInARow) {
            ++droppedInARow;
            if (mark && !text_.empty()) {
                const std::uint8_t composed = Compose(static_cast<std::uint8_t>(text_.back()), cp);
                if (composed != 0) text_.back() = static_cast<char>(composed);
            }
            continue;
        }
        droppedInARow = 0;
        const int c = ToCp1251(cp);
        Emit(c < 0 ? static_cast<std::uint8_t>(' ') : static_cast<std::uint8_t>(c), from);
    }
    undecoded_ = rawBase_ + i;
}

void TTextStream::Feed(std::string_view bytes) {
    if (finished_ || bytes.empty()) return;
    fed_ += bytes.size();
    if (encoding_ == InputEncoding::Cp1251) {
        for (std::size_t k = 0; k < bytes.size(); ++k) Emit(static_cast<std::uint8_t>(bytes[k]), undecoded_ + k);
        raw_.append(bytes);
        undecoded_ += bytes.size();
        return;
    }
    raw_.append(bytes);
    DecodeUtf8(false);
}

void TTextStream::Finish() {
    if (finished_) return;
    if (encoding_ == InputEncoding::Utf8) DecodeUtf8(true);
    finished_ = true;
}

std::uint64_t TTextStream::DecodedEnd() const { return undecoded_; }

bool TTextStream::NextPiece(TextPiece &piece) {
    if (text_.empty() || (!finished_ && text_.size() <= kMaxPieceBytes)) {
        if (text_.empty() && undecoded_ > rawBase_) {  // only dropped characters so far
            raw_.erase(0, static_cast<std::size_t>(undecoded_ - rawBase_));
            rawBase_ = undecoded_;
        }
        return false;
    }
    const std::size_t cut = ChooseCut(text_, finished_);
    piece.Text.assign(text_, 0, cut);
    piece.From.assign(from_.begin(), from_.begin() + static_cast<std::ptrdiff_t>(cut));
    piece.From.push_back(cut < text_.size() ? from_[cut] : DecodedEnd());
    const std::uint64_t begin = piece.From.front();
    const std::uint64_t end = piece.From.back();
    piece.Source.assign(raw_, static_cast<std::size_t>(begin - rawBase_), static_cast<std::size_t>(end - begin));
    text_.erase(0, cut);
    from_.erase(from_.begin(), from_.begin() + static_cast<std::ptrdiff_t>(cut));
    raw_.erase(0, static_cast<std::size_t>(end - rawBase_));
    rawBase_ = end;
    return true;
}

}  // namespace zorna::say
