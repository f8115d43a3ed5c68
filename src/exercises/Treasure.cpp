#include "exercises/Treasure.h"

#include <algorithm>

#include "profiles/Profile.h"

namespace {
constexpr int kMaxSpan = 9;
constexpr int kChestFrameMs = 60;
constexpr float kFirstCoinX = 345, kFirstCoinY = 185, kRowStep = 55;
// A coin is hit on its face, not on the transparent rim of its picture.
constexpr float kHitX = 4, kHitY = 4, kHitWidth = 46, kHitHeight = 47;
}  // namespace

CTreasure::CTreasure() { game = kTreasure; }

CTreasure::~CTreasure() { WriteBack(); }

int CTreasure::Init(Graphics* back, Graphics* window, Bitmap* buffer, Profile* p) {
    CGameBase::Init(back, window, buffer, p);
    if (!profile) return 1;
    SetupAnswerScan();

    background.LoadImage(
        profile->options.o3 ? L"gfx\\senior\\treasure\\background.png" : L"gfx\\treasure\\background.png", back, 1, 0);
    chest.LoadSequence(L"gfx\\treasure\\chest*.png", back, 1, kChestFrameMs);
    chest.SetPosition(200, 60);

    // Three rows of three, 1 2 3 at the top.
    float x = kFirstCoinX, y = kFirstCoinY;
    for (int k = 1; k < kCoins; ++k) {
        CSprite& coin = coins[static_cast<size_t>(k)];
        LoadNumberButton(coin, L"gfx\\buttons\\coins\\" + std::to_wstring(k));
        coin.user[0] = k;
        coin.SetOutlineWidth(1);
        coin.SetHitBox(kHitX, kHitY, kHitWidth, kHitHeight);
        coin.SetPosition(x, y);
        x += coin.width;
        if (k % 3 == 0) {
            x = kFirstCoinX;
            y += kRowStep;
        }
    }
    coins[0].visible = 0;

    if (ChooseReward(L"treasure", {{L"rabbit"}, {L"bat"}, {L"snake"}}) == 0) reward.SetFrameDuration(7, 500);
    if (profile->options.o21) LoadVisualCue(L"numbers", true);

    LoadExerciseSounds({.name = L"treasure", .instructionFolder = L"treasurechest"});

    // The level decides the direction, whatever was saved; the first level starts on six coins.
    visibleCount = 9;
    StartSession(kMaxSpan);
    const std::wstring& level = profile->level;
    if (level == L"1") {
        neededCorrect = 3;
        direction = 0;
        if (span <= 6) visibleCount = 6;
    } else if (level == L"2") {
        neededCorrect = 3;
        direction = 1;
    } else if (level == L"3") {
        neededCorrect = 2;
        direction = 1;
    }
    FinishInit();
    return 1;
}

int CTreasure::SetupRound() {
    if (!BeginRound()) return 1;
    chest.StopAnimation();
    chest.SetFrame(0);
    answerScan.Clear();
    for (int k = 0; k < kCoins; ++k) {
        CSprite& coin = coins[static_cast<size_t>(k)];
        coin.StopAnimation();
        coin.SetFrame(0);
        coin.visible = k >= 1 && k <= visibleCount ? 1 : 0;
        if (coin.visible) answerScan.Add(&coin);
    }
    const std::wstring folder = visibleCount == 6 ? L"data\\pos\\treasure\\6pos\\" : L"data\\pos\\treasure\\9pos\\";
    const std::vector<int> places = ChoosePlaces(folder, L"coins.txt", std::min(visibleCount, kCoins - 1));
    sequence.clear();
    for (int p : places) {
        if (sequence.size() >= static_cast<size_t>(std::min(span, kCoins))) break;
        sequence.push_back(p + 1);
    }
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

CSprite* CTreasure::ItemSprite(int item) {
    return item >= 1 && item < kCoins ? &coins[static_cast<size_t>(item)] : nullptr;
}

void CTreasure::CloseChest() {
    if (chest.IsLastFrame() && chest.GetFrame() > 0) chest.Play(0, 0, 0, 0, -1);
}

int CTreasure::Update() {
    BeginUpdate();
    chest.Update();
    for (auto& coin : coins) coin.Update();
    // After a wrong coin the chest stays open for the pause, then closes as the wrong speech plays.
    if (phase == Wrong && Passed(deadline)) CloseChest();
    return FinishUpdate();
}

// A press leaves the key latch alone: the latch keeps a held key from repeating, and latching
// on clicks would swallow the next digit, Enter or Space of a trainee who mixes mouse and keys.
int CTreasure::OnMouseDown(unsigned, long lParam) {
    const int x = MouseParamX(lParam);
    const int y = MouseParamY(lParam);
    if (HandleCommonPress(x, y)) return 1;
    for (int k = 0; k < kCoins; ++k) {
        CSprite& coin = coins[static_cast<size_t>(k)];
        if (phase != Answering || !ChestOpen() || !coin.visible || !coin.HitTest(x, y)) continue;
        // Chosen coins stay in the switch list.
        if (CheckAnswer(coin.user[0])) {
            LightOnce(coin, false);
            if (phase == Correct) CloseChest();
        }
    }
    HandleHelpPress(x, y);
    return 1;
}

int CTreasure::Draw() {
    background.Draw();
    chest.Draw();
    if (ChestOpen())
        for (auto& coin : coins) coin.Draw();
    DrawHud(kTreasure);
    Present();
    return 1;
}
