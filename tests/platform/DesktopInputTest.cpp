// The desktop window on a real X server: a still pass asks the server nothing, yet input that
// arrives is handed to the screen by the next pass, whenever in the pass it came; the window
// is full screen from the start and F11 toggles it.
#include <gtest/gtest.h>

#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/TempFolder.h"
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

std::string Output(const std::string& command) {
    std::string out;
    if (FILE* p = popen(command.c_str(), "r")) {
        char buf[512];
        while (fgets(buf, sizeof buf, p)) out += buf;
        pclose(p);
    }
    return out;
}

// The full-screen window is the screen's size at once and says so to window managers; F11
// makes it a desktop window of the canvas's size and back.
TEST(DesktopWindow, FullScreenFromTheStartAndF11TogglesIt) {
    if (!Have("Xvfb") || !Have("xdotool") || !Have("xprop") || !Have("xwininfo")) GTEST_SKIP() << "needs X tools";
    XServer x;
    TempFolder config;  // F11 writes the user's choice; it must not be the real user's
    struct Setting {
        std::string previous;
        bool had = false;
        explicit Setting(const std::string& folder) {
            if (const char* v = std::getenv("XDG_CONFIG_HOME")) previous = v, had = true;
            setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
        }
        ~Setting() {
            if (had)
                setenv("XDG_CONFIG_HOME", previous.c_str(), 1);
            else
                unsetenv("XDG_CONFIG_HOME");
        }
    } setting(config.Native(""));
    {
        std::wstring error;
        auto backend = platform::CreateDesktopBackend(error);
        ASSERT_TRUE(backend) << platform::Utf8FromWide(error);
        platform::DisplayOptions options;
        options.title = L"full-screen test";
        ASSERT_TRUE(backend->OpenDisplay(options));
        std::string id = Output("xdotool search --name 'full-screen test'");
        id = id.substr(0, id.find('\n'));
        ASSERT_FALSE(id.empty());
        auto check = [&](bool full) {
            platform::InputEvent e;
            for (int i = 0; i < 30; ++i) {  // the key reaches the window; it is resized
                while (backend->PollEvent(e)) {
                }
                backend->SleepMicros(10000);
            }
            EXPECT_EQ(backend->IsFullScreen(), full);
            EXPECT_EQ(
                Output("xprop -id " + id + " _NET_WM_STATE").find("_NET_WM_STATE_FULLSCREEN") != std::string::npos,
                full);
            const std::string geometry = Output("xwininfo -id " + id);
            EXPECT_NE(geometry.find(full ? "Width: 1024" : "Width: 800"), std::string::npos) << geometry;
            EXPECT_NE(geometry.find(full ? "Height: 768" : "Height: 600"), std::string::npos) << geometry;
        };
        check(true);
        for (const bool full : {false, true}) {
            SCOPED_TRACE(full ? "F11 again" : "F11");
            ASSERT_EQ(RunTool({"xdotool", "mousemove", "512", "384", "key", "F11"}), 0);
            check(full);
        }
        backend->CloseDisplay();
    }
}

}  // namespace
