#include "say_fixture.h"

#include <sys/stat.h>

#include <cstdio>

#include "fixture_voice.h"
#include "frontend/cp1251.h"

namespace zorna::testing {

namespace {

SayVoice MakeVoice() {
    SayVoice v;
    v.dataPath = MakeTempDir("say-data");
    v.appData = MakeTempDir("say-appdata");
    mkdir((v.dataPath + "/data").c_str(), 0755);
    v.voiceDir = v.dataPath + "/data/tavn2";
    mkdir(v.voiceDir.c_str(), 0755);
    mkdir((v.appData + "/ZornaTts").c_str(), 0755);

    std::vector<FixtureUnit> units;
    std::int16_t value = 100;
    for (char32_t cp = 0x0430; cp <= 0x044F; ++cp)
        units.push_back(
            ConstantUnit(Cp1251ToUtf8(std::string(1, static_cast<char>(CodePointToCp1251(cp)))), value++, 200));
    for (const char *letter : {"ё", "і", "ї", "є", "ґ"}) units.push_back(ConstantUnit(letter, value++, 200));
    units.push_back(ConstantUnit("ма+", 900, 300));
    WriteVoice(v.voiceDir, units);

    WriteDictionary(
        v.voiceDir + "/slovar.rus",
        {{"привет", "приве+т"}, {"мама", "ма+ма"}, {"молоко", "молоко+"}, {"ёлка", "ё+лка"}, {"дом", "до+м"}});
    WriteDictionary(
        v.voiceDir + "/slovar.ukr",
        {{"п'ять", "п'я+ть"}, {"їжак", "їжа+к"}, {"ґанок", "ґа+нок"}, {"європа", "євро+па"}, {"мама", "ма+ма"}});
    return v;
}

}  // namespace

const SayVoice &FixtureVoice() {
    static const SayVoice voice = MakeVoice();
    return voice;
}

SayCall FixtureCall(std::vector<std::string> args, std::string input) {
    SayCall call;
    call.args = {"-d", FixtureVoice().dataPath};
    call.args.insert(call.args.end(), args.begin(), args.end());
    call.input = std::move(input);
    call.env = {{"APPDATA", FixtureVoice().appData}, {"LC_ALL", "C.UTF-8"}};
    return call;
}

void WriteSettings(const std::string &text) {
    const std::string path = FixtureVoice().appData + "/ZornaTts/zornatts.ini";
    if (text.empty())
        std::remove(path.c_str());
    else
        WriteFile(path, text);
}

std::vector<std::int16_t> Samples(const std::string &bytes) {
    std::vector<std::int16_t> s(bytes.size() / 2);
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[2 * i]) |
                                         (static_cast<std::uint8_t>(bytes[2 * i + 1]) << 8));
    return s;
}

std::uint32_t U32(const std::string &b, std::size_t at) {
    return static_cast<std::uint32_t>(U16(b, at)) | (static_cast<std::uint32_t>(U16(b, at + 2)) << 16);
}

std::uint16_t U16(const std::string &b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[at]) | (static_cast<std::uint8_t>(b[at + 1]) << 8));
}

}  // namespace zorna::testing
