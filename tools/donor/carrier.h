// Carriers for cutting units out of espeak-ng speech: a unit name becomes a phoneme
// string of espeak-ng's Russian voice ("[[...]]" input), and every phoneme knows whether
// it belongs to the unit, to the text before it or to the text after it.
#pragma once

#include <string>
#include <vector>

namespace zorna::donor {

enum class Role { Before, Unit, After };

struct TPhoneme {
    std::string Mnemonic;  // as written in the phoneme input, with any stress mark
    Role Part = Role::Unit;
    bool VoicedConsonant = false;   // б г з ж м н and the like (vowel events come late after them)
    bool VoicelessStop = false;     // п т к ц ч: the closure silence comes before the event
    bool Vowel = false;
    bool SoftConsonant = false;
};

// What kind of unit a name is, and how to cut it.
enum class UnitKind {
    Stretch,      // letters (and "+"), cut between the events around them
    LeftContext,  // "(п)а": a vowel after a class of sounds
    Steady,       // a stressed vowel's steady middle ("а", "э", ...)
    Final,        // a stretch at the end of a phrase (right context ";")
    Tail,         // "а(.)", "сь(.)": the end of a sound before a full stop
    Silence,      // "!", ";", "-", " (.)", ".(.)"
    Digit,        // "0" .. "9": the digit's name
    Unsupported,
};

struct TCarrier {
    UnitKind Kind = UnitKind::Unsupported;
    std::vector<TPhoneme> Phonemes;
    bool FallingPitch = false;  // the unit ends a phrase: let the pitch fall
    int SilenceMs = 0;          // Silence units
    char Digit = 0;             // Digit units
};

// Builds the carrier of a unit name (code page 1251).
TCarrier MakeCarrier(const std::string &name);

// The "[[...]]" phoneme input of a carrier.
std::string PhonemeInput(const TCarrier &carrier);

// The phoneme event names espeak-ng reports for one phoneme (stress marks dropped; a soft
// consonant other than т д с з м н gives its consonant and a ";" glide).
std::vector<std::string> EventNames(const TPhoneme &phoneme);

}  // namespace zorna::donor
