// Cyrillic letter names and sounds of Russian and Ukrainian, and the vowels.
#include "table_rows.h"

namespace zorna::tables {

// Sound, Ukrainian: empty where the sound is the letter itself.
// clang-format off
constexpr LetterRow kLetters[32] = {
    // Letter  Name, Russian     Name, Ukrainian     Sound, Ukrainian
    {"а",      "а+",             "а+",               ""},
    {"б",      "бэ+",            "бэ+",              ""},
    {"в",      "вэ+",            "вэ+",              ""},
    {"г",      "гэ+",            "гэ+",              ""},
    {"д",      "дэ+",            "дэ+",              ""},
    {"е",      "е+",             "э+",               "э"},
    {"ж",      "жэ+",            "жэ+",              ""},
    {"з",      "зэ+",            "зэ+",              ""},
    {"и",      "и+",             "ы+",               "ы"},
    {"й",      "и кра+ткое",     "икра+ткое",        ""},
    {"к",      "ка+",            "ка+",              ""},
    {"л",      "лэ+",            "лэ+",              ""},
    {"м",      "мэ+",            "мэ+",              ""},
    {"н",      "нэ+",            "нэ+",              ""},
    {"о",      "о+",             "о+",               ""},
    {"п",      "пэ+",            "пэ+",              ""},
    {"р",      "рэ+",            "рэ+",              ""},
    {"с",      "э+с",            "э+с",              ""},
    {"т",      "тэ+",            "тэ+",              ""},
    {"у",      "у+",             "у+",               ""},
    {"ф",      "фэ+",            "фэ+",              ""},
    {"х",      "ха+",            "хэ+",              ""},
    {"ц",      "цэ+",            "цэ+",              ""},
    {"ч",      "че+",            "че+",              ""},
    {"ш",      "ша+",            "ша+",              ""},
    {"щ",      "ща+",            "ща+",              ""},
    {"ъ",      "твё+рдый",       "твэрды+й",         ""},
    {"ы",      "ы+",             "ы+",               ""},
    {"ь",      "мя+гкий",        "мьяки+й",          ""},
    {"э",      "э+",             "э+ роси+йськэ",    ""},
    {"ю",      "ю+",             "ю+",               ""},
    {"я",      "я+",             "я+",               ""},
};

// Letters outside а-я. Russian writes є as "е" and і as "и" whether spelled or
// not (no name); every other letter (ё, ї, ґ) is written as itself.
constexpr ExtraLetterRow kExtraLettersRussian[4] = {
    // Letter  Sound  Name
    {"Є",      "е",   ""},
    {"є",      "е",   ""},
    {"І",      "и",   ""},
    {"і",      "и",   ""},
};

// Ukrainian: sound in running text, name when the letter stands alone; every
// other letter outside а-я (ё) is written as itself.
constexpr ExtraLetterRow kExtraLettersUkrainian[4] = {
    // Letter  Sound  Name
    {"і",      "и",   "и+"},
    {"ґ",      "г",   "твэрдэ гэ+"},
    {"є",      "е",   "е+"},
    {"ї",      "ї",   "ї+"},
};
// clang-format on

constexpr std::string_view kApostropheSoundUkrainian = "ъ";

// Both hold the signs ъ and ь, so a word with a sign is never spelled out.
constexpr std::string_view kVowelsRussian = "аеёиоуыэюяіїъь";
constexpr std::string_view kVowelsUkrainian = "аеёиоуэыюяієїъь";

}  // namespace zorna::tables
