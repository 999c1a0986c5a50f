#include "progress.h"

#include <cstdio>
#include <string>

namespace zorna::say {

namespace {

constexpr int kBarWidth = 30;
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

std::string Size(std::uint64_t bytes) {
    char text[32];
    if (bytes >= 1024 * 1024)
        std::snprintf(text, sizeof text, "%.1f MiB", static_cast<double>(bytes) / (1024.0 * 1024.0));
    else
        std::snprintf(text, sizeof text, "%.1f KiB", static_cast<double>(bytes) / 1024.0);
    return text;
}

}  // namespace

void TProgress::Update(std::uint64_t done) {
    if (!enabled_) return;
    const auto now = std::chrono::steady_clock::now();
    if (shown_ && now - last_ < kRedrawInterval) return;
    last_ = now;
    std::string line = "\r";
    if (total_ > 0) {
        if (done > total_) done = total_;
        const int filled = static_cast<int>(done * kBarWidth / total_);
        line += "[" + std::string(static_cast<std::size_t>(filled), '#') +
                std::string(static_cast<std::size_t>(kBarWidth - filled), '.') + "] ";
        line += std::to_string(done * 100 / total_) + "% of " + Size(total_);
    } else {
        line += "spoken " + Size(done);
    }
    line += "\033[K";
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
    shown_ = true;
}

void TProgress::Clear() {
    if (!shown_) return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    shown_ = false;
}

}  // namespace zorna::say
