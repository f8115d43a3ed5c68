#include "screens/StatScreen.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cwctype>

#include "graphics/Graphics.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "profiles/Profile.h"
#include "profiles/StatisticsTable.h"
#include "screens/ProgressReport.h"
#include "text/TextIds.h"
#include "ui/Button.h"
#include "ui/Dialog.h"

namespace {

constexpr uint32_t kBlack = 0xFF000000u;
constexpr uint32_t kGrid = 0xFFC0C0C0u;
constexpr float kHeaderSize = 14;
constexpr float kSmallSize = 10;
constexpr float kLegendSize = 12;

// The view selectors are drawn smaller than their pictures, so that the row of week buttons
// and the two stat type buttons end left of the print button.
constexpr float kWeekButtonWidth = 32, kWeekButtonHeight = 22;
constexpr float kStatButtonWidth = 112, kStatButtonHeight = 23;
constexpr float kIconWidth = 60, kIconHeight = 54;
// The progress report's two buttons, under the print and save buttons; its outcome left of them.
constexpr float kReportTop = 72, kReportHeight = 26, kReportWidth = 128, kReportRight = 790;
constexpr float kReportTextSize = 11;
constexpr uint32_t kReportHighlight = 0xFFFFD23Fu;  // around the button the pointer or the scan is on
constexpr float kParked = 800;
constexpr float kLabelGap = 6;  // between "Show:" or "Week:" and its buttons

// Detail view.
constexpr float kDetailLeft = 50, kDetailRight = 750;
constexpr float kUpperTop = 145, kUpperAxis = 295;
constexpr float kLowerTop = 370, kLowerAxis = 520;
constexpr float kDetailHeight = 150;
constexpr float kDetailFirstX = 64, kDetailStep = 28;

std::wstring Fixed2(double value) {
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    return r.ec == std::errc() ? std::wstring(buffer, r.ptr) : std::wstring();
}

// The whole part of the largest value, plus 1 (values below 0 are not shown and count as 0).
float ScaleAbove(const float* values, int count) {
    float largest = 0;
    for (int k = 0; k < count; ++k)
        if (std::isfinite(values[k])) largest = std::max(largest, values[k]);
    return std::floor(std::min(largest, 1e9f)) + 1;
}

}  // namespace

int CStatScreen::Init(Graphics* back, Graphics* windowG, Bitmap* buffer, Profile* p) {
    CGameBase::Init(back, windowG, buffer, p);
    escapeScreen = kSettings;
    stopButton.LoadImage(L"gfx\\buttons\\stop.png", back, 1, 0);
    stopButton.SetPosition(10, 10);
    save.LoadImage(L"gfx\\buttons\\save.png", back, 1, 0);
    save.SetPosition(800 - save.width - 10, 10);
    notice.Init(back);
    print.LoadImage(L"gfx\\buttons\\print.png", back, 1, 0);
    print.SetPosition(800 - 2 * print.width - 20, 10);
    for (int g = 0; g < 10; ++g) {
        CSprite& icon = icons[static_cast<size_t>(g)];
        icon.LoadImage(L"gfx\\menu\\game0" + std::to_wstring(g) + L"a.png", back, 0, 0);
        icon.SetSize(kIconWidth, kIconHeight);
        icon.SetPosition(kParked, 600);
    }
    for (int i = 0; i < kWeekButtons; ++i) {
        CSprite& b = weekButtons[static_cast<size_t>(i)];
        b.LoadImage(L"gfx\\buttons\\weekbtn0.png", back, 0, 0);
        b.LoadImage(L"gfx\\buttons\\weekbtn1.png", back, 0, 0);
        b.SetSize(kWeekButtonWidth, kWeekButtonHeight);
        b.SetPosition(430 + static_cast<float>(i) * (b.width + 5), 30);
        b.SetFont(12, FontStyleBold);
        b.SetTextColor(kBlack);
        b.SetText(i < 5 ? std::to_wstring(i + 1) : Text(text::kAllWeeks));
        b.CentreTextOnSprite();
    }
    for (int i = 0; i < 2; ++i) {
        CSprite& b = statButtons[static_cast<size_t>(i)];
        b.LoadImage(L"gfx\\buttons\\stattype0.png", back, 0, 0);
        b.LoadImage(L"gfx\\buttons\\stattype1.png", back, 0, 0);
        b.SetSize(kStatButtonWidth, kStatButtonHeight);
        b.SetPosition(430 + static_cast<float>(i) * b.width, 5);
        b.SetFont(12, FontStyleBold);
        b.SetTextColor(kBlack);
        b.SetText(Text(i == 0 ? text::kAverageScore : text::kLongestSequence));
        b.CentreTextOnSprite();
    }
    correctBar.LoadImage(L"gfx\\stat\\correctbar.png", back, 1, 0);
    wrongBar.LoadImage(L"gfx\\stat\\wrongbar.png", back, 1, 0);
    yesterday.LoadImage(L"gfx\\stat\\yesterday.png", back, 1, 0);
    today.LoadImage(L"gfx\\stat\\today.png", back, 1, 0);
    click.Open(L"sfx\\click.wav");
    ui::MakeHotBox(saveReport, back, kReportRight - kReportWidth, kReportTop, kReportWidth, kReportHeight);
    ui::MakeHotBox(printReport, back, kReportRight - 2 * kReportWidth - 6, kReportTop, kReportWidth, kReportHeight);

    if (profile) {
        profile->stats.ComputeViews();
        weeksInPlan = std::clamp(profile->trainingDays / 5, 1, 5);
        const int completed = profile->CompletedDays();
        selectedWeek = completed >= 1 ? std::min((completed - 1) / 5, 4) : 0;
        // Weeks beyond the plan have no button.
        for (int i = weeksInPlan; i < 5; ++i) {
            CSprite& b = weekButtons[static_cast<size_t>(i)];
            b.SetPosition(-100, -100);
            b.visible = 0;
        }
    }
    BeginScan();
    Place();
    StartGuide(kStats);
    return 1;
}

std::array<float, 5> CStatScreen::OverviewSeries(int g, bool backward) const {
    std::array<float, 5> values;
    values.fill(-1);
    if (!profile || g < 1 || g > 9) return values;
    const ProfileStats& s = profile->stats;
    for (int k = 0; k < 5; ++k) {
        if (weekView) {
            values[static_cast<size_t>(k)] = statType == 1
                                                 ? (backward ? -1 : s.weekScore[k][g])
                                                 : (backward ? s.weekBestBackward[k][g] : s.weekBestForward[k][g]);
        } else {
            const int d = std::min(5 * selectedWeek + k, ProfileStats::kDays - 1);
            values[static_cast<size_t>(k)] = statType == 1
                                                 ? (backward ? -1 : s.dayScore[d][g])
                                                 : (backward ? s.dayBestBackward[d][g] : s.dayBestForward[d][g]);
        }
    }
    return values;
}

float CStatScreen::OverviewScale(int g) const {
    if (statType == 0) return 10;
    const std::array<float, 5> scores = OverviewSeries(g, false);
    return ScaleAbove(scores.data(), 5);
}

float CStatScreen::DetailScoreScale(int g) const {
    if (!profile || g < 1 || g > 9) return 1;
    float scores[ProfileStats::kDays];
    for (int d = 0; d < ProfileStats::kDays; ++d) scores[d] = profile->stats.dayScore[d][g];
    return ScaleAbove(scores, ProfileStats::kDays);
}

void CStatScreen::Place() {
    for (int g = 0; g < 10; ++g) {
        CSprite& icon = icons[static_cast<size_t>(g)];
        if (detailExercise == 0 && g >= 1)
            icon.SetPosition(ChartLeft(g) + 120 + 5, ChartBottom(g) - 100 - 15);
        else
            icon.SetPosition(kParked, 600);
    }
    for (int i = 0; i < kWeekButtons; ++i) weekButtons[static_cast<size_t>(i)].SetFrame(i == selectedWeek ? 1 : 0);
    statButtons[0].SetFrame(statType == 1 ? 1 : 0);
    statButtons[1].SetFrame(statType == 0 ? 1 : 0);
    RebuildScan();
}

void CStatScreen::RebuildScan() {
    answerScan.Clear();
    answerScan.Add(&stopButton);
    answerScan.Add(&save);
    answerScan.Add(&print);
    answerScan.Add(&printReport);
    answerScan.Add(&saveReport);
    if (detailExercise != 0) return;
    for (auto& b : statButtons) answerScan.Add(&b);
    for (auto& b : weekButtons)
        if (b.visible) answerScan.Add(&b);
    for (int g = 1; g < 10; ++g) answerScan.Add(&icons[static_cast<size_t>(g)]);
}

void CStatScreen::ChooseWeek(int i) {
    selectedWeek = i;
    weekView = i == 5;
    Place();
}

void CStatScreen::ChooseStatType(int type) {
    statType = type;
    Place();
}

int CStatScreen::Update() {
    CPlainScreen::Update();
    const platform::PrintJob::Outcome outcome = printJob.Take();
    if (outcome == platform::PrintJob::Outcome::kNone) return nextScreen;
    // The report's outcome stands beside its buttons; the page's at the foot of the canvas.
    if (printingReport && profile)
        reportStatus = ReportPrintOutcome(profile->options, outcome);
    else
        notice.Show(
            Text(outcome == platform::PrintJob::Outcome::kSent ? text::kPicturePrinted : text::kPictureNotPrinted));
    return nextScreen;
}

void CStatScreen::DrawText(const std::wstring& text, float x, float y, float size, uint32_t argb) {
    if (!backGraphics || text.empty()) return;
    backGraphics->DrawString(text, Font(L"Arial", size), RectF{x, y, 0, 0}, StringFormat{}, SolidBrush(argb));
}

RectF CStatScreen::SelectorLabel(int row) const {
    // Each label stands just left of its row of buttons, on the row's middle.
    const std::wstring text = Text(row == 0 ? text::kShowLabel : text::kWeekLabel);
    const CSprite& first = row == 0 ? statButtons[0] : weekButtons[0];
    RectF box{};
    if (backGraphics && !text.empty())
        box = backGraphics->MeasureString(text, Font(L"Arial", kHeaderSize), RectF{}, StringFormat{});
    box.x = first.x - kLabelGap - box.width;
    box.y = first.y + first.height / 2 - box.height / 2;
    return box;
}

float CStatScreen::TextWidth(const std::wstring& text, float size) const {
    if (!backGraphics || text.empty()) return 0;
    return backGraphics->MeasureString(text, Font(L"Arial", size), RectF{}, StringFormat{}).width;
}

void CStatScreen::DrawGrid(float left, float right, float axis, float step, float scale, bool decimals) {
    for (int j = 1; j <= 5; ++j) {
        const float y = axis - step * static_cast<float>(j) + 0.5f;
        backGraphics->DrawLine(Pen(kGrid, 1), left, y, right, y);
        const std::wstring label =
            decimals ? Fixed2(static_cast<double>(scale) * j / 5) : std::to_wstring(static_cast<int>(scale) * j / 5);
        DrawText(label, left - TextWidth(label, kSmallSize) - 2, y - 7, kSmallSize);
    }
}

void CStatScreen::DrawSeries(const float* values, int count, float firstX, float stepX, float axis, float scale,
                             float height, uint32_t argb) {
    if (scale <= 0) return;
    bool havePrevious = false;
    float px = 0, py = 0;
    // Lines first, then the points over them.
    for (int pass = 0; pass < 2; ++pass) {
        havePrevious = false;
        for (int k = 0; k < count; ++k) {
            const float v = values[k];
            if (!(v >= 0)) continue;  // not set (-1), or not a number
            const float x = firstX + stepX * static_cast<float>(k);
            const float y = axis - std::min(v, scale * 2) / scale * height;
            if (pass == 0 && havePrevious) backGraphics->DrawLine(Pen(argb, 1), px, py, x, y);
            if (pass == 1) backGraphics->FillRectangle(SolidBrush(argb), RectF{x - 3, y - 3, 6, 6});
            px = x;
            py = y;
            havePrevious = true;
        }
    }
}

void CStatScreen::DrawOverview() {
    const bool scores = statType == 1;
    for (int g = 1; g <= 9; ++g) {
        const float left = ChartLeft(g), bottom = ChartBottom(g), top = bottom - 100, right = left + 120;
        const float scale = OverviewScale(g);
        DrawGrid(left, right, bottom, 20, scale, scores);
        backGraphics->DrawLine(Pen(kBlack, 1), left + 0.5f, top, left + 0.5f, bottom + 0.5f);
        backGraphics->DrawLine(Pen(kBlack, 1), left, bottom + 0.5f, right, bottom + 0.5f);
        for (int k = 0; k < 5; ++k) {
            const std::wstring label = std::to_wstring(weekView ? k + 1 : 5 * selectedWeek + k + 1);
            DrawText(label, left + 12 + 24 * static_cast<float>(k) - TextWidth(label, kSmallSize) / 2, bottom + 2,
                     kSmallSize);
        }
        DrawText(Text(weekView ? text::kWeekView : text::kDayView), right + 4, bottom - 7, kSmallSize);
        DrawText(Text(scores ? text::kAverageScore : text::kLongestSequence), left - 12, top - 16, kSmallSize);
        const std::array<float, 5> forward = OverviewSeries(g, false);
        DrawSeries(forward.data(), 5, left + 12, 24, bottom, scale, 100, kForward);
        if (!scores) {
            const std::array<float, 5> backward = OverviewSeries(g, true);
            DrawSeries(backward.data(), 5, left + 12, 24, bottom, scale, 100, kBackward);
        }
        icons[static_cast<size_t>(g)].Draw();
    }
}

void CStatScreen::DrawDetail() {
    const int g = detailExercise;
    const int days = std::clamp(profile ? profile->trainingDays : 25, 1, ProfileStats::kDays);
    const ProfileStats& s = profile->stats;
    float score[ProfileStats::kDays], forward[ProfileStats::kDays], backward[ProfileStats::kDays];
    for (int d = 0; d < days; ++d) {
        score[d] = s.dayScore[d][g];
        forward[d] = s.dayBestForward[d][g];
        backward[d] = s.dayBestBackward[d][g];
    }
    // Which exercise this is.
    const std::wstring name = Text(text::kExerciseNames + static_cast<uint32_t>(g));
    backGraphics->DrawString(name, Font(L"Arial", 16, FontStyleBold), RectF{400 - TextWidth(name, 16) / 2, 110, 0, 0},
                             StringFormat{}, SolidBrush(kBlack));

    const auto chart = [&](float top, float axis, float scale, bool decimals, uint32_t title) {
        DrawGrid(kDetailLeft, kDetailRight, axis, 30, scale, decimals);
        backGraphics->DrawLine(Pen(kBlack, 1), kDetailLeft + 0.5f, top, kDetailLeft + 0.5f, axis + 0.5f);
        backGraphics->DrawLine(Pen(kBlack, 1), kDetailLeft, axis + 0.5f, kDetailRight, axis + 0.5f);
        DrawText(Text(title), kDetailLeft, top - 10 - kLegendSize - 2, kLegendSize);
        DrawText(Text(text::kDayView), 760, axis - 10, kLegendSize);
        for (int i = 1; i <= days; ++i) {
            const std::wstring label = std::to_wstring(i);
            DrawText(label, kDetailFirstX + kDetailStep * static_cast<float>(i - 1) - TextWidth(label, kSmallSize) / 2,
                     axis + 2, kSmallSize);
        }
    };
    const float scoreScale = DetailScoreScale(g);
    chart(kUpperTop, kUpperAxis, scoreScale, true, text::kAverageScore);
    DrawSeries(score, days, kDetailFirstX, kDetailStep, kUpperAxis, scoreScale, kDetailHeight, kForward);
    chart(kLowerTop, kLowerAxis, 10, false, text::kLongestSequence);
    DrawSeries(forward, days, kDetailFirstX, kDetailStep, kLowerAxis, 10, kDetailHeight, kForward);
    DrawSeries(backward, days, kDetailFirstX, kDetailStep, kLowerAxis, 10, kDetailHeight, kBackward);

    // The current training day and the one before it, under the lower chart's days.
    const int current = profile->dayProgress[0];
    const auto mark = [&](CSprite& marker, int day) {
        if (day < 1 || day > days) return;
        marker.SetPosition(kDetailFirstX + kDetailStep * static_cast<float>(day - 1) - marker.width / 2, 540);
        marker.Draw();
    };
    mark(today, current);
    mark(yesterday, current - 1);
}

int CStatScreen::Draw() {
    if (!backGraphics) return 1;
    backGraphics->Clear(0xFFFFFFFFu);
    if (profile) {
        DrawText(Text(text::kDateLabel) + Profile::TodayText(), 75, 8, kHeaderSize);
        DrawText(
            Text(text::kTraineeLabel) + profile->name + L" (" + Text(text::kLevelWord) + L" " + profile->level + L")",
            75, 33, kHeaderSize);
        if (detailExercise == 0) {
            const RectF show = SelectorLabel(0);
            DrawText(Text(text::kShowLabel), show.x, show.y, kHeaderSize);
            for (auto& b : statButtons) {
                b.Draw();
                b.DrawText();
            }
            for (auto& b : weekButtons) {
                if (!b.visible) continue;
                b.Draw();
                b.DrawText();
            }
            const RectF week = SelectorLabel(1);
            DrawText(Text(text::kWeekLabel), week.x, week.y, kHeaderSize);
        }
        DrawText(Text(text::kTrainingDayLabel) + std::to_wstring(profile->dayProgress[0]), 75, 58, kHeaderSize);
    }
    backGraphics->FillRectangle(SolidBrush(kForward), RectF{83, 88, 6, 6});
    DrawText(Text(text::kForward), 93, 83, kLegendSize);
    backGraphics->FillRectangle(SolidBrush(kBackward), RectF{222, 88, 6, 6});
    DrawText(Text(text::kBackward), 232, 83, kLegendSize);
    const float line = stopButton.y + stopButton.height + 34 + 0.5f;
    backGraphics->DrawLine(Pen(kBlack, 1), 0, line, 800, line);
    if (!buttonsHidden) {
        stopButton.Draw();
        save.Draw();
        print.Draw();
        DrawReportButtons();
    }
    if (profile) {
        if (detailExercise == 0)
            DrawOverview();
        else
            DrawDetail();
    }
    // Over the charts, and never on a printed or saved picture.
    // The page to print or save is left in the back buffer, not presented: the switch frame
    // Present adds belongs to the screen only.
    if (buttonsHidden) return 1;
    notice.Draw();
    Present();
    return 1;
}

void CStatScreen::DrawReportButtons() {
    for (CSprite* b : {&printReport, &saveReport}) {
        const std::wstring label = Text(b == &printReport ? text::kPrintReport : text::kSaveReport);
        // The label's letters shrink until it fits its button.
        float size = kReportTextSize;
        while (size > 8 &&
               backGraphics->MeasureString(label, Font(L"Arial", size, FontStyleBold), RectF{}, StringFormat{}).width >
                   b->width - 8)
            size -= 0.5f;
        ui::DrawButton(*backGraphics,
                       ui::Box{static_cast<int>(b->x), static_cast<int>(b->y), static_cast<int>(b->width),
                               static_cast<int>(b->height)},
                       label, ui::kButton, size);
        if (b->hovered)
            backGraphics->DrawRectangle(Pen(kReportHighlight, 3),
                                        RectF{b->x - 2, b->y - 2, b->width + 4, b->height + 4});
    }
    if (!reportStatus.empty())
        DrawText(reportStatus, printReport.x - 8 - TextWidth(reportStatus, kSmallSize), kReportTop + 6, kSmallSize);
}

void CStatScreen::DrawWithoutButtons() {
    buttonsHidden = true;
    Draw();
    buttonsHidden = false;
}

void CStatScreen::SaveStatistics() {
    if (!profile || !backBuffer) return;
    platform::SaveFileRequest request;
    request.title = Text(text::kSaveStatisticsTitle);
    request.filterName = Text(text::kPictureType);
    request.pattern = L"*.png";
    request.defaultExtension = L"png";
    // Never the trainee's bare name: saved among the trainees it would replace their picture.
    request.fileName = profile->SuggestedFileName(Text(text::kStatisticsFileName), Profile::TodayFileDate());
    request.refused = Profile::IsTraineeFile;
    request.refusedNotice = Text(text::kTraineeOwnFile);
    request.folder = platform::DocumentsFolder();
    SetSaveDialogWords(request, profile->options);
    std::wstring path;
    const bool chosen = platform::Os().ChooseSaveFile(request, path);
    // The dialog covered the window: the next frame is presented in full.
    backBuffer->Pixels();
    if (!chosen) return;
    DrawWithoutButtons();
    // The picture and the results beside it are told as one: saved, or not (a read-only
    // folder, a full stick), each written whole or not at all.
    if (!backBuffer->SavePng(path)) {
        notice.Show(Text(text::kPictureNotSaved));
        return;
    }
    // The results beside the picture, under the same name.
    std::wstring table = path;
    const size_t dot = table.find_last_of(L'.');
    const size_t slash = table.find_last_of(L'/');
    if (dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash) && table.size() - dot == 4) {
        std::wstring extension = table.substr(dot);
        std::transform(extension.begin(), extension.end(), extension.begin(),
                       [](wchar_t c) { return static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c))); });
        if (extension == L".png") table.erase(dot);
    }
    table += L".csv";
    // The table's name was not asked about: replacing one is confirmed as well.
    if (platform::FileExists(table) &&
        !platform::Os().AskYesNo(
            request.title, table.substr(slash == std::wstring::npos ? 0 : slash + 1) + L" " + request.replaceQuestion,
            request.replaceAnswers))
        return;
    notice.Show(
        Text(platform::WriteFileAtomic(table, StatisticsCsv(*profile)) ? text::kPictureSaved : text::kPictureNotSaved));
}

void CStatScreen::PrintStatistics() {
    if (!profile || !backBuffer) return;
    // One print at a time: a second press while a server is slow to answer is told so.
    if (printJob.Busy()) return notice.Show(Text(text::kStillPrinting));
    printingReport = false;
    DrawWithoutButtons();
    // Off the frame's thread: the outcome is shown once the print server has answered.
    const Bitmap& picture = *backBuffer;
    printJob.TellWith(Text(text::kPicturePrinted), Text(text::kPictureNotPrinted));
    printJob.Start(picture.Pixels(), picture.StrideBytes(), profile->name);
}

void CStatScreen::Press(int x, int y) {
    reportStatus.clear();
    switch (ui::Hit({&stopButton, &save, &print, &printReport, &saveReport}, x, y)) {
        case 0:
            click.Play(0);
            if (detailExercise == 0) {
                nextScreen = kSettings;
            } else {
                detailExercise = 0;
                Place();
            }
            return;
        case 1: click.Play(0); return SaveStatistics();
        case 2: click.Play(0); return PrintStatistics();
        case 3:
            click.Play(0);
            if (!profile) return;
            if (printJob.Busy()) {
                reportStatus = Text(text::kStillPrinting);
                return;
            }
            // Off the frame's thread: the outcome is shown once the print server has answered.
            printingReport = true;
            StartProgressReportPrint(*profile, profile->options, printJob);
            return;
        case 4:
            click.Play(0);
            if (!profile) return;
            reportStatus = SaveProgressReport(*profile);
            if (backBuffer) backBuffer->Pixels();  // the dialog covered the window
            return;
        default: break;
    }
    if (detailExercise != 0) return;
    if (const int i = ui::Hit(std::span<const CSprite>(statButtons), x, y); i >= 0) {
        ChooseStatType(i == 0 ? 1 : 0);
        click.Play(0);
        return;
    }
    for (int i = 0; i < kWeekButtons; ++i) {
        const CSprite& b = weekButtons[static_cast<size_t>(i)];
        if (b.visible && b.HitTest(x, y)) return ChooseWeek(i);
    }
    const int g = ui::Hit(std::span<const CSprite>(icons).subspan(1), x, y) + 1;
    if (g <= 0) return;
    detailExercise = g;
    Place();
}

void CStatScreen::Hover(int x, int y) {
    bool hand = ui::Hover({&stopButton, &save, &print, &printReport, &saveReport}, x, y);
    if (detailExercise == 0) {
        hand = hand || ui::Hit(std::span<const CSprite>(statButtons), x, y) >= 0;
        for (const auto& b : weekButtons) hand = hand || (b.visible && b.HitTest(x, y));
        hand = hand || ui::Hit(std::span<const CSprite>(icons).subspan(1), x, y) >= 0;
    }
    ui::PointerShape(hand);
}
