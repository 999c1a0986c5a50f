#include "language_tables.h"

#include <stdexcept>

#include "cp1251.h"
#include "tables/table_rows.h"

namespace zorna {

namespace {

enum class Lang { Russian, Ukrainian };

std::uint8_t CodeOf(std::string_view utf8Letter) {
    const std::string cp = Cp(utf8Letter);
    if (cp.size() != 1) throw std::logic_error("a table letter is not one character");
    return static_cast<std::uint8_t>(cp[0]);
}

TLanguageTables Build(Lang lang) {
    const bool ru = lang == Lang::Russian;
    TLanguageTables t;
    for (const tables::UnitsTeensRow &row : tables::kUnitsTeens) {
        t.Units[row.Digit] = Cp(ru ? row.UnitsRussian : row.UnitsUkrainian);
        t.Teens[row.Digit] = Cp(ru ? row.TeensRussian : row.TeensUkrainian);
    }
    for (const tables::TensHundredsRow &row : tables::kTensHundreds) {
        t.Tens[row.Digit] = Cp(ru ? row.TensRussian : row.TensUkrainian);
        t.Hundreds[row.Digit] = Cp(ru ? row.HundredsRussian : row.HundredsUkrainian);
    }
    // Scale rows 0, 1 and 2; forms 3 and 4 are those of row 2.
    for (std::size_t form = 0; form < 5; ++form) {
        const tables::ScaleRow &row = tables::kScales[form < 2 ? form : 2];
        t.Thousands[form] = Cp(ru ? row.ThousandsRussian : row.ThousandsUkrainian);
        t.Millions[form] = Cp(ru ? row.MillionsRussian : row.MillionsUkrainian);
        t.Billions[form] = Cp(ru ? row.BillionsRussian : row.BillionsUkrainian);
    }
    for (const tables::LetterRow &row : tables::kLetters) {
        const std::uint8_t code = CodeOf(row.Letter);
        if (code < 224) throw std::logic_error("letter table row outside а-я");
        const std::size_t k = code - 224u;
        t.LetterNames[k] = Cp(ru ? row.NameRussian : row.NameUkrainian);
        t.LetterSounds[k] = (ru || row.SoundUkrainian.empty()) ? Cp(row.Letter) : Cp(row.SoundUkrainian);
    }
    for (const tables::LatinRow &row : tables::kLatinLetters) {
        const std::size_t k = static_cast<std::size_t>(row.Letter - 'a');
        t.LatinLetterNames.at(k) = Cp(row.Name);
        t.LatinLetterSounds.at(k) = Cp(row.Sound);
    }
    for (const tables::ExtraLetterRow &row : ru ? tables::kExtraLettersRussian : tables::kExtraLettersUkrainian)
        t.ExtraLetters.push_back({CodeOf(row.Letter), Cp(row.Sound), Cp(row.Name)});
    if (!ru) t.ApostropheSound = Cp(tables::kApostropheSoundUkrainian);
    t.Vowels = Cp(ru ? tables::kVowelsRussian : tables::kVowelsUkrainian);
    t.LatinVowels = Cp(tables::kLatinVowels);
    for (const tables::SymbolRow &row : tables::kSymbols) {
        const std::int32_t level = ru ? row.LevelRussian : row.LevelUkrainian;
        if (level == tables::kNoRow) continue;
        t.Symbols.push_back({row.Code, Cp(ru ? row.NameRussian : row.NameUkrainian), level});
    }
    t.Symbols.push_back({0, std::string(), 0});
    return t;
}

}  // namespace

const TLanguageTables &RussianTables() {
    static const TLanguageTables tables = Build(Lang::Russian);
    return tables;
}

const TLanguageTables &UkrainianTables() {
    static const TLanguageTables tables = Build(Lang::Ukrainian);
    return tables;
}

}  // namespace zorna
