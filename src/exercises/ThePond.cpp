#include "exercises/ThePond.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "engine/ItemRow.h"
#include "profiles/Profile.h"
#include "text/Random.h"

namespace {
constexpr int kMaxSpan = 10;
constexpr int kFishFrameMs = 500;
constexpr float kMiddle = 400;
constexpr float kGap = 5;
// Pixels per second: the fish of a solved sequence swimming away, a bubble rising.
constexpr float kAwaySpeed = 300, kBubbleRise = 20;
// How long a fish stays lit when it is shown and when it is found right.
constexpr uint32_t kPresentedLitMs = 1400, kAnsweredLitMs = 500;
// Fish frames: 0 faces right, 2 faces left, 1 and 3 are the turns between.
constexpr int kFacingRight = 0, kTurningLeft = 1, kFacingLeft = 2, kTurningRight = 3;

// Each fish is hit on its body (offset from its position, then width and height).
constexpr RectF kHitAreas[CThePond::kFishCount] = {
    {5, 20, 205, 125}, {5, 21, 185, 110}, {5, 15, 165, 105}, {5, 15, 150, 90}, {5, 15, 130, 80},
    {5, 10, 118, 75},  {5, 10, 105, 67},  {5, 10, 95, 60},   {5, 10, 85, 53},  {5, 10, 77, 47},
};
}  // namespace

CThePond::CThePond() : CExercise(kThePond) { value.fill(-1); }

void CThePond::LoadFishSet(bool hard) {
    const std::wstring set = hard ? L"gfx\\thepond\\fish\\hard\\" : L"gfx\\thepond\\fish\\easy\\";
    for (int i = 0; i < kFishCount; ++i) {
        const std::wstring name = L"fish" + std::to_wstring(i) + L"*.png";
        for (CSprite* s : {&fish[Index(i)], &litFish[Index(i)]}) {
            s->FreeImages();
            s->LoadSequence(set + (s == &fish[Index(i)] ? L"normal\\" : L"lit\\") + name, backGraphics, 1,
                            kFishFrameMs);
            const RectF& h = kHitAreas[i];
            s->SetHitBox(h.x, h.y, h.width, h.height);
            s->SetOutlineWidth(1);
        }
    }
    hardSetLoaded = hard;
}

int CThePond::Init(Graphics* back, Graphics* window, Bitmap* buffer, Profile* p) {
    if (!BeginInit(back, window, buffer, p, L"gfx\\thepond\\background.png")) return 1;
    LoadFishSet(hardSetLoaded || profile->options.o3);
    bubble.LoadSequence(L"gfx\\thepond\\bubbles\\bubble*.png", back, 1, 150);
    bubble.Play(1, 0, 0, 0, 1);
    bubble.visible = 0;
    if (!profile->options.o3) {
        shell.LoadSequence(L"gfx\\thepond\\shell*.png", back, 1, 200);
        shell.SetPosition(250, 475);
    }

    ChooseReward(L"thepond", {{L"crab"}, {L"star"}});
    LoadExerciseSounds({.name = L"thepond", .backwardInstruction = false, .itemShown = L"sfx\\thepond\\bubbles.wav"});
    StartSession(kMaxSpan);
    // The pond plays forward only: a backward direction in the trainee's file would count
    // forward answers as backward ones, so it is not taken over.
    direction = 0;
    visibleCount = profile->level == L"3" ? 8 : profile->level == L"2" ? 6 : 4;
    if (visibleCount < span) {
        if (span > 4) visibleCount = 6;
        if (span > 6) visibleCount = 8;
        if (span > 8) visibleCount = 10;
    }
    FinishInit();
    return 1;
}

int CThePond::SetupRound() {
    if (!BeginRound()) return 1;
    for (int i = 0; i < kFishCount; ++i) {
        CSprite& f = fish[Index(i)];
        f.StopAnimation();
        f.SetFrame(kFacingRight);
        f.SetVelocity(0, 0);
        f.ResumeMotion();  // a wrong answer may have stopped them
        f.visible = i < visibleCount ? 1 : 0;
        active[Index(i)] = i < visibleCount;
        value[Index(i)] = -1;
        litFish[Index(i)].visible = 0;
    }

    // The sequence: distinct fish in random order.
    std::vector<int> order(static_cast<size_t>(visibleCount));
    std::iota(order.begin(), order.end(), 0);
    ShuffleList(order.begin(), order.end());
    order.resize(std::min(order.size(), static_cast<size_t>(std::max(span, 0))));
    sequence = order;
    for (int i : sequence) value[Index(i)] = i;

    // The shown fish stand in columns from the left, each filled from the top.
    answerScan.Clear();
    float x = kLeft, y = kTop, widest = 0;
    for (int i = 0; i < visibleCount; ++i) {
        CSprite& f = fish[Index(i)];
        widest = std::max(widest, f.width);
        if (y + f.height + kGap >= kBottom) {
            y = kTop;
            x += widest + kGap;
            widest = f.width;
        }
        f.SetPosition(x, y);
        y += f.height + kGap;
        f.SetVelocity(static_cast<float>(RandomInRange(10, 20)), static_cast<float>(RandomInRange(-10, 10)));
        answerScan.Add(&f);
    }
    bubble.visible = 0;
    stepIndex = 0;
    return 1;
}

void CThePond::Swim() {
    if (Passed(litUntil))
        for (auto& lit : litFish) lit.visible = 0;
    for (int i = 0; i < kFishCount; ++i) {
        CSprite& f = fish[Index(i)];
        CSprite& lit = litFish[Index(i)];
        f.Update();
        // Out of the pond: it stays there.
        if (f.x + f.width < 0 || f.x > 800) f.SetVelocity(0, 0);
        if (f.visible && active[Index(i)]) {
            if (f.x < kLeft) {
                f.velocityX = 0;
                f.x = kLeft;
                f.SetFrame(kTurningRight);
                f.Play(0, 0, 0, 1, 1);  // the turn ends facing right
            } else if (f.x + f.width > kRight) {
                f.velocityX = 0;
                f.x = kRight - f.width;
                f.SetFrame(kTurningLeft);
                f.Play(0, 0, 0, 1, 1);
            }
            // A fish that has turned swims off the other way.
            if (f.velocityX == 0) {
                if (f.x > kMiddle && f.GetFrame() == kFacingLeft) {
                    f.velocityX = static_cast<float>(RandomInRange(-50, -30));
                    f.StopAnimation();
                } else if (f.x < kMiddle && f.GetFrame() == kFacingRight) {
                    f.velocityX = static_cast<float>(RandomInRange(30, 50));
                    f.StopAnimation();
                }
            }
            const float top = f.y + f.hitBox.y, bottom = top + f.hitBox.height;
            if (top < kTop) {
                f.y = kTop + 1 - f.hitBox.y;
                f.velocityY = -f.velocityY;
            } else if (bottom > kBottom) {
                f.y = kBottom - 1 - f.hitBox.y - f.hitBox.height;
                f.velocityY = -f.velocityY;
            }
        }
        lit.SetPosition(f.x, f.y);
        lit.SetFrame(f.GetFrame());
    }
}

void CThePond::LightFish(int i, uint32_t forMs) {
    litFish[Index(i)].visible = 1;
    litUntil = Now() + forMs;
}

void CThePond::ShowItem(int item) {
    if (item < 0 || item >= kFishCount) return;
    LightFish(item, kPresentedLitMs);
    // The bubble leaves the fish's mouth and rises, drifting with the fish.
    const CSprite& f = fish[Index(item)];
    float bx = f.x - bubble.width / 2;
    if (f.GetFrame() == kFacingRight) bx += f.width;
    if (f.GetFrame() == kTurningLeft || f.GetFrame() == kTurningRight) bx += f.width / 2;
    bubble.SetPosition(bx, f.y + f.height / 4);
    bubble.SetVelocity(f.velocityX, -kBubbleRise);
    bubble.visible = 1;
}

void CThePond::StepPresenting() {
    if (Passed(deadline) && stepIndex >= sequence.size()) bubble.visible = 0;
    CGameBase::StepPresenting();
}

void CThePond::UpdateScene() {
    Swim();
    bubble.Update();
    shell.Update();
}

int CThePond::OnMouseDown(unsigned, long lParam) {
    const int x = MouseParamX(lParam);
    const int y = MouseParamY(lParam);
    if (HandleCommonPress(x, y)) return 1;
    if (phase == Answering && stepIndex < sequence.size()) {
        const int expected = sequence[stepIndex];
        int other = -1;  // a shown fish under the pointer that is not the expected one
        bool hitExpected = false;
        for (int i = 0; i < kFishCount; ++i) {
            const CSprite& f = fish[Index(i)];
            if (!f.visible || !f.HitTest(x, y) || !PressMeant(f)) continue;
            if (value[Index(i)] == expected)
                hitExpected = true;
            else if (other < 0)
                other = i;
        }
        // Of overlapping fish under the mouse, the expected one counts; open water counts for nothing.
        if (hitExpected) {
            CheckAnswer(expected);
            LightFish(expected, kAnsweredLitMs);
            if (phase == Correct) {
                // The fish of the sequence swim out of the pond and stay out.
                for (int i : sequence) {
                    CSprite& f = fish[Index(i)];
                    f.SetVelocity(f.velocityX > 0 ? kAwaySpeed : -kAwaySpeed, 0);
                    active[Index(i)] = false;
                }
            }
        } else if (other >= 0) {
            CheckAnswer(other);
            const CSprite& f = fish[Index(expected)];
            showCorrect.SetPosition(f.CentreX(), f.CentreY() - showCorrect.height);
            if (profile && profile->options.o6)
                for (auto& each : fish) each.FreezeMotion();
        }
    }
    HandleHelpPress(x, y);
    return 1;
}

void CThePond::DrawScene() {
    shell.Draw();
    for (int i = 0; i < kFishCount; ++i) {
        fish[Index(i)].Draw();
        litFish[Index(i)].Draw();
    }
    bubble.Draw();
}

void CThePond::OnRoundCorrect() {
    const engine::SuccessResult result = ApplySuccessRule();
    // Past the longest sequence the fish change to the hard pictures, for the rest of the session.
    if (result.wasAtTen && !hardSetLoaded) LoadFishSet(true);
    if (shell.FrameCount() > 0 && !shell.IsLastFrame()) shell.NextFrame();
}
