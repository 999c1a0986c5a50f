// The inspection modes: what the speaking loop would do with a text, shown
// without speaking it. They run their own front end over the voice's data.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "text_stream.h"

namespace zorna {
class TProcessor;
class TAudioSamples;
}  // namespace zorna

namespace zorna::say {

// A text for one line of output: UTF-8 from code page 1251, with the backslash
// and control characters written as escapes (\\, \t, \n, \r, \xNN).
std::string PrintableUtf8(const std::string &cp1251);

class TInspector {
public:
    enum class Mode { Phonetic, Units };
    // Opens the front end (and for Units the unit store) of the voice data
    // directory. Throws std::runtime_error with a message naming what failed.
    TInspector(Mode mode, bool ukrainian, const std::string &voiceDirectory, std::uint8_t punctuation,
               std::int32_t prepositionPause);
    ~TInspector();

    // Cuts the piece into phrases as the speaking loop does, and prints one line
    // per phrase (Phonetic: "phrase<TAB>phonetic text") or per word (Units:
    // "word<TAB>unit unit ..."). False when writing to out fails.
    bool Inspect(const TextPiece &piece, std::FILE *out);

private:
    std::string UnitsOf(const std::string &phonetic);

    Mode mode_;
    bool ukrainian_;
    std::uint8_t punctuation_;
    std::int32_t prepositionPause_;
    std::unique_ptr<TProcessor> processor_;
    std::unique_ptr<TAudioSamples> samples_;
};

}  // namespace zorna::say
