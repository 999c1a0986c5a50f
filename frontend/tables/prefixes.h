// Prefix lists of stress assignment: for each language and prefix length, the
// written prefixes and the way each is spoken in front of a stressed rest.
#pragma once

#include <string>
#include <vector>

namespace zorna {

// One length of a language's list, as written in the source (UTF-8): entries
// separated by ", ", each either "written" (spoken as written) or
// "written → spoken" (same number of letters).
struct PrefixRow {
    int length;          // letters in every prefix of the row
    int wordLongerThan;  // the row is tried only for words longer than this
    const char *entries;
};

extern const PrefixRow kRussianPrefixRows[7];
extern const PrefixRow kUkrainianPrefixRows[6];

// A prefix in code page 1251 with its spoken form.
struct Prefix {
    std::string written;
    std::string spoken;
};

struct PrefixLength {
    int length = 0;
    int wordLongerThan = 0;
    std::vector<Prefix> prefixes;
};

// The rows above in code page 1251, shortest length first (built once).
const std::vector<PrefixLength> &RussianPrefixes();
const std::vector<PrefixLength> &UkrainianPrefixes();

}  // namespace zorna
