// Speaking speed with the default voice: how soon the first audio of a text
// reaches the callback (what a screen-reader user waits for after every key),
// and how many seconds of speech one second of work makes.
//   speak_bench [DATA-PATH]    (default: the build's share/zornatts)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "frontend/cp1251.h"
#include "zornatts/zornatts.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Probe {
    Clock::time_point start;
    double firstAudioMs = -1;
    long long bytes = 0;
};

std::int32_t ZORNA_CALL OnOutput(const void *data, std::int32_t count, const TSpeechEvent *, void *context) {
    auto *p = static_cast<Probe *>(context);
    if (data != nullptr && count > 0) {
        if (p->firstAudioMs < 0)
            p->firstAudioMs = std::chrono::duration<double, std::milli>(Clock::now() - p->start).count();
        p->bytes += count;
    }
    return 0;
}

double Percentile(std::vector<double> v, double q) {
    std::sort(v.begin(), v.end());
    return v[static_cast<std::size_t>(q * static_cast<double>(v.size() - 1))];
}

}  // namespace

int main(int argc, char **argv) {
    const std::string dataPath = argc > 1 ? argv[1] : ZORNA_DEFAULT_DATA_PATH;
    if (Zorna_SetDataPath(dataPath.c_str()) != 0) {
        std::fprintf(stderr, "speak_bench: no data path %s\n", dataPath.c_str());
        return 1;
    }
    const struct {
        const char *language;
        const char *text;
    } texts[] = {
        {"ru", "Открыть файл. Сохранить как… Ссылка, 2 из 15. Кнопка «Отправить». В 2024 году ФСБ сообщила, "
               "что 1234567 человек посетили сайт www.example.com за 3 дня."},
        {"uk", "Відкрити файл. Зберегти як… Посилання, 2 з 15. Кнопка «Надіслати». У 2024 році ми зустрілися "
               "з друзями п'ять разів, і це було чудово."},
    };
    for (const auto &t : texts) {
        TZornaHandle voice = Zorna_New("tavn2", t.language);
        if (voice == nullptr) {
            std::fprintf(stderr, "speak_bench: voice tavn2 not found under %s\n", dataPath.c_str());
            return 1;
        }
        Zorna_SetCallback(voice, &OnOutput);
        Zorna_SetSpeed(voice, 100);  // the speed screen-reader users listen at
        const std::string text = zorna::Cp(t.text);
        std::vector<double> first, total;
        long long bytes = 0;
        for (int i = 0; i < 50; ++i) {
            Probe probe;
            probe.start = Clock::now();
            Zorna_Speak(voice, text.c_str(), &probe);
            total.push_back(std::chrono::duration<double, std::milli>(Clock::now() - probe.start).count());
            first.push_back(probe.firstAudioMs);
            bytes = probe.bytes;
        }
        const double audioMs = static_cast<double>(bytes) / 44.1;
        std::printf("%s: first audio p50 %.2f ms, p99 %.2f ms; whole text %.1f ms for %.0f ms of speech "
                    "(%.0f x real time)\n",
                    t.language, Percentile(first, 0.5), Percentile(first, 0.99), Percentile(total, 0.5), audioMs,
                    audioMs / Percentile(total, 0.5));
        Zorna_Free(voice);
    }
    return 0;
}
