// A callback that records everything the engine delivers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "zornatts/zornatts.h"

namespace zorna::testing {

struct Delivery {
    bool isEvent = false;
    std::vector<std::uint8_t> audio;  // when !isEvent
    TSpeechEvent event{};             // when isEvent
};

struct Recorder {
    std::vector<Delivery> deliveries;
    int badCalls = 0;  // calls that carried neither or both

    static std::int32_t ZORNA_CALL Callback(const void *data, std::int32_t count, const TSpeechEvent *event,
                                            void *context) {
        auto *self = static_cast<Recorder *>(context);
        if (self == nullptr) return 0;
        Delivery d;
        if (event != nullptr && data == nullptr && count == 0) {
            d.isEvent = true;
            d.event = *event;
        } else if (event == nullptr && data != nullptr && count > 0) {
            const auto *bytes = static_cast<const std::uint8_t *>(data);
            d.audio.assign(bytes, bytes + count);
        } else {
            ++self->badCalls;
            return 0;
        }
        self->deliveries.push_back(std::move(d));
        return 0;
    }

    std::size_t AudioBytes() const {
        std::size_t n = 0;
        for (const Delivery &d : deliveries) n += d.audio.size();
        return n;
    }
    std::vector<std::uint8_t> Audio() const {
        std::vector<std::uint8_t> all;
        for (const Delivery &d : deliveries) all.insert(all.end(), d.audio.begin(), d.audio.end());
        return all;
    }
    std::vector<TSpeechEvent> Events() const {
        std::vector<TSpeechEvent> events;
        for (const Delivery &d : deliveries)
            if (d.isEvent) events.push_back(d.event);
        return events;
    }
};

}  // namespace zorna::testing
