// Punctuation and symbol characters: spoken by name or left as pause marks.
#include "converters.h"

namespace zorna {

std::string SymbolToPhonetic(const TLanguageTables &t, std::uint8_t c, std::uint8_t level, bool spell) {
    for (const TSymbol &row : t.Symbols) {
        if (row.Code == 0) break;
        if (static_cast<std::uint8_t>(row.Code & 0xFF) != c) continue;
        if (spell || row.Level <= static_cast<std::int32_t>(level)) return row.Name;
    }
    return std::string(1, static_cast<char>(c));
}

}  // namespace zorna
