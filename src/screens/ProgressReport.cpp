#include "screens/ProgressReport.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>

#include "platform/Files.h"
#include "platform/PdfDocument.h"
#include "profiles/Profile.h"
#include "profiles/TraineeOverview.h"
#include "text/TextIds.h"

namespace {

using platform::PdfDocument;

constexpr uint32_t kBlack = 0xFF000000u;
constexpr uint32_t kGrey = 0xFF808080u;
constexpr uint32_t kGrid = 0xFFD0D0D0u;
constexpr uint32_t kForward = 0xFF0000FFu;   // blue, as on the statistics screen
constexpr uint32_t kBackward = 0xFF800080u;  // purple
constexpr double kMargin = 50;

constexpr int kShownTests = 30;  // the number test's table lists the latest ones

std::wstring Fixed(double value, int decimals) {
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return r.ec == std::errc() ? std::wstring(buffer, r.ptr) : std::wstring();
}

std::wstring Signed(double value, int decimals) {
    const std::wstring text = Fixed(value, decimals);
    return value > 0 ? L"+" + text : text;
}

// Per training day of one exercise: the longest sequence and the average score, each for
// forward and backward rounds (-1 where the day has none). The score of a direction counts
// its items' points (span, plus 8 backward) per answer given in that direction.
struct DaySeries {
    float longest[2][ProfileStats::kDays];
    float score[2][ProfileStats::kDays];
};

DaySeries SeriesOf(const ProfileStats& stats, int g) {
    DaySeries out{};
    for (int d = 0; d < ProfileStats::kDays; ++d) {
        for (int dir = 0; dir < 2; ++dir) {
            int64_t points = 0, answers = 0;
            int longest = -1;
            for (int s = 0; s < ProfileStats::kSpans; ++s) {
                const int64_t items = dir == 0 ? stats.itemsForward[d][g][s] : stats.itemsBackward[d][g][s];
                const int64_t errors = dir == 0 ? stats.errorsForward[d][g][s] : stats.errorsBackward[d][g][s];
                points += items * (s + (dir == 0 ? 0 : 8));
                answers += items + errors;
                if (items > 0) longest = s;
            }
            out.longest[dir][d] = static_cast<float>(longest);
            out.score[dir][d] = answers > 0 ? static_cast<float>(points) / static_cast<float>(answers) : -1.0f;
        }
    }
    return out;
}

class Report {
public:
    Report(const Profile& p, const std::wstring& today)
        : profile(p), today(today), doc(ProgressReportName(p)), stats(std::make_unique<ProfileStats>(p.stats)) {
        stats->ComputeViews();
    }

    platform::PrintableDocument Make(const std::vector<profiles::NumberTestResult>& tests) {
        Cover();
        ChartPage(true);
        ChartPage(false);
        TablePage();
        TestPage(tests);
        return doc.Finish();
    }

private:
    std::wstring T(uint32_t n) const { return profile.options.GetText(n); }

    void Page(const std::wstring& heading) {
        doc.NewPage();
        ++page;
        doc.Text(heading, kMargin, kMargin, 20, true);
        doc.Text(T(text::kTraineeLabel) + profile.name, kMargin, kMargin + 28, 12);
        doc.Line(kGrey, 0.5, kMargin, kMargin + 48, PdfDocument::kWidth - kMargin, kMargin + 48);
        const std::wstring footer = T(text::kProgramName) + L"  \u2013  " + profile.name + L"  \u2013  " +
                                    T(text::kPage) + std::to_wstring(page);
        doc.Text(footer, kMargin, PdfDocument::kHeight - 40, 9, false, kGrey);
    }

    void Cover() {
        doc.NewPage();
        ++page;
        doc.Text(T(text::kReportTitle), kMargin, 90, 30, true);
        doc.Text(profile.name, kMargin, 140, 24, true);
        const int weeks = std::clamp(profile.trainingDays / 5, 3, 5);
        const std::wstring firstDay = profile.dayDates[1].empty() ? L"-" : profile.dayDates[1];
        const std::wstring lines[][2] = {
            {T(text::kLevelColumn) + L": ", profile.level},
            {T(text::kPlanLabel), T(text::kPlanWeeks + static_cast<uint32_t>(weeks - 3))},
            {T(text::kFirstDayLabel), firstDay},
            {T(text::kLastDayLabel), profile.lastDate},
            {T(text::kDaysDoneLabel), std::to_wstring(std::min(profile.CompletedDays(), profile.trainingDays)) +
                                          T(text::kOf) + std::to_wstring(profile.trainingDays)},
            {T(text::kCoinsLabel), std::to_wstring(profile.coins)},
            {T(text::kMadeLabel), today},
        };
        double y = 210;
        for (const auto& line : lines) {
            doc.Text(line[0], kMargin, y, 14, true);
            doc.Text(line[1], kMargin + 210, y, 14);
            y += 28;
        }
        // Days done per exercise, under the figures.
        y += 20;
        doc.Text(T(text::kExerciseColumn), kMargin, y, 12, true);
        doc.Text(T(text::kDaysColumn), kMargin + 210, y, 12, true);
        y += 22;
        for (int g = 1; g < Profile::kExercises; ++g) {
            doc.Text(T(text::kExerciseNames + static_cast<uint32_t>(g)), kMargin, y, 12);
            doc.Text(std::to_wstring(std::min(profile.dayProgress[g], profile.trainingDays)), kMargin + 210, y, 12);
            y += 19;
        }
        doc.Text(T(text::kProgramName) + L"  \u2013  " + T(text::kPage) + L"1", kMargin, PdfDocument::kHeight - 40, 9,
                 false, kGrey);
    }

    // A page of nine charts, one per exercise: the longest sequences or the average scores
    // over the training days, forward in blue and backward in purple.
    void ChartPage(bool longest) {
        Page(T(longest ? text::kLongestSequence : text::kAverageScore));
        const double top = kMargin + 62;
        doc.FillRect(kForward, kMargin, top + 3, 7, 7);
        doc.Text(T(text::kForward), kMargin + 11, top, 10);
        doc.FillRect(kBackward, kMargin + 110, top + 3, 7, 7);
        doc.Text(T(text::kBackward), kMargin + 121, top, 10);
        const double chartWidth = 140, chartHeight = 150, gapX = 30, gapY = 72;
        for (int g = 1; g < Profile::kExercises; ++g) {
            const double left = kMargin + 25 + ((g - 1) % 3) * (chartWidth + gapX + 5);
            const double chartTop = top + 45 + ((g - 1) / 3) * (chartHeight + gapY);
            const DaySeries series = SeriesOf(*stats, g);
            const auto& values = longest ? series.longest : series.score;
            float scale = 10;
            if (!longest) {
                float largest = 0;
                for (const auto& dir : values)
                    for (float v : dir)
                        if (std::isfinite(v)) largest = std::max(largest, v);
                scale = std::floor(std::min(largest, 1e6f)) + 1;
            }
            Chart(T(text::kExerciseNames + static_cast<uint32_t>(g)), left, chartTop, chartWidth, chartHeight, scale,
                  !longest, values);
        }
    }

    void Chart(const std::wstring& title, double left, double top, double width, double height, float scale,
               bool decimals, const float (&values)[2][ProfileStats::kDays]) {
        const double bottom = top + height;
        doc.Text(title, left, top - 20, 11, true);
        for (int j = 1; j <= 5; ++j) {
            const double y = bottom - height * j / 5;
            doc.Line(kGrid, 0.5, left, y, left + width, y);
            const double value = static_cast<double>(scale) * j / 5;
            const std::wstring label =
                decimals ? Fixed(value, 2) : std::to_wstring(static_cast<int>(std::lround(value)));
            doc.Text(label, left - 4 - doc.TextWidth(label, 7), y - 4, 7, false, kGrey);
        }
        doc.Line(kBlack, 0.8, left, top, left, bottom);
        doc.Line(kBlack, 0.8, left, bottom, left + width, bottom);
        const int days = std::clamp(profile.trainingDays, 1, ProfileStats::kDays);
        const double step = width / days;
        for (int i = 1; i <= days; ++i) {
            if (i != 1 && i % 5 != 0) continue;
            const std::wstring label = std::to_wstring(i);
            const double x = left + step * (i - 0.5);
            doc.Line(kBlack, 0.5, x, bottom, x, bottom + 3);
            doc.Text(label, x - doc.TextWidth(label, 7) / 2, bottom + 4, 7);
        }
        doc.Text(T(text::kTrainingDayAxis), left + width - doc.TextWidth(T(text::kTrainingDayAxis), 7), bottom + 14, 7,
                 false, kGrey);
        for (int dir = 0; dir < 2; ++dir) {
            const uint32_t colour = dir == 0 ? kForward : kBackward;
            double lastX = 0, lastY = 0;
            bool have = false;
            for (int d = 0; d < days; ++d) {
                const float v = values[dir][d];
                if (!(v >= 0) || !std::isfinite(v)) continue;
                const double x = left + step * (d + 0.5);
                const double y = bottom - std::min(static_cast<double>(v) / scale, 1.0) * height;
                if (have) doc.Line(colour, 1, lastX, lastY, x, y);
                doc.FillRect(colour, x - 2, y - 2, 4, 4);
                lastX = x;
                lastY = y;
                have = true;
            }
        }
    }

    void TablePage() {
        Page(T(text::kFirstAndBest));
        const profiles::ExerciseSummaries sums = profiles::SummarizeExercises(*stats);
        double y = kMargin + 70;
        const double cols[] = {kMargin,       kMargin + 130, kMargin + 180, kMargin + 230,
                               kMargin + 300, kMargin + 355, kMargin + 410};
        doc.Text(T(text::kLongestSequence), cols[1], y, 11, true);
        doc.Text(T(text::kAverageScore), cols[4], y, 11, true);
        y += 20;
        const uint32_t heads[] = {text::kExerciseColumn, text::kFirstColumn, text::kBestColumn,  text::kChangeColumn,
                                  text::kFirstColumn,    text::kBestColumn,  text::kChangeColumn};
        for (int c = 0; c < 7; ++c) doc.Text(T(heads[c]), cols[c], y, 10, true);
        y += 18;
        doc.Line(kGrey, 0.5, kMargin, y, PdfDocument::kWidth - kMargin, y);
        y += 6;
        for (int g = 1; g < Profile::kExercises; ++g) {
            const profiles::ExerciseSummary& e = sums[static_cast<size_t>(g)];
            doc.Text(T(text::kExerciseNames + static_cast<uint32_t>(g)), cols[0], y, 11);
            std::wstring cells[6] = {L"-", L"-", L"-", L"-", L"-", L"-"};
            if (e.firstLongest >= 0) cells[0] = std::to_wstring(e.firstLongest);
            if (e.bestLongest >= 0) cells[1] = std::to_wstring(e.bestLongest);
            if (e.firstLongest >= 0 && e.bestLongest >= 0) cells[2] = Signed(e.bestLongest - e.firstLongest, 0);
            if (e.firstScore >= 0) cells[3] = Fixed(e.firstScore, 2);
            if (e.bestScore >= 0) cells[4] = Fixed(e.bestScore, 2);
            if (e.firstScore >= 0 && e.bestScore >= 0) cells[5] = Signed(e.bestScore - e.firstScore, 2);
            for (int c = 0; c < 6; ++c) doc.Text(cells[c], cols[c + 1], y, 11);
            y += 22;
        }
    }

    void TestPage(const std::vector<profiles::NumberTestResult>& tests) {
        Page(T(text::kNumberTests));
        double y = kMargin + 70;
        if (tests.empty()) {
            doc.Text(T(text::kNoNumberTests), kMargin, y, 12);
            return;
        }
        // The scores over time: one point per test, in the order they were taken.
        const double left = kMargin + 30, width = PdfDocument::kWidth - 2 * kMargin - 40, height = 150;
        const double bottom = y + height;
        doc.Text(T(text::kScore), kMargin, y - 16, 10, true);
        for (int j = 1; j <= 4; ++j) {
            const double gy = bottom - height * j / 4;
            doc.Line(kGrid, 0.5, left, gy, left + width, gy);
            const std::wstring label = std::to_wstring(profiles::kMaxNumberTestScore * j / 4);
            doc.Text(label, left - 4 - doc.TextWidth(label, 7), gy - 4, 7, false, kGrey);
        }
        doc.Line(kBlack, 0.8, left, y, left, bottom);
        doc.Line(kBlack, 0.8, left, bottom, left + width, bottom);
        const size_t n = tests.size();
        const double step = width / static_cast<double>(n);
        double lastX = 0, lastY = 0;
        for (size_t i = 0; i < n; ++i) {
            const double x = left + step * (static_cast<double>(i) + 0.5);
            const double py = bottom - height * tests[i].score / profiles::kMaxNumberTestScore;
            if (i > 0) doc.Line(kForward, 1, lastX, lastY, x, py);
            doc.FillRect(kForward, x - 2, py - 2, 4, 4);
            lastX = x;
            lastY = py;
        }
        doc.Text(tests.front().date, left, bottom + 4, 7);
        if (n > 1) doc.Text(tests.back().date, left + width - doc.TextWidth(tests.back().date, 7), bottom + 4, 7);

        y = bottom + 40;
        const double cols[] = {kMargin, kMargin + 150, kMargin + 230};
        const uint32_t heads[] = {text::kDateColumn, text::kLevelColumn, text::kScore};
        for (int c = 0; c < 3; ++c) doc.Text(T(heads[c]), cols[c], y, 10, true);
        y += 16;
        doc.Line(kGrey, 0.5, kMargin, y, kMargin + 300, y);
        y += 4;
        const size_t first = n > static_cast<size_t>(kShownTests) ? n - kShownTests : 0;
        for (size_t i = first; i < n; ++i) {
            doc.Text(tests[i].date, cols[0], y, 10);
            doc.Text(std::to_wstring(tests[i].level), cols[1], y, 10);
            doc.Text(std::to_wstring(tests[i].score), cols[2], y, 10);
            y += 15;
        }
    }

    const Profile& profile;
    std::wstring today;
    PdfDocument doc;
    std::unique_ptr<ProfileStats> stats;
    int page = 0;
};

}  // namespace

std::wstring ProgressReportName(const Profile& profile) {
    return profile.options.GetText(text::kReportTitle) + L" " + profile.name;
}

platform::PrintableDocument ProgressReport(const Profile& profile, const std::vector<profiles::NumberTestResult>& tests,
                                           const std::wstring& today) {
    return Report(profile, today).Make(tests);
}

std::string ProgressReportPdf(const Profile& profile, const std::vector<profiles::NumberTestResult>& tests,
                              const std::wstring& today) {
    return ProgressReport(profile, tests, today).pdf;
}

platform::SaveFileRequest TraineeSaveRequest(const ProfileOptions& texts, uint32_t title, uint32_t fileType,
                                             const wchar_t* extension, const std::wstring& fileName) {
    platform::SaveFileRequest request;
    request.title = texts.GetText(title);
    request.filterName = texts.GetText(fileType);
    request.pattern = std::wstring(L"*.") + extension;
    request.defaultExtension = extension;
    request.fileName = fileName;
    request.folder = platform::DocumentsFolder();
    SetSaveDialogWords(request, texts);
    return request;
}

void SetSaveDialogWords(platform::SaveFileRequest& request, const ProfileOptions& texts) {
    request.fileNameLabel = texts.GetText(text::kFileName);
    request.save = texts.GetText(text::kSave);
    request.cancel = texts.GetText(text::kCancel);
    request.replaceQuestion = texts.GetText(text::kReplaceQuestion);
    request.replaceAnswers = texts.Question();
}

bool StartProgressReportPrint(const Profile& trainee, const ProfileOptions& texts, platform::PrintJob& job) {
    if (job.Busy()) return false;
    job.TellWith(ReportPrintOutcome(texts, platform::PrintJob::Outcome::kSent),
                 ReportPrintOutcome(texts, platform::PrintJob::Outcome::kFailed));
    // The document is made here (its data belongs to this thread); only the wait on the
    // print server goes to the job's thread.
    return job.StartDocument(
        ProgressReport(trainee, profiles::LoadNumberTests(trainee.folder, trainee.name), Profile::TodayText()),
        ProgressReportName(trainee));
}

std::wstring ReportPrintOutcome(const ProfileOptions& texts, platform::PrintJob::Outcome outcome) {
    switch (outcome) {
        case platform::PrintJob::Outcome::kSent: return texts.GetText(text::kReportPrinted);
        case platform::PrintJob::Outcome::kFailed: return texts.GetText(text::kReportNotPrinted);
        case platform::PrintJob::Outcome::kNone: break;
    }
    return {};
}

std::wstring SaveProgressReport(const Profile& trainee) {
    std::wstring path;
    if (!platform::Os().ChooseSaveFile(
            TraineeSaveRequest(trainee.options, text::kSaveReport, text::kPdfType, L"pdf", ProgressReportName(trainee)),
            path))
        return {};
    const std::string pdf =
        ProgressReportPdf(trainee, profiles::LoadNumberTests(trainee.folder, trainee.name), Profile::TodayText());
    const bool saved = !pdf.empty() && platform::WriteFileAtomic(path, pdf);
    return trainee.options.GetText(saved ? text::kSaved : text::kNotSaved);
}
