#include "screens/SelectGame.h"

#include <string>

#include "graphics/Graphics.h"
#include "platform/Platform.h"
#include "profiles/Profile.h"
#include "ui/Button.h"

int CSelectGame::Init(Graphics* back, Graphics* windowG, Bitmap* buffer, Profile* p) {
    CGameBase::Init(back, windowG, buffer, p);
    stop.LoadImage(L"gfx\\buttons\\stop.png", back, 1, 0);
    stop.SetPosition(10, 20);
    escapeScreen = kSettings;
    LoadGames();
    BeginScan();
    for (auto& b : games) answerScan.Add(&b);
    answerScan.Add(&stop);
    StartGuide(kSelectGame);
    return 1;
}

int CSelectGame::Look(int g) const {
    if (!profile || !profile->options.ExerciseOn(g)) return 1;
    return GameButton(g).hovered ? 2 : 0;
}

int CSelectGame::Draw() {
    DrawGames();
    stop.Draw();
    Present();
    return 1;
}

void CSelectGame::Hover(int x, int y) {
    const bool overGame = ui::Hover(games, x, y);
    ui::PointerShape(overGame || stop.HitTest(x, y));
}

void CSelectGame::Press(int x, int y) {
    constexpr int kTextSwitchOff = 18;  // the question before an exercise is switched off
    if (stop.HitTest(x, y)) nextScreen = kSettings;
    const int g = ui::Hit(std::span<const CSprite>(games), x, y) + 1;
    // Switching off asks first; switching on joins the plan at the last completed day.
    if (profile && g > 0) profile->ToggleExercise(g, profile->options.ExerciseOn(g) != 0 && Ask(kTextSwitchOff));
}
