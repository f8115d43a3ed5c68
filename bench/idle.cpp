// Idle cost of the real program: starts the built kestrova under Xvfb (full screen) and
// measures it on each still screen for a fixed time: the end of the splash, the login with
// five trainees, the menu, and Cans waiting for its start. Per screen it prints the CPU
// share of one core (from /proc/PID/stat, and the finer per-thread run time of schedstat),
// the resident memory, and the main thread's wake-ups per second (its voluntary sleeps,
// one per pass on a still screen). The screens are reached with xdotool clicks on the
// buttons' places, which a headless run of the same screens tells.
//
// Runs once with SDL's dummy audio driver and once more on a PulseAudio null sink when
// pulseaudio is installed. Usage: bench_idle [seconds per screen] [screenshot folder]
// Environment: KESTROVA_BENCH_DISPLAY (default :79; an Xvfb is started on it if none runs);
// KESTROVA_BENCH_PERF=folder records each screen with perf into that folder (the figures
// then include perf's own cost).
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "BenchTools.h"
#include "app/Harness.h"
#include "base/ScreenId.h"
#include "graphics/Sprite.h"
#include "platform/Files.h"
#include "platform/Utf.h"
#include "profiles/Profile.h"
#include "screens/Login.h"
#include "screens/Menu.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using benchtools::HaveProgram;
using benchtools::Spawn;
using benchtools::Stop;

double Now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

void SleepUntil(double t) {
    for (double left = t - Now(); left > 0; left = t - Now()) {
        timespec d{static_cast<time_t>(left), static_cast<long>((left - static_cast<time_t>(left)) * 1e9)};
        nanosleep(&d, nullptr);
    }
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

int Run(const std::vector<std::string>& argv, const std::vector<std::string>& extra = {}) {
    const pid_t pid = Spawn(argv, extra);
    if (pid < 0) return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// What /proc tells about a process at one moment.
struct Sample {
    double time = 0;
    long ticks = 0;       // utime + stime of all threads, in clock ticks
    double runNs = 0;     // run time of all threads from schedstat, in nanoseconds
    long mainSleeps = 0;  // voluntary context switches of the main thread
    long rssKiB = 0;
};

Sample Take(pid_t pid) {
    Sample s;
    s.time = Now();
    const std::string base = "/proc/" + std::to_string(pid);
    const std::string stat = ReadFile(base + "/stat");
    const size_t close = stat.rfind(')');
    if (close != std::string::npos) {
        std::istringstream in(stat.substr(close + 2));
        std::string field;
        long utime = 0, stime = 0;
        for (int i = 3; i <= 15 && in >> field; ++i) {
            if (i == 14) utime = std::atol(field.c_str());
            if (i == 15) stime = std::atol(field.c_str());
        }
        s.ticks = utime + stime;
    }
    if (DIR* d = ::opendir((base + "/task").c_str())) {
        while (dirent* e = ::readdir(d)) {
            if (e->d_name[0] == '.') continue;
            s.runNs += std::atof(ReadFile(base + "/task/" + e->d_name + "/schedstat").c_str());
        }
        ::closedir(d);
    }
    std::istringstream status(ReadFile(base + "/task/" + std::to_string(pid) + "/status"));
    for (std::string line; std::getline(status, line);)
        if (line.rfind("voluntary_ctxt_switches:", 0) == 0) s.mainSleeps = std::atol(line.c_str() + 24);
    std::istringstream pstatus(ReadFile(base + "/status"));
    for (std::string line; std::getline(pstatus, line);)
        if (line.rfind("VmRSS:", 0) == 0) s.rssKiB = std::atol(line.c_str() + 6);
    return s;
}

struct Figures {
    double cpuStat = 0, cpuSched = 0, wakeups = 0, rssMiB = 0, otherSched = 0;
};

// Measures pid (and, for comparison, helper processes such as the X server) over seconds.
Figures Measure(pid_t pid, const std::vector<pid_t>& others, double seconds) {
    const long hz = sysconf(_SC_CLK_TCK);
    const Sample a = Take(pid);
    std::vector<Sample> oa;
    for (pid_t o : others) oa.push_back(Take(o));
    SleepUntil(a.time + seconds);
    const Sample b = Take(pid);
    Figures f;
    const double wall = b.time - a.time;
    f.cpuStat = 100.0 * (b.ticks - a.ticks) / hz / wall;
    f.cpuSched = 100.0 * (b.runNs - a.runNs) / 1e9 / wall;
    f.wakeups = (b.mainSleeps - a.mainSleeps) / wall;
    f.rssMiB = b.rssKiB / 1024.0;
    for (size_t i = 0; i < others.size(); ++i)
        f.otherSched += 100.0 * (Take(others[i]).runNs - oa[i].runNs) / 1e9 / wall;
    return f;
}

// The asset tree linked into a fresh folder with the program beside it, and a paths file
// that puts the profiles into that folder, so no real trainee is touched.
struct Root {
    fs::path dir;
    explicit Root(const fs::path& program) : dir(benchtools::MakeAssetRoot("kestrova-idle")) {
        if (!dir.empty()) fs::copy_file(program, dir / "kestrova");
    }
    ~Root() {
        std::error_code ec;
        if (!dir.empty()) fs::remove_all(dir, ec);
    }
    // Five trainees with their default files, written afresh before every run.
    void Trainees() const {
        std::error_code ec;
        fs::remove_all(dir / "profiles", ec);
        fs::create_directories(dir / "profiles");
        for (const wchar_t* name : {L"Alva", L"Bo", L"Cleo", L"Dag", L"Elin"}) {
            Profile p;
            p.folder = platform::WideFromUtf8((dir / "profiles").string()) + L"/";
            p.name = name;
            p.Save(true, true, true);
        }
    }
};

struct Places {
    int startX = 0, startY = 0;  // the login's start button (first trainee selected)
    int cansX = 0, cansY = 0;    // the menu's Cans card
};

// The canvas places of the buttons, from the same screens run headless.
bool FindPlaces(const Root& root, Places& places) {
    root.Trainees();
    HeadlessHarness h(L"kestrova window", platform::WideFromUtf8(root.dir.string()));
    if (!h.Frame().SwitchTo(kLogin)) return false;
    h.RunPasses(3);
    auto* login = dynamic_cast<CLogin*>(h.Screen());
    if (!login || login->EntryCount() != 5) return false;
    const CSprite& start = login->TextButton(0);
    places.startX = static_cast<int>(start.CentreX());
    places.startY = static_cast<int>(start.CentreY());
    h.Click(places.startX, places.startY);
    h.RunPasses(3);
    auto* menu = dynamic_cast<CMenu*>(h.Screen());
    if (!menu) return false;
    const CSprite& cans = menu->GameButton(kCans);
    places.cansX = static_cast<int>(cans.CentreX());
    places.cansY = static_cast<int>(cans.CentreY());
    return true;
}

// Screen pixels of a canvas point on the full-screen window (the canvas scaled to fit).
void ToScreen(int cx, int cy, int sw, int sh, int& x, int& y) {
    const double scale = std::min(sw / 800.0, sh / 600.0);
    x = static_cast<int>((sw - 800 * scale) / 2 + cx * scale);
    y = static_cast<int>((sh - 600 * scale) / 2 + cy * scale);
}

void Print(const char* audio, const char* screen, const Figures& f, const char* other) {
    std::printf("%-10s %-22s CPU %5.2f %% (stat %5.2f %%)  wake-ups/s %6.1f  RSS %5.1f MiB  %s %5.2f %%\n", audio,
                screen, f.cpuSched, f.cpuStat, f.wakeups, f.rssMiB, other, f.otherSched);
    std::fflush(stdout);
}

}  // namespace

// A process that does nothing but sleep 10 ms at a time: what 100 wake-ups a second cost on
// this machine by themselves, the floor under any program that keeps that pace.
int Sleeper() {
    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    for (timespec deadline = start;;) {
        deadline.tv_nsec += 10000000;
        if (deadline.tv_nsec >= 1000000000) {
            deadline.tv_nsec -= 1000000000;
            ++deadline.tv_sec;
        }
        clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr);
    }
}

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--sleeper") == 0) return Sleeper();
    const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
    const std::string shots = argc > 2 ? argv[2] : "";
    const fs::path program = fs::read_symlink("/proc/self/exe").parent_path() / "kestrova";
    if (!fs::exists(program)) {
        std::fprintf(stderr, "bench_idle: %s not built\n", program.c_str());
        return 1;
    }
    if (!HaveProgram("Xvfb") || !HaveProgram("xdotool")) {
        std::fprintf(stderr, "bench_idle: needs Xvfb and xdotool\n");
        return 1;
    }
    const char* d = std::getenv("KESTROVA_BENCH_DISPLAY");
    const std::string display = d && *d ? d : ":79";
    const int sw = 1280, sh = 1024;
    pid_t xvfb = -1;
    if (!fs::exists("/tmp/.X11-unix/X" + display.substr(1))) {
        xvfb = Spawn({"Xvfb", display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
        for (int i = 0; i < 100 && !fs::exists("/tmp/.X11-unix/X" + display.substr(1)); ++i) usleep(20000);
    }

    Root root(program);
    Places places;
    if (root.dir.empty() || !FindPlaces(root, places)) {
        std::fprintf(stderr, "bench_idle: the login or the menu did not come up headless\n");
        Stop(xvfb);
        return 1;
    }

    struct Audio {
        const char* name;
        std::vector<std::string> env;
    };
    std::vector<Audio> audios = {{"dummy", {"SDL_AUDIODRIVER=dummy"}}};
    pid_t pulse = -1;
    const fs::path pulseDir = root.dir / "pulse";
    if (HaveProgram("pulseaudio")) {
        fs::create_directories(pulseDir);
        const std::string socket = (pulseDir / "native").string();
        pulse = Spawn(
            {"pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--system=false", "--disallow-exit", "-L",
             "module-null-sink", "-L", "module-native-protocol-unix socket=" + socket + " auth-anonymous=1"},
            {"HOME=" + pulseDir.string(), "XDG_RUNTIME_DIR=" + pulseDir.string(),
             "PULSE_RUNTIME_PATH=" + pulseDir.string()});
        for (int i = 0; i < 100 && !fs::exists(socket); ++i) usleep(20000);
        if (fs::exists(socket))
            audios.push_back({"null-sink", {"SDL_AUDIODRIVER=pulseaudio", "PULSE_SERVER=unix:" + socket}});
        else
            std::printf("(pulseaudio did not start: only the dummy audio driver is measured)\n");
    } else {
        std::printf("(pulseaudio is not installed: only the dummy audio driver is measured)\n");
    }

    std::printf("%.0f s per screen, display %s %dx%d, full screen\n", seconds, display.c_str(), sw, sh);
    if (const pid_t sleeper = Spawn({fs::read_symlink("/proc/self/exe").string(), "--sleeper"}); sleeper > 0) {
        usleep(300000);
        Print("-", "floor: 100 sleeps/s", Measure(sleeper, {}, std::min(seconds, 5.0)), "-");
        Stop(sleeper);
    }
    for (const Audio& audio : audios) {
        root.Trainees();
        std::vector<std::string> env = audio.env;
        env.push_back("DISPLAY=" + display);
        const double t0 = Now();
        const pid_t pid = Spawn({(root.dir / "kestrova").string()}, env);
        if (pid < 0) continue;
        std::vector<pid_t> others;
        if (xvfb > 0) others.push_back(xvfb);
        if (pulse > 0 && std::strcmp(audio.name, "dummy") != 0) others.push_back(pulse);
        const bool withPulse = pulse > 0 && std::strcmp(audio.name, "dummy") != 0;
        const char* otherName = xvfb > 0 ? (withPulse ? "X server + pulse" : "X server") : (withPulse ? "pulse" : "-");
        auto shot = [&](const char* name) {
            if (!shots.empty())
                Run({"import", "-display", display, "-window", "root", shots + "/" + audio.name + "-" + name + ".png"});
        };
        const char* perfDir = std::getenv("KESTROVA_BENCH_PERF");
        auto measure = [&](const char* name, double secs) {
            pid_t perf = -1;
            if (perfDir && *perfDir && HaveProgram("perf"))
                perf = Spawn({"perf", "record", "-F", "5000", "-g", "-p", std::to_string(pid), "-o",
                              std::string(perfDir) + "/" + audio.name + "-" + name + ".data", "--", "sleep",
                              std::to_string(secs)});
            const Figures f = Measure(pid, others, secs);
            if (perf > 0) waitpid(perf, nullptr, 0);
            return f;
        };
        auto click = [&](int cx, int cy) {
            int x = 0, y = 0;
            ToScreen(cx, cy, sw, sh, x, y);
            Run({"xdotool", "mousemove", std::to_string(x), std::to_string(y), "click", "1"}, {"DISPLAY=" + display});
        };
        // The splash holds still for 4 s, draws once, holds another 4 s, then the login.
        SleepUntil(t0 + 4.4);
        const double splashSeconds = std::min(seconds, 3.4);
        Print(audio.name, "splash's end", measure("splash", splashSeconds), otherName);
        shot("splash");
        SleepUntil(t0 + 9.5);
        Print(audio.name, "login, five trainees", measure("login", seconds), otherName);
        shot("login");
        click(places.startX, places.startY);
        usleep(2500000);
        Print(audio.name, "menu", measure("menu", seconds), otherName);
        shot("menu");
        click(places.cansX, places.cansY);
        usleep(9000000);  // the spoken guide has its say first
        Print(audio.name, "Cans waiting", measure("cans", seconds), otherName);
        shot("cans");
        Stop(pid);
    }
    Stop(pulse);
    Stop(xvfb);
    return 0;
}
