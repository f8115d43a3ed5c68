#include "engine/SpokenNumbers.h"

#include <algorithm>

#include "platform/Platform.h"
#include "profiles/Profile.h"

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
    if (keyHeld) return true;
    keyHeld = 1;
    if (const CSprite* button = ItemSprite(key - '0')) {
        OnMouseDown(kLeftButton, MakeMouseParam(static_cast<int>(button->x) + dx, static_cast<int>(button->y) + dy));
    }
    return true;
}

void CSpokenNumberExercise::ApplyNumberLevel() {
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
}

void CSpokenNumberExercise::ResetButtons(bool zeroOut) {
    answerScan.Clear();
    const std::span<CSprite> buttons = Items();
    for (size_t i = 0; i < buttons.size(); ++i) {
        CSprite& button = buttons[i];
        button.StopAnimation();
        button.SetFrame(0);
        button.visible = (i >= 1 || zeroOut) && i <= static_cast<size_t>(visibleCount) ? 1 : 0;
        if (button.visible && i >= 1) answerScan.Add(&button);
    }
}

void CSpokenNumberExercise::ChooseNumbers(const std::wstring& exercise, const std::wstring& listName) {
    const std::wstring folder = L"data\\pos\\" + exercise + (visibleCount == 6 ? L"\\6pos\\" : L"\\9pos\\");
    const std::vector<int> places = ChoosePlaces(folder, listName, std::min(visibleCount, 9));
    sequence.clear();
    for (int p : places) {
        if (sequence.size() >= static_cast<size_t>(std::min(span, 10))) break;
        sequence.push_back(p + 1);
    }
}

void CSpokenNumberExercise::LoadNumberButtons(const std::wstring& stem, int first, const RectF* hitArea) {
    const std::span<CSprite> buttons = Items();
    for (size_t n = static_cast<size_t>(std::max(first, 0)); n < buttons.size(); ++n) {
        CSprite& button = buttons[n];
        const std::wstring picture = stem + std::to_wstring(n);
        button.LoadImage(picture + L"a.png", backGraphics, 1, 0);
        button.LoadImage(picture + L"b.png", backGraphics, 1, kLitMs);
        button.user[0] = static_cast<int>(n);
        if (!hitArea) continue;
        button.SetOutlineWidth(1);
        button.SetHitBox(hitArea->x, hitArea->y, hitArea->width, hitArea->height);
    }
}

void CSpokenNumberExercise::PlaceKeypad(float left, float top, float gap, float rowStep) {
    const std::span<CSprite> buttons = Items();
    float x = left, y = top;
    for (size_t n = 1; n <= 9 && n < buttons.size(); ++n) {
        CSprite& button = buttons[n];
        button.SetPosition(x, y);
        x += button.width + gap;
        if (n % 3 == 0) {
            x = left;
            y += rowStep;
        }
    }
}

int CSpokenNumberExercise::OnKeyDown(int key, int unused, long lParam) {
    if (PressDigitKey(key, 20, 20)) return 1;
    return CGameBase::OnKeyDown(key, unused, lParam);
}
