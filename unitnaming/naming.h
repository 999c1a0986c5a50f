// Working types shared by the stages of the phonemes chain: the window of
// characters the rules look at, a unit name, and the list of alternatives.
// Everything lives on the caller's stack for one call; nothing is allocated.
#pragma once

#include <cstddef>
#include <cstdint>

#include "cp1251_literal.h"

namespace zorna::naming {

// Only the first kMaxText characters of a text are looked at.
inline constexpr int kMaxText = 255;

inline constexpr unsigned char kNone = 0;  // "no character": the text has ended
inline constexpr unsigned char kSpace = ' ';
inline constexpr unsigned char kApostrophe = '\'';
inline constexpr unsigned char kStress = '+';
inline constexpr unsigned char kSoftSign = Ch("ь");
inline constexpr unsigned char kHardSign = Ch("ъ");

struct Window {
  const unsigned char *text = nullptr;  // T[1..length] is text[0..length-1]
  int length = 0;                       // L, at most kMaxText
  int position = 0;                     // p, 1-based
  unsigned char prev = kSpace;          // T[p-1], a space at p = 1
  unsigned char c[7] = {};              // c[0] = T[p], c[k] = T[p+k] or kNone

  // T[i] as it stands in the text. Outside 1..L it reads as a space: this is
  // how a position before the text is seen (prev at p = 1, and the character
  // before a leading "+", "ь" or apostrophe).
  unsigned char At(int i) const { return (i >= 1 && i <= length) ? text[i - 1] : kSpace; }
};

// A unit name: a short text in the phonetic alphabet.
struct Name {
  static constexpr std::size_t kCapacity = 16;
  unsigned char bytes[kCapacity] = {};
  std::uint8_t size = 0;

  void Push(unsigned char c) {
    if (size < kCapacity) bytes[size++] = c;
  }
  template <std::size_t N>
  void Push(const FixedText<N> &text) {
    for (std::size_t k = 0; k < text.size; ++k) Push(text.bytes[k]);
  }
  template <std::size_t N>
  bool Equals(const FixedText<N> &text) const {
    if (text.size != size) return false;
    for (std::size_t k = 0; k < size; ++k) {
      if (bytes[k] != text.bytes[k]) return false;
    }
    return true;
  }
  bool Equals(const Name &other) const {
    if (other.size != size) return false;
    for (std::size_t k = 0; k < size; ++k) {
      if (bytes[k] != other.bytes[k]) return false;
    }
    return true;
  }
  bool IsChar(unsigned char c) const { return size == 1 && bytes[0] == c; }
};

// The first `count` window characters c0 … c(count-1) as a name.
inline Name WindowStretch(const Window &w, int count) {
  Name name;
  for (int k = 0; k < count; ++k) name.Push(w.c[k]);
  return name;
}

inline Name SingleCharName(unsigned char c) {
  Name name;
  name.Push(c);
  return name;
}

struct Alternative {
  Name name;
  int covered = 1;  // characters of the text the unit voices, 1 to 7
};

// The alternatives in the order they were appended. At most six are ever
// made (four by the multi-letter stage, two by the single-letter stage).
struct Answer {
  static constexpr int kCapacity = 8;
  Alternative items[kCapacity];
  int count = 0;

  void Append(const Name &name, int covered) {
    if (count < kCapacity) items[count++] = Alternative{name, covered};
  }
};

// Multi-letter stage: longer units and their shorter forms. May change c0, c1
// or c2 of the window (Ukrainian adjustments) for the rest of the call.
void AppendMultiLetter(Window &w, bool ukrainian, Answer &answer);

// The context table: a syllable's name with the sound that follows it. Returns
// false when the candidate keeps its name; otherwise sets name and covered.
bool LookUpContextName(const Name &candidate, const Window &w, Name &name, int &covered);

// Single-letter stage: one or two names covering exactly one character.
void AppendSingleLetter(const Window &w, Answer &answer);

}  // namespace zorna::naming
