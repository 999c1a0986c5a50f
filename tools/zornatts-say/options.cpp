#include "options.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace zorna::say {

namespace {

bool ParseInt(const std::string &text, int low, int high, int &value) {
    if (text.empty()) return false;
    std::size_t i = 0;
    if (text[0] == '+' || text[0] == '-') i = 1;
    if (i == text.size()) return false;
    for (std::size_t k = i; k < text.size(); ++k)
        if (text[k] < '0' || text[k] > '9') return false;
    if (text.size() - i > 6) return false;  // far outside every range
    const long v = std::strtol(text.c_str(), nullptr, 10);
    if (v < low || v > high) return false;
    value = static_cast<int>(v);
    return true;
}

struct ValueOption {
    char Short;
    const char *Long;
};

constexpr ValueOption kValueOptions[] = {
    {'f', "file"},  {'o', "output"}, {'l', "language"}, {'d', "data"},         {'v', "voice"},
    {'s', "speed"}, {'a', "volume"}, {'p', "pitch"},    {'\0', "punctuation"},
};

bool ApplyValue(const ValueOption &opt, const std::string &value, Options &o, std::string &error) {
    const std::string name = opt.Short != '\0' ? std::string("-") + opt.Short : std::string("--") + opt.Long;
    auto bad = [&](const std::string &expected) {
        error = "bad value '" + value + "' for " + name + ": " + expected;
        return false;
    };
    int number = 0;
    switch (opt.Short) {
        case 'f':
            if (value.empty()) return bad("expected a file name or -");
            o.InputFile = value;
            return true;
        case 'o':
            if (value.empty()) return bad("expected a file name or -");
            o.OutputFile = value;
            return true;
        case 'l':
            if (value != "ru" && value != "uk") return bad("expected ru or uk");
            o.Language = value;
            return true;
        case 'd':
            if (value.empty()) return bad("expected a folder");
            o.DataPath = value;
            return true;
        case 'v':
            if (value.empty() || value == "." || value == ".." || value.find('/') != std::string::npos ||
                value.find('\\') != std::string::npos)
                return bad("expected a voice name (a folder name under DIR/data)");
            o.Voice = value;
            return true;
        case 's':
            if (!ParseInt(value, kMinSpeed, kMaxSpeed, number))
                return bad("expected a whole number from " + std::to_string(kMinSpeed) + " to " +
                           std::to_string(kMaxSpeed));
            o.Speed = number;
            return true;
        case 'a':
            if (!ParseInt(value, kMinVolume, kMaxVolume, number))
                return bad("expected a whole number from " + std::to_string(kMinVolume) + " to " +
                           std::to_string(kMaxVolume));
            o.Volume = number;
            return true;
        case 'p':
            if (!ParseInt(value, kMinPitch, kMaxPitch, number))
                return bad("expected a whole number from " + std::to_string(kMinPitch) + " to " +
                           std::to_string(kMaxPitch));
            o.Pitch = number;
            return true;
        default:  // --punctuation
            if (value == "none")
                o.Punctuation = 0;
            else if (value == "some")
                o.Punctuation = 1;
            else if (value == "most")
                o.Punctuation = 2;
            else if (value == "all")
                o.Punctuation = 3;
            else
                return bad("expected none, some, most or all");
            return true;
    }
}

bool ApplyFlag(const std::string &name, Options &o) {
    if (name == "stdout")
        o.ToStdout = true;
    else if (name == "cp1251")
        o.Cp1251Input = true;
    else if (name == "phonetic")
        o.Phonetic = true;
    else if (name == "units")
        o.Units = true;
    else if (name == "events")
        o.Events = true;
    else if (name == "quiet" || name == "q")
        o.Quiet = true;
    else if (name == "help" || name == "h")
        o.Help = true;
    else if (name == "version" || name == "V")
        o.Version = true;
    else
        return false;
    return true;
}

}  // namespace

bool ParseOptions(int argc, const char *const *argv, const std::string &defaultDataPath, Options &o,
                  std::string &error) {
    o = Options{};
    o.DataPath = defaultDataPath;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i] != nullptr ? argv[i] : "";
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            o.Words.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const ValueOption *found = nullptr;
        std::string value;
        bool haveValue = false;
        std::string shown = arg;
        if (arg[1] == '-') {
            std::string name = arg.substr(2);
            const std::size_t eq = name.find('=');
            if (eq != std::string::npos) {
                value = name.substr(eq + 1);
                haveValue = true;
                name.resize(eq);
            }
            shown = "--" + name;
            for (const auto &opt : kValueOptions)
                if (name == opt.Long) found = &opt;
            if (found == nullptr) {
                if (!haveValue && ApplyFlag(name, o)) continue;
                error =
                    haveValue && ApplyFlag(name, o) ? "option " + shown + " takes no value" : "unknown option " + shown;
                return false;
            }
        } else {
            for (const auto &opt : kValueOptions)
                if (opt.Short != '\0' && arg[1] == opt.Short) found = &opt;
            shown = arg.substr(0, 2);
            if (found == nullptr) {
                if (arg.size() == 2 && ApplyFlag(arg.substr(1), o)) continue;
                error = "unknown option " + arg;
                return false;
            }
            if (arg.size() > 2) {
                value = arg.substr(2);
                haveValue = true;
            }
        }
        if (!haveValue) {
            if (i + 1 >= argc) {
                error = "option " + shown + " needs a value";
                return false;
            }
            value = argv[++i] != nullptr ? argv[i] : "";
        }
        if (!ApplyValue(*found, value, o, error)) return false;
    }
    if (o.Help || o.Version) return true;
    if (!o.Words.empty() && o.InputFile) {
        error = "give the text either as arguments or with -f, not both";
        return false;
    }
    if (o.OutputFile && o.ToStdout) {
        error = "-o and --stdout cannot be used together";
        return false;
    }
    if (o.Phonetic && o.Units) {
        error = "--phonetic and --units cannot be used together";
        return false;
    }
    if ((o.Phonetic || o.Units) && (o.Events || o.OutputFile || o.ToStdout)) {
        error = std::string(o.Phonetic ? "--phonetic" : "--units") +
                " prints instead of speaking; it cannot be used with -o, --stdout or --events";
        return false;
    }
    return true;
}

std::string HelpText(const std::string &defaultDataPath) {
    return "Usage: zornatts-say [OPTION]... [TEXT]...\n"
           "Speak Russian or Ukrainian text with the zornatts voice.\n"
           "\n"
           "The text is TEXT (the arguments joined by spaces), or the contents of FILE with -f,\n"
           "or standard input when neither is given. It is UTF-8 unless --cp1251 is given.\n"
           "\n"
           "Input and output:\n"
           "  -f, --file FILE        read the text from FILE (- for standard input)\n"
           "      --cp1251           the input is code page 1251, not UTF-8\n"
           "  -o, --output FILE      write a WAVE file (16-bit PCM, mono, 22050 Hz; - for\n"
           "                         standard output)\n"
           "      --stdout           write raw samples (signed 16-bit little-endian, mono,\n"
           "                         22050 Hz) to standard output\n"
           "                         Without -o or --stdout the speech is played with aplay.\n"
           "  -q, --quiet            no progress bar\n"
           "\n"
           "Voice:\n"
           "  -l, --language LANG    ru (default) or uk\n"
           "  -d, --data DIR         folder holding data/VOICE (default: " +
           defaultDataPath +
           ")\n"
           "  -v, --voice NAME       voice name (default: tavn2); its files are\n"
           "                         DIR/data/NAME/alfa.wav, alfa.tx, slovar.rus, slovar.ukr\n"
           "\n"
           "Settings (without them the settings file zornatts.ini decides):\n"
           "  -s, --speed N          speed factor N / 100 + 1.1; -100 to 300. -10 is the\n"
           "                         recorded speed; speech platforms pass 1 to 201\n"
           "  -a, --volume N         volume factor N / 100; 0 to 200; 100 is the recorded\n"
           "                         volume (speech platforms pass 0 to 100)\n"
           "  -p, --pitch N          accepted (-1000 to 1000) and ignored: the voice has no\n"
           "                         pitch control\n"
           "      --punctuation L    punctuation read aloud: none, some, most or all\n"
           "\n"
           "Inspection:\n"
           "      --phonetic         print each phrase and its phonetic text, tab-separated,\n"
           "                         instead of speaking\n"
           "      --units            print each word and the recorded units that voice it,\n"
           "                         instead of speaking\n"
           "      --events           while speaking, print each word event: byte offset and\n"
           "                         byte length in the input as given, sample offset in the\n"
           "                         audio, the word (tab-separated; to standard error when\n"
           "                         the audio goes to standard output)\n"
           "\n"
           "  -h, --help             show this help\n"
           "  -V, --version          show the version\n"
           "\n"
           "Exit status: 0 success, 1 failure (voice, input, output), 2 bad command line,\n"
           "130 interrupted.\n";
}

}  // namespace zorna::say
