// Measuring how a voice covers text: the front end turns words into phonetic text, the
// unit-naming library names candidate units at each position, and the walk plays the
// first candidate the voice has, as the speaking loop does.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace zorna::coverage {

struct TAlternative {
    std::string Name;  // code page 1251
    int Length = 1;    // characters covered
};

// The unit-naming library's answer at a 1-based position: the alternatives, and the result
// value (-1 no character, -2 nothing to voice, else the answer's length).
std::vector<TAlternative> AskNaming(const std::string &phonetic, int position, bool ukrainian,
                                    int &result);

// The names a voice holds (alfa.tx in the folder); false when the table cannot be read.
bool ReadVoiceNames(const std::string &folder, std::set<std::string> &names);

struct TWalkStats {
    long Positions = 0;          // characters voiced by some unit
    long MultiLetter = 0;        // of these, voiced by units covering 2 or more characters
    long Units = 0;              // units played
    long Words = 0;
    long Gaps = 0;               // positions where the voice had none of the alternatives
    std::map<std::string, long> MissingFirst;   // first-asked names the voice lacks
    std::map<std::string, long> MissingSingle;  // one-character names asked and lacking
};

// Walks one phonetic text as the speaking loop does, with a voice of the given names.
void WalkPhonetic(const std::string &phonetic, bool ukrainian, const std::set<std::string> &voice,
                  TWalkStats &stats);

// Counts the first alternative at every position of a phonetic text (names covering two
// or more characters only).
void CountFirstAlternatives(const std::string &phonetic, bool ukrainian,
                            std::map<std::string, long> &counts);

// The words of a list file (UTF-8): words are separated by white space, "#" starts a comment
// running to the end of the line, a repeated word is kept once (first place). False when the
// file cannot be read.
bool ReadWordList(const std::string &path, std::vector<std::string> &words);

// Every one-character name the naming library gives for phonetic texts of up to three
// characters (Russian and Ukrainian mode).
std::set<std::string> SingleLetterNames();

// A code page 1251 text cut into phrases as the speaking loop cuts it (a run of word
// characters and the character after it) and turned into phonetic text by the front end.
class TPhoneticReader {
public:
    TPhoneticReader(bool ukrainian, const std::string &dataFolder);
    ~TPhoneticReader();
    std::vector<std::string> Read(const std::string &cp1251Text);

private:
    struct Impl;
    Impl *impl_;
};

}  // namespace zorna::coverage
