// Main-loop cost: passes per second and CPU time per pass with a trivial screen, at the
// default frame time of 10 ms and with "fullfps". Runs the real frame on the desktop
// backend (SDL's dummy video driver unless DISPLAY is set and KESTROVA_BENCH_X11=1), so
// the clock and the sleeps are real.
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/App.h"
#include "graphics/Graphics.h"
#include "platform/Platform.h"
#include "platform/desktop/DesktopBackend.h"

namespace {

class TrivialScreen final : public CPlainScreen {
public:
    int Update() override {
        CGameBase::Update();
        return nextScreen;
    }
    int Draw() override {
        backGraphics->Clear(0xFF4069B0);
        Present();
        return 1;
    }
};

double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

void Measure(const wchar_t* commandLine, const char* label, double seconds) {
    App app(commandLine);
    app.Start();
    app.Adopt(std::make_unique<TrivialScreen>(), kMenu);
    auto& os = platform::Os();
    const double freq = static_cast<double>(os.PerfFrequency());
    const int64_t t0 = os.PerfCounter();
    const double c0 = CpuSeconds();
    long passes = 0;
    while ((os.PerfCounter() - t0) / freq < seconds) {
        app.Pass();
        ++passes;
    }
    const double wall = (os.PerfCounter() - t0) / freq;
    const double cpu = CpuSeconds() - c0;
    std::printf("%-22s passes/s %9.1f   CPU per pass %8.4f ms   CPU load %5.1f %%\n", label, passes / wall,
                cpu * 1000.0 / passes, cpu * 100.0 / wall);
    app.Shutdown();
}

}  // namespace

int main() {
    if (!(std::getenv("KESTROVA_BENCH_X11") && std::getenv("DISPLAY"))) setenv("SDL_VIDEODRIVER", "dummy", 1);
    std::wstring error;
    auto backend = platform::CreateDesktopBackend(error);
    if (!backend) {
        std::fprintf(stderr, "no display backend\n");
        return 1;
    }
    platform::InstallBackend(std::move(backend));
    std::printf("video driver: %s\n", std::getenv("SDL_VIDEODRIVER") ? std::getenv("SDL_VIDEODRIVER") : "x11");
    Measure(L"kestrova window", "F = 10 ms", 3.0);
    Measure(L"kestrova window fullfps", "fullfps", 3.0);
    platform::InstallBackend(nullptr);
    return 0;
}
