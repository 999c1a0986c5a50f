// Carriers: the espeak-ng phoneme input made for a unit name, and which part is the unit.
#include <gtest/gtest.h>

#include <string>

#include "carrier.h"
#include "frontend/cp1251.h"

namespace {

using zorna::Cp;
using zorna::donor::MakeCarrier;
using zorna::donor::PhonemeInput;
using zorna::donor::Role;
using zorna::donor::UnitKind;

std::string UnitPart(const zorna::donor::TCarrier &c) {
    std::string s;
    for (const auto &p : c.Phonemes)
        if (p.Part == Role::Unit) s += p.Mnemonic + " ";
    return s;
}

struct CarrierCase {
    const char *Name;
    UnitKind Kind;
    const char *Input;  // the whole phoneme input
    const char *Unit;   // the unit's phonemes
};

TEST(MakeCarrier, NamesBecomeCarrierWordsWithExplicitStress) {
    const CarrierCase cases[] = {
        {"ба+", UnitKind::Stretch, "[[t@b'At@]]", "b 'A "},
        {"ма", UnitKind::Stretch, "[[t@mV#t'A]]", "m V# "},        // unstressed: stress after it
        {"ко+", UnitKind::Stretch, "[[t@k'ot@]]", "k 'o "},
        {"при", UnitKind::Stretch, "[[t@pR4;it'A]]", "p R4; i "},  // р after a consonant: no schwa
        {"вс", UnitKind::Stretch, "[[t@fs@t'A]]", "f s "},          // devoiced before с
        {"зд", UnitKind::Stretch, "[[t@zd@t'A]]", "z d "},
        {"сб", UnitKind::Stretch, "[[t@zb@t'A]]", "z b "},          // voiced before б
        {"т(ь)", UnitKind::Stretch, "[[t@t;it'A]]", "t; "},
        {"н(ь)", UnitKind::Stretch, "[[t@n#it'A]]", "n# "},
        {"ба+(ты)", UnitKind::Stretch, "[[t@b'Atyt@]]", "b 'A "},
        {"ба+(;)", UnitKind::Final, "[[t@b'A]]", "b 'A "},
        {"(п)а", UnitKind::LeftContext, "[[t@pV#t'A]]", "V# "},
        {"(н)е", UnitKind::LeftContext, "[[t@n#it'A]]", "i "},
        {"(.)я", UnitKind::LeftContext, "[[jit'A]]", "j i "},
        {"(и)а+", UnitKind::LeftContext, "[[t@i'At@]]", "'A "},
        {"э", UnitKind::Steady, "[[t@t'Et@]]", "'E "},
        {"а(.)", UnitKind::Tail, "[[t@'A]]", "'A "},
        {"д(.)", UnitKind::Tail, "[[t'At]]", "t "},                // devoiced before the stop
        {"сь(.)", UnitKind::Tail, "[[t'As;]]", "s; "},
        {"ці", UnitKind::Stretch, "[[t@tsit'A]]", "ts i "},        // ц stays hard
        {"жи+", UnitKind::Stretch, "[[t@Z'yt@]]", "Z 'y "},
        {"чу+", UnitKind::Stretch, "[[t@tS;'ut@]]", "tS; 'u "},
        {"пъя+", UnitKind::Stretch, "[[t@pj'at@]]", "p j 'a "},    // Ukrainian apostrophe
        {"ї", UnitKind::Stretch, "[[t@jit'A]]", "j i "},
    };
    for (const auto &c : cases) {
        const auto carrier = MakeCarrier(Cp(c.Name));
        EXPECT_EQ(carrier.Kind, c.Kind) << c.Name;
        EXPECT_EQ(PhonemeInput(carrier), c.Input) << c.Name;
        EXPECT_EQ(UnitPart(carrier), c.Unit) << c.Name;
    }
}

TEST(MakeCarrier, SignsAreSilencesAndDigitsTheirNames) {
    for (const char *name : {"!", ";", "-", " (.)", ".(.)", ",", "?", "ьь(.)"}) {
        const auto carrier = MakeCarrier(Cp(name));
        EXPECT_EQ(carrier.Kind, UnitKind::Silence) << name;
        EXPECT_GT(carrier.SilenceMs, 0) << name;
    }
    EXPECT_EQ(MakeCarrier("7").Kind, UnitKind::Digit);
    EXPECT_EQ(MakeCarrier("7").Digit, '7');
    EXPECT_EQ(MakeCarrier(Cp("ба+(")).Kind, UnitKind::Unsupported);
    EXPECT_EQ(MakeCarrier("").Kind, UnitKind::Unsupported);
}

}  // namespace
