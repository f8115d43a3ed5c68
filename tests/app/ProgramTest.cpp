// The program as a desktop starts it: the options answered without a display, and no
// display at all reported at once instead of running unseen.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "platform/Files.h"
#include "platform/Utf.h"

namespace {

struct Outcome {
    int exitCode = -1;  // -1: did not end by itself within the time allowed
    std::string out, err;
    double seconds = 0;
};

// A file with the leak checker's allowances (see LeakCheckerSettings.cpp); D-Bus, which SDL
// starts, keeps a buffer of its own when no display answers.
std::string LeakAllowances() {
    const std::string path = "/tmp/kestrova-program-test-leaks.supp";
    platform::WriteFileAtomic(platform::WideFromUtf8(path),
                              "leak:libfontconfig.so\nleak:libSDL2-2.0.so\nleak:libdbus-1.so\n");
    return path;
}

using Environment = std::vector<std::pair<const char*, const char*>>;

// Runs the built program with the arguments, without DISPLAY, WAYLAND_DISPLAY or a named
// video driver (the environment given is set after), and with the user's folders in /tmp.
// After endAfterSeconds it is asked to end (as a desktop's log-out does); one that still runs
// 10 s later is killed.
Outcome RunProgram(const std::vector<std::string>& args, const Environment& env = {}, double endAfterSeconds = 10) {
    const std::string exe = platform::Utf8FromWide(platform::ExecutableFolder()) + "/kestrova";
    const std::string leaks = LeakAllowances();
    int out[2], err[2];
    if (::pipe(out) != 0 || ::pipe(err) != 0) return {};
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::dup2(err[1], STDERR_FILENO);
        ::close(out[0]);
        ::close(err[0]);
        for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"}) ::unsetenv(v);
        for (const auto& [name, value] : env) ::setenv(name, value, 1);
        // In the sanitizer build the program's own leak check holds, with the test program's
        // allowances for the libraries' long-lived caches.
        ::setenv("LSAN_OPTIONS", ("suppressions=" + leaks + ":print_suppressions=0").c_str(), 1);
        ::mkdir("/tmp/kestrova-program-test-home", 0700);  // a home the trainees' folder can go into
        ::setenv("HOME", "/tmp/kestrova-program-test-home", 1);
        ::setenv("XDG_CONFIG_HOME", "/tmp/kestrova-program-test-home/.config", 1);
        std::vector<char*> argv{const_cast<char*>(exe.c_str())};
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(exe.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(out[1]);
    ::close(err[1]);
    Outcome o;
    pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    int open = 2;
    char buf[4096];
    bool asked = false;
    while (open > 0) {
        const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (elapsed > endAfterSeconds + 10) break;
        if (elapsed > endAfterSeconds && !asked) {
            ::kill(pid, SIGTERM);
            asked = true;
        }
        if (::poll(fds, 2, 100) <= 0) continue;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP))) continue;
            const ssize_t n = ::read(fds[i].fd, buf, sizeof buf);
            if (n > 0) {
                (i ? o.err : o.out).append(buf, static_cast<size_t>(n));
            } else {
                ::close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    int status = 0;
    if (open > 0) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
        o.exitCode = -1;
    } else {
        ::waitpid(pid, &status, 0);
        o.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    for (const auto& f : fds)
        if (f.fd >= 0) ::close(f.fd);
    o.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return o;
}

}  // namespace

TEST(Program, HelpAndVersionNeedNoDisplay) {
    const Outcome help = RunProgram({"--help"});
    EXPECT_EQ(help.exitCode, 0) << help.err;
    for (const char* word :
         {"window", "debug", "fullfps", "notopfreq", "setfpsN", "--language", "--help", "--version", "KESTROVA_LOG",
          "english", "swedish", "F11", "Space", "Enter", "Escape", "F1 ", "1 to 9", "trainees' files", "documents"})
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
    EXPECT_EQ(RunProgram({"-h"}).out, help.out);

    const Outcome version = RunProgram({"debug", "--version"});
    EXPECT_EQ(version.exitCode, 0) << version.err;
    EXPECT_EQ(version.out, "kestrova " KESTROVA_VERSION "\n");
    EXPECT_EQ(version.err, "");
}

TEST(Program, WithoutADisplaySaysSoAndEnds) {
    // No display at all, and one that names no running display server.
    const struct {
        std::vector<std::string> args;
        const char* display;
    } runs[] = {{{}, nullptr}, {{"window", "--language", "swedish"}, nullptr}, {{}, ":9987"}};
    for (const auto& run : runs) {
        Environment env;
        if (run.display) env.push_back({"DISPLAY", run.display});
        const Outcome o = RunProgram(run.args, env, 5);
        EXPECT_NE(o.exitCode, 0);
        EXPECT_LT(o.seconds, 5) << "still running";
        // One line saying why, and nothing else.
        EXPECT_NE(o.err.find("kestrova: cannot open the display"), std::string::npos) << o.err;
        EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1) << o.err;
        EXPECT_EQ(o.out, "");
    }
}

TEST(Program, OptionWithoutItsValueIsAUsageError) {
    const Outcome o = RunProgram({"--language"});
    EXPECT_EQ(o.exitCode, 2);
    EXPECT_NE(o.err.find("--language"), std::string::npos) << o.err;
}

TEST(Program, WithoutASoundCardSaysSoOnceAndRunsSilently) {
    // Off screen on purpose, with a sound driver that cannot be opened; asked to end after the
    // splash's intro sound was started.
    const Outcome o = RunProgram({}, {{"SDL_VIDEODRIVER", "dummy"}, {"SDL_AUDIODRIVER", "no-such-sound-driver"}}, 1.5);
    EXPECT_EQ(o.exitCode, 0) << o.err;
    EXPECT_EQ(o.err.rfind("kestrova: no sound device could be opened", 0), 0u) << o.err;
    EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1) << o.err;
}
