// The espeak-ng donor: renders each unit in a carrier word and cuts it out at the
// phoneme events' sample positions. Links libespeak-ng (GPL-3.0-or-later).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "carrier.h"

namespace zorna::donor {

struct TEvent {
    std::string Name;
    int Sample = 0;
};

// Aligns the expected event names with the reported ones (insertions, losses and rewrites
// allowed); returns, for each expected name, the index of its reported event or -1.
std::vector<int> AlignEvents(const std::vector<std::string> &expected,
                             const std::vector<TEvent> &reported);

// Moves pos to a rising zero crossing within maxShift samples, when there is one.
std::size_t SnapToZeroCrossing(const std::vector<std::int16_t> &pcm, std::size_t pos,
                               std::size_t maxShift);

class TDonor {
public:
    TDonor();  // starts espeak-ng with the Russian voice; throws std::runtime_error
    ~TDonor();
    TDonor(const TDonor &) = delete;
    TDonor &operator=(const TDonor &) = delete;

    // The unit's samples (22050 Hz mono), empty when the name cannot be made.
    std::vector<std::int16_t> MakeUnit(const std::string &name);

    // Renders phoneme input or text; the audio and the phoneme events.
    void Render(const std::string &input, bool phonemes, int pitchRange,
                std::vector<std::int16_t> &pcm, std::vector<TEvent> &events);

private:
    std::vector<std::int16_t> Cut(const TCarrier &carrier, const std::vector<std::int16_t> &pcm,
                                  const std::vector<TEvent> &events);
};

// Scales all units by one factor so that the loudest peak is near full scale less 3 dB.
void LevelUnits(std::vector<std::vector<std::int16_t>> &units);

}  // namespace zorna::donor
