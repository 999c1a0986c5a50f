// Digit runs to number words.
#include <string>

#include "char_classes.h"
#include "converters.h"

namespace zorna {

namespace {

std::size_t DigitOf(char c) { return static_cast<std::size_t>(c - '0'); }

}  // namespace

std::string GroupToWords(const TLanguageTables &t, std::string_view group, std::int32_t remaining) {
    if (group.empty() || group.size() > 3) return std::string();
    if (group.find_first_not_of('0') == std::string_view::npos) return std::string();  // no scale word either
    const std::size_t size = group.size();
    const std::size_t u = DigitOf(group[size - 1]);
    const std::size_t tens = size >= 2 ? DigitOf(group[size - 2]) : 0;
    const std::size_t h = size >= 3 ? DigitOf(group[size - 3]) : 0;

    std::string words;
    auto tensAndUnits = [&] {
        words += t.Tens[tens];
        if (u != 0) words += t.Units[u];
    };
    if (size == 1) {
        words = t.Units[u];
    } else if (size == 2) {
        if (tens == 1)
            words = t.Teens[u];
        else
            tensAndUnits();
    } else if (h != 0 && tens == 0 && u == 0) {
        words = t.Hundreds[h];
    } else if (tens == 1) {
        if (h != 0) words = t.Hundreds[h];
        words += t.Teens[u];
    } else if (h != 0) {
        words = t.Hundreds[h];
        tensAndUnits();  // Tens[0] is the empty Russian entry or the Ukrainian " "
    } else if (tens != 0) {
        tensAndUnits();
    } else {
        words = t.Units[u];
    }

    const std::size_t form = (u >= 1 && u <= 4 && tens != 1) ? u : 0;
    if (remaining > 9)
        words += t.Billions[form];
    else if (remaining > 6)
        words += t.Millions[form];
    else if (remaining > 3)
        words += t.Thousands[form];
    return words;
}

std::string NumberToWords(const TLanguageTables &t, std::string_view digits) {
    std::string number;
    number.reserve(digits.size());
    for (char c : digits)
        if (IsDigit(static_cast<std::uint8_t>(c))) number.push_back(c);

    std::string words;
    std::size_t start = 0;
    while (start < number.size() && number[start] == '0') {
        words += t.Units[0];
        ++start;
    }
    if (start == number.size()) return words;  // all zeros: one zero word each

    std::string_view rest(number);
    rest.remove_prefix(start);
    const std::size_t m = rest.size() % 3;
    if (m != 0) {
        words += GroupToWords(t, rest.substr(0, m), static_cast<std::int32_t>(rest.size()));
        rest.remove_prefix(m);
    }
    while (!rest.empty()) {
        words += GroupToWords(t, rest.substr(0, 3), static_cast<std::int32_t>(rest.size()));
        rest.remove_prefix(3);
    }
    return words;
}

}  // namespace zorna
