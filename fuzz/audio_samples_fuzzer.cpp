// zorna::TAudioSamples over an arbitrary unit table (alfa.tx) and a small
// alfa.wav. Input: two bytes give the length of the table's bytes that follow,
// two more the size of alfa.wav (0..4095 bytes); then four bytes of an extra
// ClipToFile offset and four of its count; the rest is a list of unit names
// separated by '\n'. Every name record of the table, and its shortening by one
// character, is also looked up.
//
// Checked: FindUnit answers or throws std::runtime_error (a record that is not
// a decimal integer), nothing else; ClipToFile gives a piece that lies inside
// alfa.wav, or null and a zero count.
#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>

#include "audio_samples.h"
#include "fixture_voice.h"
#include "fuzz_common.h"

namespace {

const std::string &Folder() {
    static const std::string dir = zorna::testing::MakeTempDir("fuzz-samples");
    return dir;
}

void CheckClip(const zorna::TAudioSamples &samples, std::int64_t offset, std::int64_t count) {
    std::int32_t clipped = -1;
    const std::uint8_t *piece = samples.ClipToFile(offset, count, &clipped);
    const std::uint8_t *begin = samples.SampleData();
    const std::size_t size = samples.SampleSize();
    if (piece == nullptr) {
        FUZZ_CHECK(clipped == 0);
        return;
    }
    FUZZ_CHECK(clipped > 0);
    FUZZ_CHECK(piece >= begin && piece < begin + size);
    FUZZ_CHECK(static_cast<std::size_t>(clipped) <= size - static_cast<std::size_t>(piece - begin));
    FUZZ_CHECK(count > 0 && piece - begin >= offset && clipped <= count);
    // Touch both ends of the piece.
    volatile std::uint8_t sink = piece[0];
    sink = piece[clipped - 1];
    (void)sink;
}

void Find(const zorna::TAudioSamples &samples, const std::string &name) {
    zorna::TAudioSamples::Unit unit;
    bool found = false;
    try {
        found = samples.FindUnit(name, unit);
    } catch (const std::runtime_error &) {
        return;
    }
    if (!found) return;
    FUZZ_CHECK(!name.empty());
    // As the speaking loop plays a unit: all of it, and in three pieces.
    const std::int64_t offset = 4 * static_cast<std::int64_t>(unit.Offset);
    const std::int64_t length = 4 * static_cast<std::int64_t>(unit.Length);
    CheckClip(samples, offset, length);
    const std::int64_t third = length / 3;
    for (int k = 0; k < 3; ++k) CheckClip(samples, offset + k * third, third);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    (void)Folder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    zorna::fuzz::ByteReader in(data, size);
    const std::string table = in.Bytes(in.U16());
    const std::size_t wavSize = in.U16() % 4096;
    const auto clipOffset = static_cast<std::int32_t>(in.U32());
    const auto clipCount = static_cast<std::int32_t>(in.U32());
    std::string rest = in.Rest();

    std::string wav(wavSize, '\0');
    for (std::size_t k = 0; k < wavSize; ++k) wav[k] = static_cast<char>(k * 7);
    zorna::testing::WriteFile(Folder() + "/alfa.wav", wav);
    zorna::testing::WriteFile(Folder() + "/alfa.tx", table);

    std::unique_ptr<zorna::TAudioSamples> samples;
    try {
        samples = std::make_unique<zorna::TAudioSamples>(Folder());
    } catch (const std::runtime_error &) {
        FUZZ_CHECK(wavSize == 0);  // only an empty alfa.wav is refused
        return 0;
    }
    FUZZ_CHECK(samples->SampleSize() == wavSize);
    for (int slot = 1; slot <= zorna::TAudioSamples::kSlotCount; ++slot) {
        const std::int32_t r = samples->LetterIndex(slot);
        FUZZ_CHECK(r == zorna::TAudioSamples::kEmptySlot ||
                   (r >= 0 && r % 3 == 0 && static_cast<std::size_t>(r) * 25 < table.size()));
    }

    CheckClip(*samples, clipOffset, clipCount);
    CheckClip(*samples, 4 * static_cast<std::int64_t>(clipOffset), 4 * static_cast<std::int64_t>(clipCount));
    while (!rest.empty()) Find(*samples, zorna::fuzz::NextPiece(rest, '\n'));
    for (std::size_t at = 0; at < table.size() && at < 25 * 300; at += 75) {
        const std::size_t n = std::min<std::size_t>({static_cast<std::uint8_t>(table[at]), 24, table.size() - at - 1});
        const std::string name = table.substr(at + 1, n);
        Find(*samples, name);
        if (!name.empty()) Find(*samples, name.substr(0, name.size() - 1));
    }
    return 0;
}
