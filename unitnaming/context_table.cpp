// The context table: syllables whose unit depends on the sound after them.
//
// A row applies to the candidate equal to its key when all of its conditions
// hold; inside one key the rows are tried top to bottom and the first that
// applies wins. A row marked "otherwise" is the row above it without its
// second condition, so it applies only when that row did not. Keys of four
// characters look one character further on (c4, c5) than keys of three (c3,
// c4), because their syllable ends one character later. Two candidates, спа+
// and ста+, are never units of their own and become the consonant с.
#include "letter_sets.h"
#include "naming.h"

namespace zorna::naming {
namespace {

enum class Test : std::uint8_t {
  kNone,    // no condition in this place
  kOneOf,   // the character is one of the letters
  kNoneOf,  // the character is none of the letters (an ended text included)
  kEnds,    // the character is "." or the text has ended
};

struct Condition {
  std::uint8_t slot = 0;  // which window character: 2 for c2 … 6 for c6
  Test test = Test::kNone;
  FixedText<6> letters;
};

constexpr Condition OneOf(int slot, const char *letters) {
  return Condition{static_cast<std::uint8_t>(slot), Test::kOneOf, letters};
}
constexpr Condition NoneOf(int slot, const char *letters) {
  return Condition{static_cast<std::uint8_t>(slot), Test::kNoneOf, letters};
}
constexpr Condition Ends(int slot) {
  return Condition{static_cast<std::uint8_t>(slot), Test::kEnds, FixedText<6>{}};
}

struct ContextRow {
  FixedText<4> key;
  Condition conditions[3];
  FixedText<8> result;
  std::uint8_t covered;
};

constexpr int c2 = 2, c3 = 3, c4 = 4, c5 = 5, c6 = 6;

// key      conditions (all must hold)                                     result      N
constexpr ContextRow kContextRows[] = {
    {"бля+", {OneOf(c4, "т"), OneOf(c5, "ьиеяюё")},                         "бля+(ть)", 4},
    {"бя+",  {Ends(c3)},                                                    "бя+(;)",   3},
    {"ба+",  {OneOf(c3, "тчкш")},                                           "ба+(ты)",  3},
    {"ба+",  {OneOf(c3, "в"), NoneOf(c4, "иея")},                           "ба+(в)",   3},
    {"ба+",  {OneOf(c3, "в")},  /* otherwise: c4 in {и е я} */              "ба+(ви)",  3},
    {"ба+",  {OneOf(c3, "цзс")},                                            "ба+(ц)",   3},
    {"ба+",  {OneOf(c3, "р")},                                              "ба+(р)",   3},
    {"ба+",  {OneOf(c3, "л"), OneOf(c4, "ьиеяю")},                          "ба+(ль)",  3},
    {"ба+",  {OneOf(c3, "л")},  /* otherwise */                             "ба+(л)",   3},
    {"ба+",  {OneOf(c3, "б")},                                              "ба+(б)",   3},
    {"ба+",  {Ends(c3)},                                                    "ба+(;)",   3},
    {"ба+",  {OneOf(c3, "нм"), OneOf(c4, "иья")},                           "ба+(ни)",  3},
    {"ба+",  {OneOf(c3, "нм")}, /* otherwise */                             "ба+(н)",   3},
    {"мра+", {OneOf(c4, "ч")},                                              "мра+(ч)",  4},
    {"мра+", {OneOf(c4, "к")},                                              "мра+(к)",  4},
    {"ма+",  {OneOf(c3, "лтн"), OneOf(c4, "ьиеяюё")},                       "ма+(ни)",  3},
    {"мя+",  {OneOf(c3, "н"), OneOf(c4, "ьиеяюё")},                         "мя+(нь)",  3},
    {"мя+",  {OneOf(c3, "н"), OneOf(c4, "н"), OneOf(c5, "иьеяюё")},         "мя+(нь)",  3},
    {"нча+", {OneOf(c4, "лт"), OneOf(c5, "ьиеяюё")},                        "нча+(ли)", 4},
    {"ни",   {OneOf(c2, "м"), OneOf(c3, "а")},                              "ни(ма)",   2},
    {"па+",  {OneOf(c3, "ч")},                                              "па+(ч)",   3},
    {"па+",  {OneOf(c3, "д")},                                              "па+(д)",   3},
    {"па+",  {OneOf(c3, "в")},                                              "па+(в)",   3},
    {"па+",  {OneOf(c3, "м")},                                              "па+(м)",   3},
    {"па+",  {OneOf(c3, "сз"), NoneOf(c5, "ь")},                            "па+(с)",   3},
    {"па+",  {OneOf(c3, "л"), OneOf(c4, "ьиеяюё")},                         "па+(ль)",  3},
    {"па+",  {OneOf(c3, "л")},  /* otherwise */                             "па+(ла)",  3},
    {"па+",  {OneOf(c3, "т"), OneOf(c4, "иеяюё")},                          "па+(те)",  3},
    {"па+",  {OneOf(c3, "т"), OneOf(c4, "ь")},                              "па+(ть)",  3},
    {"па+",  {OneOf(c3, "н"), OneOf(c4, "и")},                              "па+(ни)",  3},
    {"спа+", {},                /* always */                                "с",        1},
    {"ста+", {},                /* always */                                "с",        1},
    {"са+",  {OneOf(c3, "т"), OneOf(c4, "ь"), NoneOf(c5, "с")},             "са+(ть)",  3},
    {"са+",  {OneOf(c3, "т"), OneOf(c4, "иеяюё")},                          "са+(те)",  3},
    {"са+",  {OneOf(c3, "т")},  /* otherwise */                             "са+(т)",   3},
    {"тка+", {OneOf(c4, "ч")},                                              "тка+(ч)",  4},
    {"та+",  {OneOf(c3, "т"), OneOf(c4, "ь"), NoneOf(c5, "с")},             "та+(ть)",  3},
    {"та+",  {OneOf(c3, "т"), OneOf(c4, "иеяюё")},                          "та+(ти)",  3},
    {"та+",  {OneOf(c3, "вд"), OneOf(c4, "иеяюё")},                         "та+(ди)",  3},
    {"лга+", {OneOf(c4, "т"), OneOf(c5, "ьие")},                            "лга+(ть)", 4},
    {"ла+",  {OneOf(c3, "т"), OneOf(c4, "ие")},                             "ла+(те)",  3},
    {"ла+",  {Ends(c3)},                                                    "ла+(;)",   3},
    {"жда+", {OneOf(c4, "т"), OneOf(c5, "ьие")},                            "жда+(ть)", 4},
    {"дя+",  {OneOf(c3, "к")},                                              "дя+(к)",   3},
    {"дя+",  {Ends(c3)},                                                    "дя+(;)",   3},
    {"дя+",  {OneOf(c3, "щч")},                                             "дя+(щ)",   3},
    {"ка+",  {OneOf(c3, "т"), OneOf(c4, "ь"), NoneOf(c5, "с")},             "ка+(ть)",  3},
    {"ка+",  {OneOf(c3, "т"), OneOf(c4, "иеяюё")},                          "ка+(те)",  3},
    {"ча+",  {OneOf(c3, "т"), OneOf(c4, "иеяюё")},                          "ча+(те)",  3},
    {"ча+",  {OneOf(c3, "т"), OneOf(c4, "ь"), NoneOf(c5, "с")},             "ча+(ть)",  3},
    {"ва+",  {OneOf(c3, "т"), OneOf(c4, "иеяюё")},                          "ва+(те)",  3},
    {"ва+",  {OneOf(c3, "т"), OneOf(c4, "ь"), NoneOf(c5, "с")},             "ва+(ть)",  3},
    {"вра+", {OneOf(c4, "ч")},                                              "вра+(ч)",  4},
    {"вра+", {OneOf(c4, "л")},                                              "вра+(л)",  4},
    {"вра+", {OneOf(c4, "г")},                                              "вра+(г)",  4},
    {"вра+", {OneOf(c4, "т"), OneOf(c5, "ь"), NoneOf(c6, "с")},             "вра+(ть)", 4},
    {"вра+", {OneOf(c4, "т")},  /* otherwise */                             "вра+(т)",  4},
    {"вра+", {OneOf(c4, "ж")},                                              "вра+(ж)",  4},
    {"зра+", {OneOf(c4, "ч")},                                              "зра+(ч)",  4},
    {"за+",  {OneOf(c3, "т"), OneOf(c4, "иеяюё")},                          "за+(те)",  3},
    {"за+",  {OneOf(c3, "т"), OneOf(c4, "ь"), NoneOf(c5, "с")},             "за+(ть)",  3},
};

bool Holds(const Condition &condition, const Window &w) {
  const unsigned char c = w.c[condition.slot];
  switch (condition.test) {
    case Test::kNone: return true;
    case Test::kOneOf: return c != kNone && condition.letters.Contains(c);
    case Test::kNoneOf: return c == kNone || !condition.letters.Contains(c);
    case Test::kEnds: return c == kNone || c == '.';
  }
  return false;
}

}  // namespace

bool LookUpContextName(const Name &candidate, const Window &w, Name &name, int &covered) {
  for (const auto &row : kContextRows) {
    if (!candidate.Equals(row.key)) continue;
    bool holds = true;
    for (const auto &condition : row.conditions) holds = holds && Holds(condition, w);
    if (!holds) continue;
    name = Name{};
    name.Push(row.result);
    covered = row.covered;
    return true;
  }
  return false;
}

}  // namespace zorna::naming
