// Frame cost of each exercise on the real frame (headless backend, shipped assets): a scripted
// session of trials (waiting with the blinking start button, the presentation, the trainee's
// turn with the pointer travelling over the items, praise, the coin bag at the end) is run
// pass by pass, and each pass (input, Update, Draw with its rasterizing) is timed on the wall
// clock. Prints per exercise the median and 95th percentile milliseconds per pass, overall and
// per phase, and the same for passes that rasterized a changed frame. Exercises not built yet
// are skipped. Give exercise numbers as arguments to measure only those.
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

#include "app/Harness.h"
#include <cstdlib>
#include <string>
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

// Plays one session of the exercise and prints its figures; false when it is not built yet.
bool MeasureExercise(int screenId) {
    HeadlessHarness harness(L"kestrova window", platform::WideFromUtf8(KESTROVA_SOURCE_DIR "/assets"));
    Profile& p = harness.Frame().ActiveProfile();
    p.folder = platform::WideFromUtf8("/tmp/kestrova-bench-exercises/");
    p.name = L"Bench";
    p.roundsPerDay = 8;
    p.span[static_cast<size_t>(screenId)] = 6;  // a busy layout: more items than the first days show
    p.options.o8 = 1;
    p.options.o6 = 1;
    if (!harness.Frame().SwitchTo(screenId)) return false;
    auto ex = [&]() { return harness.Screen(); };
    if (ex()->StartButton().width <= 0) return false;  // a placeholder: no exercise yet

    std::map<int, Samples> perPhase;
    Samples total;
    auto timedPass = [&]() {
        const int phase = harness.ScreenId() == screenId ? ex()->Phase() : -1;
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
    auto on = [&]() { return harness.ScreenId() == screenId; };
    auto runUntil = [&](int phase) {
        for (int i = 0; i < 20000 && on() && ex()->Phase() != phase; ++i) timedPass();
    };
    auto runFor = [&](uint32_t ms) {
        const uint32_t start = harness.Os().TimeGetTime();
        while (harness.Os().TimeGetTime() - start < ms && on()) timedPass();
    };
    auto click = [&](int x, int y) {
        harness.Os().QueueClick(x, y);
        for (int i = 0; i < 4; ++i) timedPass();
    };
    auto centre = [](const CSprite& s, int& x, int& y) {
        x = static_cast<int>(s.hitBoxSet ? s.x + s.hitBox.x + s.hitBox.width / 2 : s.CentreX());
        y = static_cast<int>(s.hitBoxSet ? s.y + s.hitBox.y + s.hitBox.height / 2 : s.CentreY());
    };

    for (int round = 1; round <= 8 && on(); ++round) {
        runUntil(WaitStart);
        runFor(1500);  // the start button blinks
        if (!on()) break;
        const CSprite& start = ex()->StartButton();
        click(static_cast<int>(start.x) + 20, static_cast<int>(start.y) + 20);
        runUntil(Answering);
        // The pointer travels over the items before each pick; moving items are picked where
        // they are at that moment.
        for (size_t i = 0; on() && ex()->Phase() == Answering && i < ex()->Sequence().size(); ++i) {
            const std::vector<int> seq = ex()->Sequence();
            for (int item : seq) {
                const CSprite* s = ex()->AnswerItem(item);
                if (!s) continue;
                harness.Os().SetCursorPos(static_cast<int>(s->CentreX()), static_cast<int>(s->CentreY()));
                runFor(60);
            }
            runFor(410);
            if (!on() || ex()->Phase() != Answering) break;
            const CSprite* target = ex()->AnswerItem(ex()->Sequence()[ex()->StepIndex()]);
            if (!target) break;
            int x = 0, y = 0;
            centre(*target, x, y);
            click(x, y);
        }
    }
    const uint32_t limit = harness.Os().TimeGetTime() + 600000;
    while (on() && harness.Os().TimeGetTime() < limit) timedPass();

    std::printf("exercise %d, %zu passes (%zu drawn):\n", screenId, total.all.size(), total.drawn.size());
    std::printf("  all passes:    median %.3f ms, p95 %.3f ms\n", Percentile(total.all, 0.5),
                Percentile(total.all, 0.95));
    std::printf("  drawn frames:  median %.3f ms, p95 %.3f ms\n", Percentile(total.drawn, 0.5),
                Percentile(total.drawn, 0.95));
    for (const auto& [phase, s] : perPhase) {
        std::printf("  %-10s %6zu passes: median %.3f p95 %.3f ms | %5zu drawn: median %.3f p95 %.3f ms\n",
                    PhaseName(phase), s.all.size(), Percentile(s.all, 0.5), Percentile(s.all, 0.95), s.drawn.size(),
                    Percentile(s.drawn, 0.5), Percentile(s.drawn, 0.95));
    }
    return true;
}

// The busiest animated frame of the moving exercises, past their first days: the eight-wagon
// wheel turning, ten fish swimming, ten saucers flashing in turn. Times the passes that drew a
// changed frame during the whole presentation.
void MeasureBusiest(int screenId) {
    const char* scene = screenId == kParisWheel ? "wheel turning, eight wagons"
                        : screenId == kThePond  ? "ten fish swimming"
                        : screenId == kSpace    ? "ten saucers flashing"
                                                : nullptr;
    if (!scene) return;
    HeadlessHarness harness(L"kestrova window", platform::WideFromUtf8(KESTROVA_SOURCE_DIR "/assets"));
    Profile& p = harness.Frame().ActiveProfile();
    p.folder = platform::WideFromUtf8("/tmp/kestrova-bench-exercises/");
    p.name = L"Bench";
    p.level = L"2";
    p.span[static_cast<size_t>(screenId)] = 11;  // the longest sequence: every item on screen
    if (!harness.Frame().SwitchTo(screenId)) return;
    harness.RunFor(500);
    const CSprite& start = harness.Screen()->StartButton();
    harness.Click(static_cast<int>(start.x) + 20, static_cast<int>(start.y) + 20);
    for (int i = 0; i < 20000 && harness.Screen()->Phase() != Presenting; ++i) harness.Pass();
    std::vector<double> drawn;
    const uint32_t end = harness.Os().TimeGetTime() + 60000;
    while (harness.Os().TimeGetTime() < end && harness.ScreenId() == screenId &&
           harness.Screen()->Phase() == Presenting) {
        const int before = harness.Os().PresentCount();
        const double t0 = WallMs();
        harness.Pass();
        const double ms = WallMs() - t0;
        if (harness.Os().PresentCount() != before) drawn.push_back(ms);
    }
    std::printf("exercise %d busiest (%s): %zu drawn frames, median %.3f ms, p95 %.3f ms\n", screenId, scene,
                drawn.size(), Percentile(drawn, 0.5), Percentile(drawn, 0.95));
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<int> ids;
    for (int i = 1; i < argc; ++i) ids.push_back(std::atoi(argv[i]));
    if (ids.empty()) {
        for (int id = kCans; id <= kZoo; ++id) ids.push_back(id);
        ids.push_back(kNumberTest);
    }
    for (int id : ids)
        if (!MeasureExercise(id))
            std::printf("exercise %d: not built yet\n", id);
        else
            MeasureBusiest(id);
    return 0;
}
