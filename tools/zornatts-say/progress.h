// A one-line progress bar on standard error, redrawn at most ten times a second.
#pragma once

#include <chrono>
#include <cstdint>

namespace zorna::say {

class TProgress {
public:
    // total: input bytes, 0 when not known (then the bytes done are shown).
    TProgress(bool enabled, std::uint64_t total) : enabled_(enabled), total_(total) {}
    ~TProgress() { Clear(); }
    void Update(std::uint64_t done);
    // Removes the bar from the line.
    void Clear();

private:
    bool enabled_;
    bool shown_ = false;
    std::uint64_t total_;
    std::chrono::steady_clock::time_point last_{};
};

}  // namespace zorna::say
