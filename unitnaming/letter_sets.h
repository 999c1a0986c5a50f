// The letter sets in which the naming rules are written.
//
// Each set is listed by its members exactly as the rules use it; the sets
// differ only in і, ї, є and й, so none is derived from another. The value 0
// stands for "no character" (the text has ended) and belongs to no set.
#pragma once

#include <cstddef>
#include <cstdint>

#include "cp1251_literal.h"

namespace zorna::naming {

enum LetterSet : std::uint16_t {
  kConsonants = 1u << 0,
  kVowelLike = 1u << 1,
  kVowelLikeOrStress = 1u << 2,
  kClusterVowel = 1u << 3,
  kSyllableTail = 1u << 4,
  kClusterTail = 1u << 5,
  kAfterConsonant = 1u << 6,
  kPlainVowels12 = 1u << 7,
  kPlainVowels13 = 1u << 8,
  kSoftCapable = 1u << 9,
  kSofteners = 1u << 10,
  kSingleVowels = 1u << 11,
  kStressableVowels = 1u << 12,
};

struct LetterSetDefinition {
  LetterSet set;
  FixedText<20> members;
  std::uint8_t count;  // the number of members, checked below
};

// set                  members (code page 1251 after conversion)      count
inline constexpr LetterSetDefinition kLetterSetDefinitions[] = {
    {kConsonants,        "бвгджзклмнпрстфхцчшщ",                       20},
    {kVowelLike,         "аеёиоуыэюяйъьії",                            15},
    {kVowelLikeOrStress, "аеёиоуыэюяйъьії+",                           16},
    {kClusterVowel,      "аеёиоуыэюяйъьі",                             14},  // without ї
    {kSyllableTail,      "аеёиоуыэюяйъь+",                             14},  // without і, ї
    {kClusterTail,       "аеёиоуыэюяйъьі+",                            15},  // without ї
    {kAfterConsonant,    "аеёиоуыэюяъьії",                             14},  // without й
    {kPlainVowels12,     "аеёиоуыэюяії",                               12},
    {kPlainVowels13,     "аеёиоуыэюяїіє",                              13},
    {kSoftCapable,       "бвгдзклмнпрстф",                             14},
    {kSofteners,         "еёиюяьі",                                     7},
    {kSingleVowels,      "аеёиоуыэюяй",                                11},
    {kStressableVowels,  "аеёиоуыэюяї",                                11},
};

struct LetterSetTable {
  std::uint16_t bits[256] = {};
};

constexpr LetterSetTable MakeLetterSetTable() {
  LetterSetTable table;
  for (const auto &definition : kLetterSetDefinitions) {
    if (definition.members.size != definition.count) throw "letter set count differs";
    for (std::size_t k = 0; k < definition.members.size; ++k) {
      const unsigned char c = definition.members.bytes[k];
      if (table.bits[c] & definition.set) throw "letter listed twice in a set";
      table.bits[c] = static_cast<std::uint16_t>(table.bits[c] | definition.set);
    }
  }
  return table;
}

inline constexpr LetterSetTable kLetterSets = MakeLetterSetTable();

inline bool In(unsigned char c, LetterSet set) { return (kLetterSets.bits[c] & set) != 0; }

}  // namespace zorna::naming
