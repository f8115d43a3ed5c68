// Frame cost of the Cans exercise on the real frame (headless backend, shipped assets): a
// scripted session of trials (waiting with the blinking start button, the presentation,
// the trainee's turn with the pointer over the cans, praise, the coin bag at the end) is
// run pass by pass, and each pass (input, Update, Draw with its rasterizing) is timed on
// the wall clock. Prints the median and 95th percentile milliseconds per pass, overall and
// per phase, and the same for passes that rasterized a changed frame.
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

#include "app/Harness.h"
#include "exercises/Cans.h"
#include "graphics/Graphics.h"
#include "platform/Utf.h"
#include "profiles/Profile.h"

namespace {

double WallMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double Percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<size_t>(p * static_cast<double>(v.size() - 1) + 0.5))];
}

struct Samples {
    std::vector<double> all;
    std::vector<double> drawn;
};

const char* PhaseName(int phase) {
    static const char* const names[] = {"WaitStart", "Starting", "Presenting", "Answering", "Correct",
                                        "Praise",    "Payout",   "Wrong",      "NextRound", "Leaving"};
    return phase >= 0 && phase <= 9 ? names[phase] : "?";
}

}  // namespace

int main() {
    HeadlessHarness harness(L"kestrova window", platform::WideFromUtf8(KESTROVA_SOURCE_DIR "/assets"));
    Profile& p = harness.Frame().ActiveProfile();
    p.folder = platform::WideFromUtf8("/tmp/kestrova-bench-cans/");
    p.name = L"Bench";
    p.roundsPerDay = 8;
    p.span[kCans] = 6;  // span 5: two shelves
    p.options.o8 = 1;
    p.options.o6 = 1;
    if (!harness.Frame().SwitchTo(kCans)) return 1;

    std::map<int, Samples> perPhase;
    Samples total;
    auto timedPass = [&]() {
        auto* c = static_cast<CCans*>(harness.Screen());
        const int phase = c ? c->Phase() : -1;
        const int presentsBefore = harness.Os().PresentCount();
        const double t0 = WallMs();
        const bool running = harness.Pass();
        const double ms = WallMs() - t0;
        const bool drew = harness.Os().PresentCount() != presentsBefore;
        perPhase[phase].all.push_back(ms);
        total.all.push_back(ms);
        if (drew) {
            perPhase[phase].drawn.push_back(ms);
            total.drawn.push_back(ms);
        }
        return running;
    };
    auto cans = [&]() { return static_cast<CCans*>(harness.Screen()); };
    auto runUntil = [&](int phase) {
        for (int i = 0; i < 20000 && harness.ScreenId() == kCans && cans()->Phase() != phase; ++i) timedPass();
    };
    auto runFor = [&](uint32_t ms) {
        const uint32_t start = harness.Os().TimeGetTime();
        while (harness.Os().TimeGetTime() - start < ms && harness.ScreenId() == kCans) timedPass();
    };
    auto click = [&](const CSprite& s, int dx, int dy) {
        harness.Os().QueueClick(static_cast<int>(s.x) + dx, static_cast<int>(s.y) + dy);
        for (int i = 0; i < 4; ++i) timedPass();
    };

    for (int round = 1; round <= 8 && harness.ScreenId() == kCans; ++round) {
        runUntil(WaitStart);
        runFor(1500);  // the start button blinks
        click(cans()->StartButton(), 20, 20);
        runUntil(Answering);
        // The pointer travels over the cans before each pick.
        for (int item : std::vector<int>(cans()->Sequence())) {
            for (int k = 0; k < CCans::kCanCount; ++k) {
                const CSprite& c = cans()->Can(k);
                if (!c.visible) continue;
                harness.Os().SetCursorPos(static_cast<int>(c.CentreX()), static_cast<int>(c.CentreY()));
                runFor(60);
            }
            runFor(410);
            click(cans()->Can(item), 60, 67);
        }
    }
    while (harness.ScreenId() == kCans && harness.Os().TimeGetTime() < 3600000) timedPass();

    std::printf("Cans, %zu passes (%zu drawn):\n", total.all.size(), total.drawn.size());
    std::printf("  all passes:    median %.3f ms, p95 %.3f ms\n", Percentile(total.all, 0.5),
                Percentile(total.all, 0.95));
    std::printf("  drawn frames:  median %.3f ms, p95 %.3f ms\n", Percentile(total.drawn, 0.5),
                Percentile(total.drawn, 0.95));
    for (const auto& [phase, s] : perPhase) {
        std::printf("  %-10s %6zu passes: median %.3f p95 %.3f ms | %5zu drawn: median %.3f p95 %.3f ms\n",
                    PhaseName(phase), s.all.size(), Percentile(s.all, 0.5), Percentile(s.all, 0.95), s.drawn.size(),
                    Percentile(s.drawn, 0.5), Percentile(s.drawn, 0.95));
    }
    return 0;
}
