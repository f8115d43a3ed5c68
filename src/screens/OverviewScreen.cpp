#include "screens/OverviewScreen.h"

#include <algorithm>
#include <span>

#include "graphics/Graphics.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "profiles/Profile.h"
#include "screens/ProgressReport.h"
#include "text/TextIds.h"
#include "ui/Button.h"
#include "ui/Dialog.h"

namespace {

constexpr uint32_t kBlack = 0xFF000000u;
constexpr uint32_t kGrey = 0xFF707070u;
constexpr uint32_t kLine = 0xFFC8C8C8u;
constexpr uint32_t kSelectedRow = 0xFFD6E4FFu;
constexpr uint32_t kHeadingBack = 0xFFEFEFEFu;

constexpr float kTop = 96;  // the first row
constexpr float kRowHeight = 36;
constexpr float kHeadingY = 62;
constexpr float kLeft = 12;
constexpr float kExerciseX = 520;  // the nine exercise columns
constexpr float kExerciseWidth = 30;
constexpr float kParked = -200;
// The password field of a locked trainee's row, and its button.
constexpr int kFieldX = 312, kFieldWidth = 130, kFieldHeight = 26;
constexpr float kUnlockX = 450, kUnlockWidth = 56, kUnlockHeight = 28;
constexpr uint32_t kUnlockHighlight = 0xFFFFD23Fu;  // around the button the pointer or the scan is on

std::wstring Value(int v) { return v < 0 ? std::wstring(L"-") : std::to_wstring(v); }

float RowTop(int i) { return kTop + static_cast<float>(i) * kRowHeight; }

}  // namespace

int COverviewScreen::Init(Graphics* back, Graphics* windowG, Bitmap* buffer, Profile* p) {
    CGameBase::Init(back, windowG, buffer, p);
    escapeScreen = kLogin;
    ui::MakePicture(stopButton, back, L"gfx\\buttons\\stop.png", 10, 8);
    ui::SetHoverLabel(stopButton, Text(text::kBackToLogin));
    stopButton.SetTextPosition(80, 30);
    ui::MakePicture(print, back, L"gfx\\buttons\\print.png", 800 - 3 * 64 - 10, 4);
    ui::MakePicture(save, back, L"gfx\\buttons\\save.png", 800 - 2 * 64 - 10, 4);
    ui::MakePicture(table, back, L"gfx\\login\\saveas.png", 800 - 64 - 2, 12);
    const std::pair<CSprite*, uint32_t> labelled[] = {
        {&print, text::kPrintReport}, {&save, text::kSaveReport}, {&table, text::kSaveTable}};
    for (const auto& [b, text] : labelled) {
        ui::SetHoverLabel(*b, Text(text), 14);
        b->SetTextPosition(std::min(b->x, 795 - b->textBox.width), 70);
    }
    ui::MakeHotBox(nameHeading, back, kLeft, kHeadingY, 150, 28);
    ui::MakeHotBox(dateHeading, back, 360, kHeadingY, 100, 28);
    ui::MakeHotBox(previousPage, back, 300, 532, 40, 32);
    ui::MakeHotBox(nextPage, back, 460, 532, 40, 32);
    ui::MakeHotBox(unlock, back, kParked, kParked, kUnlockWidth, kUnlockHeight);
    for (int i = 0; i < kRowsPerPage; ++i)
        ui::MakeHotBox(rowBoxes[static_cast<size_t>(i)], back, kLeft - 4, RowTop(i), 784, kRowHeight);
    for (int g = 1; g < 10; ++g) {
        CSprite& icon = icons[static_cast<size_t>(g)];
        icon.LoadImage(L"gfx\\menu\\game0" + std::to_wstring(g) + L"a.png", back, 0, 0);
        icon.SetSize(26, 24);
        icon.SetPosition(kExerciseX + static_cast<float>(g - 1) * kExerciseWidth, kHeadingY + 2);
    }

    BeginScan();
    if (profile) rows = profiles::ReadTraineeRows(profile->folder);
    Sort(profiles::TraineeOrder::kName);
    return 1;
}

void COverviewScreen::Sort(profiles::TraineeOrder newOrder) {
    const std::wstring keep = selected >= 0 ? rows[static_cast<size_t>(selected)].name : std::wstring();
    order = newOrder;
    profiles::SortTraineeRows(profile ? profile->folder : std::wstring(), rows, order);
    selected = -1;
    for (size_t i = 0; i < rows.size(); ++i)
        if (!keep.empty() && rows[i].name == keep) selected = static_cast<int>(i);
    ShowPage(0);
}

int COverviewScreen::PageCount() const {
    return std::max(1, (static_cast<int>(rows.size()) + kRowsPerPage - 1) / kRowsPerPage);
}

void COverviewScreen::ShowPage(int newPage) {
    page = std::clamp(newPage, 0, PageCount() - 1);
    // The files and results of a page are read when it is first shown.
    const size_t first = static_cast<size_t>(page * kRowsPerPage);
    if (profile && first < rows.size())
        profiles::ReadTraineeFiles(profile->folder,
                                   std::span(rows).subspan(first, std::min<size_t>(kRowsPerPage, rows.size() - first)));
    for (int i = 0; i < kRowsPerPage; ++i) {
        const size_t r = static_cast<size_t>(page * kRowsPerPage + i);
        CSprite& box = rowBoxes[static_cast<size_t>(i)];
        if (r < rows.size()) {
            box.SetPosition(kLeft - 4, RowTop(i));
            if (profile) profiles::ReadTraineeResults(profile->folder, rows[r]);
        } else {
            box.SetPosition(kParked, kParked);
        }
    }
    PlaceUnlock();
}

void COverviewScreen::Select(int row) {
    selected = row;
    PlaceUnlock();
    // A click on a locked trainee's row is the start of typing the password; the switch
    // access keeps the keys, or a switch user could not step on.
    if (field && !scanPress) field->Focus();
}

void COverviewScreen::PlaceUnlock() {
    const int onPage = selected - page * kRowsPerPage;
    const bool wanted =
        selected >= 0 && onPage >= 0 && onPage < kRowsPerPage && rows[static_cast<size_t>(selected)].locked;
    if (!wanted) {
        field.reset();
        unlock.SetPosition(kParked, kParked);
    } else {
        const float y = RowTop(onPage);
        const int fieldY = static_cast<int>(y + (kRowHeight - kFieldHeight) / 2);
        if (!field || field->Y() != fieldY) {
            field = std::make_unique<ui::TextField>(kFieldX, fieldY, kFieldWidth, kFieldHeight);
            field->SetLimit(Profile::kMaxPasswordLength, Text(text::kPasswordLimit));
        }
        unlock.SetPosition(kUnlockX, y + (kRowHeight - kUnlockHeight) / 2);
    }
    RebuildScan();
}

void COverviewScreen::RebuildScan() {
    // The headings, the rows of the page (and the selected locked trainee's button), the page
    // buttons, the report's and the table's buttons, back. The scan stays where it rested.
    const CSprite* current = answerScan.Entry(answerScan.Current());
    answerScan.Clear();
    answerScan.Add(&nameHeading);
    answerScan.Add(&dateHeading);
    for (int i = 0; i < kRowsPerPage; ++i) {
        CSprite& box = rowBoxes[static_cast<size_t>(i)];
        if (box.x == kParked) continue;
        answerScan.Add(&box);
        if (unlock.y >= box.y && unlock.y < box.y + kRowHeight) answerScan.Add(&unlock);
    }
    if (PageCount() > 1) {
        answerScan.Add(&previousPage);
        answerScan.Add(&nextPage);
    }
    for (CSprite* b : {&print, &save, &table, &stopButton}) answerScan.Add(b);
    for (int i = 0; i < answerScan.Count(); ++i)
        if (current && answerScan.Entry(i) == current) answerScan.Select(i, false);
}

void COverviewScreen::TryPassword() {
    if (!field || !profile || selected < 0 || field->LineLength() == 0) return;
    profiles::TraineeRow& row = rows[static_cast<size_t>(selected)];
    const std::wstring typed = field->Text();
    if (!profiles::UnlockTraineeRow(profile->folder, typed, row)) {
        status = Text(text::kWrongPassword);
        if (!scanPress) {
            field->Focus();
            field->SelectAll();
        }
        return;
    }
    opened[row.name] = typed;
    profiles::ReadTraineeResults(profile->folder, row);
    status.clear();
    PlaceUnlock();
}

void COverviewScreen::DrawText(const std::wstring& text, float x, float y, float size, bool bold, uint32_t argb) {
    if (!backGraphics || text.empty()) return;
    backGraphics->DrawString(text, Font(L"Arial", size, bold ? FontStyleBold : FontStyleRegular), RectF{x, y, 0, 0},
                             StringFormat{}, SolidBrush(argb));
}

int COverviewScreen::Draw() {
    if (!backGraphics) return 1;
    backGraphics->Clear(0xFFFFFFFFu);
    DrawText(Text(text::kAllTrainees), 80, 10, 22, true);
    DrawText(Text(order == profiles::TraineeOrder::kName ? text::kSortedByName : text::kSortedByDate) + L"  \u00B7  " +
                 Text(text::kLongestLegend),
             80, 40, 11, false, kGrey);
    backGraphics->FillRectangle(SolidBrush(kHeadingBack), RectF{0, kHeadingY, 800, 30});
    const float y0 = kHeadingY + 7;
    DrawText(Text(text::kName) + (order == profiles::TraineeOrder::kName ? L" \u25BC" : L""), kLeft, y0, 12, true);
    DrawText(Text(text::kLevelColumn), 170, y0, 12, true);
    DrawText(Text(text::kSeniorColumn), 212, y0, 12, true);
    DrawText(Text(text::kWeeksColumn), 262, y0, 12, true);
    DrawText(Text(text::kDaysColumn), 312, y0, 12, true);
    DrawText(Text(text::kLastTrainingColumn) + (order == profiles::TraineeOrder::kLastTraining ? L" \u25BC" : L""), 360,
             y0, 12, true);
    DrawText(Text(text::kCoinsColumn), 468, y0, 12, true);
    for (int g = 1; g < 10; ++g) icons[static_cast<size_t>(g)].Draw();

    for (int i = 0; i < kRowsPerPage; ++i) {
        const size_t r = static_cast<size_t>(page * kRowsPerPage + i);
        if (r >= rows.size()) break;
        const profiles::TraineeRow& row = rows[r];
        const float y = RowTop(i);
        if (static_cast<int>(r) == selected)
            backGraphics->FillRectangle(SolidBrush(kSelectedRow), RectF{0, y, 800, kRowHeight});
        backGraphics->DrawLine(Pen(kLine), 0, y + kRowHeight - 0.5f, 800, y + kRowHeight - 0.5f);
        const float ty = y + 10;
        DrawText(row.name.size() > 20 ? row.name.substr(0, 19) + L"\u2026" : row.name, kLeft, ty, 13, true);
        if (row.locked) {
            DrawText(Text(text::kLocked), 170, ty, 12, false, kGrey);
            if (static_cast<int>(r) == selected && field) {
                DrawText(Text(text::kPassword), 240, ty, 12);
                ui::DrawButton(*backGraphics,
                               ui::Box{static_cast<int>(unlock.x), static_cast<int>(unlock.y),
                                       static_cast<int>(unlock.width), static_cast<int>(unlock.height)},
                               Text(text::kOk), ui::kButton, 14);
            }
            continue;
        }
        DrawText(row.level, 176, ty, 12);
        DrawText(row.senior ? Text(text::kYesMark) : L"", 212, ty, 12);
        DrawText(std::to_wstring(row.PlanWeeks()), 270, ty, 12);
        DrawText(std::to_wstring(row.daysDone) + L"/" + std::to_wstring(row.planDays), 312, ty, 12);
        DrawText(row.lastDate, 360, ty, 12);
        DrawText(std::to_wstring(row.coins), 468, ty, 12);
        for (int g = 1; g < 10; ++g) {
            const profiles::ExerciseSummary& e = row.exercises[static_cast<size_t>(g)];
            const float x = kExerciseX + static_cast<float>(g - 1) * kExerciseWidth;
            DrawText(Value(e.firstLongest), x + 2, y + 3, 11, false, kGrey);
            DrawText(Value(e.latestLongest), x + 2, y + 18, 11);
        }
    }

    if (PageCount() > 1) {
        DrawText(L"\u25C0", previousPage.x + 12, previousPage.y + 6, 16, false, page > 0 ? kBlack : kLine);
        DrawText(L"\u25B6", nextPage.x + 12, nextPage.y + 6, 16, false, page + 1 < PageCount() ? kBlack : kLine);
        DrawText(Text(text::kPage) + std::to_wstring(page + 1) + L" / " + std::to_wstring(PageCount()), 350, 539, 14);
    }
    if (!status.empty()) DrawText(status, kLeft, 574, 13, false, kGrey);
    stopButton.Draw();
    print.Draw();
    save.Draw();
    table.Draw();
    ui::DrawHovered({&stopButton, &print, &save, &table, &nameHeading, &dateHeading, &previousPage, &nextPage});
    if (unlock.hovered)
        backGraphics->DrawRectangle(Pen(kUnlockHighlight, 3),
                                    RectF{unlock.x - 2, unlock.y - 2, unlock.width + 4, unlock.height + 4});
    for (auto& b : rowBoxes)
        if (b.hovered) backGraphics->DrawRectangle(Pen(0xFF4069B0u, 2), RectF{b.x + 1, b.y + 1, 782, kRowHeight - 2});
    Present();  // the password field is drawn over the presented frame
    return 1;
}

int COverviewScreen::Update() {
    CPlainScreen::Update();
    if (profile) {
        const std::wstring outcome = ReportPrintOutcome(profile->options, printJob.Take());
        if (!outcome.empty()) status = outcome;
    }
    return nextScreen;
}

std::unique_ptr<Profile> COverviewScreen::SelectedTrainee() {
    if (!profile || selected < 0 || rows[static_cast<size_t>(selected)].locked) {
        status = Text(text::kChooseTraineeFirst);
        return nullptr;
    }
    // The trainee is read into a record of its own: the active one stays as the login left it.
    auto trainee = std::make_unique<Profile>();
    trainee->folder = profile->folder;
    trainee->name = rows[static_cast<size_t>(selected)].name;
    trainee->Load(true, true, true);
    // A password set (or changed) since the row was read keeps the trainee's results closed.
    const auto it = opened.find(trainee->name);
    if (!trainee->password.empty() && (it == opened.end() || it->second != trainee->password)) {
        status = Text(text::kChooseTraineeFirst);
        return nullptr;
    }
    return trainee;
}

void COverviewScreen::SaveTable() {
    if (!profile) return;
    std::wstring path;
    const bool chosen = platform::Os().ChooseSaveFile(
        TraineeSaveRequest(profile->options, text::kSaveTable, text::kCsvType, L"csv", Text(text::kAllTrainees)), path);
    // The dialog covered the window: the next frame is presented in full.
    if (backBuffer) backBuffer->Pixels();
    if (!chosen) return;
    std::array<std::wstring, 10> names;
    for (int g = 1; g < 10; ++g) names[static_cast<size_t>(g)] = Text(text::kExerciseNames + static_cast<uint32_t>(g));
    const std::string csv = profiles::TraineeGroupCsv(profile->folder, rows, names);
    status = Text(platform::WriteFileAtomic(path, csv) ? text::kSaved : text::kNotSaved);
}

void COverviewScreen::Press(int x, int y) {
    status.clear();
    switch (ui::Hit({&stopButton, &print, &save, &table, &nameHeading, &dateHeading, &previousPage, &nextPage, &unlock},
                    x, y)) {
        case 0: nextScreen = kLogin; return;
        case 1:
            // One print at a time: a second press while a server is slow to answer is told so.
            if (printJob.Busy()) {
                status = Text(text::kStillPrinting);
                return;
            }
            // Off the frame's thread: the outcome is shown once the print server has answered.
            if (auto trainee = SelectedTrainee()) StartProgressReportPrint(*trainee, profile->options, printJob);
            return;
        case 2:
            if (auto trainee = SelectedTrainee()) {
                status = SaveProgressReport(*trainee);
                if (backBuffer) backBuffer->Pixels();  // the dialog covered the window
            }
            return;
        case 3: return SaveTable();
        case 4: return Sort(profiles::TraineeOrder::kName);
        case 5: return Sort(profiles::TraineeOrder::kLastTraining);
        case 6: return ShowPage(page - 1);
        case 7: return ShowPage(page + 1);
        case 8: return TryPassword();
        default: break;
    }
    const int i = ui::Hit(std::span<const CSprite>(rowBoxes), x, y);
    if (i >= 0 && page * kRowsPerPage + i < static_cast<int>(rows.size())) Select(page * kRowsPerPage + i);
}

void COverviewScreen::Hover(int x, int y) {
    const bool hand = ui::Hover({&stopButton, &print, &save, &table, &nameHeading, &dateHeading, &unlock}, x, y);
    // The page buttons are live only while there are pages to turn.
    const bool pages = PageCount() > 1 && ui::Hover({&previousPage, &nextPage}, x, y);
    const bool row = ui::Hover(std::span<CSprite>(rowBoxes), x, y);
    ui::PointerShape(hand || pages || row);
}

void COverviewScreen::OnKey(int virtualKey) {
    switch (virtualKey) {
        case platform::VK_PRIOR: return ShowPage(page - 1);
        case platform::VK_NEXT: return ShowPage(page + 1);
        case platform::VK_RETURN:
            if (field && field->Focused()) return TryPassword();
            scanPress = true;
            answerScan.Press();
            scanPress = false;
            return;
        default: return CPlainScreen::OnKey(virtualKey);
    }
}
