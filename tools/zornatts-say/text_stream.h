// Input text for the speaker: UTF-8 (or raw code page 1251) read block by block,
// turned into code page 1251 and cut into pieces that the engine can speak one
// at a time. Each byte of a piece remembers where it came from in the input, so
// that word offsets reported by the engine can be given back in the input's own
// bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zorna::say {

enum class InputEncoding { Utf8, Cp1251 };

// One piece of text, ready for Zorna_Speak.
struct TextPiece {
    std::string Text;                 // code page 1251, no zero bytes
    std::vector<std::uint64_t> From;  // Text.size() + 1 input offsets: where byte i
                                      // came from; the last one is the piece's end
    std::string Source;               // the input bytes [From.front(), From.back())

    // Input offset and length of the piece bytes [offset, offset + length).
    std::uint64_t InputOffset(std::size_t offset) const { return From[offset]; }
    std::uint64_t InputLength(std::size_t offset, std::size_t length) const {
        return From[offset + length] - From[offset];
    }
    // The input bytes of the piece bytes [offset, offset + length).
    std::string_view InputBytes(std::size_t offset, std::size_t length) const;
};

// The largest piece handed to the engine, in code page 1251 bytes.
constexpr std::size_t kMaxPieceBytes = 8192;
// The speaking loop's longest word: a longer run of word characters is spoken
// as several words of this many characters.
constexpr std::size_t kEngineWordLength = 350;

// Where to cut `text` (the first `limit` bytes at most) so that no word is
// split: the engine's scan of the two parts finds the same words as its scan of
// the whole. Preference: after the last paragraph break (a separator run with
// two line feeds), else after the last sentence end (. ! ? or the ellipsis in a
// separator run), else before the last word start that follows a separator,
// else after the last separator, else at the last multiple of the engine's
// word length (where the engine would cut such a run itself), else at `limit`. `atEnd`: nothing follows the
// text, so the whole of it may be taken when it fits. Returns 1..text.size().
std::size_t ChooseCut(std::string_view text, bool atEnd, std::size_t limit = kMaxPieceBytes);

// A character that is never part of a word, whatever the language and the
// hyphen count: not a letter, digit, "+", "-", "'" or the right quotation mark.
bool IsFirmSeparator(std::uint8_t c);
// A character that always starts or continues a word: a letter, a digit or "+".
bool IsFirmWordChar(std::uint8_t c);

// Converts input blocks to code page 1251 and hands out pieces.
//
// UTF-8: characters the code page lacks become a space, malformed bytes a space
// each; U+02BC (modifier letter apostrophe) becomes the right quotation mark,
// the apostrophe the Ukrainian front end joins to its word; soft hyphens, zero
// width joiners and byte order marks are dropped; a combining breve or
// diaeresis completes и/е/і to й/ё/ї, other combining marks are dropped.
// Both encodings: zero bytes become a space. For Ukrainian, an ASCII apostrophe
// between two Cyrillic letters becomes the right quotation mark too.
class TTextStream {
public:
    TTextStream(InputEncoding encoding, bool ukrainian);

    // Adds the next block of input.
    void Feed(std::string_view bytes);
    // No more input follows.
    void Finish();
    // The next piece, when one is ready: a full one, or after Finish the rest.
    bool NextPiece(TextPiece &piece);
    // Input bytes given to Feed so far.
    std::uint64_t BytesFed() const { return fed_; }

private:
    void Emit(std::uint8_t byte, std::uint64_t from);
    void DecodeUtf8(bool last);
    std::uint64_t DecodedEnd() const;

    InputEncoding encoding_;
    bool ukrainian_;
    bool finished_ = false;
    std::uint64_t fed_ = 0;
    std::string raw_;              // input bytes from rawBase_ on
    std::uint64_t rawBase_ = 0;    // input offset of raw_[0]
    std::uint64_t undecoded_ = 0;  // input offset of the first byte not yet decoded
    std::string text_;             // converted text not yet handed out
    std::vector<std::uint64_t> from_;
};

}  // namespace zorna::say
