#include "screens/DiplomaPrinter.h"

#include <algorithm>

#include "graphics/Graphics.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "profiles/Profile.h"
#include "screens/ProgressReport.h"
#include "text/TextIds.h"
#include "ui/Button.h"

namespace {
constexpr float kThumbScale = 0.45f;
constexpr int kLastDay = 25;
}  // namespace

int CDiplomaPrinter::Init(Graphics* back, Graphics* window, Bitmap* buffer, Profile* p) {
    CGameBase::Init(back, window, buffer, p);
    escapeScreen = kSettings;
    BeginScan();
    diploma.Init(back, window, buffer, p);

    startSound.Open(L"sfx\\click.wav");
    stop.LoadImage(L"gfx\\buttons\\stop.png", back, 1, 0);
    stop.SetPosition(10, 20);
    print.LoadImage(L"gfx\\buttons\\print.png", back, 1, 0);
    print.SetPosition(10, stop.y + stop.height + 20);
    save.LoadImage(L"gfx\\buttons\\save.png", back, 1, 0);
    save.SetPosition(10, print.y + print.height + 20);
    notice.Init(back);

    const int day = profile ? std::min(profile->CompletedDays(), kLastDay) : 0;
    for (int i = 0; i < CDiploma::kDesigns; ++i) {
        CSprite& t = thumbnails[static_cast<size_t>(i)];
        t.LoadImage(L"gfx\\diploma\\blank.png", back, 0, 0);
        t.SetOutlineColor(kOutline);
        t.SetOutlineWidth(2);
        if (std::min(day / 5, 4) < i) continue;
        diploma.LoadDesign(i);
        diploma.RenderTo(t.GetFrameGraphics().get());
        diploma.FreeDesign();
        filled[static_cast<size_t>(i)] = true;
    }
    ShowOverview();
    answerScan.Add(&stop);
    answerScan.Add(&print);
    answerScan.Add(&save);
    StartGuide(kDiplomaPrinter);
    return 1;
}

void CDiplomaPrinter::ShowOverview() {
    float x = 195, y = 20;
    for (int i = 0; i < CDiploma::kDesigns; ++i) {
        CSprite& t = thumbnails[static_cast<size_t>(i)];
        t.SetSize(t.naturalWidth * kThumbScale, t.naturalHeight * kThumbScale);
        t.SetPosition(x, y);
        t.visible = 1;
        if (i == 1) {
            x = 87;
            y += t.height + 20;
        } else {
            x += t.width + 20;
        }
    }
    zoomed = false;
    shownLarge = -1;
}

void CDiplomaPrinter::ShowLarge(int i) {
    if (i < 0 || i >= CDiploma::kDesigns) return;
    for (auto& t : thumbnails) t.visible = 0;
    CSprite& t = thumbnails[static_cast<size_t>(i)];
    t.SetSize(424, 600);
    t.SetPosition(400 - 212, 0);
    t.visible = 1;
    zoomed = true;
    shownLarge = i;
}

int CDiplomaPrinter::Update() {
    CPlainScreen::Update();
    switch (printJob.Take()) {
        case platform::PrintJob::Outcome::kSent: notice.Show(Text(text::kPicturePrinted)); break;
        case platform::PrintJob::Outcome::kFailed: notice.Show(Text(text::kPictureNotPrinted)); break;
        case platform::PrintJob::Outcome::kNone: break;
    }
    return nextScreen;
}

int CDiplomaPrinter::Draw() {
    DrawPage(true);
    Present();
    return 1;
}

void CDiplomaPrinter::DrawPage(bool withButtons) {
    if (backGraphics) backGraphics->Clear(0xFFFFFFFFu);
    for (auto& t : thumbnails) {
        if (!t.visible) continue;
        t.Draw();
        t.DrawOutline(0);
    }
    if (withButtons) {
        stop.Draw();
        print.Draw();
        save.Draw();
        notice.Draw();
    }
}

void CDiplomaPrinter::Hover(int x, int y) {
    bool hand = ui::Hover({&stop, &print, &save}, x, y);
    for (auto& t : thumbnails)
        if (t.visible && t.UpdateHover(x, y)) hand = true;
    ui::PointerShape(hand);
}

void CDiplomaPrinter::PrintImage() {
    if (!backBuffer) return;
    // One print at a time: a second press while a server is slow to answer is told so.
    if (printJob.Busy()) return notice.Show(Text(text::kStillPrinting));
    DrawPage(false);
    // Off the frame's thread: the outcome is shown once the print server has answered.
    printJob.TellWith(Text(text::kPicturePrinted), Text(text::kPictureNotPrinted));
    printJob.Start(backBuffer->Pixels(), backBuffer->StrideBytes(), profile ? profile->name : L"");
}

void CDiplomaPrinter::SaveImage() {
    if (!backBuffer) return;
    DrawPage(false);
    // The dialog may change the working folder, which every asset path is relative to.
    const std::wstring folder = platform::WorkingFolder();
    platform::SaveFileRequest request;
    request.title = Text(text::kSaveDiplomaTitle);
    request.filterName = Text(text::kBitmapType);
    request.pattern = L"*.bmp";
    request.defaultExtension = L"bmp";
    // The diploma's number: the one shown large, else the last one reached.
    const int number =
        shownLarge >= 0 ? shownLarge + 1 : static_cast<int>(std::count(filled.begin(), filled.end(), true));
    if (profile)
        request.fileName =
            profile->SuggestedFileName(Text(text::kDiplomaFileName), std::to_wstring(std::max(number, 1))) + L".bmp";
    request.refused = Profile::IsTraineeFile;
    request.refusedNotice = Text(text::kTraineeOwnFile);
    SetSaveDialogWords(request, profile->options);
    std::wstring path;
    if (platform::Os().ChooseSaveFile(request, path))
        notice.Show(Text(backBuffer->SaveBmp(path) ? text::kPictureSaved : text::kPictureNotSaved));
    platform::SetWorkingFolder(folder);
}

void CDiplomaPrinter::Press(int x, int y) {
    if (!AcceptClick()) return;
    const int button = ui::Hit({&stop, &print, &save}, x, y);
    int shown = -1;  // the design under the press
    for (int i = 0; i < CDiploma::kDesigns && button < 0 && shown < 0; ++i) {
        const CSprite& t = thumbnails[static_cast<size_t>(i)];
        if (t.visible && t.HitTest(x, y)) shown = i;
    }
    if (button < 0 && shown < 0) return;
    startSound.Play(0);
    if (button == 1) {
        PrintImage();
    } else if (button == 2) {
        SaveImage();
    } else if (zoomed) {
        ShowOverview();  // stop, or a press on the large design
    } else if (button == 0) {
        nextScreen = kSettings;
    } else {
        ShowLarge(shown);
    }
}
