#include "exercises/GhostHouse.h"

#include <algorithm>
#include <numeric>

#include "profiles/Profile.h"
#include "text/Random.h"

namespace {
constexpr int kMaxSpan = 9;
constexpr int kStartSpanCap = 10;
constexpr uint32_t kRevealDelayMs = 850;
// The windows of the house, where the horrors wait: the top-left corner of horror 0..17.
constexpr int kHorrorPlaces[CGhostHouse::kHorrors][2] = {
    {630, 40}, {550, 20},  {100, 415}, {520, 410}, {350, 400}, {480, 170}, {490, 320}, {180, 60},  {100, 140},
    {340, 30}, {100, 260}, {230, 385}, {80, 50},   {210, 200}, {460, 20},  {650, 290}, {560, 190}, {430, 230}};
// A button is hit on its painted plate, not on the transparent rim of its picture.
constexpr float kHitX = 17, kHitY = 16, kHitWidth = 46, kHitHeight = 47;
}  // namespace

CGhostHouse::CGhostHouse() { game = kGhostHouse; }

CGhostHouse::~CGhostHouse() { WriteBack(); }

int CGhostHouse::Init(Graphics* back, Graphics* window, Bitmap* buffer, Profile* p) {
    CGameBase::Init(back, window, buffer, p);
    if (!profile) return 1;
    SetupAnswerScan();
    const bool senior = profile->options.o3 != 0;

    background.LoadImage(L"gfx\\ghosthouse\\background0.png", back, 1, 0);
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
    for (int i = 0; i < kButtons; ++i) {
        CSprite& button = buttons[static_cast<size_t>(i)];
        LoadNumberButton(button, L"gfx\\treasure\\buttons\\button" + std::to_wstring(i));
        button.user[0] = i;
        button.SetOutlineWidth(1);
        button.SetHitBox(kHitX, kHitY, kHitWidth, kHitHeight);
        button.visible = 0;
    }

    ChooseReward(L"ghosthouse", {{L"pumpkin"}, {L"spider"}, {L"wave"}});
    if (profile->options.o21) LoadVisualCue(L"numbers", true);
    LoadExerciseSounds({.name = L"ghosthouse",
                        .instructionFolder = L"ghosthouse",
                        .forwardInstruction = false,
                        .itemShown = L"sfx\\ghosthouse\\*.wav",
                        .shufflePraise = false});

    StartSession(kStartSpanCap);
    visibleCount = 9;
    const std::wstring& level = profile->level;
    if (level == L"1") {
        neededCorrect = 3;
        if (span <= 6) visibleCount = 6;
    } else if (level == L"2") {
        neededCorrect = 3;
    } else if (level == L"3") {
        neededCorrect = 2;
    }

    LoadHud();
    SetupStartScan();
    CreateDebugText();
    if (senior) {
        SetupRound();
    } else {
        phase = kEntering;
        entrance.SetFrame(0);
        entrance.Play(0, 0, 0, 0, 1);
    }
    guideActive = StartGuide(kGhostHouse) ? 1 : 0;
    return 1;
}

int CGhostHouse::SetupRound() {
    if (!BeginRound()) return 1;
    background.SetFrame(0);

    // Button 0 hangs in the house too but is never asked for, so it is not scanned.
    answerScan.Clear();
    for (int i = 0; i < kButtons; ++i) {
        CSprite& button = buttons[static_cast<size_t>(i)];
        button.StopAnimation();
        button.SetFrame(0);
        button.visible = i <= visibleCount ? 1 : 0;
        if (button.visible && i >= 1) answerScan.Add(&button);
    }

    const std::wstring folder = visibleCount == 6 ? L"data\\pos\\ghosthouse\\6pos\\" : L"data\\pos\\ghosthouse\\9pos\\";
    const std::vector<int> places = ChoosePlaces(folder, L"horrors.txt", std::min(visibleCount, kButtons - 1));
    sequence.clear();
    for (int p : places) {
        if (sequence.size() >= static_cast<size_t>(std::min(span, kButtons))) break;
        sequence.push_back(p + 1);
    }

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

CSprite* CGhostHouse::ItemSprite(int item) {
    return item >= 0 && item < kButtons ? &buttons[static_cast<size_t>(item)] : nullptr;
}

int CGhostHouse::Update() {
    if (phase == kEntering) {
        entrance.Update();
        if (entrance.IsAnimationStopped()) {
            entrance.FreeImages();
            SetupRound();
        }
        return kStayOnScreen;
    }
    BeginUpdate();
    for (auto& horror : horrors) horror.Update();
    for (auto& button : buttons) button.Update();
    if (phase == kRevealing && Passed(deadline)) {
        itemShownSound.PlayNext();
        for (auto& button : buttons) button.visible = 0;
        phase = Correct;
        deadline = Now() + 2000;
    }
    return FinishUpdate();
}

int CGhostHouse::OnMouseDown(unsigned, long lParam) {
    if (phase == kEntering) return 1;  // only the entrance is on the screen
    const int x = MouseParamX(lParam);
    const int y = MouseParamY(lParam);
    if (HandleCommonPress(x, y)) return 1;
    for (int i = 0; i < kButtons; ++i) {
        CSprite& button = buttons[static_cast<size_t>(i)];
        if (phase != Answering || !button.visible || !button.HitTest(x, y)) continue;
        if (CheckAnswer(i)) {
            LightOnce(button, true);
            answerScan.RemoveEntry(&button);
            if (phase == Correct) {
                phase = kRevealing;
                deadline = Now() + kRevealDelayMs;
            }
        }
    }
    HandleHelpPress(x, y);
    return 1;
}

int CGhostHouse::Draw() {
    if (phase == kEntering) {
        entrance.Draw();
        Present();
        return 1;
    }
    background.Draw();
    if (phase > Presenting)
        for (auto& button : buttons) button.Draw();
    if (phase == Correct) {
        for (int item : sequence) {
            const CSprite* button = ItemSprite(item);
            if (button && !button->visible) horrors[static_cast<size_t>(button->user[1])].Draw();
        }
    }
    DrawHud(kGhostHouse);
    Present();
    return 1;
}
