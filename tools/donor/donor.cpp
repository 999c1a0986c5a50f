#include "donor.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

#include "frontend/cp1251.h"

namespace zorna::donor {

namespace {

constexpr int kRate = 22050;
constexpr std::size_t Ms(double ms) { return static_cast<std::size_t>(ms * kRate / 1000.0); }

struct RenderState {
    std::vector<std::int16_t> *Pcm = nullptr;
    std::vector<TEvent> *Events = nullptr;
};
RenderState g_state;

int SynthCallback(short *wav, int count, espeak_EVENT *events) {
    if (wav != nullptr && count > 0 && g_state.Pcm != nullptr)
        g_state.Pcm->insert(g_state.Pcm->end(), wav, wav + count);
    for (espeak_EVENT *e = events; e != nullptr && e->type != espeakEVENT_LIST_TERMINATED; ++e) {
        if (e->type != espeakEVENT_PHONEME || g_state.Events == nullptr) continue;
        char name[9] = {0};
        std::memcpy(name, e->id.string, 8);
        if (std::strcmp(name, "_:") == 0 || std::strcmp(name, "_") == 0) continue;
        g_state.Events->push_back({name, e->sample});
    }
    return 0;
}

void FadeIn(std::vector<std::int16_t> &s, std::size_t n) {
    n = std::min(n, s.size());
    for (std::size_t i = 0; i < n; ++i)
        s[i] = static_cast<std::int16_t>(s[i] * static_cast<double>(i) / static_cast<double>(n));
}

void FadeOut(std::vector<std::int16_t> &s, std::size_t n) {
    n = std::min(n, s.size());
    for (std::size_t i = 0; i < n; ++i) {
        auto &v = s[s.size() - 1 - i];
        v = static_cast<std::int16_t>(v * static_cast<double>(i) / static_cast<double>(n));
    }
}

std::size_t TrimZerosBack(const std::vector<std::int16_t> &pcm, std::size_t start, std::size_t end) {
    while (end > start && std::abs(pcm[end - 1]) < 2) --end;
    return end;
}

std::size_t TrimZerosFront(const std::vector<std::int16_t> &pcm, std::size_t start, std::size_t end) {
    while (start < end && std::abs(pcm[start]) < 2) ++start;
    return start;
}

}  // namespace

std::vector<int> AlignEvents(const std::vector<std::string> &expected,
                             const std::vector<TEvent> &reported) {
    const std::size_t n = expected.size(), m = reported.size();
    std::vector<std::vector<int>> cost(n + 1, std::vector<int>(m + 1, 0));
    for (std::size_t i = 0; i <= n; ++i) cost[i][0] = static_cast<int>(i);
    for (std::size_t j = 0; j <= m; ++j) cost[0][j] = static_cast<int>(j);
    for (std::size_t i = 1; i <= n; ++i) {
        for (std::size_t j = 1; j <= m; ++j) {
            const int sub = expected[i - 1] == reported[j - 1].Name ? 0 : 1;
            cost[i][j] = std::min({cost[i - 1][j - 1] + sub, cost[i - 1][j] + 1, cost[i][j - 1] + 1});
        }
    }
    std::vector<int> match(n, -1);
    std::size_t i = n, j = m;
    while (i > 0 && j > 0) {
        const int sub = expected[i - 1] == reported[j - 1].Name ? 0 : 1;
        if (cost[i][j] == cost[i - 1][j - 1] + sub) {
            match[i - 1] = static_cast<int>(j - 1);
            --i;
            --j;
        } else if (cost[i][j] == cost[i - 1][j] + 1) {
            --i;
        } else {
            --j;
        }
    }
    return match;
}

std::size_t SnapToZeroCrossing(const std::vector<std::int16_t> &pcm, std::size_t pos,
                               std::size_t maxShift) {
    if (pcm.empty()) return pos;
    for (std::size_t d = 0; d <= maxShift; ++d) {
        for (int sign : {-1, 1}) {
            if (d == 0 && sign > 0) continue;
            const std::ptrdiff_t p = static_cast<std::ptrdiff_t>(pos) + sign * static_cast<std::ptrdiff_t>(d);
            if (p < 1 || p >= static_cast<std::ptrdiff_t>(pcm.size())) continue;
            const auto at = static_cast<std::size_t>(p);
            if (pcm[at - 1] < 0 && pcm[at] >= 0) return at;
        }
    }
    return pos;
}

TDonor::TDonor() {
    const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 100, nullptr,
                                       espeakINITIALIZE_DONT_EXIT | espeakINITIALIZE_PHONEME_EVENTS);
    if (rate != kRate) throw std::runtime_error("espeak-ng does not start at 22050 Hz");
    espeak_SetSynthCallback(SynthCallback);
    if (espeak_SetVoiceByName("ru") != EE_OK) throw std::runtime_error("espeak-ng has no ru voice");
}

TDonor::~TDonor() { espeak_Terminate(); }

void TDonor::Render(const std::string &input, bool phonemes, int pitchRange,
                    std::vector<std::int16_t> &pcm, std::vector<TEvent> &events) {
    pcm.clear();
    events.clear();
    g_state.Pcm = &pcm;
    g_state.Events = &events;
    espeak_SetParameter(espeakRANGE, pitchRange, 0);
    espeak_SetParameter(espeakRATE, 150, 0);
    const unsigned flags = espeakCHARS_UTF8 | (phonemes ? espeakPHONEMES : 0u);
    espeak_Synth(input.c_str(), input.size() + 1, 0, POS_CHARACTER, 0, flags, nullptr, nullptr);
    espeak_Synchronize();
    g_state = RenderState{};
}

std::vector<std::int16_t> TDonor::MakeUnit(const std::string &name) {
    const TCarrier carrier = MakeCarrier(name);
    std::vector<std::int16_t> pcm;
    std::vector<TEvent> events;
    switch (carrier.Kind) {
    case UnitKind::Unsupported:
        return {};
    case UnitKind::Silence:
        return std::vector<std::int16_t>(Ms(carrier.SilenceMs), 0);
    case UnitKind::Digit: {
        static const char *const words[] = {"ноль", "один", "два", "три", "четыре",
                                            "пять", "шесть", "семь", "восемь", "девять"};
        Render(words[carrier.Digit - '0'], false, 0, pcm, events);
        std::size_t start = TrimZerosFront(pcm, 0, pcm.size());
        std::size_t end = TrimZerosBack(pcm, start, pcm.size());
        std::vector<std::int16_t> unit(pcm.begin() + static_cast<std::ptrdiff_t>(start),
                                       pcm.begin() + static_cast<std::ptrdiff_t>(end));
        FadeIn(unit, Ms(3));
        FadeOut(unit, Ms(10));
        return unit;
    }
    default:
        break;
    }
    Render(PhonemeInput(carrier), true, carrier.FallingPitch ? 20 : 0, pcm, events);
    return Cut(carrier, pcm, events);
}

std::vector<std::int16_t> TDonor::Cut(const TCarrier &carrier, const std::vector<std::int16_t> &pcm,
                                      const std::vector<TEvent> &events) {
    const auto &ph = carrier.Phonemes;
    std::vector<std::string> expected;
    std::vector<std::size_t> owner;  // phoneme of each expected name
    for (std::size_t k = 0; k < ph.size(); ++k) {
        for (auto &n : EventNames(ph[k])) {
            expected.push_back(n);
            owner.push_back(k);
        }
    }
    const std::vector<int> match = AlignEvents(expected, events);
    // The unit runs from the first event after the text before it to the first event of
    // the text after it. espeak-ng may merge phonemes across letters (д+ж, т+с, j+u), so
    // the boundaries are taken from the events, not from single phonemes.
    long lastBefore = -1, lastUnit = -1, firstAfterEvent = -1;
    bool hasAfter = false;
    for (std::size_t e = 0; e < expected.size(); ++e) {
        const Role part = ph[owner[e]].Part;
        if (part == Role::After) hasAfter = true;
        if (match[e] < 0) continue;
        if (part == Role::Before) lastBefore = std::max<long>(lastBefore, match[e]);
        else if (part == Role::Unit) lastUnit = std::max<long>(lastUnit, match[e]);
        else if (firstAfterEvent < 0) firstAfterEvent = match[e];
    }
    std::size_t firstUnit = ph.size(), firstAfter = ph.size();
    for (std::size_t k = 0; k < ph.size(); ++k) {
        if (ph[k].Part == Role::Unit && firstUnit == ph.size()) firstUnit = k;
        if (ph[k].Part == Role::After && firstAfter == ph.size()) firstAfter = k;
    }
    const auto startEvent = static_cast<std::size_t>(lastBefore + 1);
    if (firstUnit == ph.size() || startEvent >= events.size()) return {};
    if (hasAfter && firstAfterEvent < 0) firstAfterEvent = lastUnit + 1;
    if (hasAfter && (firstAfterEvent < 0 || static_cast<std::size_t>(firstAfterEvent) >= events.size() ||
                     static_cast<std::size_t>(firstAfterEvent) <= startEvent)) {
        return {};
    }
    std::size_t start = static_cast<std::size_t>(events[startEvent].Sample);
    std::size_t end = hasAfter ? static_cast<std::size_t>(events[static_cast<std::size_t>(firstAfterEvent)].Sample)
                               : pcm.size();
    const long prevStart = lastBefore >= 0 ? events[static_cast<std::size_t>(lastBefore)].Sample : -1;
    if (end > pcm.size() || end <= start + Ms(10)) return {};
    const std::size_t unitStart = start;

    if (carrier.Kind == UnitKind::Steady) {
        const std::size_t len = end - start;
        start += len * 3 / 10;
        end = std::min(end, start + std::min(len * 45 / 100, Ms(90)));
    } else if (carrier.Kind == UnitKind::Tail) {
        end = TrimZerosBack(pcm, start, end);
        const bool vowelEnd = ph.back().Vowel;
        const std::size_t keep = std::min((end - start) / 2, Ms(vowelEnd ? 150 : 90));
        start = end - keep;
    } else {
        const TPhoneme &first = ph[firstUnit];
        if (first.VoicelessStop) {
            std::size_t limit = start > Ms(40) ? start - Ms(40) : 0;
            while (start > limit && std::abs(pcm[start - 1]) < 2) --start;
        } else if (first.Vowel && firstUnit > 0 && ph[firstUnit - 1].VoicedConsonant) {
            const std::size_t earlier = start > Ms(25) ? start - Ms(25) : 0;
            start = std::max<std::size_t>(earlier, prevStart > 0 ? static_cast<std::size_t>(prevStart) + Ms(10) : earlier);
        }
        if (firstUnit == 0) start = TrimZerosFront(pcm, start, end);
        if (firstAfter < ph.size() && firstAfter > 0 && ph[firstAfter - 1].SoftConsonant &&
            !ph[firstAfter - 1].Vowel && ph[firstAfter].Vowel && end > start + Ms(45)) {
            end -= Ms(25);
        }
        end = TrimZerosBack(pcm, start, end);
        if (end <= start + Ms(5)) end = std::min(pcm.size(), unitStart + Ms(20));
    }
    start = SnapToZeroCrossing(pcm, start, Ms(2));
    end = SnapToZeroCrossing(pcm, end, Ms(2));
    if (end <= start) return {};
    std::vector<std::int16_t> unit(pcm.begin() + static_cast<std::ptrdiff_t>(start),
                                   pcm.begin() + static_cast<std::ptrdiff_t>(end));
    const bool phraseEnd = carrier.Kind == UnitKind::Tail || carrier.Kind == UnitKind::Final;
    FadeIn(unit, Ms(carrier.Kind == UnitKind::Tail ? 12 : 2));
    FadeOut(unit, Ms(phraseEnd ? 30 : 4));
    return unit;
}

void LevelUnits(std::vector<std::vector<std::int16_t>> &units) {
    int peak = 1;
    for (const auto &u : units)
        for (std::int16_t s : u) peak = std::max(peak, std::abs(static_cast<int>(s)));
    const double gain = 23000.0 / peak;
    for (auto &u : units)
        for (auto &s : u)
            s = static_cast<std::int16_t>(std::lround(std::clamp(s * gain, -32767.0, 32767.0)));
}

}  // namespace zorna::donor
