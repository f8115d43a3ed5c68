// The trainer's overview from a folder of trainees with known files: plain, locked, empty
// and damaged ones; the two orders; the group's table read back by a spreadsheet reader.
#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <cwchar>
#include <memory>

#include "profiles/Profile.h"
#include "profiles/ProfileTestUtil.h"
#include "profiles/TraineeOverview.h"
#include "support/CsvReader.h"

namespace {

using profiles::TraineeRow;

class TraineeOverview : public ::testing::Test {
protected:
    void SetUp() override {
        Profile& p = *scratch;
        p.folder = dir.Folder();
        // Ada: level 2, a 4-week plan, senior layout; cans played on days 1 and 3, the
        // treasure only answered wrongly on day 1.
        p.name = L"Ada";
        p.level = L"2";
        p.trainingDays = 20;
        p.coins = 40;
        p.lastDate = L"2026-12-01";
        p.dayProgress = {3, 3, 1, 0, 0, 0, 0, 0, 0, 0};
        p.options.o3 = 1;
        for (int i = 0; i < 3; ++i) p.stats.CountItem(0, 1, 3, false);
        p.stats.CountError(0, 1, 4, false);
        p.stats.CountItem(2, 1, 5, false);
        p.stats.CountItem(2, 1, 4, true);
        p.stats.CountError(0, 2, 2, false);
        p.Save(true, true, true);
        // bert (small letter): trained later, nothing else.
        p.Reset(false, true, true);
        p.name = L"bert";
        p.level = L"1";
        p.trainingDays = 25;
        p.coins = 0;
        p.dayProgress.fill(0);
        p.lastDate = L"2026-12-05";
        p.Save(true, true, true);
        // Cleo has a password: only the name is shown.
        p.name = L"Cleo";
        p.password = L"secret";
        p.coins = 999;
        p.Save(true, true, true);
        dir.Put("Dan.pro", "");
        dir.Put("Eve.pro", Utf8File({"Eve", "", "7", "F", "1", "yesterday", "-", "x", "x"}));
        dir.Put("Eve.opt", "\xFF\xFE\x00");
        dir.Put("Eve.sta", std::string(Profile::kMaxStaBytes + 1, '9'));
    }

    ProfileFolder dir;
    std::unique_ptr<Profile> scratch = std::make_unique<Profile>();
};

std::vector<std::wstring> Names(const std::vector<TraineeRow>& rows) {
    std::vector<std::wstring> names;
    for (const auto& r : rows) names.push_back(r.name);
    return names;
}

TEST_F(TraineeOverview, RowsFromKnownLockedEmptyAndDamagedFiles) {
    std::vector<TraineeRow> rows = profiles::ReadTraineeRows(dir.Folder());
    profiles::SortTraineeRows(dir.Folder(), rows, profiles::TraineeOrder::kName);
    ASSERT_EQ(Names(rows), (std::vector<std::wstring>{L"Ada", L"bert", L"Cleo", L"Dan", L"Eve"}));
    for (auto& r : rows) profiles::ReadTraineeResults(dir.Folder(), r);

    const TraineeRow& ada = rows[0];
    EXPECT_FALSE(ada.locked);
    EXPECT_EQ(ada.level, L"2");
    EXPECT_TRUE(ada.senior);
    EXPECT_EQ(ada.PlanWeeks(), 4);
    EXPECT_EQ(ada.daysDone, 3);
    EXPECT_EQ(ada.lastDate, L"2026-12-01");
    EXPECT_EQ(ada.coins, 40);
    EXPECT_EQ(ada.exerciseDays[1], 3);
    const auto& cans = ada.exercises[1];
    EXPECT_EQ(cans.firstDay, 0);
    EXPECT_EQ(cans.firstLongest, 3);
    EXPECT_EQ(cans.latestDay, 2);
    EXPECT_EQ(cans.latestLongest, 5);
    EXPECT_FLOAT_EQ(cans.firstScore, 9.0f / 4);
    EXPECT_FLOAT_EQ(cans.latestScore, (5.0f + 12) / 2);
    const auto& treasure = ada.exercises[2];
    EXPECT_EQ(treasure.firstDay, 0);
    EXPECT_EQ(treasure.firstLongest, -1);  // answered, but nothing repeated
    EXPECT_EQ(ada.exercises[3].firstDay, -1);

    TraineeRow& cleo = rows[2];
    EXPECT_TRUE(cleo.locked);
    EXPECT_EQ(cleo.coins, 0);
    EXPECT_EQ(cleo.exercises[1].firstDay, -1);
    // Opened with the password only, exactly as typed.
    for (const wchar_t* wrong : {L"", L"Secret", L"secret "})
        EXPECT_FALSE(profiles::UnlockTraineeRow(dir.Folder(), wrong, cleo));
    EXPECT_TRUE(cleo.locked);
    EXPECT_TRUE(profiles::UnlockTraineeRow(dir.Folder(), L"secret", cleo));
    EXPECT_FALSE(cleo.locked);
    EXPECT_EQ(cleo.coins, 999);

    // Empty and damaged files: the defaults, quietly.
    for (const TraineeRow* r : {&rows[3], &rows[4]}) {
        SCOPED_TRACE(r->name);
        EXPECT_FALSE(r->locked);
        EXPECT_EQ(r->level, L"1");
        EXPECT_FALSE(r->senior);
        EXPECT_EQ(r->planDays, 25);
        EXPECT_EQ(r->daysDone, 0);
        EXPECT_EQ(r->coins, 0);
        EXPECT_EQ(r->exercises[1].firstDay, -1);
    }
    EXPECT_EQ(rows[3].lastDate, L"-");
    EXPECT_EQ(rows[4].lastDate, L"yesterday");
    EXPECT_FALSE(dir.Has("Dan.opt"));  // nothing written
}

TEST_F(TraineeOverview, LastTrainingDateOrderNewestFirstThenByName) {
    std::vector<TraineeRow> rows = profiles::ReadTraineeRows(dir.Folder());
    profiles::SortTraineeRows(dir.Folder(), rows, profiles::TraineeOrder::kLastTraining);
    EXPECT_EQ(Names(rows), (std::vector<std::wstring>{L"bert", L"Ada", L"Cleo", L"Dan", L"Eve"}));

    // Dates in the locale's own short form, as the login records them, order as dates.
    auto localeDate = [](int year, int month, int day) {
        std::tm t{};
        t.tm_year = year - 1900;
        t.tm_mon = month - 1;
        t.tm_mday = day;
        wchar_t buffer[64];
        return std::wstring(buffer, std::wcsftime(buffer, 64, L"%x", &t));
    };
    const int64_t dec5 = profiles::DateKey(localeDate(2026, 12, 5));
    EXPECT_GT(dec5, profiles::DateKey(localeDate(2026, 11, 30)));
    EXPECT_GT(profiles::DateKey(localeDate(2027, 1, 2)), dec5);
    EXPECT_EQ(profiles::DateKey(L"2026-12-05"), dec5);
    for (const wchar_t* junk : {L"-", L"", L"yesterday", L"2026-13-01", L"1/2/3/4", L"123456789/1/1"})
        EXPECT_EQ(profiles::DateKey(junk), -1) << junk;
}

TEST_F(TraineeOverview, GroupTableReadsBackInASpreadsheetReader) {
    // A trainee name that would start a formula and holds the separator, with quotes where
    // the file system takes them in a file name (Windows does not).
    scratch->password.clear();
    scratch->name = L"=Sum, \"Q\"";
    if (!scratch->Save(true, true, true)) {
        scratch->name = L"=Sum, Q";
        ASSERT_TRUE(scratch->Save(true, true, true));
    }
    std::vector<TraineeRow> rows = profiles::ReadTraineeRows(dir.Folder());
    profiles::SortTraineeRows(dir.Folder(), rows, profiles::TraineeOrder::kName);
    std::array<std::wstring, 10> names;
    for (int g = 0; g < 10; ++g) names[static_cast<size_t>(g)] = L"Game " + std::to_wstring(g);
    names[1] = L"Cans, tins";
    names[2] = L"The \"Treasure\"";
    const auto table = testcsv::ReadTable(profiles::TraineeGroupCsv(dir.Folder(), rows, names));
    ASSERT_TRUE(table);
    std::string out = std::to_string(table->size()) + "\n";
    for (const testcsv::Row& r : *table) {
        if (r.at("exercise") != "Cans, tins" && r.at("exercise") != "The \"Treasure\"" && r.at("locked").empty())
            continue;
        for (const char* column : {"trainee", "level", "exercise", "exercise_days_done", "first_day", "first_longest",
                                   "latest_day", "latest_longest"})
            out += r.at(column) + "|";
        out += r.at("latest_score") + "\n";
    }
    // Five open trainees with nine exercises each, and the locked one in one row.
    const std::string odd = "'" + platform::Utf8FromWide(scratch->name);
    EXPECT_EQ(out, "46\n" + odd + "|1|Cans, tins|0|||||\n" + odd +
                       "|1|The \"Treasure\"|0|||||\n"
                       "Ada|2|Cans, tins|3|1|3|3|5|8.50\n"
                       "Ada|2|The \"Treasure\"|1|1||1||0.00\n"
                       "bert|1|Cans, tins|0|||||\n"
                       "bert|1|The \"Treasure\"|0|||||\n"
                       "Cleo||||||||\n"
                       "Dan|1|Cans, tins|0|||||\n"
                       "Dan|1|The \"Treasure\"|0|||||\n"
                       "Eve|1|Cans, tins|0|||||\n"
                       "Eve|1|The \"Treasure\"|0|||||\n");
}

}  // namespace
