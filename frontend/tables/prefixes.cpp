#include "tables/prefixes.h"

#include <stdexcept>
#include <string_view>

#include "cp1251.h"

namespace zorna {

// Russian: an unstressed о in a prefix is spoken а.
const PrefixRow kRussianPrefixRows[7] = {
    {1, 3, "у, о → а, с"},
    {2, 4, "не, за, по → па, от → ат, на, до → да, ре, де, об → аб, из, ис, вз, ин, со → са"},
    {3, 5, "пол, пре, наи, най, без, бес, про → пра, био, при, экс, раз, соц, рас, зав, зам, вне, "
           "нео, лже, дву, над, тех, все, меж, гос, суб, дез, ино → ина, под → пад"},
    {4, 6, "пред, подо → пада, само → сама, выше, пере, мало → мала, ясно → ясна, авиа, полу, "
           "поли, одно → адна, агро → агра, двух, трех → трёх, спец, пяти, анти, авто → авта, "
           "обще, узко → узка, теле, недо → неда, мини, кино → кина, фото → фота, ниже, "
           "ново → нова, ярко → ярка, семи"},
    {5, 7, "сверх, супер, свеже, благо → блага, аудио → аудиа, низко → низка, перед, шести, "
           "макро → макра, мелко → мелка, термо → терма, радио, видео, космо → косма, "
           "психо → психа, гипер, полит → палит, много → многа, разно → разна, гидро → гидра, "
           "контр, кибер, легко → легка, слабо → слаба, грави, звуко → звука, микро → микра"},
    {6, 8, "энерго → энэрга, трудно → трудна, псевдо, быстро → быстра, взаимо → взаима, средне, "
           "сильно → сильна, ультра, девяти, восьми → васьми, десяти, широко → ширака, "
           "высоко → высока"},
    {7, 9, "электро → электра, глубоко → глубака, четырех → четырёх"},
};

// Ukrainian: every prefix is spoken as written.
const PrefixRow kUkrainianPrefixRows[6] = {
    {1, 3, "у, о, в, с, з"},
    {2, 4, "не, за, по, от, на, до, об, од, зі, ви, із, ді, со"},
    {3, 5, "пів, від, роз, пре, най, без, бес, про, при, екс, раз, соц, зав, зам, над, тех, все, "
           "під"},
    {4, 6, "пред, подо, само, пере, мало, ясно, авіа, полу, одно, анти, авто, обще, недо, семи, "
           "теле, фото, кіно"},
    {5, 7, "зверх, супер, напів, перед, шести, макро, тонко, старо, радіо, відео, космо, психо, "
           "термо, гіпер, політ, много, мікро"},
    {6, 8, "енерго, псевдо, високо"},
};

namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// A row's entries in code page 1251. A malformed row is a fault of this file.
PrefixLength ParseRow(const PrefixRow &row) {
    static constexpr std::string_view kArrow = "→";
    PrefixLength result;
    result.length = row.length;
    result.wordLongerThan = row.wordLongerThan;
    std::string_view rest = row.entries;
    while (!rest.empty()) {
        std::size_t comma = rest.find(',');
        std::string_view entry = Trim(rest.substr(0, comma));
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        std::size_t arrow = entry.find(kArrow);
        Prefix prefix;
        prefix.written = Cp(Trim(entry.substr(0, arrow)));
        prefix.spoken = arrow == std::string_view::npos
                            ? prefix.written
                            : Cp(Trim(entry.substr(arrow + kArrow.size())));
        if (prefix.written.size() != static_cast<std::size_t>(row.length) ||
            prefix.spoken.size() != prefix.written.size())
            throw std::logic_error("prefix table: wrong prefix length");
        result.prefixes.push_back(std::move(prefix));
    }
    return result;
}

template <std::size_t Size>
std::vector<PrefixLength> ParseRows(const PrefixRow (&rows)[Size]) {
    std::vector<PrefixLength> result;
    for (const PrefixRow &row : rows) result.push_back(ParseRow(row));
    return result;
}

}  // namespace

const std::vector<PrefixLength> &RussianPrefixes() {
    static const std::vector<PrefixLength> lists = ParseRows(kRussianPrefixRows);
    return lists;
}

const std::vector<PrefixLength> &UkrainianPrefixes() {
    static const std::vector<PrefixLength> lists = ParseRows(kUkrainianPrefixRows);
    return lists;
}

}  // namespace zorna
