// The progress report for a known history: its pages and the figures a reader finds in them.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "support/TestPaths.h"

#include "platform/PrintTestUtil.h"
#include "platform/Printer.h"
#include "profiles/Profile.h"
#include "profiles/ProfileTestUtil.h"
#include "screens/ProgressReport.h"
#include "text/Language.h"

namespace {

// The shipped English texts, read from the asset pack as the program reads them.
struct EnglishTexts {
    EnglishTexts() {
        SetLanguageChoices({L"english", L"", "C.UTF-8"});
        std::filesystem::current_path(testpaths::AssetDir());
    }
    ~EnglishTexts() {
        std::filesystem::current_path(before);
        SetLanguageChoices({});
    }
    std::filesystem::path before = std::filesystem::current_path();
};

int PageCount(const std::string& info) {
    const size_t at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + 6);
}

TEST(ProgressReport, PagesAndFiguresOfAKnownHistory) {
    EnglishTexts english;
    auto p = std::make_unique<Profile>();
    p->name = L"Ada Lind";
    p->level = L"2";
    p->trainingDays = 15;
    p->coins = 77;
    p->dayDates[1] = L"2026-11-20";
    p->lastDate = L"2026-12-05";
    p->dayProgress = {5, 5, 0, 0, 0, 0, 0, 0, 0, 0};
    // Cans: three items at span 3 on day 1, two at span 6 on day 5; backward span 4 on day 5.
    for (int i = 0; i < 3; ++i) p->stats.CountItem(0, 1, 3, false);
    for (int i = 0; i < 2; ++i) p->stats.CountItem(4, 1, 6, false);
    p->stats.CountItem(4, 1, 4, true);
    p->stats.CountError(4, 1, 4, true);
    const std::vector<profiles::NumberTestResult> tests{{L"2026-11-19", 1, 3}, {L"2026-12-04", 2, 6}};

    const std::string pdf = ProgressReportPdf(*p, tests, L"2026-12-08");
    ASSERT_EQ(pdf.compare(0, 5, "%PDF-"), 0);
    ProfileFolder dir;
    dir.Put("report.pdf", pdf);
    const std::string info = printtest::Capture("pdfinfo '" + dir.File("report.pdf") + "'");
    EXPECT_EQ(PageCount(info), 5) << info;
    EXPECT_NE(info.find("Progress report Ada Lind"), std::string::npos) << info;
    EXPECT_NE(info.find("A4"), std::string::npos) << info;

    auto pageText = [&](int page) {
        const std::string n = std::to_string(page);
        // The words of the page in reading order, one blank between them.
        std::string text, squeezed;
        text = printtest::Capture("pdftotext -layout -f " + n + " -l " + n + " '" + dir.File("report.pdf") + "' -");
        for (char c : text) {
            const bool blank = c == ' ' || c == '\n' || c == '\f';
            if (!blank)
                squeezed += c;
            else if (!squeezed.empty() && squeezed.back() != ' ')
                squeezed += ' ';
        }
        return squeezed;
    };
    const std::string cover = pageText(1);
    for (const char* figure : {"Progress report", "Ada Lind", "Level: 2", "Training plan: Train for 3 weeks (15 days)",
                               "First training day: 2026-11-20", "Last training day: 2026-12-05",
                               "Training days done: 5 of 15", "Coins: 77", "Report made: 2026-12-08"})
        EXPECT_NE(cover.find(figure), std::string::npos) << figure << "\n" << cover;
    EXPECT_NE(pageText(2).find("Longest sequence"), std::string::npos);
    EXPECT_NE(pageText(3).find("Average score"), std::string::npos);
    // Cans: longest 3 first, 6 best (+3); score 3.00 first, (12 + 12) / 4 = 6.00 best (+3.00).
    const std::string table = pageText(4);
    EXPECT_NE(table.find("Cans 3 6 +3 3.00 6.00 +3.00 Treasure - - -"), std::string::npos) << table;
    const std::string numberTests = pageText(5);
    EXPECT_NE(numberTests.find("2026-11-19"), std::string::npos) << numberTests;
    EXPECT_NE(numberTests.find("2026-12-04"), std::string::npos) << numberTests;

    // No results at all: still five pages, and the number test says so.
    dir.Put("empty.pdf", ProgressReportPdf(*std::make_unique<Profile>(), {}, L"2026-12-08"));
    EXPECT_EQ(PageCount(printtest::Capture("pdfinfo '" + dir.File("empty.pdf") + "'")), 5);
    EXPECT_NE(printtest::Capture("pdftotext -f 5 -l 5 '" + dir.File("empty.pdf") + "' -")
                  .find("No number test has been taken yet."),
              std::string::npos);
}

}  // namespace

namespace {

// The report through the real print server's PDF queue: every page arrives, on A4.
TEST(ProgressReport, PrintedThroughThePdfQueue) {
    const platform::CupsPrinter printer;
    if (!printer.ServerReachable()) GTEST_SKIP() << "no print server can be reached (scripts/cups-pdf starts one)";
    const std::string destination = printer.DefaultDestination();
    ASSERT_FALSE(destination.empty()) << "the print server has no default destination: run scripts/cups-pdf";
    ASSERT_NE(printtest::Capture("lpstat -v '" + destination + "' 2>&1").find("cups-pdf:"), std::string::npos)
        << destination << " is not a PDF printer: run scripts/cups-pdf";
    EnglishTexts english;
    auto p = std::make_unique<Profile>();
    p->name = L"Report " + std::to_wstring(::getpid());
    const std::string title = "KestrovaReport" + std::to_string(::getpid());
    ASSERT_TRUE(printer.PrintDocument(ProgressReportPdf(*p, {{L"2026-12-01", 2, 7}}, L"2026-12-08"),
                                      platform::WideFromUtf8(title)));
    std::string info;
    const std::filesystem::path pdf = printtest::WaitForPdf(title, info);
    ASSERT_FALSE(pdf.empty()) << "the PDF printer wrote no file";
    EXPECT_EQ(PageCount(info), 5) << info;
    EXPECT_NE(info.find("A4"), std::string::npos) << info;
    std::error_code ec;
    std::filesystem::remove(pdf, ec);
}

}  // namespace
