#pragma once
// The statistics screen: the trainee's results as small line charts, one per exercise, for
// the days of one week or for the weeks of the plan, showing either the best spans reached
// (forward and backward) or the average score; clicking an exercise's icon opens a large
// chart of that exercise over the whole plan. The screen can be saved as a picture, with the
// results beside it as a table for spreadsheets, and printed; the trainee's progress report
// can be printed or saved from it as well.
#include <array>
#include <string>
#include <vector>

#include "engine/GameBase.h"
#include "graphics/Sprite.h"
#include "platform/PrintJob.h"
#include "ui/Notice.h"
#include "sound/SoundGroup.h"

class Profile;

class CStatScreen final : public CPlainScreen {
public:
    static constexpr uint32_t kForward = 0xFF0000FFu;   // blue
    static constexpr uint32_t kBackward = 0xFF800080u;  // purple
    static constexpr int kWeekButtons = 6;              // weeks 1..5 and all weeks

    int Init(Graphics* backGraphics, Graphics* windowGraphics, Bitmap* backBuffer, Profile* profile) override;
    // Shows the outcome of a print once it is known.
    int Update() override;
    int Draw() override;

    // The view chosen and its buttons, and what became of the last print or save, read by
    // tests and tools.
    std::wstring NoticeText() const { return notice.Shown(); }
    int SelectedWeek() const { return selectedWeek; }
    bool WeekView() const { return weekView; }
    int StatType() const { return statType; }
    int DetailExercise() const { return detailExercise; }
    const CSprite& SaveButton() const { return save; }
    const CSprite& PrintButton() const { return print; }
    const CSprite& PrintReportButton() const { return printReport; }
    const CSprite& SaveReportButton() const { return saveReport; }
    // What became of the last report printed or saved.
    const std::wstring& ReportStatus() const { return reportStatus; }
    const CSprite& WeekButton(int i) const { return weekButtons[static_cast<size_t>(i)]; }
    // 0: average score (statType 1), 1: best spans (statType 0).
    const CSprite& StatTypeButton(int i) const { return statButtons[static_cast<size_t>(i)]; }
    const CSprite& ExerciseIcon(int g) const { return icons[static_cast<size_t>(g)]; }
    // Where the overview's "Show:" (row 0, beside the stat type buttons) and "Week:" (row 1,
    // beside the week buttons) labels are drawn.
    RectF SelectorLabel(int row) const;

    // Chart geometry of the overview: exercise g's chart (1..9) has its vertical axis at
    // left and its horizontal axis at bottom.
    static float ChartLeft(int g) { return 100.0f + 240.0f * static_cast<float>((g - 1) % 3); }
    static float ChartBottom(int g) { return 235.0f + 170.0f * static_cast<float>((g - 1) / 3); }
    // The top of exercise g's vertical scale in the overview: 10 for spans; for the score the
    // whole part of the largest score shown, plus 1.
    float OverviewScale(int g) const;
    // The top of the detail view's score scale for exercise g: the whole part of its largest
    // day score over the plan, plus 1.
    float DetailScoreScale(int g) const;
    // The values exercise g's overview chart shows (five entries, -1 where none): the score
    // or the forward spans, and the backward spans.
    std::array<float, 5> OverviewSeries(int g, bool backward) const;

private:
    void Press(int x, int y) override;
    void Hover(int x, int y) override;
    void Place();
    void RebuildScan();
    void ChooseWeek(int i);
    void ChooseStatType(int type);
    // Draws the screen with stop, save and print left out (for saving and printing).
    void DrawWithoutButtons();
    void SaveStatistics();
    void PrintStatistics();
    void DrawReportButtons();
    void DrawText(const std::wstring& text, float x, float y, float size, uint32_t argb = 0xFF000000u);
    float TextWidth(const std::wstring& text, float size) const;
    void DrawOverview();
    void DrawDetail();
    // One series of points joined by lines: entry k at xOf(k), value v at axis - v / scale * height.
    void DrawSeries(const float* values, int count, float firstX, float stepX, float axis, float scale, float height,
                    uint32_t argb);
    // Grey grid lines every step pixels above the axis from left to right, labelled at their
    // left with j / 5 of the scale (whole numbers for spans, two decimals for scores).
    void DrawGrid(float left, float right, float axis, float step, float scale, bool decimals);

    CSprite save;
    CSprite print;
    CSprite printReport;
    CSprite saveReport;
    std::wstring reportStatus;
    std::array<CSprite, 10> icons;
    std::array<CSprite, kWeekButtons> weekButtons;
    std::array<CSprite, 2> statButtons;
    CSprite correctBar;
    CSprite wrongBar;
    CSprite yesterday;
    CSprite today;
    CSoundGroup click;

    int selectedWeek = 0;
    bool weekView = false;
    int statType = 0;
    int detailExercise = 0;
    int weeksInPlan = 5;
    bool buttonsHidden = false;
    platform::PrintJob printJob;  // the page's or the report's print, one at a time
    bool printingReport = false;  // what the job on its way prints
    ui::Notice notice;            // what became of the last print or save
};
