// Runs the built zornatts-say in a child process with given arguments, input,
// environment additions and a time limit, and collects what it wrote.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace zorna::testing {

struct SayRun {
    int status = -1;        // exit status; 128 + signal when killed by one
    bool timedOut = false;  // killed after the time limit
    std::string out;        // standard output (empty when discarded)
    std::string err;        // standard error
};

struct SayCall {
    std::vector<std::string> args;
    std::string input;                       // standard input
    std::map<std::string, std::string> env;  // added to (or replacing in) the environment
    bool discardOutput = false;              // standard output to /dev/null
    bool pipeOutput = false;                 // standard output through a pipe, not a file
    std::string interruptWhenGrown;          // SIGINT once this file holds more than 64 KiB
    int timeLimitSeconds = 120;
};

// The program's path (the build passes it in).
const char *SayProgram();

SayRun RunSay(SayCall call);

// The whole content of a file ("" when it cannot be read).
std::string ReadAll(const std::string &path);

}  // namespace zorna::testing
