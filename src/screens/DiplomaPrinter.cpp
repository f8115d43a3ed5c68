#include "screens/DiplomaPrinter.h"

#include <algorithm>

#include "graphics/Graphics.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "profiles/Profile.h"
#include "screens/ScreenParts.h"

namespace {
constexpr float kThumbScale = 0.45f;
constexpr int kLastDay = 25;
}  // namespace

int CDiplomaPrinter::Init(Graphics* back, Graphics* window, Bitmap* buffer, Profile* p) {
    CGameBase::Init(back, window, buffer, p);
    answerScan.SetPress(MousePress());
    if (profile && profile->options.o7) answerScan.SetScanTime(profile->options.o19);
    diploma.Init(back, window, buffer, p);

    startSound.Open(L"sfx\\click.wav");
    stop.LoadImage(L"gfx\\buttons\\stop.png", back, 1, 0);
    stop.SetPosition(10, 20);
    print.LoadImage(L"gfx\\buttons\\print.png", back, 1, 0);
    print.SetPosition(10, stop.y + stop.height + 20);
    save.LoadImage(L"gfx\\buttons\\save.png", back, 1, 0);
    save.SetPosition(10, print.y + print.height + 20);

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
    answerScan.Clear();
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
}

void CDiplomaPrinter::ShowLarge(int i) {
    if (i < 0 || i >= CDiploma::kDesigns) return;
    for (auto& t : thumbnails) t.visible = 0;
    CSprite& t = thumbnails[static_cast<size_t>(i)];
    t.SetSize(424, 600);
    t.SetPosition(400 - 212, 0);
    t.visible = 1;
    zoomed = true;
}

int CDiplomaPrinter::Update() {
    CGameBase::Update();
    return nextScreen;
}

int CDiplomaPrinter::Draw() {
    if (backGraphics) backGraphics->Clear(0xFFFFFFFFu);
    for (auto& t : thumbnails) {
        if (!t.visible) continue;
        t.Draw();
        t.DrawOutline(0);
    }
    if (!buttonsHidden) {
        stop.Draw();
        print.Draw();
        save.Draw();
    }
    Present();
    return 1;
}

int CDiplomaPrinter::OnMouseMove(unsigned, long lParam) {
    const int x = MouseParamX(lParam), y = MouseParamY(lParam);
    bool hand = false;
    for (CSprite* b : {&stop, &print, &save})
        if (b->UpdateHover(x, y)) hand = true;
    for (auto& t : thumbnails)
        if (t.visible && t.UpdateHover(x, y)) hand = true;
    screens::PointerShape(hand);
    return 1;
}

void CDiplomaPrinter::PrintImage() {
    if (!backBuffer) return;
    buttonsHidden = true;
    Draw();
    platform::Os().PrintImage(backBuffer->Pixels(), backBuffer->StrideBytes(), profile ? profile->name : L"");
    buttonsHidden = false;
}

void CDiplomaPrinter::SaveImage() {
    if (!backBuffer) return;
    buttonsHidden = true;
    Draw();
    // The dialog may change the working folder, which every asset path is relative to.
    const std::wstring folder = platform::WorkingFolder();
    platform::SaveFileRequest request;
    request.title = Text(0);
    request.filterName = L"Bitmap (*.bmp)";
    request.pattern = L"*.bmp";
    request.defaultExtension = L"bmp";
    request.fileName = profile ? profile->name + L".bmp" : L"";
    std::wstring path;
    if (platform::Os().ChooseSaveFile(request, path)) backBuffer->SaveBmp(path);
    platform::SetWorkingFolder(folder);
    buttonsHidden = false;
}

int CDiplomaPrinter::OnMouseDown(unsigned, long lParam) {
    if (!AcceptClick()) return 1;
    const int x = MouseParamX(lParam), y = MouseParamY(lParam);
    if (stop.HitTest(x, y)) {
        startSound.Play(0);
        if (zoomed)
            ShowOverview();
        else
            nextScreen = kSettings;
        return 1;
    }
    if (print.HitTest(x, y)) {
        startSound.Play(0);
        PrintImage();
        return 1;
    }
    if (save.HitTest(x, y)) {
        startSound.Play(0);
        SaveImage();
        return 1;
    }
    for (int i = 0; i < CDiploma::kDesigns; ++i) {
        const CSprite& t = thumbnails[static_cast<size_t>(i)];
        if (!t.visible || !t.HitTest(x, y)) continue;
        startSound.Play(0);
        if (zoomed)
            ShowOverview();
        else
            ShowLarge(i);
        return 1;
    }
    return 1;
}

int CDiplomaPrinter::OnKeyDown(int key, int, long) {
    if (keyHeld) return 1;
    keyHeld = 1;
    switch (key) {
        case platform::VK_RETURN: answerScan.Press(); break;
        case platform::VK_SPACE: answerScan.Step(); break;
        case platform::VK_ESCAPE: nextScreen = kSettings; break;
        default: break;
    }
    return 1;
}
