// Screen switch menu -> Cans on the real frame (headless backend, real files): wall time of
// the switch (the menu's end, Cans built and set up) the first time in a run and again
// afterwards, with the pictures decoded and the folders read on the way. The menu stands
// still for a while before each switch, as a trainee looks at it before choosing (while it
// stands, the pictures of its exercises are decoded ahead).
// Usage: bench_switch [milliseconds the menu stands, default 500]
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "BenchTools.h"
#include "app/Harness.h"
#include "base/ScreenId.h"
#include "platform/FolderListing.h"
#include "platform/Utf.h"
#include "platform/gfx/ImageCache.h"
#include "profiles/Profile.h"

namespace fs = std::filesystem;

namespace {

double WallMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    const int pauseMs = argc > 1 ? std::max(0, std::atoi(argv[1])) : 500;
    // The asset tree linked into a fresh folder whose paths file puts a trainee there.
    const fs::path dir = benchtools::MakeAssetRoot("kestrova-switch");
    if (dir.empty()) return 1;
    {
        HeadlessHarness h(L"kestrova window", platform::WideFromUtf8(dir.string()));
        Profile& p = h.Frame().ActiveProfile();
        p.folder = platform::WideFromUtf8((dir / "profiles").string()) + L"/";
        p.name = L"Alva";
        p.Save(true, true, true);
        p.AdvanceDay();  // as the login does: today's exercises can be chosen on the menu
        std::vector<double> later;
        double first = 0;
        int firstDecodes = 0, firstReads = 0, firstWarmed = 0;
        for (int i = 0; i < 11; ++i) {
            h.Frame().SwitchTo(kMenu);
            h.RunPasses(2);
            usleep(static_cast<useconds_t>(pauseMs) * 1000);
            const auto before = platform::gfx::ImageCacheStats();
            const int reads = platform::FolderReads();
            const double t0 = WallMs();
            h.Frame().SwitchTo(kCans);
            const double ms = WallMs() - t0;
            if (i == 0) {
                first = ms;
                firstDecodes = platform::gfx::ImageCacheStats().decodes - before.decodes;
                firstWarmed = before.warmed;
                firstReads = platform::FolderReads() - reads;
            } else {
                later.push_back(ms);
            }
            h.RunPasses(2);
        }
        std::sort(later.begin(), later.end());
        std::printf(
            "menu -> Cans after the menu stood %d ms: first %.1f ms (%d pictures decoded, %d folders read; %d "
            "decoded ahead while the menu stood), later median %.1f ms\n",
            pauseMs, first, firstDecodes, firstReads, firstWarmed, later[later.size() / 2]);
    }
    std::error_code ec;
    fs::remove_all(dir, ec);
    return 0;
}
