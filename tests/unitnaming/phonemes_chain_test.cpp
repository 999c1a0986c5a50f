// Zorna_GetPhonemesChain against every answer the naming rules fix, and the
// contract of its output buffer.
#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <cstring>
#include <string>

#include "cp1251_text.h"
#include "zornatts/zornatts_a.h"

namespace {

using zorna::naming_test::ToCp1251;
using zorna::naming_test::ToUtf8;

struct Asked {
  int value;
  std::string answer;  // UTF-8
};

// Calls the export with a buffer like the engine's, pre-filled with junk so
// that an answer left unwritten shows.
Asked Ask(const char *utf8, int position, int ukrainian) {
  std::string text;
  if (utf8 != nullptr) text = ToCp1251(utf8);
  std::array<char, 350> out;
  out.fill('#');
  out.back() = '\0';
  const int value = Zorna_GetPhonemesChain(utf8 == nullptr ? nullptr : text.c_str(), position,
                                           ukrainian, out.data(), static_cast<int>(out.size()));
  return {value, ToUtf8(out.data())};
}

struct Case {
  const char *text;  // UTF-8; nullptr for a null pointer
  int position;
  int ukrainian;     // the IsUkrainian argument
  int value;         // expected result value
  const char *answer;  // expected text in Out (UTF-8); empty for -1 and -2
};

// clang-format off
const Case kCases[] = {
    // The interface: window, refusals and the shape of the answer
    {"",          1,  0,  -1, ""},
    {nullptr,     1,  0,  -1, ""},
    {nullptr,     0,  0,  -1, ""},
    {"б",         0,  0,  -1, ""},
    {"б",         2,  0,  -1, ""},
    {"б",        -5,  0,  -1, ""},
    {" ",         1,  0,  -2, ""},
    {"а ",        2,  0,  -2, ""},
    {"ь",         1,  0,  -2, ""},
    {"ъ",         1,  0,  -2, ""},
    {"'",         1,  0,  -2, ""},
    {"сь",        2,  0,  -2, ""},
    {"б",         1,  0,   7, " б=1/  "},
    {".",         1,  0,  10, "  (.)=1/  "},
    {"5а",        1,  0,  -2, ""},
    {"5а",        2,  0,   7, " а=1/  "},
    {"5",         1,  0,   7, " 5=1/  "},
    {"ab",        1,  0,  -2, ""},
    {"єа",        1,  0,  -2, ""},
    {"ґа",        1,  0,  -2, ""},
    {"є",         1,  0,   7, " є=1/  "},
    {"=",         1,  0,  -2, ""},
    {"+",         1,  0,  -2, ""},
    {"++а",       1,  0,  -2, ""},
    {"++а",       2,  0,  -2, ""},
    {"++а",       3,  0,   7, " а=1/  "},
    {"приве+т",   1,  0,  13, " при=3/п=1/  "},
    {"приве+т",   4,  0,  25, " ве+=3/ве=2/в(ь)=1/в=1/  "},
    {"шина",      1,  1,  12, " щи=2/щ=1/  "},
    {"шина",      1,  0,  12, " ши=2/ш=1/  "},
    {"шина",      1,  2,  12, " ши=2/ш=1/  "},
    {"шина",      1, -1,  12, " ши=2/ш=1/  "},
    // Multi-letter stage: the worked examples
    {"вдруг",     1,  0,  19, " вдру=4/вд=2/в=1/  "},
    {"стра+шно",  1,  0,  20, " стра+=5/ст=2/с=1/  "},
    {"стра+ие",   1,  0,  22, " стра+ие=7/ст=2/с=1/  "},
    {"зде+сь.",   1,  0,  14, " зде+=4/з=1/  "},
    {"зде+сь.",   5,  0,  19, " сь=2/с(ь)=1/с=1/  "},
    {"торт",      3,  0,  12, " рт=2/р=1/  "},
    {"бра+ть",    1,  0,  14, " бра+=4/б=1/  "},
    {"ска+ть",    1,  0,  23, " ска+ть=6/ска+=4/с=1/  "},
    {"ска+ться",  1,  0,  14, " ска+=4/с=1/  "},
    {"ка+к",      1,  0,  27, " ка+(к)=3/ка+=3/ка=2/к=1/  "},
    {"ба+тя",     1,  0,  28, " ба+(ты)=3/ба+=3/ба=2/б=1/  "},
    {"спа+сибо",  1,  0,  15, " с=1/с=1/с=1/  "},
    {"иа+",       2,  0,  22, " (и)а+=2/(и)а=1/а=1/  "},
    {"ио+",       2,  0,  15, " (и)о+=2/о=1/  "},
    {"о+ой",      1,  0,  25, " о+о=3/о+=2/(.)о=1/о=1/  "},
    {"мо+ре",     1,  0,  18, " мо+=3/мо=2/м=1/  "},
    {"цирк",      1,  1,  12, " ці=2/ц=1/  "},
    {"кши",       1,  1,  13, " кщи=3/к=1/  "},
    // Multi-letter stage: the edges of its routes
    {"ат",        1,  0,  14, " (.)а=1/а=1/  "},
    {"т.",        1,  0,   7, " т=1/  "},
    {"т !",       1,  0,   7, " т=1/  "},
    {"т,а",       1,  0,   7, " т=1/  "},
    {"т?",        1,  0,  12, " т?=2/т=1/  "},
    {"т-.",       1,  0,  12, " т-=2/т=1/  "},
    {"сь.",       1,  0,  19, " сь=2/с(ь)=1/с=1/  "},
    {"взгля+д",   1,  0,  12, " вз=2/в=1/  "},
    {"аиу+",      1,  0,  26, " аиу+=4/аи=2/(.)а=1/а=1/  "},
    {"стра+і",    1,  0,  21, " стра+і=6/ст=2/с=1/  "},
    {"стра+иі",   1,  0,  22, " стра+иі=7/ст=2/с=1/  "},
    {"стра+ї",    1,  0,  20, " стра+=5/ст=2/с=1/  "},
    {"стрі+",     1,  0,  20, " стрі+=5/ст=2/с=1/  "},
    {"стрїа",     1,  0,  12, " ст=2/с=1/  "},
    // Shorter forms: each route
    {"письмо",    3,  0,  26, " сьмо=4/сь=2/с(ь)=1/с=1/  "},
    {"тоие",      1,  0,  20, " тоие=4/тои=3/т=1/  "},
    {"миа+",      1,  0,  26, " миа+=4/ми=2/м(ь)=1/м=1/  "},
    {"стои+т",    1,  0,  15, " стои+=5/с=1/  "},
    {"кольцо+",   3,  0,  27, " льцо+=5/ль=2/л(ь)=1/л=1/  "},
    {"ма+ия",     1,  0,  21, " ма+ия=5/ма+=3/м=1/  "},
    {"тои+е",     1,  0,  28, " тои+е=5/тои+=4/тои=3/т=1/  "},
    {"моиа+",     1,  0,  21, " моиа+=5/мои=3/м=1/  "},
    {"тоиаи+",    1,  0,  29, " тоиаи+=6/тоиа=4/тои=3/т=1/  "},
    // Apostrophes: read as ь next to the current character, kept further on
    {"с'е",       1,  0,  25, " сье=3/сь=2/с(ь)=1/с=1/  "},
    {"стра'",     1,  0,  19, " стра=4/ст=2/с=1/  "},
    {"с'.",       3,  0,  11, " с'(.)=1/  "},
    {"'а",        2,  0,  14, " (.)а=1/а=1/  "},
    // Ukrainian adjustments: each row
    {"акция",     2,  1,  14, " кція=4/к=1/  "},
    {"акция",     2,  0,  14, " кция=4/к=1/  "},
    {"жито",      1,  1,  12, " жі=2/ж=1/  "},
    {"жито",      1,  0,  12, " жи=2/ж=1/  "},
    {"ржи",       1,  1,  13, " ржі=3/р=1/  "},
    {"ржи",       1,  0,  13, " ржи=3/р=1/  "},
    // Context table: the listed cases
    {"ба+",       1,  0,  27, " ба+(;)=3/ба+=3/ба=2/б=1/  "},
    {"ба+.",      1,  0,  27, " ба+(;)=3/ба+=3/ба=2/б=1/  "},
    {"ба+ ",      1,  0,  18, " ба+=3/ба=2/б=1/  "},
    {"ба+ня",     1,  0,  28, " ба+(ни)=3/ба+=3/ба=2/б=1/  "},
    {"ба+нк",     1,  0,  27, " ба+(н)=3/ба+=3/ба=2/б=1/  "},
    {"мя+нни",    1,  0,  35, " мя+(нь)=3/мя+=3/мя=2/м(ь)=1/м=1/  "},
    {"мя+нное",   1,  0,  25, " мя+=3/мя=2/м(ь)=1/м=1/  "},
    {"па+сть",    1,  0,  18, " па+=3/па=2/п=1/  "},
    {"са+т",      1,  0,  27, " са+(т)=3/са+=3/са=2/с=1/  "},
    {"са+ть",     1,  0,  28, " са+(ть)=3/са+=3/са=2/с=1/  "},
    {"са+тьс",    1,  0,  27, " са+(т)=3/са+=3/са=2/с=1/  "},
    {"вра+тьс",   1,  0,  24, " вра+(т)=4/вра+=4/в=1/  "},
    {"вра+ть",    1,  0,  25, " вра+(ть)=4/вра+=4/в=1/  "},
    {"нима",      1,  0,  28, " ни(ма)=2/ни=2/н(ь)=1/н=1/  "},
    {"ста+л",     1,  0,  15, " с=1/с=1/с=1/  "},
    {"ба",        1,  0,  12, " ба=2/б=1/  "},
    {"баа",       1,  0,  18, " баа=3/ба=2/б=1/  "},
    // Single-letter stage: the listed cases
    {"ба+тя",     2,  0,  19, " а+=2/(п)а=1/а=1/  "},
    {"ба+тя",     5,  0,  14, " (п)я=1/я=1/  "},
    {"а",         1,  0,  14, " (.)а=1/а=1/  "},
    {"приве+т",   6,  0,   7, " э=1/  "},
    {"ё+",        2,  0,   7, " о=1/  "},
    {"ю+",        2,  0,   7, " у=1/  "},
    {"ї+",        2,  0,   7, " и=1/  "},
    {"е+",        2,  0,   7, " э=1/  "},
    {"я+",        2,  0,   7, " а=1/  "},
    {"ы+",        2,  0,   7, " ы=1/  "},
    {"й+",        2,  0,  -2, ""},
    {"?",         1,  0,  11, " !=1/?=1/  "},
    {",",         1,  0,  11, " ;=1/,=1/  "},
    {":",         1,  0,  11, " ;=1/:=1/  "},
    {"!",         1,  0,   7, " !=1/  "},
    {";",         1,  0,   7, " ;=1/  "},
    {"-",         1,  0,   7, " -=1/  "},
    {"а.",        2,  0,  10, " а(.)=1/  "},
    {"ла+.",      4,  0,  10, " а(.)=1/  "},
    {"сь.",       3,  0,  11, " сь(.)=1/  "},
    {"..",        2,  0,  10, " .(.)=1/  "},
    {"те",        1,  0,  19, " те=2/т(ь)=1/т=1/  "},
    {"же",        1,  0,  12, " же=2/ж=1/  "},
    {"7",         1,  0,   7, " 7=1/  "},
    {"77",        1,  0,  -2, ""},
    {"ж",         1,  0,   7, " ж=1/  "},
    {"ні",        2,  0,   7, " і=1/  "},
    // Softness: every softening letter, and letters that do not soften
    {"тё",        1,  0,  19, " тё=2/т(ь)=1/т=1/  "},
    {"ти",        1,  0,  19, " ти=2/т(ь)=1/т=1/  "},
    {"тю",        1,  0,  19, " тю=2/т(ь)=1/т=1/  "},
    {"тя",        1,  0,  19, " тя=2/т(ь)=1/т=1/  "},
    {"ть",        1,  0,  19, " ть=2/т(ь)=1/т=1/  "},
    {"ті",        1,  0,  19, " ті=2/т(ь)=1/т=1/  "},
    {"т'",        1,  0,  19, " ть=2/т(ь)=1/т=1/  "},
    {"то",        1,  0,  12, " то=2/т=1/  "},
    {"ты",        1,  0,  12, " ты=2/т=1/  "},
    {"тї",        1,  0,  12, " тї=2/т=1/  "},
    // A missing character before position 1 reads as a space
    {"+а",        2,  0,  14, " (.)а=1/а=1/  "},
    {"ь.",        2,  0,  11, "  ь(.)=1/  "},
    {"'.",        2,  0,  11, "  '(.)=1/  "},
    {"+.",        2,  0,  10, "  (.)=1/  "},
    {"++",        2,  0,  -2, ""},
    // Left contexts of vowels: each row, where it applies and where it does not
    {"иа",        2,  0,  14, " (и)а=1/а=1/  "},
    {"ио",        2,  0,   7, " о=1/  "},
    {"ое",        2,  0,  14, " (о)е=1/е=1/  "},
    {"оу",        2,  0,   7, " у=1/  "},
    {"ае",        2,  0,  14, " (а)е=1/е=1/  "},
    {"аа",        2,  0,   7, " а=1/  "},
    {"уа",        2,  0,  14, " (у)а=1/а=1/  "},
    {"уо",        2,  0,   7, " о=1/  "},
    {"яю",        2,  0,  14, " (я)ю=1/ю=1/  "},
    {"яа",        2,  0,   7, " а=1/  "},
    {"еа",        2,  0,  14, " (е)а=1/а=1/  "},
    {"ео",        2,  0,   7, " о=1/  "},
    {"но",        2,  0,  14, " (н)о=1/о=1/  "},
    {"жи",        2,  0,  14, " (ж)и=1/и=1/  "},
    {"жа",        2,  0,  14, " (н)а=1/а=1/  "},
    {"ше",        2,  0,  14, " (ш)е=1/е=1/  "},
    {"шу",        2,  0,  14, " (н)у=1/у=1/  "},
    {"щу",        2,  0,  14, " (щ)у=1/у=1/  "},
    {"що",        2,  0,  14, " (н)о=1/о=1/  "},
    {"йа",        2,  0,  14, " (й)а=1/а=1/  "},
    {"йо",        2,  0,  14, " (н)о=1/о=1/  "},
    {"пы",        2,  0,  14, " (п)ы=1/ы=1/  "},
    {"то",        2,  0,  14, " (т)о=1/о=1/  "},
    {"та",        2,  0,  14, " (п)а=1/а=1/  "},
    {"бу",        2,  0,  14, " (б)у=1/у=1/  "},
    {"ба",        2,  0,  14, " (п)а=1/а=1/  "},
    {"до",        2,  0,  14, " (д)о=1/о=1/  "},
    {"дя",        2,  0,  14, " (п)я=1/я=1/  "},
    {"ра",        2,  0,  14, " (р)а=1/а=1/  "},
    {"лю",        2,  0,  14, " (л)ю=1/ю=1/  "},
    {"мэ",        2,  0,  14, " (м)э=1/э=1/  "},
    {"гы",        2,  0,  14, " (г)ы=1/ы=1/  "},
    {"кй",        2,  0,  14, " (к)й=1/й=1/  "},
    {"зё",        2,  0,  14, " (з)ё=1/ё=1/  "},
    {"ца",        2,  0,  14, " (ц)а=1/а=1/  "},
    {"цу",        2,  0,   7, " у=1/  "},
    {"вя",        2,  0,  14, " (в)я=1/я=1/  "},
    {"ва",        2,  0,   7, " а=1/  "},
    {"сю",        2,  0,  14, " (с)ю=1/ю=1/  "},
    {"са",        2,  0,   7, " а=1/  "},
    {"чу",        2,  0,  14, " (ч)у=1/у=1/  "},
    {"чо",        2,  0,   7, " о=1/  "},
    {"фи",        2,  0,  14, " (ф)и=1/и=1/  "},
    {"фа",        2,  0,   7, " а=1/  "},
    {"хи",        2,  0,  14, " (х)и=1/и=1/  "},
    {"ха",        2,  0,   7, " а=1/  "},
    {"ья",        2,  0,  14, " (.)я=1/я=1/  "},
    {"ъе",        2,  0,  14, " (.)е=1/е=1/  "},
    {" у",        2,  0,  14, " (.)у=1/у=1/  "},
    {"-о",        2,  0,  14, " (.)о=1/о=1/  "},
    {"ыа",        2,  0,   7, " а=1/  "},
    {"іа",        2,  0,   7, " а=1/  "},
    {".а",        2,  0,   7, " а=1/  "},
    {"а+о",       3,  0,  14, " (а)о=1/о=1/  "},
};
// clang-format on

void PrintTo(const Case &c, std::ostream *os) {
  *os << "\"" << (c.text == nullptr ? "(null)" : c.text) << "\" at " << c.position
      << (c.ukrainian != 0 ? " ukrainian=" + std::to_string(c.ukrainian) : std::string());
}

class PhonemesChainTable : public ::testing::TestWithParam<Case> {};

TEST_P(PhonemesChainTable, GivesTheExpectedAnswer) {
  const Case &c = GetParam();
  const Asked asked = Ask(c.text, c.position, c.ukrainian);
  EXPECT_EQ(asked.value, c.value);
  EXPECT_EQ(asked.answer, c.answer);
}

std::string CaseName(const ::testing::TestParamInfo<Case> &info) {
  return "row" + std::to_string(info.index);
}

INSTANTIATE_TEST_SUITE_P(Rules, PhonemesChainTable, ::testing::ValuesIn(kCases), CaseName);

// Every row of the context table, reached by a text that selects it: the
// context name comes first, the plain syllable second.
struct ContextCase {
  const char *text;
  const char *first;  // context name and its covered length
  const char *second; // the plain syllable that follows it
};

// clang-format off
const ContextCase kContextCases[] = {
    {"бля+ть",  "бля+(ть)=4", "бля+=4"},
    {"бя+",     "бя+(;)=3",   "бя+=3"},
    {"ба+т",    "ба+(ты)=3",  "ба+=3"},
    {"ба+ч",    "ба+(ты)=3",  "ба+=3"},
    {"ба+к",    "ба+(ты)=3",  "ба+=3"},
    {"ба+ш",    "ба+(ты)=3",  "ба+=3"},
    {"ба+во",   "ба+(в)=3",   "ба+=3"},
    {"ба+ви",   "ба+(ви)=3",  "ба+=3"},
    {"ба+з",    "ба+(ц)=3",   "ба+=3"},
    {"ба+ц",    "ба+(ц)=3",   "ба+=3"},
    {"ба+с",    "ба+(ц)=3",   "ба+=3"},
    {"ба+р",    "ба+(р)=3",   "ба+=3"},
    {"ба+ль",   "ба+(ль)=3",  "ба+=3"},
    {"ба+ла",   "ба+(л)=3",   "ба+=3"},
    {"ба+б",    "ба+(б)=3",   "ба+=3"},
    {"ба+.",    "ба+(;)=3",   "ба+=3"},
    {"ба+ми",   "ба+(ни)=3",  "ба+=3"},
    {"ба+нь",   "ба+(ни)=3",  "ба+=3"},
    {"ба+мо",   "ба+(н)=3",   "ба+=3"},
    {"мра+ч",   "мра+(ч)=4",  "мра+=4"},
    {"мра+к",   "мра+(к)=4",  "мра+=4"},
    {"ма+ли",   "ма+(ни)=3",  "ма+=3"},
    {"мя+нё",   "мя+(нь)=3",  "мя+=3"},
    {"мя+нню",  "мя+(нь)=3",  "мя+=3"},
    {"нча+ли",  "нча+(ли)=4", "нча+=4"},
    {"нима",    "ни(ма)=2",   "ни=2"},
    {"па+ч",    "па+(ч)=3",   "па+=3"},
    {"па+д",    "па+(д)=3",   "па+=3"},
    {"па+в",    "па+(в)=3",   "па+=3"},
    {"па+м",    "па+(м)=3",   "па+=3"},
    {"па+за",   "па+(с)=3",   "па+=3"},
    {"па+с",    "па+(с)=3",   "па+=3"},
    {"па+лё",   "па+(ль)=3",  "па+=3"},
    {"па+ла",   "па+(ла)=3",  "па+=3"},
    {"па+тё",   "па+(те)=3",  "па+=3"},
    {"па+ть",   "па+(ть)=3",  "па+=3"},
    {"па+ни",   "па+(ни)=3",  "па+=3"},
    {"са+ть",   "са+(ть)=3",  "са+=3"},
    {"са+тю",   "са+(те)=3",  "са+=3"},
    {"са+то",   "са+(т)=3",   "са+=3"},
    {"тка+ч",   "тка+(ч)=4",  "тка+=4"},
    {"та+ть",   "та+(ть)=3",  "та+=3"},
    {"та+тя",   "та+(ти)=3",  "та+=3"},
    {"та+ве",   "та+(ди)=3",  "та+=3"},
    {"та+дё",   "та+(ди)=3",  "та+=3"},
    {"лга+ти",  "лга+(ть)=4", "лга+=4"},
    {"ла+те",   "ла+(те)=3",  "ла+=3"},
    {"ла+",     "ла+(;)=3",   "ла+=3"},
    {"жда+ть",  "жда+(ть)=4", "жда+=4"},
    {"дя+к",    "дя+(к)=3",   "дя+=3"},
    {"дя+.",    "дя+(;)=3",   "дя+=3"},
    {"дя+щ",    "дя+(щ)=3",   "дя+=3"},
    {"дя+ч",    "дя+(щ)=3",   "дя+=3"},
    {"ка+ть",   "ка+(ть)=3",  "ка+=3"},
    {"ка+те",   "ка+(те)=3",  "ка+=3"},
    {"ча+ти",   "ча+(те)=3",  "ча+=3"},
    {"ча+ть",   "ча+(ть)=3",  "ча+=3"},
    {"ва+ти",   "ва+(те)=3",  "ва+=3"},
    {"ва+ть",   "ва+(ть)=3",  "ва+=3"},
    {"вра+ч",   "вра+(ч)=4",  "вра+=4"},
    {"вра+л",   "вра+(л)=4",  "вра+=4"},
    {"вра+г",   "вра+(г)=4",  "вра+=4"},
    {"вра+ть",  "вра+(ть)=4", "вра+=4"},
    {"вра+та",  "вра+(т)=4",  "вра+=4"},
    {"вра+ж",   "вра+(ж)=4",  "вра+=4"},
    {"зра+ч",   "зра+(ч)=4",  "зра+=4"},
    {"за+тя",   "за+(те)=3",  "за+=3"},
    {"за+ть",   "за+(ть)=3",  "за+=3"},
};
// clang-format on

void PrintTo(const ContextCase &c, std::ostream *os) { *os << "\"" << c.text << "\""; }

class ContextTableRows : public ::testing::TestWithParam<ContextCase> {};

TEST_P(ContextTableRows, NamesTheSyllableWithItsContext) {
  const ContextCase &c = GetParam();
  const std::string prefix = std::string(" ") + c.first + "/" + c.second + "/";
  const Asked asked = Ask(c.text, 1, 0);
  EXPECT_EQ(asked.answer.substr(0, prefix.size()), prefix) << "whole answer: " << asked.answer;
}

INSTANTIATE_TEST_SUITE_P(Rows, ContextTableRows, ::testing::ValuesIn(kContextCases));

// Where no row of its key holds, the plain syllable comes first.
TEST(ContextTable, RowsThatDoNotHoldKeepThePlainSyllable) {
  struct Plain {
    const char *text;
    const char *first;
  };
  for (const Plain c : {Plain{"ба+ ", "ба+=3"}, Plain{"па+сть", "па+=3"}, Plain{"мя+нное", "мя+=3"},
                        Plain{"ма+ла", "ма+=3"}, Plain{"вра+", "вра+=4"}, Plain{"нимо", "ни=2"},
                        Plain{"та+тьс", "та+=3"}, Plain{"бля+ты", "бля+=4"}}) {
    const std::string prefix = std::string(" ") + c.first + "/";
    const Asked asked = Ask(c.text, 1, 0);
    EXPECT_EQ(asked.answer.substr(0, prefix.size()), prefix) << c.text << ": " << asked.answer;
  }
}

// Only the first 255 characters are text: what lies beyond changes nothing.
TEST(PhonemesChainWindow, LooksAtTheFirst255CharactersOnly) {
  const std::string head(253, ToCp1251("о")[0]);
  const std::string text = head + ToCp1251("та+к");  // "+" is character 256
  char out[350];
  ASSERT_EQ(Zorna_GetPhonemesChain(text.c_str(), 254, 0, out, sizeof out), 12);
  EXPECT_EQ(ToUtf8(out), " та=2/т=1/  ");
  ASSERT_EQ(Zorna_GetPhonemesChain(text.c_str(), 255, 0, out, sizeof out), 14);
  EXPECT_EQ(ToUtf8(out), " (п)а=1/а=1/  ");
  EXPECT_EQ(Zorna_GetPhonemesChain(text.c_str(), 256, 0, out, sizeof out), -1);
  EXPECT_EQ(Zorna_GetPhonemesChain(text.c_str(), 257, 0, out, sizeof out), -1);

  const std::string long300(300, ToCp1251("а")[0]);
  EXPECT_EQ(Zorna_GetPhonemesChain(long300.c_str(), 256, 0, out, sizeof out), -1);
  ASSERT_EQ(Zorna_GetPhonemesChain(long300.c_str(), 255, 0, out, sizeof out), 7);
  EXPECT_EQ(ToUtf8(out), " а=1/  ");
}

// The answer " при=3/п=1/  " is 13 characters long.
TEST(PhonemesChainBuffer, CopiesOnlyWhenAnswerAndTerminatorFit) {
  const std::string text = ToCp1251("приве+т");
  struct Capacity {
    int capacity;
    bool copied;
  };
  for (const Capacity c : {Capacity{5, false}, Capacity{13, false}, Capacity{14, true}}) {
    std::array<char, 32> out;
    out.fill('#');
    EXPECT_EQ(Zorna_GetPhonemesChain(text.c_str(), 1, 0, out.data(), c.capacity), 13);
    EXPECT_EQ(ToUtf8(std::string(out.data(), strnlen(out.data(), out.size()))),
              c.copied ? " при=3/п=1/  " : "")
        << "capacity " << c.capacity;
    for (std::size_t k = static_cast<std::size_t>(c.capacity); k < out.size(); ++k) {
      ASSERT_EQ(out[k], '#') << "byte " << k << " written past capacity " << c.capacity;
    }
  }
}

TEST(PhonemesChainBuffer, NoCapacityMeansNothingWritten) {
  const std::string text = ToCp1251("приве+т");
  for (const int capacity : {0, -1}) {
    std::array<char, 4> out;
    out.fill('#');
    EXPECT_EQ(Zorna_GetPhonemesChain(text.c_str(), 1, 0, out.data(), capacity), 13);
    EXPECT_EQ(std::string(out.data(), out.size()), "####") << "capacity " << capacity;
  }
}

TEST(PhonemesChainBuffer, NullOutStillGivesTheLength) {
  const std::string text = ToCp1251("приве+т");
  EXPECT_EQ(Zorna_GetPhonemesChain(text.c_str(), 1, 0, nullptr, 350), 13);
  EXPECT_EQ(Zorna_GetPhonemesChain(text.c_str(), 0, 0, nullptr, 350), -1);
  EXPECT_EQ(Zorna_GetPhonemesChain(text.c_str(), 6, 0, nullptr, 0), 7);
}

}  // namespace
