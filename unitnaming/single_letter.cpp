// Single-letter stage: the names that cover exactly one character and close
// every answer. A vowel is named with a class of the sound before it, a
// consonant before a softening letter gets "(ь)", a stress mark is named by
// the vowel it follows, a full stop by the sound before it, punctuation by
// one of three signs.
#include "letter_sets.h"
#include "naming.h"

namespace zorna::naming {
namespace {

// Left contexts of vowels. The context applies when the vowel is one of
// `vowels`; otherwise `otherwise` applies (empty: no context). A q found in
// no row gives no context.
struct LeftContextRow {
  FixedText<4> q;
  FixedText<3> context;
  FixedText<11> vowels;
  FixedText<3> otherwise;
};

#define ALL "аеёиоуыэюяй"  // every single vowel

// q             context  for c0 in     otherwise
constexpr LeftContextRow kLeftContexts[] = {
    {"и",        "(и)",   "аюэ",        ""},
    {"о",        "(о)",   "еаияй",      ""},
    {"а",        "(а)",   "еиэяюоуй",   ""},
    {"у",        "(у)",   "аею",        ""},
    {"я",        "(я)",   "ю",          ""},
    {"е",        "(е)",   "аи",         ""},
    {"н",        "(н)",   ALL,          ""},
    {"ж",        "(ж)",   "еиё",        "(н)"},
    {"ш",        "(ш)",   "еиё",        "(н)"},
    {"щ",        "(щ)",   "уаеё",       "(н)"},
    {"й",        "(й)",   "а",          "(н)"},
    {"п",        "(п)",   ALL,          ""},
    {"т",        "(т)",   "о",          "(п)"},
    {"б",        "(б)",   "оу",         "(п)"},
    {"д",        "(д)",   "оу",         "(п)"},
    {"р",        "(р)",   ALL,          ""},
    {"л",        "(л)",   ALL,          ""},
    {"м",        "(м)",   ALL,          ""},
    {"г",        "(г)",   ALL,          ""},
    {"к",        "(к)",   ALL,          ""},
    {"з",        "(з)",   ALL,          ""},
    {"ц",        "(ц)",   "еиао",       ""},
    {"в",        "(в)",   "еяиё",       ""},
    {"с",        "(с)",   "еяюё",       ""},
    {"ч",        "(ч)",   "еуиёа",      ""},
    {"ф",        "(ф)",   "и",          ""},
    {"х",        "(х)",   "и",          ""},
    {"ьъ -",     "(.)",   ALL,          ""},
};

#undef ALL

// The plain vowel heard at a stress mark after each stressable vowel.
constexpr FixedText<11> kStressedVowels = "аеёиоуыэюяї";
constexpr FixedText<11> kSteadyVowels   = "аэоиоуыэуаи";
static_assert(kStressedVowels.size == kSteadyVowels.size);

Name VowelName(unsigned char q, unsigned char c0) {
  Name name;
  for (const auto &row : kLeftContexts) {
    if (!row.q.Contains(q)) continue;
    name.Push(row.vowels.Contains(c0) ? row.context : row.otherwise);
    break;
  }
  name.Push(c0);
  return name;
}

}  // namespace

void AppendSingleLetter(const Window &w, Answer &answer) {
  const unsigned char c0 = w.c[0];
  const int p = w.position;
  // The left neighbour of a vowel or a stress mark passes over a stress mark.
  const unsigned char q = (w.prev == kStress && c0 != '.') ? w.At(p - 2) : w.prev;

  Name name;
  if (c0 == kStress && In(q, kStressableVowels)) {
    for (std::uint8_t k = 0; k < kStressedVowels.size; ++k) {
      if (kStressedVowels.bytes[k] == q) name.Push(kSteadyVowels.bytes[k]);
    }
  } else if (c0 == '!' || c0 == '?') {
    name.Push('!');
  } else if (c0 == ';' || c0 == ':' || c0 == ',') {
    name.Push(';');
  } else if (c0 == '-') {
    name.Push('-');
  } else if (c0 >= '0' && c0 <= '9') {
    name.Push(c0);
  } else if (c0 == '.') {
    // The sound before the full stop, as the text has it.
    if (w.prev == kSoftSign) {
      name.Push(w.At(p - 2));
      name.Push(w.At(p - 1));
    } else if (w.prev == kStress) {
      name.Push(w.At(p - 2));
    } else {
      name.Push(w.prev);
    }
    name.Push('(');
    name.Push('.');
    name.Push(')');
  } else if (In(c0, kSoftCapable)) {
    name.Push(c0);
    if (In(w.c[1], kSofteners)) {
      name.Push('(');
      name.Push(kSoftSign);
      name.Push(')');
    }
  } else if (In(c0, kSingleVowels)) {
    name = VowelName(q, c0);
  } else {
    name.Push(c0);
  }

  answer.Append(name, 1);
  if (!name.IsChar(c0) && c0 != kStress && c0 != '.' && c0 != '-') {
    answer.Append(SingleCharName(c0), 1);
  }
}

}  // namespace zorna::naming
