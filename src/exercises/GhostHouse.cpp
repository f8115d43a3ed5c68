#include "exercises/GhostHouse.h"

#include <algorithm>
#include <numeric>

#include "engine/ItemRow.h"
#include "profiles/Profile.h"
#include "text/Random.h"

namespace {
constexpr int kStartSpanCap = 10;
constexpr uint32_t kRevealDelayMs = 850;
// The windows of the house, where the horrors wait: the top-left corner of horror 0..17.
constexpr int kHorrorPlaces[CGhostHouse::kHorrors][2] = {
    {630, 40}, {550, 20},  {100, 415}, {520, 410}, {350, 400}, {480, 170}, {490, 320}, {180, 60},  {100, 140},
    {340, 30}, {100, 260}, {230, 385}, {80, 50},   {210, 200}, {460, 20},  {650, 290}, {560, 190}, {430, 230}};
// A button is hit on its painted plate, not on the transparent rim of its picture.
constexpr RectF kPlate = {17, 16, 46, 47};
}  // namespace

int CGhostHouse::Init(Graphics* back, Graphics* window, Bitmap* buffer, Profile* p) {
    if (!BeginInit(back, window, buffer, p, L"gfx\\ghosthouse\\background0.png")) return 1;
    const bool senior = profile->options.o3 != 0;
    background.LoadImage(L"gfx\\ghosthouse\\background1.png", back, 1, 0);
    if (!senior) {
        entrance.LoadSequence(L"gfx\\ghosthouse\\enter\\*.gif", back, 1, 150);
        entrance.SetFrameDuration(0, 1000);
    }
    for (int k = 0; k < kHorrors; ++k) {
        CSprite& horror = horrors[static_cast<size_t>(k)];
        const std::wstring number = (k < 10 ? L"0" : L"") + std::to_wstring(k);
        horror.LoadImage(L"gfx\\ghosthouse\\horrors\\horror" + number + L".png", back, 1, 0);
        horror.SetPosition(static_cast<float>(kHorrorPlaces[k][0]), static_cast<float>(kHorrorPlaces[k][1]));
    }
    LoadNumberButtons(L"gfx\\treasure\\buttons\\button", 0, &kPlate);
    for (auto& button : buttons) button.visible = 0;

    ChooseReward(L"ghosthouse", {{L"pumpkin"}, {L"spider"}, {L"wave"}});
    if (profile->options.o21) LoadVisualCue(L"numbers", true);
    LoadExerciseSounds({.name = L"ghosthouse",
                        .forwardInstruction = false,
                        .itemShown = L"sfx\\ghosthouse\\*.wav",
                        .shufflePraise = false});

    StartSession(kStartSpanCap);
    ApplyNumberLevel();

    // The session opens with the walk into the house.
    if (!senior) phase = kEntering;
    FinishInit();
    return 1;
}

int CGhostHouse::SetupRound() {
    if (phase == kEntering) {
        entrance.SetFrame(0);
        entrance.Play(0, 0, 0, 0, 1);
        return 1;
    }
    if (!BeginRound()) return 1;
    background.SetFrame(0);

    ResetButtons(true);  // button 0 hangs in the house too

    ChooseNumbers(L"ghosthouse", L"horrors.txt");

    // Every button in a window of its own, other windows every round.
    std::array<int, kHorrors> windows{};
    std::iota(windows.begin(), windows.end(), 0);
    ShuffleList(windows.begin(), windows.end());
    for (int i = 0; i < kButtons; ++i) {
        CSprite& button = buttons[static_cast<size_t>(i)];
        const int k = windows[static_cast<size_t>(i)];
        const CSprite& horror = horrors[static_cast<size_t>(k)];
        button.SetPosition(horror.CentreX() - button.width / 2, horror.CentreY() - button.height / 2);
        button.user[1] = k;
    }
    stepIndex = 0;
    visualCue.visible = 0;
    return 1;
}

void CGhostHouse::StepPresenting() {
    if (!SayNextNumber(true)) return;
    ShowYourTurnCue();
    // The house is always answered backward, whatever direction the profile holds.
    if (direction != 1) std::reverse(sequence.begin(), sequence.end());
    FinishPresentation();
    background.SetFrame(1);
}

int CGhostHouse::Update() {
    if (phase != kEntering) return CSpokenNumberExercise::Update();
    entrance.Update();
    if (entrance.IsAnimationStopped()) {
        entrance.FreeImages();
        phase = WaitStart;
        SetupRound();
    }
    return kStayOnScreen;
}

void CGhostHouse::UpdateScene() {
    engine::UpdateAll(horrors);
    engine::UpdateAll(buttons);
    if (phase == kRevealing && Passed(deadline)) {
        itemShownSound.PlayNext();
        for (auto& button : buttons) button.visible = 0;
        phase = Correct;
        deadline = Now() + 2000;
    }
}

int CGhostHouse::OnMouseDown(unsigned wParam, long lParam) {
    if (phase == kEntering) return 1;
    return CSpokenNumberExercise::OnMouseDown(wParam, lParam);
}

void CGhostHouse::OnItemPicked(int item) {
    CSprite& button = buttons[static_cast<size_t>(item)];
    engine::LightOnce(button, true);
    answerScan.RemoveEntry(&button);
    if (phase == Correct) {
        phase = kRevealing;
        deadline = Now() + kRevealDelayMs;
    }
}

int CGhostHouse::Draw() {
    if (phase != kEntering) return CSpokenNumberExercise::Draw();
    entrance.Draw();
    Present();
    return 1;
}

void CGhostHouse::DrawScene() {
    if (phase > Presenting) engine::DrawAll(buttons);
    if (phase == Correct) {
        for (int item : sequence) {
            const CSprite* button = ItemSprite(item);
            if (button && !button->visible) horrors[static_cast<size_t>(button->user[1])].Draw();
        }
    }
}
