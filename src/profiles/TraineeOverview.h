#pragma once
// The trainer's overview of every trainee in the profile folder, on plain values: one row
// per trainee with where the trainee stands in the plan and, per exercise, the longest
// sequence repeated on the first and on the latest training day. It only reads: no file is
// written and no folder made. A trainee with a password shows the name alone.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

class ProfileStats;

namespace profiles {

// One exercise's results over the plan: its first and latest training day with any answer
// (0-based, -1 when it was never played) and the longest sequence repeated correctly on each
// (forward or backward, -1 when none), with the longest of the whole plan.
struct ExerciseSummary {
    int firstDay = -1;
    int latestDay = -1;
    int firstLongest = -1;
    int latestLongest = -1;
    int bestLongest = -1;
    float firstScore = -1;  // average score of the first and the latest day, the best day's
    float latestScore = -1;
    float bestScore = -1;
};
using ExerciseSummaries = std::array<ExerciseSummary, 10>;  // by exercise g; 1..9 are used

// From the statistics' daily views (ComputeViews must have run).
ExerciseSummaries SummarizeExercises(const ProfileStats& stats);

struct TraineeRow {
    std::wstring name;
    bool filesRead = false;  // the fields below are read (ReadTraineeFiles)
    bool locked = false;     // the trainee has a password: nothing more is read
    std::wstring level = L"1";
    bool senior = false;  // the senior layout
    int planDays = 25;    // 15, 20 or 25 training days
    int daysDone = 0;     // training days on which anything was completed
    std::wstring lastDate = L"-";
    int32_t coins = 0;
    std::array<int, 10> exerciseDays{};  // training days on which exercise g was completed
    bool resultsRead = false;            // exercises below are filled (ReadTraineeResults)
    ExerciseSummaries exercises;

    int PlanWeeks() const { return planDays / 5; }
};

// A row per trainee of the folder (its "*.pro" files), in name order, with the name alone: a
// large folder lists quickly, and each row's files are read when it is shown or needed.
std::vector<TraineeRow> ReadTraineeRows(const std::wstring& folder);
// The ".pro" and ".opt" of each row not read yet. Damaged, empty and oversized files give the
// defaults.
void ReadTraineeFiles(const std::wstring& folder, std::span<TraineeRow> rows);
// Reads a locked trainee's row in full when password is the trainee's password; the row stays
// locked (false) otherwise. Nothing is kept of the password.
bool UnlockTraineeRow(const std::wstring& folder, const std::wstring& password, TraineeRow& row);
// Fills the row's exercise results from the trainee's ".sta" (nothing for a locked trainee),
// reading its other files first when they are not read yet.
void ReadTraineeResults(const std::wstring& folder, TraineeRow& row);

enum class TraineeOrder { kName, kLastTraining };
// By name (letter case aside), or by last training date, the newest first (dates that do
// not read as a date last), then by name; the date order reads every row's files first.
void SortTraineeRows(const std::wstring& folder, std::vector<TraineeRow>& rows, TraineeOrder order);

// A date as the program writes it ("yyyy-mm-dd", or the locale's short date form as the
// login records it) as a number that grows with the date; -1 when it is not a date.
int64_t DateKey(const std::wstring& text);

// The whole group for spreadsheets (UTF-8 with a byte-order mark, CR LF, a header row): one
// row per trainee and exercise 1..9 with its days done and its first and latest values,
// text cells as the statistics table writes them (CsvText).
// Reads the files and results of rows that have none yet. exerciseNames: by exercise g.
std::string TraineeGroupCsv(const std::wstring& folder, std::vector<TraineeRow>& rows,
                            const std::array<std::wstring, 10>& exerciseNames);

}  // namespace profiles
