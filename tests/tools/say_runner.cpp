#include "say_runner.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "fixture_voice.h"

extern char **environ;

namespace zorna::testing {

const char *SayProgram() { return ZORNATTS_SAY_PROGRAM; }

std::string ReadAll(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

SayRun RunSay(SayCall call) {
    const std::string dir = MakeTempDir("say-run");
    const std::string inPath = dir + "/in", outPath = dir + "/out", errPath = dir + "/err";
    WriteFile(inPath, call.input);

    std::vector<std::string> envText;
    for (char **e = environ; *e != nullptr; ++e) {
        const std::string entry(*e);
        const std::string name = entry.substr(0, entry.find('='));
        if (call.env.count(name) == 0) envText.push_back(entry);
    }
    for (const auto &[name, value] : call.env) envText.push_back(name + "=" + value);
    std::vector<char *> envp;
    for (std::string &e : envText) envp.push_back(e.data());
    envp.push_back(nullptr);

    std::vector<std::string> argText{SayProgram()};
    argText.insert(argText.end(), call.args.begin(), call.args.end());
    std::vector<char *> argv;
    for (std::string &a : argText) argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, inPath.c_str(), O_RDONLY, 0);
    int pipeFds[2] = {-1, -1};
    if (call.pipeOutput) {
        if (pipe(pipeFds) != 0) throw std::runtime_error("pipe failed");
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
        posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
        posix_spawn_file_actions_addclose(&actions, pipeFds[1]);
    } else {
        posix_spawn_file_actions_addopen(&actions, 1, call.discardOutput ? "/dev/null" : outPath.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) throw std::runtime_error(std::string("cannot start ") + SayProgram());

    SayRun run;
    if (call.pipeOutput) {  // read the pipe to its end (the program's output is small)
        close(pipeFds[1]);
        char buffer[4096];
        for (ssize_t got; (got = read(pipeFds[0], buffer, sizeof buffer)) != 0;) {
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) break;
            run.out.append(buffer, static_cast<std::size_t>(got));
        }
        close(pipeFds[0]);
    }
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(call.timeLimitSeconds);
    for (;;) {
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) break;
        if (!call.interruptWhenGrown.empty()) {
            struct stat st {};
            if (stat(call.interruptWhenGrown.c_str(), &st) == 0 && st.st_size > 64 * 1024) {
                kill(pid, SIGINT);
                call.interruptWhenGrown.clear();
            }
        }
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            run.timedOut = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    if (!call.pipeOutput) run.out = ReadAll(outPath);
    run.err = ReadAll(errPath);
    std::remove(inPath.c_str());
    std::remove(outPath.c_str());
    std::remove(errPath.c_str());
    rmdir(dir.c_str());
    return run;
}

}  // namespace zorna::testing
