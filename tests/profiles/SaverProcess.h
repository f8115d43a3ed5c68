#pragma once
// Starts the test tool profilesaver as a child process with the given arguments and waits for
// its first byte on standard output (what it says it is about to do).
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/Files.h"
#include "platform/Utf.h"

struct SaverProcess {
    pid_t pid = -1;
    char said = 0;  // 0: it said nothing (it did not start, or ended at once)
};

inline SaverProcess StartSaverTool(const std::vector<std::string>& args) {
    const std::string exe = platform::Utf8FromWide(platform::ExecutableFolder()) + "/profilesaver";
    std::vector<char*> argv{const_cast<char*>(exe.c_str())};
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    int fds[2];
    if (::pipe(fds) != 0) return {};
    SaverProcess p;
    p.pid = ::fork();
    if (p.pid == 0) {
        ::dup2(fds[1], STDOUT_FILENO);
        ::close(fds[0]);
        ::close(fds[1]);
        ::execv(exe.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(fds[1]);
    if (p.pid < 0 || ::read(fds[0], &p.said, 1) != 1) p.said = 0;
    ::close(fds[0]);
    return p;
}

// Kills the child (when it still runs) and collects it; true when the kill ended it.
inline bool KillSaver(SaverProcess& p, int signal = SIGKILL) {
    if (p.pid <= 0) return false;
    ::kill(p.pid, signal);
    int status = 0;
    ::waitpid(p.pid, &status, 0);
    p.pid = -1;
    return WIFSIGNALED(status);
}
