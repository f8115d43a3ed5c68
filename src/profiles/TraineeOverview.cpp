#include "profiles/TraineeOverview.h"

#include <algorithm>
#include <charconv>
#include <ctime>
#include <cwchar>
#include <cwctype>
#include <memory>
#include <span>

#include "platform/Files.h"
#include "platform/Utf.h"
#include "profiles/Profile.h"
#include "profiles/ProfileFile.h"
#include "profiles/StatisticsTable.h"

namespace profiles {

namespace {

constexpr size_t kMaxDateLength = 40;

int Longest(const ProfileStats& stats, int d, int g) {
    return static_cast<int>(std::max(stats.dayBestForward[d][g], stats.dayBestBackward[d][g]));
}

// The order of day, month and year in the locale's short date: where each part of a known
// date lands when it is written out.
struct DateOrder {
    int day = 0, month = 1, year = 2;
};

DateOrder LocaleDateOrder() {
    std::tm known{};
    known.tm_year = 2033 - 1900;  // year 33, month 11, day 22: no part looks like another
    known.tm_mon = 10;
    known.tm_mday = 22;
    wchar_t buffer[64];
    const size_t n = std::wcsftime(buffer, 64, L"%x", &known);
    const std::wstring text(buffer, n);
    const size_t d = text.find(L"22"), m = text.find(L"11"), y = text.find(L"33");
    DateOrder order;
    if (d == std::wstring::npos || m == std::wstring::npos || y == std::wstring::npos) return order;
    order.day = static_cast<int>((d > m) + (d > y));
    order.month = static_cast<int>((m > d) + (m > y));
    order.year = static_cast<int>((y > d) + (y > m));
    return order;
}

std::wstring Lower(const std::wstring& text) {
    std::wstring out = text;
    for (wchar_t& c : out) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    return out;
}

std::string Fixed2(float value) {
    if (value < 0) return {};
    char buffer[32];
    const auto r =
        std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value), std::chars_format::fixed, 2);
    return r.ec == std::errc() ? std::string(buffer, r.ptr) : std::string();
}

std::string Count(int value) { return value < 0 ? std::string() : std::to_string(value); }

}  // namespace

ExerciseSummaries SummarizeExercises(const ProfileStats& stats) {
    ExerciseSummaries out;
    for (int g = 0; g < ProfileStats::kExercises; ++g) {
        ExerciseSummary& e = out[static_cast<size_t>(g)];
        for (int d = 0; d < ProfileStats::kDays; ++d) {
            if (stats.dayItems[d][g] <= 0 && stats.dayErrors[d][g] <= 0) continue;
            if (e.firstDay < 0) e.firstDay = d;
            e.latestDay = d;
            e.bestLongest = std::max(e.bestLongest, Longest(stats, d, g));
            e.bestScore = std::max(e.bestScore, stats.dayScore[d][g]);
        }
        if (e.firstDay < 0) continue;
        e.firstLongest = Longest(stats, e.firstDay, g);
        e.latestLongest = Longest(stats, e.latestDay, g);
        e.firstScore = stats.dayScore[e.firstDay][g];
        e.latestScore = stats.dayScore[e.latestDay][g];
    }
    return out;
}

namespace {

// Reads one trainee's ".pro" and ".opt" into a fresh row (p is a scratch record). A trainee
// with a password is read only when password is that password; otherwise the row holds the
// name and "locked" alone. False when a password was set and not given.
bool ReadRow(Profile& p, const std::wstring& folder, const std::wstring& password, TraineeRow& row) {
    TraineeRow fresh;
    fresh.name = row.name;
    fresh.filesRead = true;
    row = std::move(fresh);
    if (auto pro = ReadLines(folder, row.name + L".pro", Profile::kMaxProBytes, Profile::kProLines)) {
        // What a short file leaves in the record must be the defaults, not the last trainee's.
        p.roundsPerDay = 8;
        p.trainingDays = 25;
        p.ReadPro(*pro);
        if (!p.password.empty() && p.password != password) {
            row.locked = true;
            return false;
        }
        if (p.level == L"1" || p.level == L"2" || p.level == L"3") row.level = p.level;
        row.planDays = p.trainingDays;
        row.daysDone = std::min(p.CompletedDays(), p.trainingDays);
        if (!p.lastDate.empty()) row.lastDate = p.lastDate.substr(0, kMaxDateLength);
        row.coins = p.coins;
        for (int g = 1; g < Profile::kExercises; ++g)
            row.exerciseDays[static_cast<size_t>(g)] = std::min(p.dayProgress[g], p.trainingDays);
    } else if (!password.empty()) {
        row.locked = true;  // a password cannot be checked against a file that does not read
        return false;
    }
    p.options.ResetValues();
    if (auto opt = ReadLines(folder, row.name + L".opt", Profile::kMaxOptBytes, ProfileOptions::kLines))
        p.options.ReadValues(*opt);
    row.senior = p.options.o3 != 0;
    return true;
}

}  // namespace

std::vector<TraineeRow> ReadTraineeRows(const std::wstring& folder) {
    std::vector<TraineeRow> rows;
    if (folder.empty()) return rows;
    for (const auto& f : platform::FindFiles(folder + L"*.pro")) {
        if (f.isFolder || f.name.size() <= 4) continue;
        TraineeRow row;
        row.name = f.name.substr(0, f.name.size() - 4);
        if (IsSafeName(row.name)) rows.push_back(std::move(row));
    }
    return rows;
}

void ReadTraineeFiles(const std::wstring& folder, std::span<TraineeRow> rows) {
    if (folder.empty()) return;
    // One record to read the trainees' files into; it is never saved.
    std::unique_ptr<Profile> scratch;
    for (TraineeRow& row : rows) {
        if (row.filesRead) continue;
        if (!scratch) scratch = std::make_unique<Profile>();
        ReadRow(*scratch, folder, L"", row);
    }
}

bool UnlockTraineeRow(const std::wstring& folder, const std::wstring& password, TraineeRow& row) {
    if (!row.locked || password.empty() || folder.empty() || !IsSafeName(row.name)) return false;
    auto scratch = std::make_unique<Profile>();
    return ReadRow(*scratch, folder, password, row);
}

void ReadTraineeResults(const std::wstring& folder, TraineeRow& row) {
    if (row.resultsRead) return;
    ReadTraineeFiles(folder, std::span<TraineeRow>(&row, 1));
    row.resultsRead = true;
    if (row.locked || folder.empty() || !IsSafeName(row.name)) return;
    auto stats = std::make_unique<ProfileStats>();
    if (auto in = ReadLines(folder, row.name + L".sta", Profile::kMaxStaBytes, ProfileStats::kLines))
        stats->ReadTables(*in);
    stats->ComputeViews();
    row.exercises = SummarizeExercises(*stats);
}

int64_t DateKey(const std::wstring& text) {
    // Up to three runs of digits; anything else separates them.
    int parts[3] = {};
    int digits[3] = {};
    int count = 0;
    bool inNumber = false;
    for (wchar_t c : text) {
        if (c >= L'0' && c <= L'9') {
            if (!inNumber) {
                if (count == 3) return -1;
                ++count;
                inNumber = true;
            }
            int& part = parts[count - 1];
            if (++digits[count - 1] > 4) return -1;
            part = part * 10 + (c - L'0');
        } else {
            inNumber = false;
        }
    }
    if (count != 3) return -1;
    int year = 0, month = 0, day = 0;
    if (digits[0] == 4) {  // year first, as the results file and some locales write it
        year = parts[0];
        month = parts[1];
        day = parts[2];
    } else {
        const DateOrder order = LocaleDateOrder();
        year = parts[order.year];
        month = parts[order.month];
        day = parts[order.day];
        if (digits[order.year] <= 2) year += 2000;
    }
    if (month < 1 || month > 12 || day < 1 || day > 31) return -1;
    return (static_cast<int64_t>(year) * 12 + (month - 1)) * 31 + (day - 1);
}

void SortTraineeRows(const std::wstring& folder, std::vector<TraineeRow>& rows, TraineeOrder order) {
    if (order == TraineeOrder::kLastTraining) ReadTraineeFiles(folder, rows);
    struct Keyed {
        std::wstring name;
        int64_t date;
        size_t index;
    };
    std::vector<Keyed> keys;
    keys.reserve(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        keys.push_back({Lower(rows[i].name), order == TraineeOrder::kLastTraining ? DateKey(rows[i].lastDate) : 0, i});
    std::stable_sort(keys.begin(), keys.end(), [](const Keyed& a, const Keyed& b) {
        if (a.date != b.date) return a.date > b.date;
        return a.name < b.name;
    });
    std::vector<TraineeRow> sorted;
    sorted.reserve(rows.size());
    for (const Keyed& k : keys) sorted.push_back(std::move(rows[k.index]));
    rows = std::move(sorted);
}

std::string TraineeGroupCsv(const std::wstring& folder, std::vector<TraineeRow>& rows,
                            const std::array<std::wstring, 10>& exerciseNames) {
    std::string out = "\xEF\xBB\xBF";
    out +=
        "trainee,locked,level,plan_days,days_done,last_date,exercise,exercise_days_done,first_day,first_longest,"
        "first_score,latest_day,latest_longest,latest_score\r\n";
    ReadTraineeFiles(folder, rows);
    for (TraineeRow& row : rows) {
        const std::string name = CsvText(platform::Utf8FromWide(row.name));
        ReadTraineeResults(folder, row);
        if (row.locked) {
            out += name + ",yes,,,,,,,,,,,,\r\n";
            continue;
        }
        const std::string trainee =
            name + ",," + CsvText(platform::Utf8FromWide(row.level)) + "," + std::to_string(row.planDays) + "," +
            std::to_string(row.daysDone) + "," +
            (row.lastDate == L"-" ? std::string() : CsvText(platform::Utf8FromWide(row.lastDate)));
        for (size_t g = 1; g < row.exercises.size(); ++g) {
            const ExerciseSummary& e = row.exercises[g];
            out += trainee + "," + CsvText(platform::Utf8FromWide(exerciseNames[g])) + "," +
                   std::to_string(row.exerciseDays[g]) + "," + Count(e.firstDay < 0 ? -1 : e.firstDay + 1) + "," +
                   Count(e.firstLongest) + "," + Fixed2(e.firstScore) + "," +
                   Count(e.latestDay < 0 ? -1 : e.latestDay + 1) + "," + Count(e.latestLongest) + "," +
                   Fixed2(e.latestScore) + "\r\n";
        }
    }
    return out;
}

}  // namespace profiles
