// Latin letter names and sounds, the same in both languages.
#include "table_rows.h"

namespace zorna::tables {

// clang-format off
constexpr LatinRow kLatinLetters[26] = {
    // Letter  Name           Sound
    {'a',      "а+",          "а"},
    {'b',      "бэ+",         "б"},
    {'c',      "цэ+",         "к"},
    {'d',      "ди+",         "д"},
    {'e',      "е+",          "э"},
    {'f',      "фэ+",         "ф"},
    {'g',      "гэ+",         "г"},
    {'h',      "а+ш",         "х"},
    {'i',      "и+",          "и"},
    {'j',      "джэ+й",       "й"},
    {'k',      "ка+",         "к"},
    {'l',      "лэ+",         "л"},
    {'m',      "мэ+",         "м"},
    {'n',      "нэ+",         "н"},
    {'o',      "о+",          "о"},
    {'p',      "пи+",         "п"},
    {'q',      "кью+",        "кв"},
    {'r',      "рэ+",         "р"},
    {'s',      "э+с",         "с"},
    {'t',      "ти+",         "т"},
    {'u',      "у+",          "у"},
    {'v',      "вэ+",         "в"},
    {'w',      "ду+бльвэ",    "в"},
    {'x',      "и+кс",        "кс"},
    {'y',      "и+грек",      "й"},
    {'z',      "зэ+т",        "з"},
};
// clang-format on

constexpr std::string_view kLatinVowels = "aeiouy";

}  // namespace zorna::tables
