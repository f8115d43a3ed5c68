#include "exercises/Treasure.h"

#include <algorithm>

#include "engine/ItemRow.h"
#include "profiles/Profile.h"

namespace {
constexpr int kMaxSpan = 9;
constexpr int kChestFrameMs = 60;
constexpr float kFirstCoinX = 345, kFirstCoinY = 185, kRowStep = 55;
// A coin is hit on its face, not on the transparent rim of its picture.
constexpr RectF kCoinFace = {4, 4, 46, 47};
}  // namespace

int CTreasure::Init(Graphics* back, Graphics* window, Bitmap* buffer, Profile* p) {
    if (!BeginInit(back, window, buffer, p, L"gfx\\treasure\\background.png", L"gfx\\senior\\treasure\\background.png"))
        return 1;
    chest.LoadSequence(L"gfx\\treasure\\chest*.png", back, 1, kChestFrameMs);
    chest.SetPosition(200, 60);

    LoadNumberButtons(L"gfx\\buttons\\coins\\", 1, &kCoinFace);
    PlaceKeypad(kFirstCoinX, kFirstCoinY, 0, kRowStep);
    coins[0].visible = 0;

    if (ChooseReward(L"treasure", {{L"rabbit"}, {L"bat"}, {L"snake"}}) == 0) reward.SetFrameDuration(7, 500);
    if (profile->options.o21) LoadVisualCue(L"numbers", true);

    LoadExerciseSounds({.name = L"treasure", .instructionFolder = L"treasurechest"});

    StartSession(kMaxSpan);
    ApplyNumberLevel();
    // The level decides the direction, whatever was saved: forward on the first, else backward.
    const std::wstring& level = profile->level;
    if (level == L"1")
        direction = 0;
    else if (level == L"2" || level == L"3")
        direction = 1;
    FinishInit();
    return 1;
}

int CTreasure::SetupRound() {
    if (!BeginRound()) return 1;
    chest.StopAnimation();
    chest.SetFrame(0);
    ResetButtons(false);
    ChooseNumbers(L"treasure", L"coins.txt");
    stepIndex = 0;
    visualCue.visible = 0;
    return 1;
}

void CTreasure::StepPresenting() {
    if (!SayNextNumber(true)) return;
    // Every number said: the chest opens and stays open while the trainee answers.
    chest.SetFrame(0);
    chest.Play(0, 0, 0, 0, 1);
    ShowYourTurnCue();
    FinishPresentation();
}

void CTreasure::CloseChest() {
    if (chest.IsLastFrame() && chest.GetFrame() > 0) chest.Play(0, 0, 0, 0, -1);
}

void CTreasure::UpdateScene() {
    chest.Update();
    engine::UpdateAll(coins);
    // After a wrong coin the chest stays open for the pause, then closes as the wrong speech plays.
    if (phase == Wrong && Passed(deadline)) CloseChest();
}

void CTreasure::UpdateCursor() { ItemCursor(chest.IsLastFrame() && ChestOpen() ? Items() : std::span<CSprite>()); }

// A press leaves the key latch alone: the latch keeps a held key from repeating, and latching
// on clicks would swallow the next digit, Enter or Space of a trainee who mixes mouse and keys.
int CTreasure::OnMouseDown(unsigned, long lParam) {
    return PressOnItems(lParam, ChestOpen() ? Items() : std::span<CSprite>());
}

void CTreasure::OnItemPicked(int item) {
    engine::LightOnce(coins[static_cast<size_t>(item)]);
    if (phase == Correct) CloseChest();
}

void CTreasure::DrawScene() {
    chest.Draw();
    if (ChestOpen()) engine::DrawAll(coins);
}
