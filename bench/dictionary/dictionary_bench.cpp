// A generated dictionary of 1.4 million Russian-looking forms (keys in code
// order, each letter's keys together), written once to a temporary file:
//   BM_Create      opening it (mapping, letter groups, sorted runs);
//   BM_Lookup      one word per iteration over a few thousand words;
//   BM_Accentuate  the same words through the prefix rules.
// The per-word benchmarks report p50, p99 and max in microseconds.
// Argument 1: whether some keys begin with ь (every scan then runs on to that
// letter's records, which the sorted runs skip).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "accent_dictionary.h"
#include "cp1251.h"

namespace {

constexpr std::size_t kForms = 1'400'000;
constexpr std::size_t kWords = 4000;

struct Dictionary {
    std::string path;
    std::vector<std::string> words;
    ~Dictionary() {
        if (!path.empty()) std::remove(path.c_str());
    }
};

std::string Record(const std::string &text) {
    std::string record(25, '\0');
    record[0] = static_cast<char>(std::min<std::size_t>(text.size(), 24));
    record.replace(1, std::min<std::size_t>(text.size(), 24), text, 0, 24);
    record.resize(25);
    return record;
}

class Generator {
public:
    explicit Generator(bool softSign) : random_(12345u + softSign) {
        // First letters roughly as often as in a Russian word list.
        const char *firsts = "п15 с10 н7 о6 р5 в6 к6 д5 м5 з5 т4 у3 б4 г3 и3 л2 ф2 х1 ц1 ч2 ш1 щ1 э1 "
                             "ю1 я1 а3 е1 ж1 й1";
        std::string all = zorna::Cp(firsts);
        for (std::size_t i = 0; i < all.size();) {
            char letter = all[i++];
            int weight = 0;
            while (i < all.size() && all[i] != ' ') weight = weight * 10 + (all[i++] - '0');
            ++i;
            for (int k = 0; k < weight; ++k) firsts_.push_back(letter);
        }
        if (softSign) firsts_.push_back(zorna::Cp("ь")[0]);
    }

    std::size_t Below(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }

    std::string Stem() {
        std::string stem(1, firsts_[Below(firsts_.size())]);
        if (vowels_.find(stem[0]) == std::string::npos) stem += Pick(vowels_);
        std::size_t syllables = 1 + Below(3);
        for (std::size_t i = 0; i < syllables; ++i) stem += Pick(consonants_) + Pick(vowels_);
        if (Below(2) == 0) stem += Pick(consonants_);
        return stem;
    }

    std::string Ending(std::size_t i) const { return endings_[i % endings_.size()]; }
    std::size_t Endings() const { return endings_.size(); }

    std::string Stress(const std::string &key) {
        std::vector<std::size_t> at;
        for (std::size_t i = 0; i < key.size(); ++i)
            if (vowels_.find(key[i]) != std::string::npos) at.push_back(i);
        std::string s = key;
        if (!at.empty()) s.insert(at[Below(at.size())] + 1, "+");
        return s;
    }

    std::string Letter() { return Pick(consonants_ + vowels_); }

private:
    std::string Pick(const std::string &chars) { return std::string(1, chars[Below(chars.size())]); }

    std::mt19937 random_;
    std::string firsts_;
    const std::string vowels_ = zorna::Cp("аеиоуыэюя");
    const std::string consonants_ = zorna::Cp("бвгджзклмнпрстфхцчшщ");
    const std::vector<std::string> endings_ = {
        zorna::Cp("а"),  zorna::Cp("ы"),   zorna::Cp("е"),   zorna::Cp("у"),   zorna::Cp("ой"),
        zorna::Cp("ам"), zorna::Cp("ами"), zorna::Cp("ах"),  zorna::Cp("ого"), zorna::Cp("ому"),
        zorna::Cp("ым"), zorna::Cp("ая"),  zorna::Cp("ое"),  zorna::Cp("ые"),  zorna::Cp("ть"),
        zorna::Cp("ла"), zorna::Cp("ли"),  zorna::Cp("ет"),  zorna::Cp("ют"),  zorna::Cp("")};
};

Dictionary &Generated(bool softSign) {
    static std::map<bool, std::unique_ptr<Dictionary>> made;
    auto &slot = made[softSign];
    if (slot) return *slot;
    slot = std::make_unique<Dictionary>();
    Generator g(softSign);
    std::vector<std::string> keys;
    keys.reserve(kForms + kForms / 8);
    while (keys.size() < kForms + kForms / 10) {
        std::string stem = g.Stem();
        std::size_t forms = 6 + g.Below(10);
        std::size_t first = g.Below(g.Endings());
        for (std::size_t i = 0; i < forms; ++i) keys.push_back(stem + g.Ending(first + i));
    }
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    keys.resize(std::min(keys.size(), kForms));

    slot->path = "/tmp/zorna_dictionary_bench_" + std::to_string(softSign) + ".rus";
    {
        std::ofstream out(slot->path, std::ios::binary | std::ios::trunc);
        std::string buffer = Record("");
        for (const std::string &key : keys) buffer += Record(g.Stress(key)) + Record(key);
        out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    }

    // Words: keys, keys with the last one or two letters changed, prefixed keys,
    // new words.
    const std::vector<std::string> prefixes = {zorna::Cp("по"), zorna::Cp("пере"), zorna::Cp("не"),
                                               zorna::Cp("под"), zorna::Cp("за"), zorna::Cp("само")};
    for (std::size_t i = 0; i < kWords; ++i) {
        std::string w = keys[g.Below(keys.size())];
        switch (i % 6) {
            case 0: case 1: break;
            case 2: w.back() = g.Letter()[0]; break;
            case 3: if (w.size() > 2) w.replace(w.size() - 2, 2, g.Letter() + g.Letter()); break;
            case 4: w = prefixes[g.Below(prefixes.size())] + w; break;
            case 5: w = g.Stem() + g.Ending(g.Below(g.Endings())); break;
        }
        slot->words.push_back(w);
    }
    return *slot;
}

// Runs `call` once per iteration on the next word and reports percentiles.
template <typename Call>
void PerWord(benchmark::State &state, Call call) {
    Dictionary &d = Generated(state.range(0) != 0);
    zorna::TAccentDictionary dictionary(d.path);
    std::vector<double> micros;
    micros.reserve(d.words.size());
    std::size_t i = 0;
    for (auto _ : state) {
        const std::string &word = d.words[i++ % d.words.size()];
        auto t0 = std::chrono::steady_clock::now();
        std::string result = call(dictionary, word);
        auto t1 = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(result);
        if (micros.size() < 50 * d.words.size())
            micros.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
    }
    std::sort(micros.begin(), micros.end());
    auto at = [&](double q) { return micros.empty() ? 0.0 : micros[static_cast<std::size_t>(q * static_cast<double>(micros.size() - 1))]; };
    state.counters["p50_us"] = at(0.50);
    state.counters["p99_us"] = at(0.99);
    state.counters["max_us"] = micros.empty() ? 0.0 : micros.back();
}

void BM_Create(benchmark::State &state) {
    Dictionary &d = Generated(state.range(0) != 0);
    for (auto _ : state) {
        zorna::TAccentDictionary dictionary(d.path);
        benchmark::DoNotOptimize(&dictionary);
    }
}

void BM_Lookup(benchmark::State &state) {
    PerWord(state, [](const zorna::TAccentDictionary &dict, const std::string &w) { return dict.Lookup(w); });
}

void BM_Accentuate(benchmark::State &state) {
    PerWord(state, [](const zorna::TAccentDictionary &dict, const std::string &w) { return dict.Accentuate(0, w); });
}

BENCHMARK(BM_Create)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Lookup)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Accentuate)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
