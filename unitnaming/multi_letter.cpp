// Multi-letter stage: a syllable with its stress mark, a consonant cluster with
// the vowels after it, or a run of vowels; its context name; its shorter forms.
#include "letter_sets.h"
#include "naming.h"

namespace zorna::naming {
namespace {

struct Candidate {
  Name name;
  int covered = 1;
};

void Take(Candidate &candidate, const Window &w, int count) {
  candidate.name = WindowStretch(w, count);
  candidate.covered = count;
}

// Vowel start: c0 is vowel-like. Returns false when nothing longer than c0 is found.
bool VowelStart(const Window &w, Candidate &candidate) {
  const unsigned char *c = w.c;
  Take(candidate, w, 1);
  if (In(c[1], kVowelLikeOrStress)) {
    Take(candidate, w, 2);
    if (In(c[2], kVowelLikeOrStress)) {
      Take(candidate, w, 3);
      if (c[3] == kStress) Take(candidate, w, 4);
    }
  }
  return candidate.covered > 1;
}

bool IsCluster(const Window &w) {
  const unsigned char *c = w.c;
  return In(c[0], kConsonants) && (In(c[1], kConsonants) || c[1] == kSoftSign) &&
         In(c[2], kConsonants);
}

// Consonant cluster: three consonants (or consonant, soft sign, consonant).
void ClusterStart(const Window &w, Candidate &candidate) {
  const unsigned char *c = w.c;
  Take(candidate, w, 2);
  if (!In(c[3], kClusterVowel)) return;
  if (c[4] != kStress) Take(candidate, w, 4);
  if (In(c[4], kSyllableTail)) {
    Take(candidate, w, 5);
    if (In(c[5], kClusterTail)) {
      Take(candidate, w, 6);
      if (In(c[6], kClusterTail)) Take(candidate, w, 7);
    }
  }
}

// Consonant start. Returns false when nothing longer than c0 is found.
bool ConsonantStart(const Window &w, Candidate &candidate) {
  static constexpr unsigned char kKa[] = {Ch("к"), Ch("а"), kStress, Ch("к")};
  static constexpr unsigned char kSkat[] = {Ch("с"), Ch("к"), Ch("а"), kStress, Ch("т"), Ch("ь")};
  static constexpr FixedText<8> kKaBeforeK = "ка+(к)";
  static constexpr unsigned char kEs = Ch("с");
  const unsigned char *c = w.c;

  Take(candidate, w, 1);
  if (c[1] == kSpace || c[1] == '.' || c[1] == ';' || c[1] == '!' || c[1] == ',') return false;
  if (In(c[1], kAfterConsonant)) Take(candidate, w, 2);
  const int p = w.position;
  if (p + 1 == w.length || (p + 2 == w.length && c[2] == '.')) Take(candidate, w, 2);
  if (In(c[2], kVowelLikeOrStress)) {
    Take(candidate, w, 3);
    if (c[0] == kKa[0] && c[1] == kKa[1] && c[2] == kKa[2] && c[3] == kKa[3]) {
      candidate.name = Name{};
      candidate.name.Push(kKaBeforeK);
      candidate.covered = 3;
    }
    if (In(c[3], kSyllableTail)) {
      Take(candidate, w, 4);
      bool skat = c[6] != kEs;
      for (int k = 0; k < 6; ++k) skat = skat && c[k] == kSkat[k];
      if (skat) Take(candidate, w, 6);
      if (In(c[4], kSyllableTail)) {
        Take(candidate, w, 5);
        if (c[5] == kStress) Take(candidate, w, 6);
      }
    }
  }
  return candidate.covered > 1;
}

// Ukrainian adjustments: ци, жи read as ці, жі; ши as щи. The first row that
// matches applies; the window changes in any case, the candidate only where
// it is long enough to hold the character.
struct UkrainianRow {
  int at;                 // the window character tested with the next one
  unsigned char letter;   // c[at]
  int changed;            // the window character that changes
  unsigned char becomes;
};

constexpr unsigned char kI = Ch("и");
constexpr UkrainianRow kUkrainianRows[] = {
    // condition              window change       candidate change
    {0, Ch("ц"), 1, Ch("і")},  // c0 ц, c1 и  ->  c1 і   2nd character і
    {1, Ch("ц"), 2, Ch("і")},  // c1 ц, c2 и  ->  c2 і   3rd character і
    {0, Ch("ж"), 1, Ch("і")},  // c0 ж, c1 и  ->  c1 і   2nd character і
    {1, Ch("ж"), 2, Ch("і")},  // c1 ж, c2 и  ->  c2 і   3rd character і
    {0, Ch("ш"), 0, Ch("щ")},  // c0 ш, c1 и  ->  c0 щ   1st character щ
    {1, Ch("ш"), 1, Ch("щ")},  // c1 ш, c2 и  ->  c1 щ   2nd character щ
};

void AdjustUkrainian(Window &w, Candidate &candidate) {
  for (const auto &row : kUkrainianRows) {
    if (w.c[row.at] != row.letter || w.c[row.at + 1] != kI) continue;
    w.c[row.changed] = row.becomes;
    if (candidate.name.size > row.changed) candidate.name.bytes[row.changed] = row.becomes;
    return;
  }
}

// Shorter forms of the appended candidate, so that a voice without the long
// unit still finds a shorter one. Only one is added (two in one case).
void AppendShorterForms(const Window &w, const Candidate &candidate, Answer &answer) {
  const unsigned char *c = w.c;
  const int n = candidate.covered;
  const bool consonantPair = In(c[0], kConsonants) && In(c[1], kConsonants);
  const bool consonantVowelConsonant =
      In(c[0], kConsonants) && In(c[2], kConsonants) && In(c[1], kVowelLike);

  if (candidate.name.Equals(WindowStretch(w, 2))) return;
  if (n == 3) {
    if (!consonantPair) answer.Append(WindowStretch(w, 2), 2);
  } else if (n == 4) {
    if (consonantPair) {
      if (In(c[2], kConsonants)) answer.Append(WindowStretch(w, 2), 2);
    } else if (consonantVowelConsonant) {
      answer.Append(WindowStretch(w, 2), 2);
    } else if (c[3] != kStress) {
      answer.Append(WindowStretch(w, 3), 3);
    } else {
      answer.Append(WindowStretch(w, 2), 2);
    }
  } else if (n >= 5) {
    if (consonantPair) {
      if (In(c[2], kConsonants)) {
        answer.Append(WindowStretch(w, 2), 2);
      } else if (c[3] == kStress && In(c[2], kPlainVowels13)) {
        answer.Append(WindowStretch(w, 4), 4);
      }
    } else if (consonantVowelConsonant) {
      answer.Append(WindowStretch(w, 2), 2);
    } else if (c[2] == kStress && In(c[0], kConsonants) && In(c[1], kPlainVowels12)) {
      answer.Append(WindowStretch(w, 3), 3);
    } else if (c[4] != kStress) {
      answer.Append(WindowStretch(w, 4), 4);
      answer.Append(WindowStretch(w, 3), 3);
    } else {
      answer.Append(WindowStretch(w, 3), 3);
    }
  } else if (n == 1) {
    // Only the context table makes a one-character candidate ("с").
    answer.Append(candidate.name, 1);
  }
}

}  // namespace

void AppendMultiLetter(Window &w, bool ukrainian, Answer &answer) {
  Candidate candidate;
  bool found = false;
  if (In(w.c[0], kVowelLike)) {
    found = VowelStart(w, candidate);
  } else if (IsCluster(w)) {
    ClusterStart(w, candidate);
    found = true;
  } else if (In(w.c[0], kConsonants)) {
    found = ConsonantStart(w, candidate);
  }
  if (!found) return;

  if (ukrainian) AdjustUkrainian(w, candidate);

  // A stressed а or о after и has a unit of its own, and nothing shorter.
  static constexpr FixedText<2> kStressedA = "а+";
  static constexpr FixedText<2> kStressedO = "о+";
  static constexpr FixedText<5> kAfterIA = "(и)а+";
  static constexpr FixedText<5> kAfterIO = "(и)о+";
  if (w.prev == kI && (candidate.name.Equals(kStressedA) || candidate.name.Equals(kStressedO))) {
    Name name;
    name.Push(candidate.name.Equals(kStressedA) ? kAfterIA : kAfterIO);
    answer.Append(name, 2);
    return;
  }

  Name context;
  int contextCovered = 0;
  if (LookUpContextName(candidate.name, w, context, contextCovered)) {
    candidate.name = context;
    candidate.covered = contextCovered;
  }

  answer.Append(candidate.name, candidate.covered);
  const int n = candidate.covered;
  if (n >= 2 && n <= 4 && candidate.name.size > n && candidate.name.bytes[n] == '(') {
    // A name with a right context is followed by its plain syllable.
    Take(candidate, w, n);
    answer.Append(candidate.name, n);
  }

  AppendShorterForms(w, candidate, answer);
}

}  // namespace zorna::naming
