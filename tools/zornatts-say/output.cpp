#include "output.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "wav_writer.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace zorna::say {

namespace {

class TWavSink final : public TAudioSink {
public:
    bool Open(const std::string &path, std::string &error) { return writer_.Open(path, error); }
    bool Write(const void *data, std::size_t count, std::string &error) override {
        return writer_.Write(data, count, error);
    }
    bool Finish(std::string &error) override { return writer_.Finish(error); }

private:
    TWavWriter writer_;
};

class TRawSink final : public TAudioSink {
public:
    bool Write(const void *data, std::size_t count, std::string &error) override {
        if (std::fwrite(data, 1, count, stdout) == count) return true;
        error = std::string("cannot write standard output: ") + std::strerror(errno);
        return false;
    }
    bool Finish(std::string &error) override {
        if (std::fflush(stdout) == 0) return true;
        error = std::string("cannot write standard output: ") + std::strerror(errno);
        return false;
    }
};

#ifndef _WIN32
class TPlayerSink final : public TAudioSink {
public:
    ~TPlayerSink() override {
        std::string ignored;
        Finish(ignored);
    }

    bool Start(const std::string &player, std::string &error) {
        int fds[2];
        if (pipe(fds) != 0) {
            error = std::string("cannot start aplay: ") + std::strerror(errno);
            return false;
        }
        pid_ = fork();
        if (pid_ < 0) {
            error = std::string("cannot start aplay: ") + std::strerror(errno);
            close(fds[0]);
            close(fds[1]);
            return false;
        }
        if (pid_ == 0) {
            dup2(fds[0], STDIN_FILENO);
            close(fds[0]);
            close(fds[1]);
            const char *args[] = {"aplay", "-q", "-t", "raw", "-f", "S16_LE", "-r", "22050", "-c", "1", nullptr};
            execv(player.c_str(), const_cast<char *const *>(args));
            _exit(127);
        }
        close(fds[0]);
        fd_ = fds[1];
        return true;
    }

    bool Write(const void *data, std::size_t count, std::string &error) override {
        const auto *bytes = static_cast<const char *>(data);
        while (count > 0) {
            const ssize_t written = write(fd_, bytes, count);
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) {
                error = std::string("aplay stopped taking audio: ") + std::strerror(errno);
                return false;
            }
            bytes += written;
            count -= static_cast<std::size_t>(written);
        }
        return true;
    }

    bool Finish(std::string &error) override {
        if (fd_ >= 0) {
            close(fd_);
            fd_ = -1;
        }
        if (pid_ <= 0) return true;
        int status = 0;
        while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        pid_ = -1;
        if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return true;
        error = WIFEXITED(status) && WEXITSTATUS(status) == 127
                    ? "cannot run aplay"
                    : "aplay failed (exit status " +
                          std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status)) + ")";
        return false;
    }

private:
    pid_t pid_ = -1;
    int fd_ = -1;
};
#endif

}  // namespace

std::unique_ptr<TAudioSink> OpenWavSink(const std::string &path, std::string &error) {
    auto sink = std::make_unique<TWavSink>();
    if (!sink->Open(path, error)) return nullptr;
    return sink;
}

std::unique_ptr<TAudioSink> OpenRawStdoutSink(std::string &) { return std::make_unique<TRawSink>(); }

std::string FindOnPath(const std::string &name) {
#ifdef _WIN32
    (void)name;
    return {};
#else
    const char *path = std::getenv("PATH");
    if (path == nullptr) return {};
    const std::string all(path);
    std::size_t begin = 0;
    while (begin <= all.size()) {
        std::size_t end = all.find(':', begin);
        if (end == std::string::npos) end = all.size();
        const std::string dir = end > begin ? all.substr(begin, end - begin) : ".";
        const std::string candidate = dir + "/" + name;
        struct stat st {};
        if (stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(candidate.c_str(), X_OK) == 0)
            return candidate;
        begin = end + 1;
    }
    return {};
#endif
}

std::unique_ptr<TAudioSink> OpenPlayerSink(std::string &error) {
    const std::string player = FindOnPath("aplay");
    if (player.empty()) {
        error = "aplay was not found to play the speech; use -o FILE.wav or --stdout";
        return nullptr;
    }
#ifdef _WIN32
    return nullptr;
#else
    auto sink = std::make_unique<TPlayerSink>();
    if (!sink->Start(player, error)) return nullptr;
    return sink;
#endif
}

}  // namespace zorna::say
