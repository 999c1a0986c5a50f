#include "processor.h"

#include <stdexcept>

#include "accent_dictionary.h"
#include "char_classes.h"
#include "converters.h"
#include "cp1251.h"
#include "language_tables.h"
#include "platform/platform.h"

namespace zorna {

namespace {

constexpr std::uint8_t kHyphen = 45;
constexpr std::uint8_t kPlus = 43;
constexpr std::uint8_t kApostrophe = 39;
constexpr std::uint8_t kRightSingleQuote = 146;
constexpr std::size_t kMaxDigitRun = 12;  // longer numbers are read in pieces of 12 digits
// The hyphen count never needs to go above this: at 2 and more a hyphen ends the phrase.
constexpr int kHyphenCountLimit = 3;

}  // namespace

struct TProcessor::Impl {
    std::uint8_t Language = 0;
    std::int32_t IsUkrainian = 0;
    std::string Pending;
    std::unique_ptr<TAccentDictionary> Dictionary;
    const TLanguageTables *Tables = nullptr;
    int HyphenCount = 0;

    // The state of one Process call.
    struct Call {
        std::uint8_t PunctuationLevel;
        std::uint8_t &PrepositionPending;
        std::int32_t PrepositionPause;
        std::string &Output;
        bool Single;
        std::string Digits, Latin, Cyrillic;
    };

    void Release(Call &call) {
        if (call.PrepositionPending == 0 || call.PrepositionPause != 0 || call.Single) {
            call.Output.insert(0, Pending);
            Pending.clear();
        } else {
            Pending += call.Output;
            call.Output.clear();
        }
    }

    void ConvertDigits(Call &call) {
        call.Output += NumberToWords(*Tables, call.Digits);
        call.Digits.clear();
        Release(call);
    }

    void ConvertCyrillic(Call &call) {
        const std::string &word = call.Cyrillic;
        call.PrepositionPending = IsPreposition(word) ? 1 : 0;
        const bool ukrainian = Language == kLanguageUkrainian;
        std::string letters;
        if (call.Single)
            letters = LettersToPhonetic(*Tables, ukrainian, word, true);
        else
            letters = LettersToPhonetic(*Tables, ukrainian, Dictionary->Accentuate(IsUkrainian, word), false);
        call.Output += SpellAbbreviation(*Tables, letters);
        call.Cyrillic.clear();
        Release(call);
    }

    void ConvertLatin(Call &call) {
        if (call.Single)
            call.Output += SpellAbbreviation(*Tables, LatinToPhonetic(*Tables, call.Latin, true));
        else
            call.Output += LatinToPhonetic(
                *Tables, SpellAbbreviation(*Tables, Dictionary->Accentuate(IsUkrainian, call.Latin)), false);
        call.Latin.clear();
        Release(call);
    }
};

TProcessor::TProcessor(std::uint8_t language, const std::string &dataFolder) : impl_(std::make_unique<Impl>()) {
    Impl &p = *impl_;
    p.Language = language;
    p.IsUkrainian = language == kLanguageUkrainian ? 1 : 0;
    std::string fileName;
    if (language == kLanguageRussian) {
        p.Tables = &RussianTables();
        fileName = "slovar.rus";
    } else if (language == kLanguageUkrainian) {
        p.Tables = &UkrainianTables();
        fileName = "slovar.ukr";
    } else {
        throw std::invalid_argument("Unknown language");
    }
    p.Dictionary = std::make_unique<TAccentDictionary>(dataFolder + platform::kPathSeparator + fileName);
}

TProcessor::~TProcessor() = default;

bool TProcessor::IsWordChar(std::uint8_t c) {
    Impl &p = *impl_;
    if (c == kHyphen) {
        if (p.HyphenCount < kHyphenCountLimit) ++p.HyphenCount;
        return p.HyphenCount < 2;
    }
    if (IsDigit(c) || IsLatinLetter(c)) {
        p.HyphenCount = 3;
        return true;
    }
    if (c == kPlus || IsCyrillicLetter(c)) return true;
    return p.Language == kLanguageUkrainian && (c == kApostrophe || c == kRightSingleQuote);
}

void TProcessor::ResetHyphenCount() { impl_->HyphenCount = 0; }

void TProcessor::Process(const std::string &text, std::uint8_t punctuationLevel, std::uint8_t &prepositionPending,
                         std::int32_t prepositionPause, std::string &output) {
    if (text.empty()) return;
    Impl &p = *impl_;
    Impl::Call call{punctuationLevel, prepositionPending, prepositionPause, output, text.size() == 1, {}, {}, {}};
    output.clear();

    // Three spaces end every run; the last of them is never visited.
    const std::string padded = call.Single ? text : text + "   ";
    const std::size_t positions = call.Single ? 1 : text.size() + 2;
    auto at = [&](std::size_t position) { return static_cast<std::uint8_t>(padded[position - 1]); };  // 1-based
    static const std::string kParticle = Cp("то");
    static const std::string kParticleSound = Cp("та");

    bool particle = false;
    int current = CharClass(at(1));
    for (std::size_t i = 1; i <= positions; ++i) {
        const std::uint8_t c = at(i);
        const int previous = current;
        current = CharClass(c);

        if (previous == ccDigit && (current != ccDigit || call.Digits.size() >= kMaxDigitRun) &&
            !call.Digits.empty())
            p.ConvertDigits(call);

        if (previous == ccCyrillic && current != ccCyrillic && !call.Cyrillic.empty()) {
            if (call.Cyrillic == kParticle && i > 3 && at(i - 3) == kHyphen) {
                // "-то" after a word: spoken "та", and the phrase ends here.
                call.Output += kParticleSound;
                call.Cyrillic.clear();
                particle = true;
                break;
            }
            if ((c == kApostrophe || c == kRightSingleQuote) && i < padded.size() &&
                CharClass(at(i + 1)) == ccCyrillic) {
                call.Cyrillic.push_back(static_cast<char>(kApostrophe));  // the apostrophe belongs to the word
            } else {
                p.ConvertCyrillic(call);
            }
        }

        if (previous == ccLatin && current != ccLatin && !call.Latin.empty()) p.ConvertLatin(call);

        switch (current) {
            case ccLatin:
            case ccCyrillic:
                (current == ccLatin ? call.Latin : call.Cyrillic).push_back(static_cast<char>(ToLowerCase(c)));
                break;
            case ccDigit:
                call.Digits.push_back(static_cast<char>(c));
                break;
            case ccPunctuation:
                output += SymbolToPhonetic(*p.Tables, c, punctuationLevel, call.Single);
                break;
            case ccSpace:
                if (previous != ccSpace) output.push_back(' ');
                break;
            case ccSymbol:
                if (call.Single && c == kHyphen)
                    output.push_back('-');
                else
                    output += SymbolToPhonetic(*p.Tables, c, punctuationLevel, call.Single);
                break;
            default:
                break;
        }
    }

    // What is left: a one-character phrase, or the particle "та" (released like a word).
    if (!call.Digits.empty()) p.ConvertDigits(call);
    if (!call.Cyrillic.empty()) p.ConvertCyrillic(call);
    if (particle) p.Release(call);
    if (!call.Latin.empty()) p.ConvertLatin(call);
}

std::uint8_t TProcessor::GetLanguage() {
    impl_->IsUkrainian = impl_->Language == kLanguageUkrainian ? 1 : 0;
    return impl_->Language;
}

const std::string &TProcessor::Pending() const { return impl_->Pending; }

const TAccentDictionary &TProcessor::Dictionary() const { return *impl_->Dictionary; }

}  // namespace zorna
