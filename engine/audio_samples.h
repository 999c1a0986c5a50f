// TAudioSamples: the recorded unit store of a voice. alfa.wav holds the audio of
// every unit; alfa.tx is a table of 25-byte records in triples (name, offset,
// length; offset and length in 4-byte units). Both files are mapped read-only.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace zorna {

class TAudioSamples {
public:
    static constexpr int kSlotCount = 40;
    static constexpr std::int32_t kEmptySlot = -1;
    static constexpr std::size_t kRecordSize = 25;

    // Maps dataDirectory/alfa.wav and dataDirectory/alfa.tx and builds the letter
    // index. Throws std::runtime_error: "Unable to open file" (alfa.wav),
    // "Unable to open file with offsets" (alfa.tx), "" (alfa.wav cannot be mapped).
    explicit TAudioSamples(const std::string &dataDirectory);

    struct Unit {
        std::int32_t Offset = 0;  // in 4-byte units from the start of alfa.wav
        std::int32_t Length = 0;  // in 4-byte units
    };
    // Looks a unit up by name. False when it is not in the table (also when the
    // table ends before its offset or length record). Throws std::runtime_error
    // when its offset or length record is not a decimal integer.
    bool FindUnit(const std::string &name, Unit &unit) const;

    // Base address of the mapped alfa.wav.
    const std::uint8_t *SampleData() const { return audio_.Data(); }
    std::size_t SampleSize() const { return audio_.Size(); }

    // The part of [byteOffset, byteOffset + byteCount) that lies inside alfa.wav:
    // its start (null when nothing lies inside) and its length in *clippedCount.
    const std::uint8_t *ClipToFile(std::int64_t byteOffset, std::int64_t byteCount,
                                   std::int32_t *clippedCount) const;

    // Slot 1..40 of the letter index (record number or kEmptySlot).
    std::int32_t LetterIndex(int slot) const { return letterIndex_[slot]; }

    // The slot (1..38) of a name's first characters, or 0 when it has none.
    static int SlotOf(std::uint8_t c1, std::uint8_t c2);

private:
    // Text of record r (at most 24 bytes, cut at the end of the table); false
    // when the record does not start inside the table.
    bool ReadRecord(std::int64_t r, std::string &text, bool &malformed) const;

    platform::MappedFile audio_;
    platform::MappedFile table_;
    std::array<std::int32_t, kSlotCount + 1> letterIndex_{};  // [0] unused
};

}  // namespace zorna
