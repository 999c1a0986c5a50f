// Zorna_Speak end to end over a fixture voice (both languages) with arbitrary
// text. Leading bytes: flags (bit 0 Ukrainian, bit 1 without the Sonic stream,
// bit 2 a stop request from inside the callback), the punctuation level (any
// 32-bit value: the engine keeps its low byte), speed and volume (signed 16-bit),
// a silence length in milliseconds, the callback count after which a stop is
// requested; the rest is the text (a zero byte ends it, as for a C caller).
//
// Checked: Zorna_Speak succeeds; every callback carries either audio (whole
// samples) or one word event lying inside the text; word events come in text
// order; Zorna_Silence delivers exactly ms x 44.1 zero bytes in one call.
#include <cstring>
#include <string>
#include <vector>

#include "fixture_voice.h"
#include "fuzz_common.h"
#include "library_state.h"
#include "zornatts/zornatts.h"

namespace {

struct Listener {
    TZornaHandle handle = nullptr;
    std::size_t textLength = 0;
    std::int32_t lastOffset = -1;
    std::uint32_t calls = 0;
    std::uint32_t stopAfter = 0;  // 0: never
    bool silence = false;
    std::int32_t silenceBytes = 0;

    static std::int32_t ZORNA_CALL Callback(const void *data, std::int32_t count, const TSpeechEvent *event,
                                            void *context) {
        auto *self = static_cast<Listener *>(context);
        FUZZ_CHECK(self != nullptr);
        ++self->calls;
        if (event != nullptr) {
            FUZZ_CHECK(!self->silence);
            FUZZ_CHECK(data == nullptr && count == 0);
            FUZZ_CHECK(event->Kind == EVENT_WORD);
            FUZZ_CHECK(event->Offset >= 0 && event->Length > 0);
            FUZZ_CHECK(static_cast<std::size_t>(event->Offset) + static_cast<std::size_t>(event->Length) <=
                       self->textLength);
            FUZZ_CHECK(event->Offset > self->lastOffset);
            self->lastOffset = event->Offset;
        } else {
            FUZZ_CHECK(data != nullptr && count > 0);
            // Speech comes in whole samples; silence is exactly ms x 44.1 bytes, odd or not.
            if (!self->silence) FUZZ_CHECK(count % 2 == 0);
            const auto *bytes = static_cast<const std::uint8_t *>(data);
            volatile std::uint8_t sink = bytes[0];  // both ends must be readable
            sink = bytes[count - 1];
            (void)sink;
            if (self->silence) {
                FUZZ_CHECK(count == self->silenceBytes);
                for (std::int32_t k = 0; k < count; ++k) FUZZ_CHECK(bytes[k] == 0);
            }
        }
        if (self->stopAfter != 0 && self->calls == self->stopAfter) Zorna_Stop(self->handle);
        return 0;
    }
};

struct Voices {
    TZornaHandle russian = nullptr;
    TZornaHandle ukrainian = nullptr;
};

Voices &Fixture() {
    static Voices voices = [] {
        using zorna::testing::ConstantUnit;
        const std::string root = zorna::testing::MakeTempDir("fuzz-speak");
        const std::string dir = root + "/data/fix";
        zorna::testing::MakeDir(root + "/data");
        zorna::testing::MakeDir(dir);
        const std::string settings = root + "/appdata";
        zorna::testing::MakeDir(settings);
        zorna::testing::SetEnv("APPDATA", settings);  // no settings file: the defaults

        std::vector<zorna::testing::FixtureUnit> units;
        std::int16_t value = 100;
        for (const char *name : {"ма+", "ма", "мы+", "ла", "до+", "м", "ко+", "т", "ме", "не+", "да", "кто+", "та",
                                 "-", ";", "!", ",", ".", "?", "(п)а", "а", "о", "д", "к", "н", "в", "э", "ы",
                                 "е", "п", "я", "ц", "ч", "и", "с", "ш", "р", "л", "ба+", "б", "у", "з", "ь",
                                 "ть", "і", "ї", "є", "ґ", "г", "х", "ф", "ж", "щ", "ю", "й", "а+", "о+", "и+",
                                 "е+", "у+", "і+", "ри", "ві", "пр", "ст"})
            units.push_back(ConstantUnit(name, value++, 40));
        zorna::testing::WriteVoice(dir, units);
        const std::vector<std::pair<std::string, std::string>> dictionary = {
            {"мама", "ма+ма"}, {"мыла", "мы+ла"}, {"дом", "до+м"},   {"кот", "ко+т"},     {"нет", "не+т"},
            {"кто", "кто+"},   {"кіт", "кі+т"},   {"п'ять", "п'я+ть"}, {"привіт", "приві+т"}, {"в", "в"},
        };
        zorna::testing::WriteDictionary(dir + "/slovar.rus", dictionary);
        zorna::testing::WriteDictionary(dir + "/slovar.ukr", dictionary);

        zorna::LibraryLoad();
        FUZZ_CHECK(Zorna_SetDataPath(root.c_str()) == 0);
        Voices v;
        v.russian = Zorna_New("fix", "ru");
        v.ukrainian = Zorna_New("fix", "uk");
        FUZZ_CHECK(v.russian != nullptr && v.ukrainian != nullptr);
        FUZZ_CHECK(Zorna_SetCallback(v.russian, &Listener::Callback) == 0);
        FUZZ_CHECK(Zorna_SetCallback(v.ukrainian, &Listener::Callback) == 0);
        return v;
    }();
    return voices;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    (void)Fixture();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    zorna::fuzz::ByteReader in(data, size);
    const std::uint8_t flags = in.Byte();
    const auto punctuation = static_cast<std::int32_t>(in.U32());
    const auto speed = static_cast<std::int16_t>(in.U16());
    const auto volume = static_cast<std::int16_t>(in.U16());
    const std::uint8_t silenceMs = in.Byte();
    const std::uint8_t stopAfter = in.Byte();
    const std::string rest = in.Rest();
    const std::string text(rest.c_str());  // up to the first zero byte

    const Voices &voices = Fixture();
    const TZornaHandle voice = (flags & 1) ? voices.ukrainian : voices.russian;
    zorna::SetSonicStreamForTesting((flags & 2) == 0);
    FUZZ_CHECK(Zorna_SetPunctuation(voice, punctuation) == 0);
    FUZZ_CHECK(Zorna_SetSpeed(voice, speed) == 0);
    FUZZ_CHECK(Zorna_SetVolume(voice, volume) == 0);
    FUZZ_CHECK(Zorna_SetPitch(voice, speed) == 0);

    Listener listener;
    listener.handle = voice;
    listener.textLength = text.size();
    listener.stopAfter = (flags & 4) ? stopAfter : 0;
    FUZZ_CHECK(Zorna_Speak(voice, text.c_str(), &listener) == 0);
    // A word of the letter "а" alone is always voiced: it has a unit of its own.
    if (text.find('\xE0') != std::string::npos) FUZZ_CHECK(listener.calls > 0);

    Listener quiet;
    quiet.handle = voice;
    quiet.silence = true;
    quiet.silenceBytes = silenceMs * 44100 / 1000;
    FUZZ_CHECK(Zorna_Silence(voice, silenceMs, &quiet) == 0);
    FUZZ_CHECK(quiet.calls == (silenceMs > 0 ? 1u : 0u));
    return 0;
}
