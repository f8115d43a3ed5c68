// The statistics screen on the headless frame: the week it opens on, the week buttons of the
// plan, where the chart points land, the detail view, leaving, switch scanning, saving the
// picture with its table, and printing. With KESTROVA_SHOT_DIR set the overview (days and
// weeks, both stat types) and a detail view are kept there as PNG files.
#include "support/TestPaths.h"
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/Harness.h"
#include "graphics/Graphics.h"
#include "profiles/Profile.h"
#include "profiles/ProfileTestUtil.h"
#include "profiles/StatisticsTable.h"
#include "screens/RoadFixture.h"
#include "screens/StatScreen.h"
#include "support/CsvReader.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFFu;

// Two weeks of results for all nine exercises: spans that vary with day and exercise,
// forward and backward items, a wrong answer every second day.
void TwoWeeks(Profile& p) {
    for (int d = 0; d < 10; ++d) {
        for (int g = 1; g <= 9; ++g) {
            const int forward = std::min(2 + (d + g) % 4 + d / 3, 9), backward = 2 + (d * g) % 3;
            for (int i = 0; i < 3; ++i) p.stats.CountItem(d, g, forward, false);
            for (int i = 0; i < 2; ++i) p.stats.CountItem(d, g, backward, true);
            if (d % 2) p.stats.CountError(d, g, forward, false);
        }
        p.dayDates[static_cast<size_t>(d + 1)] = L"2026-11-" + std::to_wstring(10 + d);
    }
    for (int g = 1; g <= 9; ++g) p.dayProgress[static_cast<size_t>(g)] = 10;
    p.dayProgress[0] = 11;
}

class StatScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        harness = std::make_unique<HeadlessHarness>(L"kestrova window", platform::WideFromUtf8(testpaths::AssetDir()));
        Profile& p = P();
        p.folder = folder.Folder();
        p.name = L"Maja";
        p.level = L"2";
        p.trainingDays = 25;
    }
    Profile& P() { return harness->Frame().ActiveProfile(); }
    CStatScreen& S() { return *static_cast<CStatScreen*>(harness->Screen()); }
    void Open() {
        ASSERT_TRUE(harness->Frame().SwitchTo(kStats));
        harness->RunFor(200);
    }
    void ClickOn(const CSprite& s) {
        harness->Click(static_cast<int>(s.CentreX()), static_cast<int>(s.CentreY()));
        harness->RunFor(50);
    }
    uint32_t Pixel(int x, int y) { return harness->Frame().BackBuffer().PixelAt(x, y); }
    // Whether any pixel of the colour lies in the rectangle.
    bool Has(uint32_t argb, int x0, int y0, int x1, int y1) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                if (Pixel(x, y) == argb) return true;
        return false;
    }
    void Shot(const char* name) {
        const char* dir = std::getenv("KESTROVA_SHOT_DIR");
        if (dir && *dir) {
            EXPECT_TRUE(harness->SaveCanvas(platform::WideFromUtf8(std::string(dir) + "/" + name)));
        }
    }

    ProfileFolder folder;
    std::unique_ptr<HeadlessHarness> harness;
};

}  // namespace

TEST_F(StatScreenTest, OpensOnTheWeekOfTheLastCompletedDay) {
    const std::pair<int, int> cases[] = {{0, 0}, {1, 0}, {5, 0}, {6, 1}, {11, 2}, {20, 3}, {25, 4}};
    for (const auto& [completed, week] : cases) {
        P().dayProgress[3] = completed;
        Open();
        EXPECT_EQ(S().SelectedWeek(), week) << completed << " days completed";
        EXPECT_FALSE(S().WeekView());
        EXPECT_EQ(S().WeekButton(week).GetFrame(), 1);
    }
}

TEST_F(StatScreenTest, WeekButtonsFollowThePlan) {
    for (int weeks = 3; weeks <= 5; ++weeks) {
        P().trainingDays = 5 * weeks;
        Open();
        for (int i = 0; i < CStatScreen::kWeekButtons; ++i) {
            const bool shown = i < weeks || i == 5;
            EXPECT_EQ(S().WeekButton(i).visible, shown ? 1 : 0) << weeks << " weeks, button " << i;
            if (!shown) {
                EXPECT_EQ(S().WeekButton(i).x, -100);
            }
        }
        // Where a hidden button would stand, a press chooses nothing.
        if (weeks < 5) {
            const float hiddenX = 430 + static_cast<float>(weeks) * (S().WeekButton(0).width + 5) + 10;
            harness->Click(static_cast<int>(hiddenX), 40);
            harness->RunFor(50);
            EXPECT_EQ(S().SelectedWeek(), 0);
            EXPECT_FALSE(S().WeekView());
        }
        ClickOn(S().WeekButton(5));
        EXPECT_TRUE(S().WeekView());
        EXPECT_EQ(S().WeekButton(5).GetFrame(), 1);
        EXPECT_EQ(S().WeekButton(0).GetFrame(), 0);
        ClickOn(S().WeekButton(1));
        EXPECT_FALSE(S().WeekView());
        EXPECT_EQ(S().SelectedWeek(), 1);
    }
    // The view selectors end left of the print button.
    EXPECT_LT(S().WeekButton(5).x + S().WeekButton(5).width, S().PrintButton().x);
    EXPECT_LT(S().StatTypeButton(1).x + S().StatTypeButton(1).width, S().PrintButton().x);
    // "Show:" and "Week:" are written just left of their own row of buttons, on its middle.
    harness->RunPasses(1);
    for (int row = 0; row < 2; ++row) {
        const CSprite& first = row == 0 ? S().StatTypeButton(0) : S().WeekButton(0);
        const RectF label = S().SelectorLabel(row);
        EXPECT_GT(label.width, 10) << row;
        EXPECT_LE(label.x + label.width, first.x) << row;
        EXPECT_GT(label.x + label.width, first.x - 12) << row;
        EXPECT_NEAR(label.y + label.height / 2, first.y + first.height / 2, 1) << row;
        EXPECT_TRUE(Has(0xFF000000u, static_cast<int>(label.x), static_cast<int>(label.y),
                        static_cast<int>(label.x + label.width), static_cast<int>(label.y + label.height)))
            << "no text in row " << row << "'s label";
    }
}

TEST_F(StatScreenTest, NoResultsGiveEmptyChartsAndScoreScaleOne) {
    Open();
    ClickOn(S().StatTypeButton(0));  // average score
    ASSERT_EQ(S().StatType(), 1);
    for (int view = 0; view < 2; ++view) {
        for (int g = 1; g <= 9; ++g) {
            EXPECT_EQ(S().OverviewScale(g), 1.0f);
            for (float v : S().OverviewSeries(g, false)) EXPECT_EQ(v, -1.0f);
            EXPECT_EQ(S().DetailScoreScale(g), 1.0f);
            const int left = static_cast<int>(CStatScreen::ChartLeft(g)),
                      bottom = static_cast<int>(CStatScreen::ChartBottom(g));
            EXPECT_FALSE(Has(CStatScreen::kForward, left + 2, bottom - 103, left + 122, bottom - 2)) << "chart " << g;
        }
        ClickOn(S().WeekButton(5));
    }
    ClickOn(S().StatTypeButton(1));
    ASSERT_EQ(S().StatType(), 0);
    for (int g = 1; g <= 9; ++g) {
        const int left = static_cast<int>(CStatScreen::ChartLeft(g)),
                  bottom = static_cast<int>(CStatScreen::ChartBottom(g));
        EXPECT_FALSE(Has(CStatScreen::kBackward, left + 2, bottom - 103, left + 122, bottom - 2)) << "chart " << g;
    }
}

TEST_F(StatScreenTest, PointsLandWhereTheFormulasPutThem) {
    // Exercise 1 on day 1: three items at span 4 forward and one wrong answer (12 points in 4
    // attempts: score 3), and one item at span 6 backward (14 points: score 26 / 5 = 5.2).
    for (int i = 0; i < 3; ++i) P().stats.CountItem(0, 1, 4, false);
    P().stats.CountError(0, 1, 4, false);
    P().stats.CountItem(0, 1, 6, true);
    P().dayProgress[1] = 1;
    P().dayProgress[0] = 2;
    Open();
    // Spans: scale 10, entry 0 at x = 100 + 12, y = bottom - value / 10 * 100.
    EXPECT_EQ(Pixel(112, 235 - 40), CStatScreen::kForward);
    EXPECT_EQ(Pixel(114, 235 - 42), CStatScreen::kForward);
    EXPECT_EQ(Pixel(112, 235 - 60), CStatScreen::kBackward);
    EXPECT_FALSE(Has(CStatScreen::kForward, 130, 140, 220, 230)) << "only day 1 has a value";
    Shot("stats_one_day.png");

    ClickOn(S().StatTypeButton(0));
    EXPECT_EQ(S().OverviewScale(1), 6.0f);  // score 5.2
    const int scoreY = static_cast<int>(235 - 5.2f / 6 * 100);
    EXPECT_EQ(Pixel(112, scoreY), CStatScreen::kForward);
    EXPECT_FALSE(Has(CStatScreen::kBackward, 102, 135, 220, 233)) << "the score has one series";

    ClickOn(S().WeekButton(5));  // the weeks: week 1 holds the same day
    EXPECT_EQ(Pixel(112, scoreY), CStatScreen::kForward);

    ClickOn(S().ExerciseIcon(1));
    ASSERT_EQ(S().DetailExercise(), 1);
    // Detail: day 1 at x = 64; the score 5.2 of scale 6 on the upper chart, spans on the lower.
    EXPECT_EQ(Pixel(64, static_cast<int>(295 - 5.2f / 6 * 150)), CStatScreen::kForward);
    EXPECT_EQ(Pixel(64, 520 - 60), CStatScreen::kForward);
    EXPECT_EQ(Pixel(64, 520 - 90), CStatScreen::kBackward);
    EXPECT_FALSE(Has(CStatScreen::kForward, 80, 150, 740, 515));
}

TEST_F(StatScreenTest, StopReturnsToTheOverviewAndEscapeLeaves) {
    TwoWeeks(P());
    Open();
    ClickOn(S().ExerciseIcon(5));
    ASSERT_EQ(S().DetailExercise(), 5);
    EXPECT_EQ(S().ExerciseIcon(5).x, 800);  // parked
    ClickOn(S().StatTypeButton(0));         // no selectors in the detail view
    EXPECT_EQ(S().StatType(), 0);
    ClickOn(S().StopButton());
    EXPECT_EQ(S().DetailExercise(), 0);
    EXPECT_EQ(harness->ScreenId(), kStats);

    ClickOn(S().ExerciseIcon(2));
    ASSERT_EQ(S().DetailExercise(), 2);
    harness->Key(platform::VK_ESCAPE);
    harness->RunFor(50);
    EXPECT_EQ(harness->ScreenId(), kSettings);

    Open();
    ClickOn(S().StopButton());
    EXPECT_EQ(harness->ScreenId(), kSettings);
}

TEST_F(StatScreenTest, SwitchScanningReachesTheIcons) {
    TwoWeeks(P());
    Open();
    // stop, save, print, the report's print and save, two stat types, six week buttons, then
    // the first icon.
    for (int i = 0; i < 14; ++i) harness->Key(platform::VK_SPACE);
    harness->RunFor(50);
    harness->Key(platform::VK_RETURN);
    harness->RunFor(50);
    EXPECT_EQ(S().DetailExercise(), 1);
}

// A switch user's print is the mouse user's page: the scan's frame stays on the screen.
TEST_F(StatScreenTest, TheSwitchFrameStaysOffThePrintedPage) {
    TwoWeeks(P());
    Open();
    ClickOn(S().PrintButton());
    ASSERT_TRUE(RunUntil(*harness, [&] { return !S().NoticeText().empty(); }));  // the next print is taken
    const ScanList& scan = S().AnswerScan();
    for (int i = 0; i < 20 && scan.Entry(scan.Current()) != &S().PrintButton(); ++i) harness->Key(platform::VK_SPACE);
    ASSERT_EQ(scan.Entry(scan.Current()), &S().PrintButton());
    harness->RunFor(410);
    harness->Key(platform::VK_RETURN);
    harness->RunFor(410);
    const auto& pages = harness->Os().PrintedPages();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_TRUE(pages[1].pixels == pages[0].pixels);
}

TEST_F(StatScreenTest, SaveAndPrintTakeTheScreenWithoutButtons) {
    TwoWeeks(P());
    Open();
    ClickOn(S().PrintButton());
    const auto& pages = harness->Os().PrintedPages();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].documentName, L"Maja");
    EXPECT_EQ(pages[0].pixels[40 * 800 + 18], kWhite);   // the stop sign's red
    EXPECT_EQ(pages[0].pixels[25 * 800 + 700], kWhite);  // the print button
    EXPECT_EQ(pages[0].pixels[200 * 800 + 112], Pixel(112, 200));
    EXPECT_NE(Pixel(18, 40), kWhite);
    // The outcome, once the print's own thread knows it, shows on the canvas; a second print
    // is taken only after the first one's outcome.
    const auto outcome = [&](uint32_t text) {
        for (int i = 0; i < 400 && S().NoticeText() != P().options.GetText(text); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            harness->RunPasses(1);
        }
        return S().NoticeText() == P().options.GetText(text);
    };
    EXPECT_TRUE(outcome(174));
    harness->Os().SetPrinterPresent(false);
    ClickOn(S().PrintButton());
    EXPECT_EQ(pages.size(), 1u);
    EXPECT_TRUE(outcome(175));
    EXPECT_TRUE(harness->Os().Errors().empty());
    EXPECT_TRUE(harness->Os().Questions().empty());

    const std::string base = folder.File("maja-results");
    harness->Os().QueueSaveFile(platform::WideFromUtf8(base));
    ClickOn(S().SaveButton());
    ASSERT_EQ(harness->Os().SaveRequests().size(), 1u);
    EXPECT_EQ(harness->Os().SaveRequests()[0].defaultExtension, L"png");
    EXPECT_EQ(harness->Os().SaveRequests()[0].title, L"Save the statistics");
    const auto picture = Bitmap::FromFile(platform::WideFromUtf8(base + ".png"));
    ASSERT_TRUE(picture);
    ASSERT_EQ(picture->Width(), 800);
    EXPECT_EQ(picture->PixelAt(18, 40), kWhite);
    EXPECT_EQ(picture->PixelAt(112, 200), Pixel(112, 200));
    EXPECT_EQ(folder.Get("maja-results.csv"), StatisticsCsv(P()));
    EXPECT_EQ(S().NoticeText(), P().options.GetText(177));

    // A table of that name already there is replaced only with a Yes.
    folder.Put("maja-results.csv", "kept");
    harness->Os().QueueSaveFile(platform::WideFromUtf8(base + ".png"));
    harness->Os().QueueAnswer(true);   // replace the picture
    harness->Os().QueueAnswer(false);  // keep the table
    ClickOn(S().SaveButton());
    EXPECT_EQ(folder.Get("maja-results.csv"), "kept");

    // Cancelled: nothing more is written.
    const auto count = [&] { return std::distance(std::filesystem::directory_iterator(folder.Native()), {}); };
    const auto files = count();
    harness->Os().QueueSaveFile(L"");
    ClickOn(S().SaveButton());
    EXPECT_EQ(count(), files);
    EXPECT_EQ(harness->Os().SaveRequests().size(), 3u);
    // A picture the system will not take (a name longer than any file system allows; where
    // there is one, a folder that takes no files even from the superuser): said on the
    // canvas, and neither a table nor a temporary left without the picture.
    std::vector<std::string> refused = {folder.File(std::string(300, 'm') + ".png")};
    if (std::filesystem::path("/proc").is_absolute() && std::filesystem::is_directory("/proc"))
        refused.push_back("/proc/maja-results.png");
    for (const std::string& target : refused) {
        harness->Os().AdvanceTime(ui::Notice::kShowMs);  // the last save's notice has gone
        ASSERT_EQ(S().NoticeText(), L"");
        harness->Os().QueueSaveFile(platform::WideFromUtf8(target));
        ClickOn(S().SaveButton());
        EXPECT_EQ(S().NoticeText(), P().options.GetText(176)) << target;
        EXPECT_EQ(count(), files);
    }
}

TEST_F(StatScreenTest, SavingNeverReplacesATraineesOwnFiles) {
    Open();
    folder.Put("Maja.pro", "trainee");
    folder.Put("Maja.png", "login picture");
    folder.Put("Maja.ntr", "number test");
    // Each refused name is said and asked again, in the folder where it was given.
    for (const char* name : {"Maja", "Maja.PNG", "Maja.ntr", "Bo.2dp"})
        harness->Os().QueueSaveFile(platform::WideFromUtf8(folder.File(name)));
    harness->Os().QueueSaveFile(L"");
    harness->Os().QueueAnswer(true);  // a replace question, should one be asked
    ClickOn(S().SaveButton());
    const auto& requests = harness->Os().SaveRequests();
    ASSERT_EQ(requests.size(), 5u);
    EXPECT_EQ(requests[0].fileName, L"Maja statistics " + Profile::TodayFileDate());
    EXPECT_EQ(harness->Os().Errors().size(), 4u);
    EXPECT_EQ(folder.Get("Maja.png"), "login picture");
    EXPECT_EQ(folder.Get("Maja.ntr"), "number test");
    EXPECT_FALSE(std::filesystem::exists(folder.File("Bo.2dp")));
    EXPECT_FALSE(std::filesystem::exists(folder.File("Maja.csv")));
    // A picture of a name no trainee has is an ordinary file.
    EXPECT_FALSE(Profile::IsTraineeFile(folder.Folder() + L"Bo.png"));
    EXPECT_TRUE(Profile::IsTraineeFile(folder.Folder() + L"Maja.png"));
}

TEST_F(StatScreenTest, Pictures) {
    TwoWeeks(P());
    Open();
    Shot("stats_days_spans.png");
    ClickOn(S().StatTypeButton(0));
    Shot("stats_days_score.png");
    ClickOn(S().WeekButton(5));
    Shot("stats_weeks_score.png");
    ClickOn(S().StatTypeButton(1));
    Shot("stats_weeks_spans.png");
    ClickOn(S().ExerciseIcon(4));
    Shot("stats_detail.png");
    // Every chart of the two weeks shows points of both colours.
    EXPECT_TRUE(Has(CStatScreen::kForward, 60, 140, 740, 515));
    EXPECT_TRUE(Has(CStatScreen::kBackward, 60, 370, 740, 515));
}

namespace {

// A trainee's results with the table's corner cases: both directions, an error-only day, the
// last day, a date and a damaged date text.
std::unique_ptr<Profile> KnownResults() {
    auto profile = std::make_unique<Profile>();
    Profile& p = *profile;
    // Day 1: Cans, three forward items at span 4 and a wrong answer.
    for (int i = 0; i < 3; ++i) p.stats.CountItem(0, 1, 4, false);
    p.stats.CountError(0, 1, 4, false);
    // Day 1: Big wheel, one backward item at span 3 only.
    p.stats.CountItem(0, 3, 3, true);
    // Day 2: Zoo, only a wrong backward answer: no score is set? There was an attempt, so 0.
    p.stats.CountError(1, 9, 2, true);
    // Day 25, the last one, with no date known.
    p.stats.CountItem(24, 2, 9, false);
    p.dayDates[1] = L"2026-12-01";
    p.dayDates[2] = L"=1+1, \"x\"";  // a date text from a damaged file stays text
    return profile;
}

}  // namespace

TEST(StatisticsTable, RowsOfKnownResults) {
    const std::string expected =
        "\xEF\xBB\xBF"
        "day,date,exercise,items_forward,items_backward,errors_forward,errors_backward,points,score,best_forward,"
        "best_backward\r\n"
        "1,2026-12-01,Cans,3,0,1,0,12,3.00,4,\r\n"
        "1,2026-12-01,Big wheel,0,1,0,0,11,11.00,,3\r\n"
        "2,\"'=1+1, \"\"x\"\"\",Zoo,0,0,0,1,0,0.00,,\r\n"
        "25,,Treasure,1,0,0,0,9,9.00,9,\r\n";
    EXPECT_EQ(StatisticsCsv(*KnownResults()), expected);
}

// Read back by a strict reader of comma-separated tables, as a spreadsheet opens it.
TEST(StatisticsTable, RowsOfKnownResultsParseBack) {
    const auto table = testcsv::ReadTable(StatisticsCsv(*KnownResults()));
    ASSERT_TRUE(table);
    std::string out;
    for (const testcsv::Row& row : *table)
        out += row.at("day") + "|" + row.at("exercise") + "|" + row.at("points") + "|" + row.at("score") + "|" +
               row.at("date") + "\n";
    EXPECT_EQ(out,
              "1|Cans|12|3.00|2026-12-01\n"
              "1|Big wheel|11|11.00|2026-12-01\n"
              "2|Zoo|0|0.00|'=1+1, \"x\"\n"
              "25|Treasure|9|9.00|\n");
}

// A doctored date text in a locale whose spreadsheets split on ';' or on tabs: no piece that
// any of those separators cuts out starts a formula.
TEST(StatisticsTable, NoSeparatorLetsADateTextStartAFormula) {
    auto p = std::make_unique<Profile>();
    p->stats.CountItem(0, 1, 4, false);
    p->dayDates[1] = L"1;=HYPERLINK(\"x\");+1\t@SUM(A1)\t-2;\r\n=3";
    const std::string csv = StatisticsCsv(*p);
    const std::string row = csv.substr(csv.find("\r\n1,") + 2);
    for (char separator : {',', ';', '\t', '\n', '\r'}) {
        size_t start = 0;
        for (;;) {
            size_t end = row.find(separator, start);
            std::string piece = row.substr(start, end == std::string::npos ? std::string::npos : end - start);
            piece.erase(0, piece.find_first_not_of("\" \r\n"));
            EXPECT_TRUE(piece.empty() || std::string("=+-@").find(piece[0]) == std::string::npos)
                << "a cell cut at '" << separator << "' starts with " << piece;
            if (end == std::string::npos) break;
            start = end + 1;
        }
    }
}

// The report goes to the printer off the frame's thread: while a server keeps it waiting
// the screen answers, a second print of either kind is refused with a word, and the outcome
// shows beside the report's buttons once it is known.
TEST_F(StatScreenTest, TheProgressReportIsPrintedOrSavedFromHere) {
    TwoWeeks(P());
    Open();
    auto& os = harness->Os();
    const std::wstring still = P().options.GetText(222);
    const auto reportSays = [&](const std::wstring& text) {
        return RunUntil(*harness, [&] { return S().ReportStatus() == text; });
    };
    os.HoldPrints(true);
    ClickOn(S().PrintReportButton());
    const auto& documents = os.PrintedDocuments();
    ASSERT_EQ(documents.size(), 1u);
    EXPECT_EQ(documents[0].documentName, L"Progress report Maja");
    EXPECT_EQ(documents[0].pdf.compare(0, 5, "%PDF-"), 0);
    EXPECT_EQ(S().ReportStatus(), L"");
    ClickOn(S().WeekButton(1));
    EXPECT_EQ(S().SelectedWeek(), 1) << "the screen did not answer while the report was on its way";
    ClickOn(S().PrintReportButton());
    EXPECT_EQ(S().ReportStatus(), still);
    ClickOn(S().PrintButton());
    EXPECT_EQ(S().NoticeText(), still);
    EXPECT_EQ(documents.size(), 1u);
    EXPECT_TRUE(os.PrintedPages().empty());
    os.HoldPrints(false);
    EXPECT_TRUE(reportSays(L"The report was sent to the printer."));
    EXPECT_EQ(S().NoticeText(), still) << "the report's outcome is not the page's";
    os.SetPrinterPresent(false);
    ClickOn(S().PrintReportButton());
    EXPECT_TRUE(reportSays(L"The report could not be printed."));

    os.QueueSaveFile(platform::WideFromUtf8(folder.File("maja")));
    ClickOn(S().SaveReportButton());
    EXPECT_EQ(os.SaveRequests().back().defaultExtension, L"pdf");
    EXPECT_EQ(folder.Get("maja.pdf").compare(0, 5, "%PDF-"), 0);
    EXPECT_EQ(S().ReportStatus(), L"Saved.");
    os.QueueSaveFile(L"");  // cancelled: nothing to say
    ClickOn(S().SaveReportButton());
    EXPECT_EQ(S().ReportStatus(), L"");
}
