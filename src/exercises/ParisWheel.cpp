#include "exercises/ParisWheel.h"

#include "engine/ItemRow.h"
#include "profiles/Profile.h"

namespace {
constexpr int kMaxSpan = 8;
constexpr int kLitMs = 800;
// A wagon is hit on its cabin, not on the transparent corners of its picture.
constexpr float kHitX = 40, kHitY = 18, kHitWidth = 75, kHitHeight = 89;
// The second streak at span 8 makes the wheel turn this much faster, once.
constexpr int kSpeedUpAt = 2;
constexpr float kSpeedUp = 1.25f;
}  // namespace

int CParisWheel::Init(Graphics* back, Graphics* window, Bitmap* buffer, Profile* p) {
    if (!BeginInit(back, window, buffer, p, L"gfx\\pariswheel\\background.png")) return 1;
    for (auto& wagon : wagons) {
        wagon.LoadImage(L"gfx\\pariswheel\\wagon0.png", back, 1, 0);
        wagon.LoadImage(L"gfx\\pariswheel\\wagon1.png", back, 1, kLitMs);
        wagon.SetHitBox(kHitX, kHitY, kHitWidth, kHitHeight);
        wagon.SetOutlineWidth(1);
    }
    for (size_t i = 0; i < palms.size(); ++i)
        palms[i].LoadImage(L"gfx\\pariswheel\\palm" + std::to_wstring(i) + L".png", back, 1, 0);
    palms[0].SetPosition(100, 600 - palms[0].height);
    palms[1].SetPosition(440 - palms[1].width / 2, 600 - palms[1].height);
    palms[2].SetPosition(610, 370);
    if (!profile->options.o3) {
        moon.LoadSequence(L"gfx\\pariswheel\\moon*.png", back, 1, 0);
        moon.SetPosition(600, 50);
    }

    if (ChooseReward(L"pariswheel", {{L"fireworks"}}) >= 0) reward.SetPosition(0, 50);
    LoadExerciseSounds(
        {.name = L"pariswheel", .backwardInstruction = false, .itemShown = L"sfx\\click.wav", .numbers = nullptr});
    wheelMusic.OpenAll(L"sfx\\pariswheel\\wheelmusic*.wav");

    StartSession(kMaxSpan);
    // The wheel plays forward only and never saves a backward direction; one found in the
    // trainee's file is not taken over (it would count forward answers as backward ones).
    direction = 0;
    visibleCount = 8;
    if (profile->level == L"1") {
        wheelSpeed = 6;
        visibleCount = 6;
    } else if (profile->level == L"3") {
        wheelSpeed = 10;
    } else {
        wheelSpeed = 8;
    }
    if (span > visibleCount && span > 6) visibleCount = 8;

    SetupWheel();
    FinishInit();
    return 1;
}

void CParisWheel::SetupWheel() {
    const bool six = visibleCount == 6;
    wheel.FreeImages();
    // A plain bitmap: only those are drawn turned.
    wheel.LoadImage(six ? L"gfx\\pariswheel\\wheel6.png" : L"gfx\\pariswheel\\wheel8.png", backGraphics, 0, 0);
    wheelWagons = six ? 6 : 8;
    wheel.SetAngle(0);
    wheel.SetSpin(wheelSpeed);
    wheel.SetPosition(kCentreX - wheel.width / 2, kCentreY - wheel.height / 2);
    const float apart = six ? 60.0f : 45.0f;
    for (int i = 0; i < kWagonCount; ++i)
        wagons[static_cast<size_t>(i)].StartOrbit(kCentreX, kCentreY, wheelSpeed, kRadius,
                                                  static_cast<float>(i + 1) * apart);
}

void CParisWheel::FreezeWheel() {
    wheel.FreezeMotion();
    for (auto& wagon : wagons) wagon.FreezeMotion();
}

void CParisWheel::ResumeWheel() {
    wheel.ResumeMotion();
    for (auto& wagon : wagons) wagon.ResumeMotion();
}

int CParisWheel::SetupRound() {
    if (!BeginRound()) return 1;
    // The wheel waits for the trainee to start, at the speed this round turns with.
    wheel.SetSpin(wheelSpeed);
    answerScan.Clear();
    for (int i = 0; i < kWagonCount; ++i) {
        CSprite& wagon = wagons[static_cast<size_t>(i)];
        wagon.visible = i < visibleCount ? 1 : 0;
        if (wagon.visible) answerScan.Add(&wagon);
        wagon.orbitSpeed = wheelSpeed;
        wagon.StopAnimation();
        wagon.SetFrame(0);
    }
    FreezeWheel();
    if (visibleCount == 8 && wheelWagons == 6) SetupWheel();

    const wchar_t* folder = visibleCount == 6 ? L"data\\pos\\pariswheel\\6pos\\" : L"data\\pos\\pariswheel\\8pos\\";
    sequence = ChoosePlaces(folder, L"wagons.txt", visibleCount);  // wagon number = place number
    stepIndex = 0;
    return 1;
}

void CParisWheel::UpdateScene() {
    wheel.Update();
    moon.Update();
    engine::UpdateAll(wagons);
}

int CParisWheel::OnMouseDown(unsigned, long lParam) {
    const int x = MouseParamX(lParam);
    const int y = MouseParamY(lParam);
    const bool waiting = phase == WaitStart;
    if (HandleCommonPress(x, y)) {
        if (waiting && phase == Starting) {
            // The trial has started: the music plays and the wheel turns from now on.
            if (profile && profile->options.o0) wheelMusic.PlayNext();
            ResumeWheel();
        }
        return 1;
    }
    // Wagons stand too far apart on their circle for two hit areas to overlap.
    const int hit = engine::ShownUnder(wagons, x, y);
    if (phase == Answering && hit >= 0) {
        if (CheckAnswer(hit))
            ShowItem(hit);
        else
            FreezeWheel();  // the wheel stops, so the marker stays on the expected wagon where it now is
    }
    HandleHelpPress(x, y);
    return 1;
}

void CParisWheel::DrawScene() {
    engine::DrawAll(palms);
    wheel.Draw();
    moon.Draw();
    engine::DrawAll(wagons);
}

void CParisWheel::OnRoundCorrect() {
    const engine::SuccessResult result = ApplySuccessRule();
    if (result.wasAtEight && ++speedUps == kSpeedUpAt) wheelSpeed *= kSpeedUp;
    if (moon.FrameCount() > 0 && !moon.IsLastFrame()) moon.NextFrame();
}
