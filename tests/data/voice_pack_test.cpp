// Voices packed by the packer, read back through the engine's unit store.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

#include "audio_samples.h"
#include "frontend/cp1251.h"
#include "voice_pack.h"

namespace {

using zorna::Cp;

std::string TempDir() {
    char pattern[] = "/tmp/zorna-voice-test-XXXXXX";
    const char *dir = mkdtemp(pattern);
    return dir ? dir : "/tmp";
}

// Samples that identify their unit: a ramp starting at a per-unit value.
std::vector<std::int16_t> Samples(int seed, int count) {
    std::vector<std::int16_t> s(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) s[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(seed * 100 + i - 50);
    return s;
}

// Names of every kind, given out of order: "по" names among other п names, a lone "п",
// names beginning with signs, digits, "(" and letters outside а..я; odd sample counts.
TEST(PackVoice, EveryUnitIsFoundByTheUnitStoreWithItsOwnSamples) {
    const char *names[] = {
        "поле", "п", "па+", "пр", "по", "при", "по+(ть)", "пу", "(п)а", "а", "а(.)", "ба+(;)", "б",
        "бя+", "ё", "(.)ё", "і", "ї", "5", "!", ";", "-", " (.)", "сь(.)", "т(ь)", "я", "яю", "юла",
        "щи", "ці", "о+", "от", "по+", "поо",
    };
    std::vector<zorna::voice::TUnit> units;
    int seed = 1;
    for (const char *name : names) {
        units.push_back({Cp(name), Samples(seed, 7 + 2 * seed + (seed % 2))});
        ++seed;
    }
    const std::string dir = TempDir();
    const auto packed = zorna::voice::PackVoice(units);
    EXPECT_TRUE(packed.Skipped.empty());
    std::string error;
    ASSERT_TRUE(zorna::voice::WriteVoice(dir, packed, error)) << error;

    zorna::TAudioSamples store(dir);
    for (const auto &unit : units) {
        zorna::TAudioSamples::Unit where;
        ASSERT_TRUE(store.FindUnit(unit.Name, where)) << zorna::Cp1251ToUtf8(unit.Name);
        const std::size_t padded = (unit.Samples.size() + 1) / 2 * 2;
        EXPECT_EQ(static_cast<std::size_t>(where.Length) * 2, padded) << zorna::Cp1251ToUtf8(unit.Name);
        const std::uint8_t *bytes = store.SampleData() + 4 * static_cast<std::size_t>(where.Offset);
        ASSERT_LE(4 * static_cast<std::size_t>(where.Offset + where.Length), store.SampleSize());
        std::vector<std::int16_t> got(padded);
        std::memcpy(got.data(), bytes, padded * 2);
        std::vector<std::int16_t> want = unit.Samples;
        want.resize(padded, 0);
        EXPECT_EQ(got, want) << zorna::Cp1251ToUtf8(unit.Name);
    }
    for (const char *absent : {"пол", "по+д", "ппп", "аа", "ю", "6", "?"}) {
        zorna::TAudioSamples::Unit where;
        EXPECT_FALSE(store.FindUnit(Cp(absent), where)) << absent;
    }
}

TEST(PackVoice, RepeatedEmptyAndOverlongNamesAreLeftOutAndTheFirstUnitOfANameKept) {
    std::vector<zorna::voice::TUnit> units = {
        {Cp("ма"), Samples(1, 10)}, {Cp("ма"), Samples(2, 10)}, {"", Samples(3, 10)},
        {std::string(25, 'x'), Samples(4, 10)},
    };
    const auto packed = zorna::voice::PackVoice(units);
    EXPECT_EQ(packed.Skipped, (std::vector<std::string>{Cp("ма"), "", std::string(25, 'x')}));
    const std::string dir = TempDir();
    std::string error;
    ASSERT_TRUE(zorna::voice::WriteVoice(dir, packed, error)) << error;
    zorna::TAudioSamples store(dir);
    zorna::TAudioSamples::Unit where;
    ASSERT_TRUE(store.FindUnit(Cp("ма"), where));
    std::int16_t first = 0;
    std::memcpy(&first, store.SampleData() + 4 * static_cast<std::size_t>(where.Offset), 2);
    EXPECT_EQ(first, Samples(1, 1)[0]);
}

TEST(PackVoice, TheAudioFileIsAPlayableWaveOfItsUnits) {
    const auto packed = zorna::voice::PackVoice({{Cp("а"), Samples(1, 4)}, {Cp("б"), Samples(2, 3)}});
    const std::string dir = TempDir();
    std::string error;
    ASSERT_TRUE(zorna::voice::WriteVoice(dir, packed, error)) << error;
    std::vector<std::int16_t> pcm;
    ASSERT_TRUE(zorna::voice::ReadPcm(dir + "/alfa.wav", pcm, error)) << error;
    std::vector<std::int16_t> want = Samples(1, 4);
    for (auto s : Samples(2, 3)) want.push_back(s);
    want.push_back(0);  // padding to a whole 4-byte unit
    EXPECT_EQ(pcm, want);
}

}  // namespace
