#include "screens/SelectGame.h"

#include <string>

#include "graphics/Graphics.h"
#include "platform/Platform.h"
#include "profiles/Profile.h"
#include "screens/ScreenParts.h"

namespace {
constexpr int kTextSwitchOff = 18;
}  // namespace

int CSelectGame::Init(Graphics* back, Graphics* windowG, Bitmap* buffer, Profile* p) {
    CGameBase::Init(back, windowG, buffer, p);
    stop.LoadImage(L"gfx\\buttons\\stop.png", back, 1, 0);
    stop.SetPosition(10, 20);
    // The same grid as the menu's.
    float x = 70, y = 60;
    for (int g = 1; g <= kGames; ++g) {
        CSprite& b = games[static_cast<size_t>(g - 1)];
        const std::wstring base = L"gfx\\menu\\game0" + std::to_wstring(g);
        b.LoadImage(base + L"a.png", back, 1, 0);
        b.LoadImage(base + L"b.png", back, 1, 0);
        b.LoadImage(base + L"c.png", back, 1, 0);
        b.SetFrame(0);
        b.SetPosition(x, y);
        x += b.width + 55;
        if (g % 3 == 0) {
            x = 70;
            y += b.height;
        }
    }
    answerScan.SetPress(MousePress());
    answerScan.Clear();
    for (auto& b : games) answerScan.Add(&b);
    answerScan.Add(&stop);
    if (profile && profile->options.o7) answerScan.SetScanTime(profile->options.o19);
    StartGuide(kSelectGame);
    return 1;
}

int CSelectGame::Look(int g) const {
    if (!profile || !profile->options.ExerciseOn(g)) return 1;
    return GameButton(g).hovered ? 2 : 0;
}

int CSelectGame::Update() {
    CGameBase::Update();
    return nextScreen;
}

int CSelectGame::Draw() {
    if (backGraphics) backGraphics->Clear(kBackground);
    for (int g = 1; g <= kGames; ++g) {
        CSprite& b = games[static_cast<size_t>(g - 1)];
        b.SetFrame(Look(g));
        b.Draw();
    }
    stop.Draw();
    Present();
    return 1;
}

int CSelectGame::OnMouseMove(unsigned, long lParam) {
    const int x = MouseParamX(lParam), y = MouseParamY(lParam);
    bool hand = stop.HitTest(x, y) != 0;
    for (auto& b : games)
        if (b.UpdateHover(x, y)) hand = true;
    screens::PointerShape(hand);
    return 1;
}

int CSelectGame::OnMouseDown(unsigned, long lParam) {
    const int x = MouseParamX(lParam), y = MouseParamY(lParam);
    if (stop.HitTest(x, y)) nextScreen = kSettings;
    if (!profile) return 1;
    for (int g = 1; g <= kGames; ++g) {
        if (!games[static_cast<size_t>(g - 1)].HitTest(x, y)) continue;
        // Switching off asks first; switching on joins the plan at the last completed day.
        profile->ToggleExercise(g, profile->options.ExerciseOn(g) != 0 && Ask(kTextSwitchOff));
        break;
    }
    return 1;
}

int CSelectGame::OnKeyDown(int virtualKey, int, long) {
    if (keyHeld) return 1;
    keyHeld = 1;
    switch (virtualKey) {
        case platform::VK_ESCAPE: nextScreen = kSettings; break;
        case platform::VK_SPACE: answerScan.Step(); break;
        case platform::VK_RETURN: answerScan.Press(); break;
        default: break;
    }
    return 1;
}
