// End to end over the default voice that scripts/make-data.sh builds: the main
// job (a sentence into a WAV file), stress from the generated dictionaries and
// the voice's coverage of running text. Skipped when the data is not built.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace {

const std::string kDataPath = ZORNA_VOICE_DATA_PATH;
const std::string kVoice = kDataPath + "/data/tavn2";

bool VoiceBuilt() {
    for (const char *f : {"/alfa.wav", "/alfa.tx", "/slovar.rus", "/slovar.ukr"})
        if (!std::ifstream(kVoice + f).good()) return false;
    return true;
}

#define REQUIRE_VOICE() \
    if (!VoiceBuilt()) GTEST_SKIP() << "no voice in " << kVoice << " (scripts/make-data.sh builds it)"

std::string Quote(const std::string &s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Runs a command line; its standard output and exit status.
std::pair<std::string, int> RunCommand(const std::string &command) {
    std::string out;
    FILE *pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return {"", -1};
    std::array<char, 4096> buf{};
    std::size_t n = 0;
    while ((n = std::fread(buf.data(), 1, buf.size(), pipe)) > 0) out.append(buf.data(), n);
    const int status = ::pclose(pipe);
    return {out, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

std::uint32_t U32(const std::string &b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}
std::uint16_t U16(const std::string &b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8);
}

TEST(DefaultVoice, SpeaksASentenceIntoAWaveFile) {
    REQUIRE_VOICE();
    struct Case {
        const char *language;
        const char *text;
    } cases[] = {
        {"ru", "Привет, мир! В 2024 году ФСБ сообщила 15 новостей."},
        {"uk", "Доброго ранку! У 2024 році ми зустрілися 15 разів."},
    };
    for (const Case &c : cases) {
        const std::string wav = ::testing::TempDir() + "voice-" + c.language + ".wav";
        const auto [out, status] = RunCommand(std::string(ZORNA_SAY) + " -d " + Quote(kDataPath) + " -l " + c.language +
                                       " -o " + Quote(wav) + " " + Quote(c.text));
        ASSERT_EQ(status, 0) << out;
        std::ifstream in(wav, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        ASSERT_GT(bytes.size(), 44u);
        EXPECT_EQ(bytes.substr(0, 4), "RIFF");
        EXPECT_EQ(U32(bytes, 4), bytes.size() - 8);
        EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ");
        EXPECT_EQ(U16(bytes, 20), 1);      // PCM
        EXPECT_EQ(U16(bytes, 22), 1);      // mono
        EXPECT_EQ(U32(bytes, 24), 22050u);
        EXPECT_EQ(U16(bytes, 34), 16);
        EXPECT_EQ(bytes.substr(36, 4), "data");
        const std::uint32_t dataBytes = U32(bytes, 40);
        EXPECT_EQ(dataBytes, bytes.size() - 44);
        const double seconds = dataBytes / 44100.0;
        EXPECT_GT(seconds, 2.0) << c.language;
        EXPECT_LT(seconds, 15.0) << c.language;
        // Speech, not silence: a clearly audible level over the whole text.
        double sum = 0;
        for (std::size_t i = 44; i + 1 < bytes.size(); i += 2) {
            const auto s = static_cast<std::int16_t>(U16(bytes, i));
            sum += static_cast<double>(s) * s;
        }
        const double rms = std::sqrt(sum / (dataBytes / 2.0));
        EXPECT_GT(rms, 300.0) << c.language;
    }
}

TEST(DefaultVoice, StressesCommonWordsFromTheGeneratedDictionary) {
    REQUIRE_VOICE();
    const auto [out, status] =
        RunCommand(std::string(ZORNA_SAY) + " -d " + Quote(kDataPath) + " --phonetic " +
            Quote("молоко города позвонила мама книга пять") );
    ASSERT_EQ(status, 0) << out;
    for (const char *expected : {"молоко+", "позвонила+", "ма+ма", "кни+га", "пя+ть"})
        EXPECT_NE(out.find(expected), std::string::npos) << expected << " in\n" << out;
}

TEST(DefaultVoice, CoversRunningTextMostlyWithMultiLetterUnits) {
    REQUIRE_VOICE();
    for (const char *language : {"ru", "uk"}) {
        const std::string paragraph = std::string(ZORNA_TEST_DATA) + "/paragraph-" + language + ".txt";
        const auto [out, status] = RunCommand(std::string(ZORNA_COVERAGE) + " --lang " + language + " --voice " +
                                       Quote(kVoice) + " " + Quote(paragraph));
        ASSERT_EQ(status, 0) << out;
        std::smatch m;
        ASSERT_TRUE(std::regex_search(out, m, std::regex(R"(multi-letter share: ([0-9.]+)%)"))) << out;
        EXPECT_GE(std::stod(m[1]), 70.0) << language << "\n" << out;
        EXPECT_NE(out.find("missing one-character names (0)"), std::string::npos) << language << "\n" << out;
        EXPECT_NE(out.find("positions without a unit: 0"), std::string::npos) << language << "\n" << out;
    }
}

}  // namespace
