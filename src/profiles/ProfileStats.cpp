#include "profiles/ProfileStats.h"

#include <algorithm>
#include <cstring>

#include "profiles/ProfileFile.h"

namespace {

bool InTables(int day, int g, int s) {
    return day >= 0 && day < ProfileStats::kDays && g >= 0 && g < ProfileStats::kExercises && s >= 0 &&
           s < ProfileStats::kSpans;
}

template <typename View>
void Fill(View& view, float value) {
    std::fill(&view[0][0], &view[0][0] + sizeof(View) / sizeof(float), value);
}

// Counters stay inside 32 bits even after absurd amounts of play or a damaged file.
void AddClamped(int32_t& cell, int32_t amount) {
    const int64_t sum = static_cast<int64_t>(cell) + amount;
    cell = static_cast<int32_t>(std::clamp<int64_t>(sum, INT32_MIN, INT32_MAX));
}

// A stored points value is damage when it is negative or above 150, unless the cell's own
// items account for it: a day of play at one span easily earns more than 150 (forty items
// at span 4 give 160), and such results are kept.
int32_t RepairedPoints(int32_t p, int32_t forward, int32_t backward, int s) {
    if (p < 0) return 0;
    if (p <= ProfileStats::kMaxPoints) return p;
    const int64_t earned =
        static_cast<int64_t>(std::max(forward, 0)) * s + static_cast<int64_t>(std::max(backward, 0)) * (s + 8);
    return p <= earned ? p : 0;
}

}  // namespace

void ProfileStats::CountItem(int day, int g, int s, bool backward) {
    if (!InTables(day, g, s)) return;
    AddClamped((backward ? itemsBackward : itemsForward)[day][g][s], 1);
    AddClamped(points[day][g][s], s + (backward ? 8 : 0));
}

void ProfileStats::CountError(int day, int g, int s, bool backward) {
    if (!InTables(day, g, s)) return;
    AddClamped((backward ? errorsBackward : errorsForward)[day][g][s], 1);
}

void ProfileStats::ClearStats() {
    std::memset(itemsForward, 0, sizeof itemsForward);
    std::memset(itemsBackward, 0, sizeof itemsBackward);
    std::memset(errorsForward, 0, sizeof errorsForward);
    std::memset(errorsBackward, 0, sizeof errorsBackward);
    std::memset(points, 0, sizeof points);
    Fill(dayItems, 0.0f);
    Fill(dayErrors, 0.0f);
    Fill(dayScore, -1.0f);
    Fill(dayBestForward, -1.0f);
    Fill(dayBestBackward, -1.0f);
    ClearViews();
}

void ProfileStats::ClearViews() {
    Fill(weekPoints, 0.0f);
    Fill(weekAttempts, 0.0f);
    Fill(weekScore, -1.0f);
    Fill(weekBestForward, -1.0f);
    Fill(weekBestBackward, -1.0f);
}

void ProfileStats::ComputeViews() {
    ClearViews();
    Fill(dayBestForward, -1.0f);
    Fill(dayBestBackward, -1.0f);
    for (int d = 0; d < kDays; ++d) {
        const int w = std::min(d / 5, kWeeks - 1);
        for (int g = 0; g < kExercises; ++g) {
            // Sums in 64 bits: a damaged file may hold counters near the 32-bit limits.
            int64_t f = 0, b = 0, ef = 0, eb = 0, p = 0;
            int bestForward = -1, bestBackward = -1;
            for (int s = 0; s < kSpans; ++s) {
                f += itemsForward[d][g][s];
                b += itemsBackward[d][g][s];
                ef += errorsForward[d][g][s];
                eb += errorsBackward[d][g][s];
                p += points[d][g][s];
                if (itemsForward[d][g][s] > 0) bestForward = s;
                if (itemsBackward[d][g][s] > 0) bestBackward = s;
            }
            const int64_t all = f + b + ef + eb;
            dayItems[d][g] = static_cast<float>(f + b);
            dayErrors[d][g] = static_cast<float>(ef + eb);
            dayScore[d][g] = all > 0 ? static_cast<float>(p) / static_cast<float>(all) : -1.0f;
            if (bestForward >= 0) {
                dayBestForward[d][g] = static_cast<float>(bestForward);
                weekBestForward[w][g] = std::max(weekBestForward[w][g], static_cast<float>(bestForward));
            }
            if (bestBackward >= 0) {
                dayBestBackward[d][g] = static_cast<float>(bestBackward);
                weekBestBackward[w][g] = std::max(weekBestBackward[w][g], static_cast<float>(bestBackward));
            }
            weekPoints[w][g] += static_cast<float>(p);
            weekAttempts[w][g] += static_cast<float>(all);
        }
        if (d % 5 == 4) {
            for (int g = 0; g < kExercises; ++g)
                weekScore[w][g] = weekAttempts[w][g] > 0 ? weekPoints[w][g] / weekAttempts[w][g] : -1.0f;
        }
    }
}

void ProfileStats::ReadTables(profiles::LineSource& in) {
    // The tables in their stored order (span fastest), one cell after another.
    constexpr int kCells = kDays * kExercises * kSpans;
    int32_t* const tables[5] = {&itemsForward[0][0][0], &itemsBackward[0][0][0], &errorsForward[0][0][0],
                                &errorsBackward[0][0][0], &points[0][0][0]};
    for (int cell = 0; cell < kCells; ++cell) {
        if (in.AtEnd()) {  // a short file: every later value reads as 0
            for (int32_t* table : tables) std::fill(table + cell, table + kCells, 0);
            return;
        }
        // Counts are never negative.
        for (int t = 0; t < 4; ++t) tables[t][cell] = std::max(in.Int(), 0);
        tables[4][cell] = RepairedPoints(in.Int(), tables[0][cell], tables[1][cell], cell % kSpans);
    }
}

void ProfileStats::WriteTables(profiles::LineSink& out) const {
    for (int d = 0; d < kDays; ++d) {
        for (int g = 0; g < kExercises; ++g) {
            for (int s = 0; s < kSpans; ++s) {
                out.Int(itemsForward[d][g][s]);
                out.Int(itemsBackward[d][g][s]);
                out.Int(errorsForward[d][g][s]);
                out.Int(errorsBackward[d][g][s]);
                out.Int(points[d][g][s]);
            }
        }
    }
}
