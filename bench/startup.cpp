// Start-up of the real program: spawns the built kestrova full screen under Xvfb (dummy
// audio) a number of times and tells, per run and as a median, how long after the spawn
// its window was created and mapped and the splash was on the screen. "On the screen" is
// decided from outside, as a viewer sees it: an X client of the bench's own watches the
// root window for the program's window and reads a few screen pixels until they show the
// splash's background (known from the same splash drawn headless). The program is not
// told it is measured.
//
// Usage: bench_startup [runs (default 5)] [words for the program, e.g. window]
// Environment: KESTROVA_BENCH_DISPLAY (default :83; an Xvfb is started on it if none runs);
// KESTROVA_BENCH_PROGRAM: another build of the program to start (default: the one beside).
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "BenchTools.h"
#include "app/Harness.h"
#include "graphics/Graphics.h"
#include "platform/Utf.h"

// After the program's headers: Xlib's type names would clash with the drawing API's.
#define Font XFontId
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#undef Font

extern char** environ;

namespace {

namespace fs = std::filesystem;
using benchtools::Spawn;
using benchtools::Stop;

double NowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// The asset tree linked into a fresh folder with the program beside it; the profiles and
// the user's settings live in that folder too, so the run starts as a first start does.
struct Root {
    fs::path dir;
    explicit Root(const fs::path& program) : dir(benchtools::MakeAssetRoot("kestrova-startup")) {
        if (dir.empty()) return;
        fs::create_directories(dir / "config");
        fs::copy_file(program, dir / "kestrova");
    }
    ~Root() {
        std::error_code ec;
        if (!dir.empty()) fs::remove_all(dir, ec);
    }
};

struct Probe {
    int cx = 0, cy = 0;  // canvas point
    uint32_t rgb = 0;    // the splash's colour there
};

// Points of the splash's background whose neighbourhood is one colour, so the scaled
// picture shows that colour there whatever the filtering.
std::vector<Probe> SplashProbes(const fs::path& root) {
    std::vector<Probe> probes;
    HeadlessHarness h(L"kestrova window", platform::WideFromUtf8(root.string()));
    const Bitmap& canvas = h.Frame().BackBuffer();
    const uint32_t* px = canvas.Pixels();
    auto at = [&](int x, int y) { return px[static_cast<size_t>(y) * canvas.Width() + x] & 0xFFFFFF; };
    auto near = [](uint32_t a, uint32_t b, int tolerance) {
        for (int shift = 0; shift < 24; shift += 8)
            if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > tolerance)
                return false;
        return true;
    };
    const int wanted[][2] = {{400, 320}, {120, 300}, {680, 300}, {200, 480}, {600, 480}, {400, 260}};
    for (const auto& w : wanted) {
        for (int r = 0; r < 60; r += 3) {
            bool found = false;
            for (int dy = -r; dy <= r && !found; dy += 3)
                for (int dx = -r; dx <= r && !found; dx += 3) {
                    const int x = w[0] + dx, y = w[1] + dy;
                    if (x < 4 || y < 4 || x >= 796 || y >= 596) continue;
                    bool flat = at(x, y) != 0;  // black would not tell the splash from the backdrop
                    for (int j = -3; j <= 3 && flat; ++j)
                        for (int i = -3; i <= 3 && flat; ++i) flat = near(at(x + i, y + j), at(x, y), 3);
                    if (flat) {
                        probes.push_back({x, y, at(x, y)});
                        found = true;
                    }
                }
            if (found) break;
        }
    }
    return probes;
}

struct Times {
    double created = -1, mapped = -1, splash = -1;
};

// One start: spawn, watch for the window and the splash's pixels, stop the program.
Times MeasureOnce(Display* x, const std::vector<Probe>& probes, const Root& root, const std::vector<std::string>& words,
                  const std::string& display) {
    const Window rootWindow = DefaultRootWindow(x);
    const int sw = DisplayWidth(x, DefaultScreen(x)), sh = DisplayHeight(x, DefaultScreen(x));
    const bool windowed = std::find(words.begin(), words.end(), "window") != words.end();
    // Screen places of the probes: scaled to fit full screen, 1:1 and centred in "window".
    const double scale = windowed ? 1.0 : std::min(sw / 800.0, sh / 600.0);
    std::vector<std::pair<int, int>> places;
    for (const Probe& p : probes)
        places.emplace_back(static_cast<int>((sw - 800 * scale) / 2 + (p.cx + 0.5) * scale),
                            static_cast<int>((sh - 600 * scale) / 2 + (p.cy + 0.5) * scale));
    auto showsSplash = [&] {
        for (size_t i = 0; i < probes.size(); ++i) {
            XImage* img = XGetImage(x, rootWindow, places[i].first, places[i].second, 1, 1, AllPlanes, ZPixmap);
            if (!img) return false;
            const uint32_t got = static_cast<uint32_t>(XGetPixel(img, 0, 0)) & 0xFFFFFF;
            XDestroyImage(img);
            for (int shift = 0; shift < 24; shift += 8)
                if (std::abs(static_cast<int>((got >> shift) & 0xFF) -
                             static_cast<int>((probes[i].rgb >> shift) & 0xFF)) > 12)
                    return false;
        }
        return true;
    };
    // The last run's window may still be on the screen for a moment.
    for (int i = 0; i < 200 && showsSplash(); ++i) usleep(5000);
    XSelectInput(x, rootWindow, SubstructureNotifyMask);
    XSync(x, True);

    Times t;
    std::vector<std::string> argv = {(root.dir / "kestrova").string()};
    argv.insert(argv.end(), words.begin(), words.end());
    const double t0 = NowMs();
    const pid_t pid = Spawn(argv, {"DISPLAY=" + display, "SDL_AUDIODRIVER=dummy",
                                   "XDG_CONFIG_HOME=" + (root.dir / "config").string(), "HOME=" + root.dir.string()});
    if (pid < 0) return t;
    while (NowMs() - t0 < 5000) {
        while (XPending(x)) {
            XEvent e;
            XNextEvent(x, &e);
            if (e.type == CreateNotify && t.created < 0) t.created = NowMs() - t0;
            if (e.type == MapNotify && t.mapped < 0) t.mapped = NowMs() - t0;
        }
        if (showsSplash()) {
            t.splash = NowMs() - t0;
            break;
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid) return t;
        usleep(200);
    }
    XSelectInput(x, rootWindow, NoEventMask);
    Stop(pid);
    return t;
}

double Median(std::vector<double> v) {
    v.erase(std::remove_if(v.begin(), v.end(), [](double d) { return d < 0; }), v.end());
    if (v.empty()) return -1;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::vector<std::string> words;
    for (int i = 2; i < argc; ++i) words.push_back(argv[i]);
    const char* other = std::getenv("KESTROVA_BENCH_PROGRAM");
    const fs::path program =
        other && *other ? fs::path(other) : fs::read_symlink("/proc/self/exe").parent_path() / "kestrova";
    if (!fs::exists(program)) {
        std::fprintf(stderr, "bench_startup: %s not built\n", program.c_str());
        return 1;
    }
    const char* d = std::getenv("KESTROVA_BENCH_DISPLAY");
    const std::string display = d && *d ? d : ":83";
    pid_t xvfb = -1;
    if (!fs::exists("/tmp/.X11-unix/X" + display.substr(1))) {
        xvfb = Spawn({"Xvfb", display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-br"}, {});
        for (int i = 0; i < 100 && !fs::exists("/tmp/.X11-unix/X" + display.substr(1)); ++i) usleep(20000);
        usleep(100000);
    }
    Display* x = XOpenDisplay(display.c_str());
    if (!x) {
        std::fprintf(stderr, "bench_startup: cannot open the display %s (is Xvfb installed?)\n", display.c_str());
        Stop(xvfb);
        return 1;
    }

    Root root(program);
    const std::vector<Probe> probes = root.dir.empty() ? std::vector<Probe>{} : SplashProbes(root.dir);
    if (probes.size() < 3) {
        std::fprintf(stderr, "bench_startup: the splash did not come up headless\n");
        XCloseDisplay(x);
        Stop(xvfb);
        return 1;
    }

    std::string mode = "full screen";
    for (const auto& w : words) mode += " " + w;
    std::printf("spawn -> splash on the screen, display %s %dx%d, %s, dummy audio, %zu probe pixels\n", display.c_str(),
                DisplayWidth(x, DefaultScreen(x)), DisplayHeight(x, DefaultScreen(x)), mode.c_str(), probes.size());
    std::vector<double> created, mapped, splash;
    for (int i = 0; i < runs; ++i) {
        const Times t = MeasureOnce(x, probes, root, words, display);
        std::printf("run %d: window created %6.1f ms, mapped %6.1f ms, splash shown %6.1f ms%s\n", i + 1, t.created,
                    t.mapped, t.splash, t.splash < 0 ? "  (not seen within 5 s)" : "");
        std::fflush(stdout);
        created.push_back(t.created);
        mapped.push_back(t.mapped);
        splash.push_back(t.splash);
    }
    std::printf("median: window created %.1f ms, mapped %.1f ms, splash shown %.1f ms\n", Median(created),
                Median(mapped), Median(splash));
    XCloseDisplay(x);
    Stop(xvfb);
    return 0;
}
