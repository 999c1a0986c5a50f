// The speaking loop behind Zorna_Speak: words, pauses, events, phonetic text,
// unit names, unit lookup and playback with the intonation of the stress.
#pragma once

#include <cstdint>
#include <string>

namespace zorna {

class TVoice;

// Alternative k (0 for the first) of a phonemes chain " name=N/name=N/  ":
// its unit name (empty when there is none) and its advance N.
struct Alternative {
    std::string Name;
    int Advance = 0;
};
Alternative ParseAlternative(const std::string &chain, int k);

// The pause of a separator character, or the running value if that is larger.
struct PauseValues {
    std::int32_t Whitespace = 0;
    std::int32_t Punctuation = 300;
    std::int32_t Sentence = 700;
};
std::int32_t PauseForChar(std::uint8_t c, std::int32_t running, const PauseValues &pauses);

// The next intonation draw, 10 x u with u from the process-wide MT19937 seeded with 0.
double DrawIntonation();
// Restarts the intonation generator (tests that compare audio across runs).
void ResetIntonationForTesting();

// SpeedOffset for a piece given the draw r, whether the piece is stressed and
// the word's end mark (4 or 0); `current` when the table leaves it unchanged.
float IntonationSpeedOffset(double r, bool stressed, int endMark, float current);

// Speaks text through voice's callback. Throws when the unit store, the front
// end or memory fails; audio delivered so far stays delivered.
void SpeakText(TVoice &voice, const std::string &text, void *context);

}  // namespace zorna
