// The unit store: letter index, scanning rule, record layout and damaged tables.
#include "audio_samples.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

#include "fixture_voice.h"
#include "frontend/cp1251.h"

namespace zorna {
namespace {

using testing::MakeTempDir;
using testing::Record;
using testing::WriteFile;

// A table from (name, offset, length) triples in the given order.
std::string Table(const std::vector<std::tuple<std::string, std::string, std::string>> &rows) {
    std::string t;
    for (const auto &[name, offset, length] : rows) t += Record(Cp(name)) + Record(offset) + Record(length);
    return t;
}

std::string VoiceDir(const std::string &table, const std::string &wav = std::string(4000, '\x01')) {
    const std::string dir = MakeTempDir("store");
    WriteFile(dir + "/alfa.wav", wav);
    WriteFile(dir + "/alfa.tx", table);
    return dir;
}

bool Find(const TAudioSamples &store, const std::string &utf8Name, TAudioSamples::Unit &unit) {
    return store.FindUnit(Cp(utf8Name), unit);
}

TEST(UnitStore, FindsUnitsAndTheirPlaceInTheAudioFile) {
    const std::string table = Table({{"а", "0", "2"},
                                     {"а+", "2", "1"},
                                     {"ба", "3", "5"},
                                     {"б", "8", "1"},
                                     {"п", "9", "1"},
                                     {"пра", "10", "1"},
                                     {"по", "11", "100"},
                                     {"по+", "111", "1"},
                                     {"пэ", "112", "1"}});
    TAudioSamples store(VoiceDir(table));
    struct Case {
        const char *name;
        bool found;
        std::int32_t offset, length;
    } cases[] = {
        {"а", true, 0, 2},       // record 0, with more units of the same letter
        {"а+", true, 2, 1},
        {"б", true, 8, 1},
        {"п", true, 9, 1},       // slot of п not followed by о
        {"пра", true, 10, 1},
        {"по", true, 11, 100},   // slot of по
        {"по+", true, 111, 1},
        {"пэ", true, 112, 1},    // the п scan runs on through the по names: same first letter
        {"А", false, 0, 0},      // case matters
        {"ба+", false, 0, 0},
        {"я", false, 0, 0},
    };
    for (const Case &c : cases) {
        TAudioSamples::Unit unit;
        EXPECT_EQ(Find(store, c.name, unit), c.found) << c.name;
        if (c.found) {
            EXPECT_EQ(unit.Offset, c.offset) << c.name;
            EXPECT_EQ(unit.Length, c.length) << c.name;
        }
    }
    EXPECT_EQ(store.LetterIndex(1), 0);   // а
    EXPECT_EQ(store.LetterIndex(2), 6);   // б
    EXPECT_EQ(store.LetterIndex(17), 12); // п not followed by о
    EXPECT_EQ(store.LetterIndex(34), 18); // по
    EXPECT_EQ(store.LetterIndex(3), TAudioSamples::kEmptySlot);
    EXPECT_EQ(store.LetterIndex(39), TAudioSamples::kEmptySlot);
}

TEST(UnitStore, UnitBytesAreAddressedInFourByteUnits) {
    std::string wav(600, '\0');
    for (std::size_t i = 0; i < wav.size(); ++i) wav[i] = static_cast<char>(i % 251);
    TAudioSamples store(VoiceDir(Table({{"м", "11", "100"}}), wav));
    TAudioSamples::Unit unit;
    ASSERT_TRUE(Find(store, "м", unit));
    std::int32_t count = 0;
    const std::uint8_t *bytes = store.ClipToFile(4 * unit.Offset, 4 * unit.Length, &count);
    EXPECT_EQ(bytes, store.SampleData() + 44);
    EXPECT_EQ(count, 400);
}

TEST(UnitStore, NamesWithoutASlotAreScannedFromRecordZeroUpToTheFirstB) {
    // Latin, digits and signs have no slot: the scan starts at record 0 and may
    // only stop at another first character once it is past the first б record.
    const std::string table = Table({{"x", "1", "1"},
                                     {"7", "2", "1"},
                                     {"а", "3", "1"},
                                     {"!", "5", "1"},
                                     {"б", "4", "1"},
                                     {"в", "6", "1"},
                                     {"y", "7", "1"}});
    TAudioSamples store(VoiceDir(table));
    TAudioSamples::Unit unit;
    EXPECT_TRUE(Find(store, "x", unit));
    EXPECT_TRUE(Find(store, "7", unit));
    EXPECT_EQ(unit.Offset, 2);
    EXPECT_TRUE(Find(store, "!", unit));   // the scan runs across the а block before б
    EXPECT_EQ(unit.Offset, 5);
    EXPECT_FALSE(Find(store, "y", unit));  // past the first б record the scan stops
}

TEST(UnitStore, EmptyTableFindsNothing) {
    TAudioSamples store(VoiceDir(""));
    TAudioSamples::Unit unit;
    EXPECT_FALSE(Find(store, "а", unit));
    EXPECT_FALSE(Find(store, "x", unit));
    for (int slot = 1; slot <= TAudioSamples::kSlotCount; ++slot)
        EXPECT_EQ(store.LetterIndex(slot), TAudioSamples::kEmptySlot);
}

TEST(UnitStore, MissingOrEmptyFilesFailWithTheirMessages) {
    const std::string noWav = MakeTempDir("store");
    WriteFile(noWav + "/alfa.tx", "");
    try {
        TAudioSamples store(noWav);
        FAIL() << "no alfa.wav";
    } catch (const std::runtime_error &e) {
        EXPECT_STREQ(e.what(), "Unable to open file");
    }
    const std::string noTable = MakeTempDir("store");
    WriteFile(noTable + "/alfa.wav", "abcd");
    try {
        TAudioSamples store(noTable);
        FAIL() << "no alfa.tx";
    } catch (const std::runtime_error &e) {
        EXPECT_STREQ(e.what(), "Unable to open file with offsets");
    }
    EXPECT_THROW(TAudioSamples(VoiceDir("", "")), std::runtime_error);  // an empty alfa.wav
}

TEST(UnitStore, DamagedTablesNeverReadOutsideTheTable) {
    TAudioSamples::Unit unit;
    // A name record whose length byte exceeds 24 never matches.
    {
        std::string table = Record(Cp("аааааааааааааааааааааааа"), 200) + Record("1") + Record("1") +
                            Table({{"а", "5", "6"}});
        TAudioSamples store(VoiceDir(table));
        EXPECT_FALSE(Find(store, "аааааааааааааааааааааааа", unit));
        EXPECT_TRUE(Find(store, "а", unit));
        EXPECT_EQ(unit.Offset, 5);
    }
    // The table ends before the unit's offset or its length record.
    for (const std::string &tail : {std::string(), Record("7"), Record("7").substr(0, 3)}) {
        TAudioSamples store(VoiceDir(Record(Cp("а")) + tail));
        EXPECT_FALSE(Find(store, "а", unit)) << tail.size();
    }
    // A short last record is not a match even when its bytes begin like the name.
    {
        TAudioSamples store(VoiceDir(Table({{"а", "1", "1"}}) + Record(Cp("аб")).substr(0, 2)));
        EXPECT_FALSE(Find(store, "аб", unit));
    }
    // An offset or length that is not a decimal integer is a failure of the lookup.
    for (const char *bad : {"x1", "", "1 2", "99999999999"}) {
        TAudioSamples store(VoiceDir(Table({{"а", bad, "1"}})));
        EXPECT_THROW(Find(store, "а", unit), std::runtime_error) << bad;
    }
    {
        TAudioSamples store(VoiceDir(Table({{"а", " -3", "+4"}})));
        ASSERT_TRUE(Find(store, "а", unit));
        EXPECT_EQ(unit.Offset, -3);
        EXPECT_EQ(unit.Length, 4);
    }
}

TEST(UnitStore, RangesPastTheAudioFileAreClippedToIt) {
    TAudioSamples store(VoiceDir(Table({{"а", "0", "1"}}), std::string(100, '\x05')));
    struct Case {
        std::int64_t offset, count;
        std::int64_t expectStart;  // -1: nothing
        std::int32_t expectCount;
    } cases[] = {
        {0, 100, 0, 100}, {40, 100, 40, 60}, {100, 4, -1, 0}, {4000, 4, -1, 0},
        {-8, 16, 0, 8},   {-8, 4, -1, 0},    {0, 0, -1, 0},   {0, -4, -1, 0},
        {INT64_C(1) << 40, 4, -1, 0},
    };
    for (const Case &c : cases) {
        std::int32_t count = -1;
        const std::uint8_t *p = store.ClipToFile(c.offset, c.count, &count);
        EXPECT_EQ(count, c.expectCount) << c.offset << "+" << c.count;
        if (c.expectStart < 0)
            EXPECT_EQ(p, nullptr);
        else
            EXPECT_EQ(p, store.SampleData() + c.expectStart);
    }
}

}  // namespace
}  // namespace zorna
