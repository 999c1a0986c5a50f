// Speaks a fixed text with a fixture voice through the shared library and
// prints the number of audio bytes, the number of events and a hash of both.
// Two runs in two processes must print the same line.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fixture_voice.h"
#include "frontend/cp1251.h"
#include "zornatts/zornatts.h"

namespace {

struct Digest {
    std::uint64_t hash = 1469598103934665603ULL;
    std::uint64_t audioBytes = 0;
    int events = 0;
    void Add(const void *data, std::size_t n) {
        const auto *b = static_cast<const unsigned char *>(data);
        for (std::size_t i = 0; i < n; ++i) hash = (hash ^ b[i]) * 1099511628211ULL;
    }
};

std::int32_t ZORNA_CALL Collect(const void *data, std::int32_t count, const TSpeechEvent *event, void *context) {
    auto *d = static_cast<Digest *>(context);
    if (event != nullptr) {
        ++d->events;
        d->Add(event, sizeof *event);
    } else if (data != nullptr && count > 0) {
        d->audioBytes += static_cast<std::uint64_t>(count);
        d->Add(data, static_cast<std::size_t>(count));
    }
    return 0;
}

constexpr double kPi = 3.14159265358979323846;

// A voiced-sounding unit: a few harmonics of a pitch that differs per unit.
zorna::testing::FixtureUnit Voiced(const std::string &name, double pitch) {
    zorna::testing::FixtureUnit u{name, std::vector<std::int16_t>(3000)};
    for (std::size_t i = 0; i < u.pcm.size(); ++i) {
        const double t = static_cast<double>(i) / 22050.0;
        u.pcm[i] = static_cast<std::int16_t>(6000 * std::sin(2 * kPi * pitch * t) +
                                             3000 * std::sin(4 * kPi * pitch * t));
    }
    return u;
}

}  // namespace

int main() {
    const std::string root = zorna::testing::MakeTempDir("determinism");
    const std::string dir = root + "/data/fix";
    zorna::testing::MakeDir(root + "/data");
    zorna::testing::MakeDir(dir);
    zorna::testing::SetEnv("APPDATA", root);  // no settings file: defaults
    zorna::testing::WriteVoice(dir, {Voiced("ма+", 110), Voiced("ма", 120), Voiced("мы+", 130), Voiced("ла", 140),
                                     Voiced("до+", 150), Voiced("м", 160), Voiced(";", 170), Voiced("т", 180)});
    zorna::testing::WriteDictionary(dir + "/slovar.rus", {{"мама", "ма+ма"}, {"мыла", "мы+ла"}, {"дом", "до+м"}});
    if (Zorna_SetDataPath(root.c_str()) != 0) return 2;
    TZornaHandle voice = Zorna_New("fix", "ru");
    if (voice == nullptr) return 3;
    Digest digest;
    Zorna_SetCallback(voice, &Collect);
    Zorna_SetSpeed(voice, 40);
    const std::string text = zorna::Cp("мама мыла дом, мама мыла. Дом мама");
    for (int i = 0; i < 3; ++i)
        if (Zorna_Speak(voice, text.c_str(), &digest) != 0) return 4;
    Zorna_Free(voice);
    std::printf("%llu bytes %d events %016llx\n", static_cast<unsigned long long>(digest.audioBytes), digest.events,
                static_cast<unsigned long long>(digest.hash));
    return digest.audioBytes > 0 ? 0 : 5;
}
