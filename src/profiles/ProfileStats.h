#pragma once
// The trainee's statistics: counters per training day, exercise and span, and the daily
// and weekly figures the statistics screen plots.
#include <cstdint>
#include <string>

namespace profiles {
class LineSource;
class LineSink;
}  // namespace profiles

class ProfileStats final {
public:
    static constexpr int kDays = 25;            // training days 0..24
    static constexpr int kExercises = 10;       // exercise (ScreenId) 0..9
    static constexpr int kSpans = 10;           // span 0..9
    static constexpr int kWeeks = 5;            // week w holds days 5w .. 5w + 4
    static constexpr int32_t kMaxPoints = 150;  // points a cell may always hold

    using Table = int32_t[kDays][kExercises][kSpans];
    using DayView = float[kDays][kExercises];
    using WeekView = float[kWeeks][kExercises];

    ProfileStats() { ClearStats(); }

    // A correctly repeated item: one more item in the direction's table and its span (plus 8
    // when backward) in points. Calls outside day 0..24, exercise 0..9, span 0..9 do nothing.
    void CountItem(int day, int g, int s, bool backward);
    // A wrong answer, with the same bounds.
    void CountError(int day, int g, int s, bool backward);
    // Every table to 0 and every view to its empty value.
    void ClearStats();
    // Recomputes the daily and weekly views from the tables.
    void ComputeViews();

    // ".sta": for day, exercise, span (span fastest) five lines each: itemsForward,
    // itemsBackward, errorsForward, errorsBackward, points.
    // A stored points value below 0, or above 150 and more than the cell's items could have
    // earned, is damage and reads as 0.
    static constexpr int kLines = kDays * kExercises * kSpans * 5;
    void ReadTables(profiles::LineSource& in);
    void WriteTables(profiles::LineSink& out) const;

    // Stored tables.
    Table itemsForward;
    Table itemsBackward;
    Table errorsForward;
    Table errorsBackward;
    Table points;

    // Daily views.
    DayView dayItems;
    DayView dayErrors;
    DayView dayScore;         // points per attempt; -1 when nothing was attempted
    DayView dayBestForward;   // largest span with a forward item; -1 when none
    DayView dayBestBackward;  // the same backward

    // Weekly views.
    WeekView weekPoints;
    WeekView weekAttempts;
    WeekView weekScore;  // set once the week's fifth day is processed; -1 without attempts
    WeekView weekBestForward;
    WeekView weekBestBackward;

private:
    void ClearViews();
};
