#include "screens/OverviewScreen.h"

#include <algorithm>
#include <memory>

#include "graphics/Graphics.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "platform/Utf.h"
#include "profiles/NumberTestResults.h"
#include "profiles/Profile.h"
#include "screens/ProgressReport.h"
#include "ui/Button.h"

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

// Texts of this screen.
constexpr uint32_t kTextLevel = 195;
constexpr uint32_t kTextName = 59;
constexpr uint32_t kTextCancel = 72;
constexpr uint32_t kTextReplace = 122;
constexpr uint32_t kTextSave = 123;
constexpr uint32_t kTextFileName = 124;
constexpr uint32_t kTextFirstExercise = 40;
constexpr uint32_t kTextAll = 198;
constexpr uint32_t kTextLastTraining = 200;
constexpr uint32_t kTextDays = 201;
constexpr uint32_t kTextSenior = 202;
constexpr uint32_t kTextLocked = 203;
constexpr uint32_t kTextWeeks = 204;
constexpr uint32_t kTextCoins = 205;
constexpr uint32_t kTextPrintReport = 206;
constexpr uint32_t kTextSaveReport = 207;
constexpr uint32_t kTextSaveTable = 208;
constexpr uint32_t kTextPdfType = 209;
constexpr uint32_t kTextCsvType = 210;
constexpr uint32_t kTextLongestLegend = 211;
constexpr uint32_t kTextYes = 212;
constexpr uint32_t kTextPage = 213;
constexpr uint32_t kTextBack = 214;
constexpr uint32_t kTextByName = 215;
constexpr uint32_t kTextByDate = 216;
constexpr uint32_t kTextPrinted = 217;
constexpr uint32_t kTextNotPrinted = 218;
constexpr uint32_t kTextSaved = 219;
constexpr uint32_t kTextNotSaved = 220;
constexpr uint32_t kTextChooseFirst = 221;

std::wstring Value(int v) { return v < 0 ? std::wstring(L"-") : std::to_wstring(v); }

}  // namespace

int COverviewScreen::Init(Graphics* back, Graphics* windowG, Bitmap* buffer, Profile* p) {
    CGameBase::Init(back, windowG, buffer, p);
    escapeScreen = kLogin;
    stopButton.LoadImage(L"gfx\\buttons\\stop.png", back, 1, 0);
    stopButton.SetPosition(10, 8);
    ui::SetHoverLabel(stopButton, Text(kTextBack));
    stopButton.SetTextPosition(80, 30);
    ui::MakePicture(print, back, L"gfx\\buttons\\print.png", 800 - 3 * 64 - 10, 4);
    ui::MakePicture(save, back, L"gfx\\buttons\\save.png", 800 - 2 * 64 - 10, 4);
    ui::MakePicture(table, back, L"gfx\\login\\saveas.png", 800 - 64 - 2, 12);
    const std::pair<CSprite*, uint32_t> labelled[] = {
        {&print, kTextPrintReport}, {&save, kTextSaveReport}, {&table, kTextSaveTable}};
    for (const auto& [b, text] : labelled) {
        ui::SetHoverLabel(*b, Text(text), 14);
        b->SetTextPosition(std::min(b->x, 795 - b->textBox.width), 70);
    }
    ui::MakeHotBox(nameHeading, back, kLeft, kHeadingY, 150, 28);
    ui::MakeHotBox(dateHeading, back, 360, kHeadingY, 100, 28);
    ui::MakeHotBox(previousPage, back, 300, 532, 40, 32);
    ui::MakeHotBox(nextPage, back, 460, 532, 40, 32);
    for (int i = 0; i < kRowsPerPage; ++i)
        ui::MakeHotBox(rowBoxes[static_cast<size_t>(i)], back, kLeft - 4, kTop + i * kRowHeight, 784, kRowHeight);
    for (int g = 1; g < 10; ++g) {
        CSprite& icon = icons[static_cast<size_t>(g)];
        icon.LoadImage(L"gfx\\menu\\game0" + std::to_wstring(g) + L"a.png", back, 0, 0);
        icon.SetSize(26, 24);
        icon.SetPosition(kExerciseX + (g - 1) * kExerciseWidth, kHeadingY + 2);
    }

    if (profile) rows = profiles::ReadTraineeRows(profile->folder);
    Sort(profiles::TraineeOrder::kName);

    BeginScan();
    for (CSprite* b : {&nameHeading, &dateHeading}) answerScan.Add(b);
    for (auto& b : rowBoxes) answerScan.Add(&b);
    for (CSprite* b : {&previousPage, &nextPage, &print, &save, &table, &stopButton}) answerScan.Add(b);
    return 1;
}

void COverviewScreen::Sort(profiles::TraineeOrder newOrder) {
    const std::wstring keep = selected >= 0 ? rows[static_cast<size_t>(selected)].name : std::wstring();
    order = newOrder;
    profiles::SortTraineeRows(rows, order);
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
    // The results of a page are read when it is first shown.
    for (int i = 0; i < kRowsPerPage; ++i) {
        const size_t r = static_cast<size_t>(page * kRowsPerPage + i);
        CSprite& box = rowBoxes[static_cast<size_t>(i)];
        if (r < rows.size()) {
            box.SetPosition(kLeft - 4, kTop + static_cast<float>(i) * kRowHeight);
            if (profile) profiles::ReadTraineeResults(profile->folder, rows[r]);
        } else {
            box.SetPosition(kParked, kParked);
        }
    }
}

void COverviewScreen::DrawText(const std::wstring& text, float x, float y, float size, bool bold, uint32_t argb) {
    if (!backGraphics || text.empty()) return;
    backGraphics->DrawString(text, Font(L"Arial", size, bold ? FontStyleBold : FontStyleRegular), RectF{x, y, 0, 0},
                             StringFormat{}, SolidBrush(argb));
}

int COverviewScreen::Draw() {
    if (!backGraphics) return 1;
    backGraphics->Clear(0xFFFFFFFFu);
    DrawText(Text(kTextAll), 80, 10, 22, true);
    DrawText(Text(order == profiles::TraineeOrder::kName ? kTextByName : kTextByDate) + L"  \u00B7  " +
                 Text(kTextLongestLegend),
             80, 40, 11, false, kGrey);
    backGraphics->FillRectangle(SolidBrush(kHeadingBack), RectF{0, kHeadingY, 800, 30});
    const float y0 = kHeadingY + 7;
    DrawText(Text(kTextName) + (order == profiles::TraineeOrder::kName ? L" \u25BC" : L""), kLeft, y0, 12, true);
    DrawText(Text(kTextLevel), 170, y0, 12, true);
    DrawText(Text(kTextSenior), 212, y0, 12, true);
    DrawText(Text(kTextWeeks), 262, y0, 12, true);
    DrawText(Text(kTextDays), 312, y0, 12, true);
    DrawText(Text(kTextLastTraining) + (order == profiles::TraineeOrder::kLastTraining ? L" \u25BC" : L""), 360, y0, 12,
             true);
    DrawText(Text(kTextCoins), 468, y0, 12, true);
    for (int g = 1; g < 10; ++g) icons[static_cast<size_t>(g)].Draw();

    for (int i = 0; i < kRowsPerPage; ++i) {
        const size_t r = static_cast<size_t>(page * kRowsPerPage + i);
        if (r >= rows.size()) break;
        const profiles::TraineeRow& row = rows[r];
        const float y = kTop + static_cast<float>(i) * kRowHeight;
        if (static_cast<int>(r) == selected)
            backGraphics->FillRectangle(SolidBrush(kSelectedRow), RectF{0, y, 800, kRowHeight});
        backGraphics->DrawLine(Pen(kLine), 0, y + kRowHeight - 0.5f, 800, y + kRowHeight - 0.5f);
        const float ty = y + 10;
        DrawText(row.name, kLeft, ty, 13, true);
        if (row.locked) {
            DrawText(Text(kTextLocked), 170, ty, 12, false, kGrey);
            continue;
        }
        DrawText(row.level, 176, ty, 12);
        DrawText(row.senior ? Text(kTextYes) : L"", 212, ty, 12);
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

    const bool many = PageCount() > 1;
    if (many) {
        DrawText(L"\u25C0", previousPage.x + 12, previousPage.y + 6, 16, false, page > 0 ? kBlack : kLine);
        DrawText(L"\u25B6", nextPage.x + 12, nextPage.y + 6, 16, false, page + 1 < PageCount() ? kBlack : kLine);
        DrawText(Text(kTextPage) + std::to_wstring(page + 1) + L" / " + std::to_wstring(PageCount()), 350, 539, 14);
    }
    if (!status.empty()) DrawText(status, kLeft, 574, 13, false, kGrey);
    stopButton.Draw();
    print.Draw();
    save.Draw();
    table.Draw();
    for (CSprite* b : {&stopButton, &print, &save, &table, &nameHeading, &dateHeading, &previousPage, &nextPage}) {
        if (!b->hovered) continue;
        ui::DrawHighlight(*b);
        ui::DrawLabel(*b);
    }
    for (auto& b : rowBoxes)
        if (b.hovered) backGraphics->DrawRectangle(Pen(0xFF4069B0u, 2), RectF{b.x + 1, b.y + 1, 782, kRowHeight - 2});
    Present();
    return 1;
}

std::string COverviewScreen::SelectedReport() {
    if (!profile || selected < 0 || rows[static_cast<size_t>(selected)].locked) {
        status = Text(kTextChooseFirst);
        return {};
    }
    // The trainee is read into a record of its own: the active one stays as the login left it.
    auto trainee = std::make_unique<Profile>();
    trainee->folder = profile->folder;
    trainee->name = rows[static_cast<size_t>(selected)].name;
    trainee->Load(true, true, true);
    if (!trainee->password.empty()) {  // a password set meanwhile
        status = Text(kTextChooseFirst);
        return {};
    }
    return ProgressReportPdf(*trainee, profiles::LoadNumberTests(trainee->folder, trainee->name), Profile::TodayText());
}

void COverviewScreen::PrintReport() {
    const std::string pdf = SelectedReport();
    if (pdf.empty()) return;
    const bool printed = platform::Os().PrintDocument(
        pdf, profile->options.GetText(180) + L" " + rows[static_cast<size_t>(selected)].name);
    status = Text(printed ? kTextPrinted : kTextNotPrinted);
}

platform::SaveFileRequest COverviewScreen::Request(uint32_t title, uint32_t type, const wchar_t* extension,
                                                   const std::wstring& fileName) const {
    platform::SaveFileRequest request;
    request.title = Text(title);
    request.filterName = Text(type);
    request.pattern = std::wstring(L"*.") + extension;
    request.defaultExtension = extension;
    request.fileName = fileName;
    request.folder = platform::DocumentsFolder();
    request.fileNameLabel = Text(kTextFileName);
    request.save = Text(kTextSave);
    request.cancel = Text(kTextCancel);
    request.replaceQuestion = Text(kTextReplace);
    return request;
}

void COverviewScreen::SaveReport() {
    const std::string pdf = SelectedReport();
    if (pdf.empty()) return;
    std::wstring path;
    if (!platform::Os().ChooseSaveFile(
            Request(kTextSaveReport, kTextPdfType, L"pdf", Text(180) + L" " + rows[static_cast<size_t>(selected)].name),
            path))
        return;
    status = Text(platform::WriteFileAtomic(path, pdf) ? kTextSaved : kTextNotSaved);
}

void COverviewScreen::SaveTable() {
    if (!profile) return;
    std::wstring path;
    if (!platform::Os().ChooseSaveFile(Request(kTextSaveTable, kTextCsvType, L"csv", Text(kTextAll)), path)) return;
    std::array<std::wstring, 10> names;
    for (int g = 1; g < 10; ++g) names[static_cast<size_t>(g)] = Text(kTextFirstExercise + static_cast<uint32_t>(g));
    const std::string csv = profiles::TraineeGroupCsv(profile->folder, rows, names);
    status = Text(platform::WriteFileAtomic(path, csv) ? kTextSaved : kTextNotSaved);
}

void COverviewScreen::Press(int x, int y) {
    status.clear();
    if (stopButton.HitTest(x, y)) {
        nextScreen = kLogin;
    } else if (print.HitTest(x, y)) {
        PrintReport();
    } else if (save.HitTest(x, y)) {
        SaveReport();
    } else if (table.HitTest(x, y)) {
        SaveTable();
    } else if (nameHeading.HitTest(x, y)) {
        Sort(profiles::TraineeOrder::kName);
    } else if (dateHeading.HitTest(x, y)) {
        Sort(profiles::TraineeOrder::kLastTraining);
    } else if (previousPage.HitTest(x, y)) {
        ShowPage(page - 1);
    } else if (nextPage.HitTest(x, y)) {
        ShowPage(page + 1);
    } else {
        for (int i = 0; i < kRowsPerPage; ++i) {
            const int r = page * kRowsPerPage + i;
            if (r < static_cast<int>(rows.size()) && rowBoxes[static_cast<size_t>(i)].HitTest(x, y)) selected = r;
        }
    }
}

void COverviewScreen::Hover(int x, int y) {
    bool hand = false;
    for (CSprite* b : {&stopButton, &print, &save, &table, &nameHeading, &dateHeading, &previousPage, &nextPage})
        hand = b->UpdateHover(x, y) || hand;
    for (auto& b : rowBoxes) hand = b.UpdateHover(x, y) || hand;
    ui::PointerShape(hand);
}

void COverviewScreen::OnKey(int virtualKey) {
    switch (virtualKey) {
        case platform::VK_PRIOR: ShowPage(page - 1); break;
        case platform::VK_NEXT: ShowPage(page + 1); break;
        default: CPlainScreen::OnKey(virtualKey); break;
    }
}
