#include "engine/SpokenNumbers.h"

#include "platform/Platform.h"

namespace {
constexpr int kLitMs = 800;
constexpr unsigned kLeftButton = 0x0001;
constexpr uint32_t kBetweenNumbersMs = 1500;
constexpr uint32_t kAfterLastNumberMs = 2000;
}  // namespace

bool CSpokenNumberExercise::SayNextNumber(bool showCue) {
    if (!Passed(deadline)) return false;
    if (stepIndex >= sequence.size()) return true;
    const int number = sequence[stepIndex];
    numbersSound.Play(number);
    if (showCue) {
        visualCue.visible = 1;
        visualCue.SetFrame(number);
    }
    ++stepIndex;
    deadline = Now() + (stepIndex < sequence.size() ? kBetweenNumbersMs : kAfterLastNumberMs);
    return false;
}

void CSpokenNumberExercise::ShowYourTurnCue() {
    const int frames = visualCue.FrameCount();
    if (frames >= 3) visualCue.SetFrame(frames - 3);
}

bool CSpokenNumberExercise::PressDigitKey(int key, int dx, int dy) {
    if (key < '1' || key > '9' || phase != Answering) return false;
    if (!keyLatch.Take()) return true;
    if (const CSprite* button = ItemSprite(key - '0')) {
        OnMouseDown(kLeftButton, MakeMouseParam(static_cast<int>(button->x) + dx, static_cast<int>(button->y) + dy));
    }
    return true;
}

void CSpokenNumberExercise::LoadNumberButton(CSprite& button, const std::wstring& stem) {
    button.LoadImage(stem + L"a.png", backGraphics, 1, 0);
    button.LoadImage(stem + L"b.png", backGraphics, 1, kLitMs);
}

void CSpokenNumberExercise::LightOnce(CSprite& button, bool hideAfter) {
    button.SetFrame(0);
    button.Play(0, hideAfter ? 1 : 0, 0, hideAfter ? 0 : 1, 1);
}

int CSpokenNumberExercise::OnKeyDown(int key, int unused, long lParam) {
    if (PressDigitKey(key, 20, 20)) return 1;
    return CGameBase::OnKeyDown(key, unused, lParam);
}

void CSpokenNumberExercise::UpdateCursor() {
    PointerFeedback();
    for (int item = 0; item <= 9; ++item) {
        const CSprite* button = ItemSprite(item);
        if (button && Choosable(*button) && button->HitTest(mousePos.x, mousePos.y)) HoverFeedback();
    }
    ApplyCursor();
}

void CSpokenNumberExercise::OnRoundCorrect() { ApplySuccessRule(); }

void CSpokenNumberExercise::OnRoundWrong() { ApplyFailureRule(); }
