#pragma once
// The number test's results, kept beside the trainee's other files in name + ".ntr": each
// finished test adds its date, the level it gave and its score. Three lines per test, in
// the order they were taken; the date is written year-month-day, so it reads the same in
// every language and sorts as text.
#include <cstdint>
#include <string>
#include <vector>

namespace profiles {

class LineSource;
class LineSink;

struct NumberTestResult {
    std::wstring date;  // "2026-12-08"
    int level = 1;      // 1..3
    int score = 0;      // correct trials, 0..kMaxNumberTestScore
    bool operator==(const NumberTestResult&) const = default;
};

constexpr int kMaxNumberTestScore = 16;  // eight forward and eight backward trials count
constexpr int kMaxNumberTests = 400;     // the oldest results give way beyond this many
constexpr int kNumberTestLines = 3;
constexpr long long kMaxNumberTestBytes = 32 * 1024;

// The results of the lines; a test whose date, level or score is not one the program writes
// is damage and left out.
std::vector<NumberTestResult> ReadNumberTests(LineSource& in);
void WriteNumberTests(const std::vector<NumberTestResult>& results, LineSink& out);
// The trainee's results; none when the file is missing, too large or unreadable.
std::vector<NumberTestResult> LoadNumberTests(const std::wstring& folder, const std::wstring& name);
// Adds one result to the trainee's file, replacing it only by a complete new one. A file
// that is there but cannot be read (too large, not a plain file) is left alone: false.
bool AppendNumberTest(const std::wstring& folder, const std::wstring& name, const NumberTestResult& result);

// Today's local date as "yyyy-mm-dd".
std::wstring TodayIsoDate();
// Whether text is a date as the file holds it.
bool IsIsoDate(const std::wstring& text);

}  // namespace profiles
