#include "carrier.h"

#include <cstdint>

#include "frontend/cp1251.h"

namespace zorna::donor {

namespace {

using U8 = std::uint8_t;

bool In(U8 c, const std::string &set) { return set.find(static_cast<char>(c)) != std::string::npos; }

const std::string &Consonants() { static const std::string s = Cp("бвгджзйклмнпрстфхцчшщ"); return s; }
const std::string &Vowels() { static const std::string s = Cp("аеёиоуыэюяіїє"); return s; }
const std::string &Softeners() { static const std::string s = Cp("еёиюяьіє"); return s; }
const std::string &AlwaysHard() { static const std::string s = Cp("жшц"); return s; }
const std::string &AlwaysSoft() { static const std::string s = Cp("чщй"); return s; }
const std::string &Iotated() { static const std::string s = Cp("еёюяє"); return s; }
const std::string &VoicelessObstruents() { static const std::string s = Cp("пфктшсхцчщ"); return s; }
const std::string &VoicingObstruents() { static const std::string s = Cp("бгджз"); return s; }
const std::string &SteadyVowels() { static const std::string s = Cp("аоуыиэ"); return s; }

U8 C(const char *utf8) { return static_cast<U8>(Cp(utf8)[0]); }

struct Letter {
    U8 Char;
    bool Stressed;
    Role Part;
};

void AddLetters(std::vector<Letter> &letters, const std::string &text, Role part) {
    for (char ch : text) {
        const auto c = static_cast<U8>(ch);
        if (c == '+') {
            if (!letters.empty()) letters.back().Stressed = true;
            continue;
        }
        letters.push_back({c, false, part});
    }
}

bool AllLetters(const std::string &text) {
    for (char ch : text) {
        const auto c = static_cast<U8>(ch);
        if (c != '+' && !In(c, Consonants()) && !In(c, Vowels()) && c != C("ь") && c != C("ъ"))
            return false;
    }
    return true;
}

U8 Devoiced(U8 c) {
    static const std::string voiced = Cp("бвгджз"), voiceless = Cp("пфктшс");
    const auto at = voiced.find(static_cast<char>(c));
    return at == std::string::npos ? c : static_cast<U8>(voiceless[at]);
}

U8 Voiced(U8 c) {
    static const std::string voiced = Cp("бвгджз"), voiceless = Cp("пфктшс");
    const auto at = voiceless.find(static_cast<char>(c));
    return at == std::string::npos ? c : static_cast<U8>(voiced[at]);
}

std::string HardConsonant(U8 c) {
    static const std::string letters = Cp("бвгджзйклмнпрстфхцчшщ");
    static const char *const names[] = {"b", "v", "g", "d", "Z",   "z",  "j", "k", "l", "m", "n",
                                        "p", "r", "s", "t", "f",   "x",  "ts", "tS;", "S", "S;"};
    const auto at = letters.find(static_cast<char>(c));
    return at == std::string::npos ? "" : names[at];
}

std::string SoftConsonant(U8 c) {
    static const std::string single = Cp("тдсзм");
    if (In(c, single)) return HardConsonant(c) + ";";
    if (c == C("н")) return "n#";
    if (In(c, AlwaysHard()) || In(c, AlwaysSoft())) return HardConsonant(c);
    return HardConsonant(c) + ";";
}

// Letters to phonemes. finalDevoicing: the last consonant stands before a pause.
std::vector<TPhoneme> ToPhonemes(const std::vector<Letter> &letters, bool finalDevoicing) {
    std::vector<TPhoneme> out;
    const U8 softSign = C("ь"), hardSign = C("ъ");
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const Letter &l = letters[i];
        U8 c = l.Char;
        if (c == softSign || c == hardSign) continue;
        // The next letter that is not a soft sign, and whether a soft sign came first.
        std::size_t j = i + 1;
        bool softSignNext = false;
        while (j < letters.size() && letters[j].Char == softSign) {
            softSignNext = true;
            ++j;
        }
        const bool hasNext = j < letters.size();
        const U8 next = hasNext ? letters[j].Char : 0;
        const U8 nextRaw = i + 1 < letters.size() ? letters[i + 1].Char : 0;
        const bool prevIsConsonant = !out.empty() && !out.back().Vowel &&
                                     i > 0 && letters[i - 1].Char != softSign &&
                                     letters[i - 1].Char != hardSign;
        if (In(c, Consonants())) {
            if (c != C("й")) {
                if (hasNext && In(next, VoicelessObstruents())) c = Devoiced(c);
                else if (hasNext && In(next, VoicingObstruents())) c = Voiced(c);
                else if (!hasNext && finalDevoicing) c = Devoiced(c);
            }
            const bool soft = In(c, AlwaysSoft()) ||
                              (!In(c, AlwaysHard()) && (softSignNext || In(nextRaw, Softeners())));
            TPhoneme p;
            p.Part = l.Part;
            p.SoftConsonant = soft;
            // р after a consonant or a pause: R4 (r would get a schwa before it).
            if (c == C("р") && (out.empty() || !out.back().Vowel)) p.Mnemonic = soft ? "R4;" : "R4";
            else p.Mnemonic = soft ? SoftConsonant(c) : HardConsonant(c);
            p.VoicedConsonant = In(c, Cp("бгзжмнвдлр"));
            p.VoicelessStop = In(c, Cp("птктцч"));
            out.push_back(p);
            continue;
        }
        if (!In(c, Vowels())) continue;
        const std::string stress = l.Stressed ? "'" : "";
        const bool afterHard = prevIsConsonant && In(letters[i - 1].Char, AlwaysHard());
        const bool afterSoft = prevIsConsonant && out.back().SoftConsonant;
        const bool iotate = (In(c, Iotated()) && !prevIsConsonant) || c == C("ї");
        if (iotate) {
            TPhoneme j2;
            j2.Mnemonic = "j";
            j2.Part = l.Part;
            j2.SoftConsonant = true;
            out.push_back(j2);
        }
        std::string v;
        if (c == C("а") || c == C("о")) {
            if (l.Stressed) v = c == C("а") ? (afterSoft ? "'A" : "'A") : "'o";
            else v = prevIsConsonant && !afterSoft ? "V#" : "a";
        } else if (c == C("у")) {
            v = stress + "u";
        } else if (c == C("ы")) {
            v = stress + "y";
        } else if (c == C("э")) {
            v = stress + "E";
        } else if (c == C("и")) {
            v = stress + (afterHard ? "y" : "i");
        } else if (c == C("і") || c == C("ї")) {
            v = stress + "i";
        } else if (c == C("е") || c == C("є")) {
            if (afterHard) v = l.Stressed ? "'E" : "y";
            else v = l.Stressed ? "'e" : "i";
        } else if (c == C("ё")) {
            v = afterHard ? "'o" : "'8";
        } else if (c == C("ю")) {
            v = stress + (iotate ? "u" : "u\"");
        } else if (c == C("я")) {
            v = l.Stressed ? (iotate ? "'a" : "'A") : "i";
        }
        TPhoneme p;
        p.Mnemonic = v;
        p.Part = l.Part;
        p.Vowel = true;
        out.push_back(p);
    }
    return out;
}

TPhoneme Raw(const char *mnemonic, Role part, bool vowel) {
    TPhoneme p;
    p.Mnemonic = mnemonic;
    p.Part = part;
    p.Vowel = vowel;
    p.VoicelessStop = std::string(mnemonic) == "t";
    return p;
}

bool AnyStress(const std::vector<Letter> &letters) {
    for (const auto &l : letters)
        if (l.Stressed) return true;
    return false;
}

}  // namespace

TCarrier MakeCarrier(const std::string &name) {
    TCarrier carrier;
    if (name.empty()) return carrier;
    if (name == "!" || name == ";" || name == "-") {
        carrier.Kind = UnitKind::Silence;
        carrier.SilenceMs = name == "!" ? 60 : name == ";" ? 40 : 20;
        return carrier;
    }
    if (name.size() == 1 && !AllLetters(name) && !(name[0] >= '0' && name[0] <= '9')) {
        carrier.Kind = UnitKind::Silence;  // the second name of a sign ("?", ",", ":")
        carrier.SilenceMs = 20;
        return carrier;
    }
    if (name.size() == 1 && name[0] >= '0' && name[0] <= '9') {
        carrier.Kind = UnitKind::Digit;
        carrier.Digit = name[0];
        return carrier;
    }
    std::vector<Letter> letters;
    bool prefix = true;   // "t@" before
    bool suffix = true;   // "t@" (or "t'A") after
    bool finalDevoicing = false;
    std::string bareSuffix;

    if (name.size() > 3 && name.compare(name.size() - 3, 3, "(.)") == 0) {
        const std::string body = name.substr(0, name.size() - 3);
        if (!AllLetters(body)) {
            carrier.Kind = UnitKind::Silence;
            carrier.SilenceMs = 30;
            return carrier;
        }
        AddLetters(letters, body, Role::Unit);
        bool sounds = false;
        for (const auto &l : letters) sounds = sounds || In(l.Char, Consonants()) || In(l.Char, Vowels());
        if (!sounds) {  // only signs before the stop
            carrier.Kind = UnitKind::Silence;
            carrier.SilenceMs = 30;
            return carrier;
        }
        carrier.Kind = UnitKind::Tail;
        carrier.FallingPitch = true;
        for (auto &l : letters)
            if (In(l.Char, Vowels())) l.Stressed = true;
        suffix = false;
        finalDevoicing = true;
    } else if (name[0] == '(') {
        const std::size_t close = name.find(')');
        if (close == std::string::npos || close + 1 >= name.size()) return carrier;
        const std::string context = name.substr(1, close - 1);
        const std::string body = name.substr(close + 1);
        if (!AllLetters(body)) return carrier;
        carrier.Kind = UnitKind::LeftContext;
        if (context == ".") prefix = false;
        else if (AllLetters(context)) AddLetters(letters, context, Role::Before);
        else return carrier;
        AddLetters(letters, body, Role::Unit);
    } else if (const std::size_t open = name.find('('); open != std::string::npos) {
        const std::size_t close = name.find(')', open);
        if (close == std::string::npos) return carrier;
        const std::string body = name.substr(0, open);
        const std::string context = name.substr(open + 1, close - open - 1);
        if (!AllLetters(body)) return carrier;
        AddLetters(letters, body, Role::Unit);
        carrier.Kind = UnitKind::Stretch;
        if (context == ";") {
            carrier.Kind = UnitKind::Final;
            carrier.FallingPitch = true;
            suffix = false;
            finalDevoicing = true;
        } else if (context == Cp("ь") && letters.size() == 1) {
            AddLetters(letters, Cp("и"), Role::After);  // the consonant before a softening vowel
        } else if (AllLetters(context)) {
            AddLetters(letters, context, Role::After);
        } else {
            return carrier;
        }
    } else {
        if (!AllLetters(name)) return carrier;
        const auto c0 = static_cast<U8>(name[0]);
        if (name.size() == 1 && In(c0, SteadyVowels())) {
            carrier.Kind = UnitKind::Steady;
            AddLetters(letters, Cp("т"), Role::Before);
            AddLetters(letters, name + "+", Role::Unit);
        } else {
            carrier.Kind = UnitKind::Stretch;
            AddLetters(letters, name, Role::Unit);
            if (In(static_cast<U8>(name.back()), Consonants())) bareSuffix = "@";
        }
    }

    const bool stressed = AnyStress(letters);
    std::vector<TPhoneme> &ph = carrier.Phonemes;
    if (prefix) {
        ph.push_back(Raw("t", Role::Before, false));
        ph.push_back(Raw(carrier.Kind == UnitKind::Tail && !stressed ? "'A" : "@", Role::Before, true));
    }
    for (auto &p : ToPhonemes(letters, finalDevoicing)) ph.push_back(p);
    if (!bareSuffix.empty()) ph.push_back(Raw(bareSuffix.c_str(), Role::After, true));
    if (suffix) {
        ph.push_back(Raw("t", Role::After, false));
        ph.push_back(Raw(stressed ? "@" : "'A", Role::After, true));
    }
    return carrier;
}

std::string PhonemeInput(const TCarrier &carrier) {
    std::string s = "[[";
    for (const auto &p : carrier.Phonemes) s += p.Mnemonic;
    s += "]]";
    return s;
}

std::vector<std::string> EventNames(const TPhoneme &phoneme) {
    std::string m;
    for (char ch : phoneme.Mnemonic)
        if (ch != '\'' && ch != '%') m += ch;
    static const std::string glided = "pbfvkgxlr";
    if (m.size() == 2 && m[1] == ';' && glided.find(m[0]) != std::string::npos)
        return {m.substr(0, 1), ";"};
    if (m == "R4;") return {"R4", ";"};
    return {m};
}

}  // namespace zorna::donor
