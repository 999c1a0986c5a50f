// Zorna_GetPhonemesChain: the one export of the unit-naming library.
//
// Builds the window around the asked position, runs the multi-letter and the
// single-letter stages and writes the phonemes chain:
//   " name=N/name=N/.../  "
// Works on the stack only: no allocation, no state kept between calls.
#include "zornatts/zornatts_a.h"

#include "letter_sets.h"
#include "naming.h"

namespace zorna::naming {
namespace {

constexpr int kNoCharacter = -1;
constexpr int kNothingToVoice = -2;

// Characters that go straight to the single-letter stage.
bool IsPauseSign(unsigned char c) {
  switch (c) {
    case '-': case '.': case '+': case '!': case '?': case ':': case ';': case ',':
      return true;
    default:
      return false;
  }
}

// An apostrophe close to the current character reads as a soft sign.
unsigned char ReadNear(unsigned char c) { return c == kApostrophe ? kSoftSign : c; }

struct ResultText {
  char bytes[kMaxText + 1] = {};
  int size = 0;

  void Push(unsigned char c) {
    if (size < kMaxText) bytes[size++] = static_cast<char>(c);
  }
};

int GetPhonemesChain(const char *text, int position, bool ukrainian, char *out, int capacity) {
  if (out != nullptr && capacity > 0) out[0] = '\0';

  Window w;
  w.text = reinterpret_cast<const unsigned char *>(text);
  if (text != nullptr) {
    while (w.length < kMaxText && text[w.length] != '\0') ++w.length;
  }
  if (position < 1 || position > w.length) return kNoCharacter;

  w.position = position;
  const unsigned char c0 = w.At(position);
  if (c0 == kSoftSign || c0 == kHardSign || c0 == kApostrophe || c0 == kSpace) {
    return kNothingToVoice;
  }
  w.c[0] = c0;
  w.prev = ReadNear(w.At(position - 1));  // a space at position 1
  for (int k = 1; k <= 6; ++k) {
    const int i = position + k;
    const unsigned char c = i <= w.length ? w.text[i - 1] : kNone;
    w.c[k] = k <= 3 ? ReadNear(c) : c;
  }

  Answer answer;
  if (w.length > 1 && !IsPauseSign(c0)) {
    if (!In(c0, kVowelLike) && !In(c0, kConsonants)) return kNothingToVoice;
    AppendMultiLetter(w, ukrainian, answer);
  }
  AppendSingleLetter(w, answer);

  // A stray stress mark (no vowel before it) or "=" names nothing.
  if (answer.count == 0) return kNothingToVoice;
  const Name &first = answer.items[0].name;
  if (first.size == 0 || first.bytes[0] == '+' || first.bytes[0] == '=') return kNothingToVoice;

  ResultText result;
  result.Push(' ');
  for (int i = 0; i < answer.count; ++i) {
    const Alternative &alternative = answer.items[i];
    for (std::uint8_t k = 0; k < alternative.name.size; ++k) result.Push(alternative.name.bytes[k]);
    result.Push('=');
    result.Push(static_cast<unsigned char>('0' + alternative.covered));
    result.Push('/');
  }
  result.Push(' ');
  result.Push(' ');

  if (out != nullptr && result.size < capacity) {
    for (int k = 0; k < result.size; ++k) out[k] = result.bytes[k];
    out[result.size] = '\0';
  }
  return result.size;
}

}  // namespace
}  // namespace zorna::naming

extern "C" ZORNA_NAMING_API int32_t ZORNA_CALL Zorna_GetPhonemesChain(const char *Text,
                                                                      int32_t Position,
                                                                      int32_t IsUkrainian,
                                                                      char *Out,
                                                                      int32_t OutCapacity) {
  try {
    return zorna::naming::GetPhonemesChain(Text, Position, IsUkrainian == 1, Out, OutCapacity);
  } catch (...) {
    return -2;
  }
}
