// The desktop window on a real X server: a still pass asks the server nothing, yet input that
// arrives is handed to the screen by the next pass, whenever in the pass it came.
#include <gtest/gtest.h>

#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/Utf.h"
#include "platform/desktop/DesktopBackend.h"

extern char** environ;

namespace {

bool Have(const std::string& program) {
    return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

pid_t Spawn(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, "/dev/null", 0, 0);
    posix_spawn_file_actions_addopen(&files, 2, "/dev/null", 0, 0);
    if (posix_spawnp(&pid, argv[0], &files, nullptr, argv.data(), environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&files);
    return pid;
}

int RunTool(std::vector<std::string> args) {
    const pid_t pid = Spawn(std::move(args));
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// An X server of the test's own, for the length of one test.
struct XServer {
    pid_t pid = -1;
    std::string display = ":" + std::to_string(60 + getpid() % 30);
    XServer() {
        if (!Have("Xvfb")) return;
        pid = Spawn({"Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        const std::string socket = "/tmp/.X11-unix/X" + display.substr(1);
        for (int i = 0; i < 250 && access(socket.c_str(), F_OK) != 0; ++i) usleep(20000);
        setenv("DISPLAY", display.c_str(), 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }
    ~XServer() {
        if (pid <= 0) return;
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
};

TEST(DesktopInput, ArrivesWithinOnePassWhenTheScreenStandsStill) {
    if (!Have("Xvfb") || !Have("xdotool")) GTEST_SKIP() << "needs Xvfb and xdotool";
    XServer x;
    std::wstring error;
    auto backend = platform::CreateDesktopBackend(error);
    ASSERT_TRUE(backend) << platform::Utf8FromWide(error);
    platform::DisplayOptions options;
    options.windowed = true;
    options.title = L"input test";
    ASSERT_TRUE(backend->OpenDisplay(options));
    std::vector<uint32_t> frame(static_cast<size_t>(platform::kCanvasWidth) * platform::kCanvasHeight, 0xFF336699u);
    backend->Present(frame.data(), platform::kCanvasWidth * 4);

    platform::InputEvent e;
    auto stillPasses = [&](int n) {
        int events = 0;
        for (int i = 0; i < n; ++i) {
            while (backend->PollEvent(e)) ++events;
            backend->SleepMicros(10000);
        }
        return events;
    };
    stillPasses(30);  // the window's own first events (shown, focus) are over
    EXPECT_EQ(stillPasses(30), 0);

    // Input that came during the frame's sleep: the next pass has it. Input that came after
    // the sleep and before the pass looked: the pass after has it.
    for (const bool duringSleep : {true, false}) {
        SCOPED_TRACE(duringSleep ? "during the sleep" : "between sleep and pass");
        for (int move = 0; move < 3; ++move) {
            stillPasses(3);
            const std::string at = std::to_string(400 + move * 17 + (duringSleep ? 0 : 5));
            if (duringSleep) {
                ASSERT_EQ(RunTool({"xdotool", "mousemove", at, "380"}), 0);
                backend->SleepMicros(10000);
            } else {
                backend->SleepMicros(10000);
                ASSERT_EQ(RunTool({"xdotool", "mousemove", at, "380"}), 0);
            }
            bool moved = backend->PollEvent(e) && e.type == platform::EventType::MouseMove;
            if (!duringSleep && !moved) {
                backend->SleepMicros(10000);
                moved = backend->PollEvent(e) && e.type == platform::EventType::MouseMove;
            }
            EXPECT_TRUE(moved) << "move " << move;
            while (backend->PollEvent(e)) {
            }
        }
    }
    backend->CloseDisplay();
}

}  // namespace
