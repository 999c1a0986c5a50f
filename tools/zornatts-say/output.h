// Where the speech goes: a WAVE file, raw samples on standard output, or the
// aplay player fed through a pipe.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace zorna::say {

class TAudioSink {
public:
    virtual ~TAudioSink() = default;
    virtual bool Write(const void *data, std::size_t count, std::string &error) = 0;
    // Completes the output (header sizes, end of playing). False with a message
    // when that fails.
    virtual bool Finish(std::string &error) = 0;
};

std::unique_ptr<TAudioSink> OpenWavSink(const std::string &path, std::string &error);
std::unique_ptr<TAudioSink> OpenRawStdoutSink(std::string &error);
// Null with a message when aplay is not on the PATH or cannot be started.
std::unique_ptr<TAudioSink> OpenPlayerSink(std::string &error);

// The full path of an executable found on the PATH, or empty.
std::string FindOnPath(const std::string &name);

}  // namespace zorna::say
