// zornatts-say: speaks Russian or Ukrainian text through the zornatts engine's
// public interface, into a WAVE file, raw samples on standard output, or aplay.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>

#include "config.h"
#include "frontend/cp1251.h"
#include "inspect.h"
#include "options.h"
#include "output.h"
#include "progress.h"
#include "text_stream.h"
#include "zornatts/zornatts.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#else
#include <io.h>
#include <sys/stat.h>
#define isatty _isatty
#define fileno _fileno
#endif

#ifndef ZORNA_DEFAULT_DATA_PATH
#define ZORNA_DEFAULT_DATA_PATH "."
#endif
#ifndef ZORNA_VERSION
#define ZORNA_VERSION "unknown"
#endif

namespace zorna::say {

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
constexpr int kExitInterrupted = 130;
constexpr std::size_t kReadBlockBytes = 64 * 1024;

volatile std::sig_atomic_t g_interrupted = 0;

// A second interrupt ends the program at once.
extern "C" void OnInterrupt(int sig) {
    g_interrupted = 1;
    std::signal(sig, SIG_DFL);
}

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

TProgress *g_progress = nullptr;

void Report(const std::string &message) {
    if (message.empty()) return;
    if (g_progress != nullptr) g_progress->Clear();
    std::fflush(stdout);
    std::fprintf(stderr, "zornatts-say: %s\n", message.c_str());
}

bool IsDirectory(const std::string &path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && (st.st_mode & S_IFMT) == S_IFDIR;
}

bool IsRegularFile(const std::string &path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && (st.st_mode & S_IFMT) == S_IFREG;
}

// The input text, read block by block: the joined arguments, a file or stdin.
class TInput {
public:
    ~TInput() {
        if (file_ != nullptr && file_ != stdin) std::fclose(file_);
    }

    void FromText(std::string text) {
        text_ = std::move(text);
        total_ = text_.size();
    }

    bool FromFile(const std::string &path, std::string &error) {
        if (path == "-") {
            FromStdin();
            return true;
        }
        name_ = "'" + path + "'";
        if (IsDirectory(path)) {
            error = "cannot read the input file " + name_ + ": " + std::strerror(EISDIR);
            return false;
        }
        file_ = std::fopen(path.c_str(), "rb");
        if (file_ == nullptr) {
            error = "cannot open the input file " + name_ + ": " + std::strerror(errno);
            return false;
        }
        SizeFromFile();
        return true;
    }

    void FromStdin() {
        name_ = "standard input";
        file_ = stdin;
        SizeFromFile();
    }

    // Bytes read into block; 0 at the end; false on a read error.
    bool Read(std::string &block, std::string &error) {
        block.clear();
        if (file_ == nullptr) {
            block = text_.substr(textPos_, kReadBlockBytes);
            textPos_ += block.size();
            return true;
        }
        block.resize(kReadBlockBytes);
        const std::size_t got = std::fread(block.data(), 1, block.size(), file_);
        block.resize(got);
        if (got == 0 && std::ferror(file_)) {
            error = "cannot read the input " + name_ + ": " + std::strerror(errno);
            return false;
        }
        return true;
    }

    std::uint64_t Total() const { return total_; }

private:
    void SizeFromFile() {
        struct stat st {};
        if (fstat(fileno(file_), &st) == 0 && (st.st_mode & S_IFMT) == S_IFREG)
            total_ = static_cast<std::uint64_t>(st.st_size);
    }

    std::FILE *file_ = nullptr;
    std::string name_;
    std::string text_;
    std::size_t textPos_ = 0;
    std::uint64_t total_ = 0;  // 0: not known
};

// Reads the whole input piece by piece and hands every piece to `speak`, which
// returns false to stop. Returns false (with a message) on a read error.
template <typename Speak>
bool ForEachPiece(TInput &input, TTextStream &stream, Speak speak, std::string &error, bool &stopped) {
    std::string block;
    TextPiece piece;
    stopped = false;
    for (;;) {
        if (!input.Read(block, error)) return false;
        if (block.empty())
            stream.Finish();
        else
            stream.Feed(block);
        while (stream.NextPiece(piece)) {
            if (g_interrupted != 0 || !speak(piece)) {
                stopped = true;
                return true;
            }
        }
        if (block.empty()) return true;
        if (g_interrupted != 0) {
            stopped = true;
            return true;
        }
    }
}

// What the engine's callback works with.
struct SpeakContext {
    TZornaHandle Handle = nullptr;
    TAudioSink *Sink = nullptr;
    std::FILE *Events = nullptr;  // null: no event lines
    bool Cp1251Input = false;
    const TextPiece *Piece = nullptr;
    std::uint64_t AudioBytes = 0;
    bool Failed = false;
    std::string Error;
};

void PrintEvent(SpeakContext &ctx, const TSpeechEvent &event) {
    const TextPiece &piece = *ctx.Piece;
    if (event.Offset < 0 || event.Length < 0 ||
        static_cast<std::size_t>(event.Offset) + static_cast<std::size_t>(event.Length) > piece.Text.size())
        return;
    const auto offset = static_cast<std::size_t>(event.Offset);
    const auto length = static_cast<std::size_t>(event.Length);
    std::string word(piece.InputBytes(offset, length));
    if (ctx.Cp1251Input) word = Cp1251ToUtf8(word);
    const std::string line = std::to_string(piece.InputOffset(offset)) + "\t" +
                             std::to_string(piece.InputLength(offset, length)) + "\t" +
                             std::to_string(ctx.AudioBytes / 2) + "\t" + word + "\n";
    if (std::fwrite(line.data(), 1, line.size(), ctx.Events) != line.size()) {
        ctx.Failed = true;
        ctx.Error = errno == EPIPE ? "" : std::string("cannot write the events: ") + std::strerror(errno);
    }
}

int32_t ZORNA_CALL OnSpeech(const void *data, int32_t count, const TSpeechEvent *event, void *context) {
    auto &ctx = *static_cast<SpeakContext *>(context);
    if (g_interrupted != 0 || ctx.Failed) {
        Zorna_Stop(ctx.Handle);
        return 0;
    }
    if (event != nullptr) {
        if (ctx.Events != nullptr && event->Kind == EVENT_WORD) PrintEvent(ctx, *event);
    } else if (data != nullptr && count > 0) {
        if (ctx.Sink->Write(data, static_cast<std::size_t>(count), ctx.Error))
            ctx.AudioBytes += static_cast<std::uint64_t>(count);
        else
            ctx.Failed = true;
    }
    if (ctx.Failed) Zorna_Stop(ctx.Handle);
    return 0;
}

class TEngineVoice {
public:
    explicit TEngineVoice(TZornaHandle handle) : handle_(handle) {}
    ~TEngineVoice() {
        if (handle_ != nullptr) Zorna_Free(handle_);
    }
    TZornaHandle Get() const { return handle_; }

private:
    TZornaHandle handle_;
};

// Checks the data folder and the voice's files; false with a message naming
// the path looked for.
bool CheckVoice(const Options &o, const std::string &voiceDirectory, bool needUnits, std::string &error) {
    if (!IsDirectory(o.DataPath)) {
        error = "data folder not found: " + o.DataPath + " (give the folder holding data/" + o.Voice + " with -d)";
        return false;
    }
    if (!IsDirectory(voiceDirectory)) {
        error = "voice '" + o.Voice + "' not found: no folder " + voiceDirectory;
        return false;
    }
    const std::string dictionary = voiceDirectory + kSeparator + (o.Language == "uk" ? "slovar.ukr" : "slovar.rus");
    if (!IsRegularFile(dictionary)) {
        error = "dictionary not found: " + dictionary;
        return false;
    }
    if (needUnits) {
        for (const char *name : {"alfa.wav", "alfa.tx"}) {
            const std::string file = voiceDirectory + kSeparator + name;
            if (!IsRegularFile(file)) {
                error = "voice file not found: " + file;
                return false;
            }
        }
    }
    return true;
}

bool StreamIsTerminal(std::FILE *stream) { return isatty(fileno(stream)) != 0; }

int Inspect(const Options &o, const std::string &voiceDirectory, TInput &input, TTextStream &stream) {
    const Settings settings = ReadSettings();
    const std::uint8_t punctuation = o.Punctuation ? static_cast<std::uint8_t>(*o.Punctuation) : settings.Punctuation;
    std::unique_ptr<TInspector> inspector;
    try {
        inspector =
            std::make_unique<TInspector>(o.Phonetic ? TInspector::Mode::Phonetic : TInspector::Mode::Units,
                                         o.Language == "uk", voiceDirectory, punctuation, settings.PrepositionPause);
    } catch (const std::exception &e) {
        Report(e.what());
        return kExitFailure;
    }
    std::string error;
    bool writeFailed = false;
    bool stopped = false;
    const bool read = ForEachPiece(
        input, stream,
        [&](const TextPiece &piece) {
            try {
                if (inspector->Inspect(piece, stdout)) return true;
                if (errno != EPIPE) error = std::string("cannot write standard output: ") + std::strerror(errno);
            } catch (const std::exception &e) {
                error = std::string("the front end failed: ") + e.what();
            }
            writeFailed = true;
            return false;
        },
        error, stopped);
    if (std::fflush(stdout) != 0 && !writeFailed) {
        writeFailed = true;
        if (errno != EPIPE) error = std::string("cannot write standard output: ") + std::strerror(errno);
    }
    if (!read || writeFailed) {
        Report(error);
        return kExitFailure;
    }
    if (g_interrupted != 0) {
        Report("interrupted");
        return kExitInterrupted;
    }
    return kExitOk;
}

int Speak(const Options &o, const std::string &voiceDirectory, TInput &input, TTextStream &stream) {
    if (Zorna_SetDataPath(o.DataPath.c_str()) != 0) {
        Report("data folder not found: " + o.DataPath);
        return kExitFailure;
    }
    TEngineVoice voice(Zorna_New(o.Voice.c_str(), o.Language.c_str()));
    if (voice.Get() == nullptr) {
        Report("cannot load the voice '" + o.Voice + "' from " + voiceDirectory +
               ": its files cannot be opened or are damaged");
        return kExitFailure;
    }
    if (o.Speed) Zorna_SetSpeed(voice.Get(), *o.Speed);
    if (o.Volume) Zorna_SetVolume(voice.Get(), *o.Volume);
    if (o.Pitch) Zorna_SetPitch(voice.Get(), *o.Pitch);
    if (o.Punctuation) Zorna_SetPunctuation(voice.Get(), *o.Punctuation);

    std::string error;
    const bool audioToStdout = o.ToStdout || (o.OutputFile && *o.OutputFile == "-");
    std::unique_ptr<TAudioSink> sink;
    if (o.ToStdout)
        sink = OpenRawStdoutSink(error);
    else if (o.OutputFile)
        sink = OpenWavSink(*o.OutputFile, error);
    else
        sink = OpenPlayerSink(error);
    if (sink == nullptr) {
        Report(error);
        return kExitFailure;
    }

    SpeakContext ctx;
    ctx.Handle = voice.Get();
    ctx.Sink = sink.get();
    ctx.Events = o.Events ? (audioToStdout ? stderr : stdout) : nullptr;
    ctx.Cp1251Input = o.Cp1251Input;
    Zorna_SetCallback(voice.Get(), &OnSpeech);

    const bool progressShown =
        !o.Quiet && StreamIsTerminal(stderr) && !(ctx.Events != nullptr && StreamIsTerminal(ctx.Events));
    TProgress progress(progressShown, input.Total());
    g_progress = &progress;

    bool engineFailed = false;
    bool stopped = false;
    const bool read = ForEachPiece(
        input, stream,
        [&](const TextPiece &piece) {
            ctx.Piece = &piece;
            if (Zorna_Speak(voice.Get(), piece.Text.c_str(), &ctx) != 0 && !ctx.Failed) engineFailed = true;
            if (ctx.Events != nullptr && std::fflush(ctx.Events) != 0 && !ctx.Failed) {
                ctx.Failed = true;
                ctx.Error = errno == EPIPE ? "" : std::string("cannot write the events: ") + std::strerror(errno);
            }
            progress.Update(piece.From.back());
            return !ctx.Failed && !engineFailed;
        },
        error, stopped);
    progress.Clear();

    std::string finishError;
    const bool finished = sink->Finish(finishError);
    g_progress = nullptr;
    if (!read) {
        Report(error);
        return kExitFailure;
    }
    if (ctx.Failed) {
        Report(ctx.Error);
        return kExitFailure;
    }
    if (engineFailed) {
        Report("the engine failed while speaking (damaged voice data in " + voiceDirectory + "?)");
        return kExitFailure;
    }
    if (!finished) {
        Report(finishError);
        return kExitFailure;
    }
    if (g_interrupted != 0) {
        Report("interrupted");
        return kExitInterrupted;
    }
    return kExitOk;
}

int Run(int argc, char **argv) {
    Options o;
    std::string error;
    if (!ParseOptions(argc, argv, ZORNA_DEFAULT_DATA_PATH, o, error)) {
        Report(error + " (see zornatts-say --help)");
        return kExitUsage;
    }
    if (o.Help) {
        std::fputs(HelpText(ZORNA_DEFAULT_DATA_PATH).c_str(), stdout);
        return std::fflush(stdout) == 0 ? kExitOk : kExitFailure;
    }
    if (o.Version) {
        std::printf("zornatts-say %s\n", ZORNA_VERSION);
        return std::fflush(stdout) == 0 ? kExitOk : kExitFailure;
    }

    TInput input;
    if (!o.Words.empty()) {
        std::string text;
        for (std::size_t i = 0; i < o.Words.size(); ++i) {
            if (i != 0) text.push_back(' ');
            text += o.Words[i];
        }
        input.FromText(std::move(text));
    } else if (o.InputFile) {
        if (!input.FromFile(*o.InputFile, error)) {
            Report(error);
            return kExitFailure;
        }
    } else {
        input.FromStdin();
    }

    const std::string voiceDirectory = o.DataPath + kSeparator + "data" + kSeparator + o.Voice;
    const bool inspecting = o.Phonetic || o.Units;
    if (!CheckVoice(o, voiceDirectory, !o.Phonetic, error)) {
        Report(error);
        return kExitFailure;
    }

    TTextStream stream(o.Cp1251Input ? InputEncoding::Cp1251 : InputEncoding::Utf8, o.Language == "uk");
    return inspecting ? Inspect(o, voiceDirectory, input, stream) : Speak(o, voiceDirectory, input, stream);
}

}  // namespace

}  // namespace zorna::say

int main(int argc, char **argv) {
#ifndef _WIN32
    std::signal(SIGPIPE, SIG_IGN);
#endif
    std::signal(SIGINT, zorna::say::OnInterrupt);
    std::signal(SIGTERM, zorna::say::OnInterrupt);
    try {
        return zorna::say::Run(argc, argv);
    } catch (const std::bad_alloc &) {
        std::fputs("zornatts-say: out of memory\n", stderr);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "zornatts-say: %s\n", e.what());
    }
    return 1;
}
