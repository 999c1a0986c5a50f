// zornatts-say as a user runs it: the built program over a fixture voice.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <tuple>

#include "fixture_voice.h"
#include "frontend/cp1251.h"
#include "say_fixture.h"

namespace zorna::testing {
namespace {

std::vector<std::string> Lines(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> Fields(const std::string &line) {
    std::vector<std::string> fields;
    std::size_t begin = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', begin);
        fields.push_back(line.substr(begin, tab - begin));
        if (tab == std::string::npos) return fields;
        begin = tab + 1;
    }
}

bool Exists(const std::string &path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0;
}

std::string TempFile(const std::string &tag, const std::string &name) { return MakeTempDir(tag) + "/" + name; }

// The expected error report: exactly one line, naming the program.
void ExpectOneErrorLine(const SayRun &run, const std::string &mentions) {
    EXPECT_EQ(run.err.rfind("zornatts-say: ", 0), 0u) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_EQ(run.err.back(), '\n');
    EXPECT_NE(run.err.find(mentions), std::string::npos) << "message: " << run.err << "should mention: " << mentions;
}

class SayProgram : public ::testing::Test {
protected:
    void SetUp() override { WriteSettings(""); }
    void TearDown() override { WriteSettings(""); }
};

// ---------------------------------------------------------------- WAVE output

TEST_F(SayProgram, WaveFileHeaderDescribesItsData) {
    // The long text is spoken in several pieces; the header must still count all of them.
    std::string longText;
    for (int i = 0; i < 1500; ++i) longText += "Мама, молоко. ";
    const std::vector<std::pair<std::string, std::string>> texts = {{"short", "Привет, мама!"}, {"long", longText}};
    for (const auto &[name, text] : texts) {
        SCOPED_TRACE(name);
        const std::string wav = TempFile("say-wav", "out.wav");
        const SayRun run = RunSay(FixtureCall({"-o", wav, "-q"}, text));
        ASSERT_EQ(run.status, 0) << run.err;
        const std::string file = ReadAll(wav);
        ASSERT_GT(file.size(), 44u);
        EXPECT_EQ(file.substr(0, 4), "RIFF");
        EXPECT_EQ(U32(file, 4), file.size() - 8);
        EXPECT_EQ(file.substr(8, 4), "WAVE");
        EXPECT_EQ(file.substr(12, 4), "fmt ");
        EXPECT_EQ(U32(file, 16), 16u);
        EXPECT_EQ(U16(file, 20), 1u);      // PCM
        EXPECT_EQ(U16(file, 22), 1u);      // mono
        EXPECT_EQ(U32(file, 24), 22050u);  // samples per second
        EXPECT_EQ(U32(file, 28), 44100u);  // bytes per second
        EXPECT_EQ(U16(file, 32), 2u);      // block align
        EXPECT_EQ(U16(file, 34), 16u);     // bits per sample
        EXPECT_EQ(file.substr(36, 4), "data");
        EXPECT_EQ(U32(file, 40), file.size() - 44);
        EXPECT_EQ(file.size() % 2, 0u);

        // The data is exactly the audio that --stdout gives for the same text.
        const SayRun raw = RunSay(FixtureCall({"--stdout"}, text));
        ASSERT_EQ(raw.status, 0) << raw.err;
        EXPECT_TRUE(file.compare(44, std::string::npos, raw.out) == 0) << "WAVE data differs from raw output";
    }
}

TEST_F(SayProgram, WaveToPipeKeepsStreamingSizes) {
    SayCall call = FixtureCall({"-o", "-"}, "мама");
    call.pipeOutput = true;
    const SayRun run = RunSay(call);
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_GT(run.out.size(), 44u);
    EXPECT_EQ(run.out.substr(0, 4), "RIFF");
    EXPECT_EQ(run.out.substr(36, 4), "data");
    // A stream cannot be rewound: the sizes say "up to the end".
    EXPECT_GT(U32(run.out, 40), run.out.size());
}

TEST_F(SayProgram, SpeechIsTheVoicesRecordings) {
    // "ма+" is a recorded unit whose samples are all 900 (the letters have
    // 100..137); played at speed and volume 1.0 its samples come out as recorded.
    WriteSettings("[Settings]\nSpeed=1.0\nVolume=1.0\n");
    const SayRun run = RunSay(FixtureCall({"--stdout"}, "мама"));
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::int16_t> s = Samples(run.out);
    EXPECT_NE(std::find(s.begin(), s.end(), 900), s.end());
}

// ------------------------------------------------------------ engine settings

TEST_F(SayProgram, VolumeAndSpeedReachTheEngine) {
    auto audio = [](std::vector<std::string> args) {
        args.insert(args.begin(), "--stdout");
        const SayRun run = RunSay(FixtureCall(args, "привет мама молоко"));
        EXPECT_EQ(run.status, 0) << run.err;
        return Samples(run.out);
    };
    auto peak = [](const std::vector<std::int16_t> &s) {
        int p = 0;
        for (std::int16_t v : s) p = std::max(p, std::abs(static_cast<int>(v)));
        return p;
    };
    WriteSettings("[Settings]\nSpeed=1.0\nVolume=1.0\n");
    const auto plain = audio({});
    ASSERT_EQ(peak(plain), 900);  // the loudest recording, "ма+"
    // Volume N is the factor N / 100; the engine's quietest factor is 0.05.
    EXPECT_LE(peak(audio({"-a", "0"})), 50);
    EXPECT_NEAR(peak(audio({"-a", "50"})), 450, 10);
    EXPECT_EQ(peak(audio({"-a", "100"})), 900);
    // Speed N is the factor N / 100 + 1.1: 100 is 2.1, -60 is 0.5.
    EXPECT_LT(audio({"-s", "100"}).size(), plain.size() * 2 / 3);
    EXPECT_GT(audio({"-s", "-60"}).size(), plain.size() * 3 / 2);
    EXPECT_EQ(audio({"-p", "50"}), audio({}));  // pitch is accepted and changes nothing

    // Without -a the settings file decides; -a overrides it.
    WriteSettings("[Settings]\nSpeed=1.0\nVolume=0.5\n");
    EXPECT_NEAR(peak(audio({})), 450, 10);
    EXPECT_EQ(peak(audio({"-a", "100"})), 900);
}

TEST_F(SayProgram, PunctuationLevelReachesTheFrontEnd) {
    struct Case {
        std::vector<std::string> args;
        std::string settings;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {{}, "", "мама,\tма+ма, "},
        {{"--punctuation", "none"}, "[Settings]\nPunctuation=all\n", "мама,\tма+ма, "},
        {{"--punctuation", "most"}, "", "мама,\tма+ма запята+я,  "},
        {{}, "[Settings]\nPunctuation=all\n", "мама,\tма+ма запята+я,  "},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.expected + " / " + c.settings);
        WriteSettings(c.settings);
        std::vector<std::string> args = c.args;
        args.push_back("--phonetic");
        const SayRun run = RunSay(FixtureCall(args, "мама, "));
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(Lines(run.out).at(0), c.expected);
    }
}

// -------------------------------------------------- input text and conversion

TEST_F(SayProgram, PhoneticLinesFollowTheSpeakingLoopsPhrases) {
    struct Case {
        const char *name;
        std::vector<std::string> args;
        std::string input;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"dictionary words and the following character", {}, "Привет, мама!", {"Привет,\tприве+т, ", "мама!\tма+ма! "}},
        {"ё", {}, "Ёлка", {"Ёлка\tё+лка "}},
        {"guillemets", {}, "«мама» дом", {"мама»\tма+ма» ", "дом\tдо+м "}},
        {"numero sign", {}, "дом№", {"дом№\tдо+м но+мер  "}},
        {"character outside the code page is a space",
         {},
         "мама\xF0\x9F\x98\x80мама",
         {"мама \tма+ма ", "мама\tма+ма "}},
        {"malformed UTF-8 is a space", {}, "мама\xFF\xC3мама", {"мама \tма+ма ", "мама\tма+ма "}},
        {"Ukrainian letters",
         {"-l", "uk"},
         "Їжак ґанок Європа",
         {"Їжак \tїжа+к ", "ґанок \tга+нок ", "Європа\tевро+па "}},
        {"Ukrainian modifier apostrophe", {"-l", "uk"}, "п\xCA\xBCять", {"п’ять\tпъя+ть "}},
        {"Ukrainian typographic apostrophe", {"-l", "uk"}, "п\xE2\x80\x99ять", {"п’ять\tпъя+ть "}},
        {"Ukrainian ASCII apostrophe", {"-l", "uk"}, "п'ять", {"п’ять\tпъя+ть "}},
        {"control characters are escaped", {}, "мама\tдом\n", {"мама\\t\tма+ма ", "дом\\n\tдо+м "}},
        {"code page 1251 input",
         {"--cp1251"},
         "\xB8\xEB\xEA\xE0 \xAB\xE4\xEE\xEC\xBB",
         {"ёлка \tё+лка ", "дом»\tдо+м» "}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> args = c.args;
        args.push_back("--phonetic");
        const SayRun run = RunSay(FixtureCall(args, c.input));
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(Lines(run.out), c.lines);
    }
}

TEST_F(SayProgram, TextComesFromArgumentsFileOrStandardInput) {
    const std::string file = TempFile("say-input", "text.txt");
    WriteFile(file, "Привет, мама!");
    const std::vector<std::string> expected = {"Привет,\tприве+т, ", "мама!\tма+ма! "};
    const std::vector<std::pair<std::vector<std::string>, std::string>> ways = {
        {{"--phonetic", "Привет,", "мама!"}, ""},       {{"--phonetic", "-f", file}, ""},
        {{"--phonetic", "-f", "-"}, "Привет, мама!"},   {{"--phonetic"}, "Привет, мама!"},
        {{"--phonetic", "--", "Привет,", "мама!"}, ""},
    };
    for (const auto &[args, input] : ways) {
        SCOPED_TRACE(args.back());
        const SayRun run = RunSay(FixtureCall(args, input));
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(Lines(run.out), expected);
    }
}

TEST_F(SayProgram, UnitsAreTheFirstAlternativeTheVoiceHas) {
    // The voice has "ма+" but not "ма": the stressed syllable is one unit, the
    // unstressed one two letters.
    const SayRun run = RunSay(FixtureCall({"--units"}, "мама дом"));
    ASSERT_EQ(run.status, 0) << run.err;
    // "до+" is not recorded: д, о, the steady о at the stress mark, м.
    EXPECT_EQ(Lines(run.out), (std::vector<std::string>{"мама\tма+ м а", "дом\tд о о м"}));
}

// ---------------------------------------------------------------- word events

struct Event {
    std::uint64_t offset, length, sample;
    std::string word;
};

std::vector<Event> ParseEvents(const std::string &text) {
    std::vector<Event> events;
    for (const std::string &line : Lines(text)) {
        const auto f = Fields(line);
        if (f.size() != 4) {
            ADD_FAILURE() << "bad event line: " << line;
            continue;
        }
        events.push_back({std::stoull(f[0]), std::stoull(f[1]), std::stoull(f[2]), f[3]});
    }
    return events;
}

TEST_F(SayProgram, EventsGiveOffsetsInTheInputAsGiven) {
    struct Case {
        const char *name;
        std::vector<std::string> args;
        std::string input;
        std::vector<std::tuple<std::uint64_t, std::uint64_t, std::string>> events;
    };
    const std::vector<Case> cases = {
        {"UTF-8 with two- and three-byte characters",
         {},
         "Привет, «мама» — ёлка №5",
         {{0, 12, "Привет"}, {16, 8, "мама"}, {31, 8, "ёлка"}, {43, 1, "5"}}},
        {"characters dropped or replaced keep their bytes",
         {},
         "\xEF\xBB\xBFма\xC2\xADма \xF0\x9F\x98\x80дом",
         {{3, 10, "ма\xC2\xADма"}, {18, 6, "дом"}}},
        {"Ukrainian apostrophe inside the word",
         {"-l", "uk"},
         "мама п\xCA\xBCять",
         {{0, 8, "мама"}, {9, 10, "п\xCA\xBCять"}}},
        {"code page 1251 input counts single bytes",
         {"--cp1251"},
         "\xEC\xE0\xEC\xE0, \xE4\xEE\xEC",
         {{0, 4, "мама"}, {6, 3, "дом"}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--events", "-q", "-o", TempFile("say-events", "out.wav")});
        const SayRun run = RunSay(FixtureCall(args, c.input));
        ASSERT_EQ(run.status, 0) << run.err;
        std::vector<std::tuple<std::uint64_t, std::uint64_t, std::string>> events;
        for (const Event &e : ParseEvents(run.out)) events.emplace_back(e.offset, e.length, e.word);
        EXPECT_EQ(events, c.events);
    }
}

TEST_F(SayProgram, EventsOfALongTextNameEveryWordOnceAtItsPlace) {
    // Long enough to be spoken in several pieces; words of varied length.
    const std::vector<std::string> words = {"мама", "молоко", "привет", "дом", "ёлка", "абвгдеёжзийклмнопрстуфхцчшщ"};
    const std::vector<std::string> separators = {" ", ", ", ". ", "\n", "\n\n", " — ", "! "};
    std::mt19937 random(7);
    std::string text;
    std::vector<std::string> spoken;
    while (text.size() < 60000) {
        spoken.push_back(words[random() % words.size()]);
        text += spoken.back() + separators[random() % separators.size()];
    }
    const std::string wav = TempFile("say-events", "long.wav");
    const SayRun run = RunSay(FixtureCall({"--events", "-q", "-o", wav}, text));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto events = ParseEvents(run.out);
    std::vector<std::string> heard;
    std::uint64_t lastSample = 0;
    for (const Event &e : events) {
        ASSERT_LE(e.offset + e.length, text.size());
        EXPECT_EQ(text.substr(e.offset, e.length), e.word);
        EXPECT_GE(e.sample, lastSample);
        lastSample = e.sample;
        heard.push_back(e.word);
    }
    EXPECT_EQ(heard, spoken);
    EXPECT_LE(lastSample, (ReadAll(wav).size() - 44) / 2);
}

TEST_F(SayProgram, AnEndlessWordIsSpokenInTheEnginesWordLengthAcrossPieces) {
    // 20000 letters, more than two pieces: words of 350 letters (700 bytes) and the rest.
    std::string text;
    for (int i = 0; i < 20000; ++i) text += "ж";
    const SayRun run = RunSay(FixtureCall({"--events", "--stdout"}, text));
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::pair<std::uint64_t, std::uint64_t>> events, expected;
    for (const Event &e : ParseEvents(run.err)) events.emplace_back(e.offset, e.length);
    for (std::uint64_t at = 0; at < text.size(); at += 700)
        expected.emplace_back(at, std::min<std::uint64_t>(700, text.size() - at));
    EXPECT_EQ(events, expected);
}

TEST_F(SayProgram, EventsGoToStandardErrorWhenAudioTakesStandardOutput) {
    const SayRun run = RunSay(FixtureCall({"--events", "--stdout"}, "мама дом"));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto events = ParseEvents(run.err);
    std::vector<std::string> words;
    for (const Event &e : events) words.push_back(e.word);
    ASSERT_EQ(words, (std::vector<std::string>{"мама", "дом"}));
    EXPECT_EQ(events[0].sample, 0u);
    EXPECT_GT(events[1].sample, 0u);  // after the audio of "мама"
    EXPECT_LE(events[1].sample, run.out.size() / 2);
}

// ------------------------------------------------------------------- playing

TEST_F(SayProgram, WithoutOutputOptionsSpeechGoesToAplay) {
    const std::string bin = MakeTempDir("say-bin");
    const std::string record = bin + "/record";
    WriteFile(bin + "/aplay", "#!/bin/sh\necho \"$@\" > " + record + ".args\ncat > " + record + ".pcm\n");
    chmod((bin + "/aplay").c_str(), 0755);
    SayCall call = FixtureCall({"-q"}, "Привет, мама!");
    call.env["PATH"] = bin + ":/usr/bin:/bin";
    const SayRun run = RunSay(call);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadAll(record + ".args"), "-q -t raw -f S16_LE -r 22050 -c 1\n");
    const SayRun raw = RunSay(FixtureCall({"--stdout"}, "Привет, мама!"));
    EXPECT_EQ(ReadAll(record + ".pcm"), raw.out);
}

// ------------------------------------------------------------------- errors

TEST_F(SayProgram, BadCommandLinesAreRefusedWithStatus2) {
    struct Case {
        std::vector<std::string> args;
        std::string mentions;
    };
    const std::vector<Case> cases = {
        {{"-s", "fast"}, "-s"},
        {{"-s", "301"}, "-s"},
        {{"--speed=-101"}, "-s"},
        {{"-a", "-1"}, "-a"},
        {{"-a", "201"}, "-a"},
        {{"-p", "1e3"}, "-p"},
        {{"-l", "en"}, "-l"},
        {{"--language", "UK"}, "-l"},
        {{"--punctuation", "loud"}, "--punctuation"},
        {{"-v", "../tavn2"}, "-v"},
        {{"--frobnicate"}, "--frobnicate"},
        {{"-x"}, "-x"},
        {{"--stdout=yes"}, "--stdout"},
        {{"-o"}, "-o"},
        {{"-o", "a.wav", "--stdout"}, "--stdout"},
        {{"-f", "a.txt", "мама"}, "-f"},
        {{"--phonetic", "--units"}, "--units"},
        {{"--phonetic", "--events"}, "--events"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args.front());
        const SayRun run = RunSay(FixtureCall(c.args, "мама"));
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.out.empty());
        ExpectOneErrorLine(run, c.mentions);
    }
}

TEST_F(SayProgram, MissingDataInputOrOutputFailsWithStatus1) {
    const SayVoice &voice = FixtureVoice();
    // A voice folder without slovar.ukr and without alfa.wav.
    const std::string broken = MakeTempDir("say-broken");
    mkdir((broken + "/data").c_str(), 0755);
    mkdir((broken + "/data/tavn2").c_str(), 0755);
    WriteDictionary(broken + "/data/tavn2/slovar.rus", {{"мама", "ма+ма"}});
    WriteFile(broken + "/data/tavn2/alfa.tx", "");
    const std::string wav = TempFile("say-missing", "out.wav");
    struct Case {
        const char *name;
        std::vector<std::string> args;
        std::string mentions;
        bool outputCreated;
    };
    const std::vector<Case> cases = {
        {"data folder", {"-d", "/nonexistent/zorna", "-o", wav}, "/nonexistent/zorna", false},
        {"voice", {"-v", "nosuchvoice", "-o", wav}, voice.dataPath + "/data/nosuchvoice", false},
        {"dictionary", {"-d", broken, "-l", "uk", "-o", wav}, broken + "/data/tavn2/slovar.ukr", false},
        {"dictionary for inspection", {"-d", broken, "-l", "uk", "--phonetic"}, "slovar.ukr", false},
        {"recordings", {"-d", broken, "-o", wav}, broken + "/data/tavn2/alfa.wav", false},
        {"recordings for units", {"-d", broken, "--units"}, broken + "/data/tavn2/alfa.wav", false},
        {"input file", {"-f", "/nonexistent/text.txt", "-o", wav}, "/nonexistent/text.txt", false},
        {"input folder", {"-f", voice.dataPath, "-o", wav}, voice.dataPath, false},
        {"output folder", {"-o", "/nonexistent/dir/out.wav"}, "/nonexistent/dir/out.wav", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> args = {"-d", voice.dataPath};
        args.insert(args.end(), c.args.begin(), c.args.end());
        SayCall call = FixtureCall({}, "мама");
        call.args = args;
        const SayRun run = RunSay(call);
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.out.empty());
        ExpectOneErrorLine(run, c.mentions);
        EXPECT_EQ(Exists(wav), c.outputCreated);
    }
}

TEST_F(SayProgram, InterruptKeepsACompleteWaveFile) {
    std::string text;
    while (text.size() < 2000000) text += "Привет, мама! Молоко. ";
    const std::string wav = TempFile("say-interrupt", "out.wav");
    SayCall call = FixtureCall({"-q", "-o", wav}, text);
    call.interruptWhenGrown = wav;  // interrupted in the middle of the speech
    const SayRun run = RunSay(call);
    EXPECT_EQ(run.status, 130);
    ExpectOneErrorLine(run, "interrupted");
    const std::string file = ReadAll(wav);
    ASSERT_GT(file.size(), 44u);
    EXPECT_EQ(U32(file, 4), file.size() - 8);
    EXPECT_EQ(U32(file, 40), file.size() - 44);
    std::remove(wav.c_str());
}

TEST_F(SayProgram, NoPlayerAndNoOutputAsksForOutputFile) {
    SayCall call = FixtureCall({}, "мама");
    call.env["PATH"] = MakeTempDir("say-empty-path");
    const SayRun run = RunSay(call);
    EXPECT_EQ(run.status, 1);
    ExpectOneErrorLine(run, "-o");
}

TEST_F(SayProgram, DamagedUnitTableFailsTheSpeech) {
    // A unit whose offset record is not a number.
    const std::string data = MakeTempDir("say-damaged");
    mkdir((data + "/data").c_str(), 0755);
    const std::string dir = data + "/data/tavn2";
    mkdir(dir.c_str(), 0755);
    WriteDictionary(dir + "/slovar.rus", {{"мама", "ма+ма"}});
    WriteFile(dir + "/alfa.wav", std::string(4000, '\x01'));
    WriteFile(dir + "/alfa.tx", Record(Cp("м")) + Record("zero") + Record("10"));
    const std::string wav = TempFile("say-damaged", "out.wav");
    SayCall call = FixtureCall({}, "мама");
    call.args = {"-d", data, "-o", wav};
    const SayRun run = RunSay(call);
    EXPECT_EQ(run.status, 1);
    ExpectOneErrorLine(run, dir);
    // What was written is still a complete WAVE file.
    const std::string file = ReadAll(wav);
    ASSERT_GE(file.size(), 44u);
    EXPECT_EQ(U32(file, 40), file.size() - 44);
}

// -------------------------------------------------------- robustness, help

TEST_F(SayProgram, AnyInputEndsCleanly) {
    std::mt19937 random(11);
    std::string garbage(10 * 1024 * 1024, '\0');
    for (char &c : garbage) c = static_cast<char>(random());
    std::string letters;  // one 40000-letter word: cut by the engine's word limit
    while (letters.size() < 80000) letters += "ж";
    const std::string garbageFile = TempFile("say-garbage", "garbage.bin");
    WriteFile(garbageFile, garbage);
    struct Case {
        const char *name;
        std::vector<std::string> args;
        std::string input;
    };
    const std::vector<Case> cases = {
        {"10 MB of random bytes as UTF-8", {"--phonetic", "-f", garbageFile}, ""},
        {"random bytes as code page 1251, Ukrainian", {"--units", "--cp1251", "-l", "uk"}, garbage.substr(0, 1 << 20)},
        {"random bytes spoken", {"--stdout", "--events"}, garbage.substr(0, 200000)},
        {"one endless word", {"--stdout"}, letters},
        {"only separators", {"--stdout"}, std::string(100000, ',')},
        {"zero bytes", {"--stdout", "--cp1251"}, std::string(1000, '\0') + "мама"},
        {"empty input", {"--stdout"}, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        SayCall call = FixtureCall(c.args, c.input);
        call.discardOutput = true;
        const SayRun run = RunSay(call);
        EXPECT_FALSE(run.timedOut);
        EXPECT_EQ(run.status, 0) << run.err.substr(0, 500);
    }
    std::remove(garbageFile.c_str());
}

TEST_F(SayProgram, HelpAndVersion) {
    const SayRun help = RunSay(FixtureCall({"--help"}));
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: zornatts-say", 0), 0u);
    for (const char *option : {"--phonetic", "--units", "--events", "--punctuation", "--cp1251", "--stdout",
                               "/ 100 + 1.1", "1 to 201", "0 to 100", "ignored"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    const SayRun version = RunSay(FixtureCall({"--version"}));
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("zornatts-say ", 0), 0u);
}

}  // namespace
}  // namespace zorna::testing
