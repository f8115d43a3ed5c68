#pragma once
// The number test: measures the trainee's digit span once, outside the training plan. Spoken
// digits are played one by one and the trainee repeats them on a keypad of the digits 1..9,
// first forwards, then backwards, two trials per span; the test ends with a level from 1 to 3
// and always returns to the login.
#include <array>
#include <string>
#include <vector>

#include "engine/SpokenNumbers.h"
#include "profiles/ProfileOptions.h"

// The test's course and score, on plain values: which list comes next, and the level.
struct NumberTestScore {
    int span = 2;
    int direction = 0;  // 0 forward, 1 backward
    int trial = 0;      // which of the two trials of the span is running
    int failures = 0;   // failed trials at the current span
    int correctForward = 0;
    int correctBackward = 0;
    int finished = 0;

    // One finished trial. Backward span 2 is practice and never counts. After both trials of
    // a span the span grows; both failing ends the forward part (backward practice follows)
    // or the test; forward runs spans 2..5, backward 2..6.
    void Score(bool correct);
    int Total() const { return correctForward + correctBackward; }
    // The level the total gives: above 7 is 3, 4..7 is 2, less is 1.
    int Level() const;
    // "data\testnumbers\" + fw/bw + (span - 1) + a/b + ".txt".
    std::wstring ListPath() const;
};

// The digits of a number list, one per line as the wide atoi reads it. Only digits the keypad
// can answer (1..9) are kept, so a final line break or a damaged line does not leave a trial
// no one can solve; a list that gives none stands in with span random digits.
std::vector<int> ReadNumberList(const std::wstring& path, int span);

class CNumberTest final : public CSpokenNumberExercise {
public:
    CNumberTest() : CSpokenNumberExercise(kNumberTest, Results::Kept) {}

    int Init(Graphics* backGraphics, Graphics* windowGraphics, Bitmap* backBuffer, Profile* profile) override;
    int Update() override;
    int Draw() override;
    int OnMouseDown(unsigned wParam, long lParam) override;
    int OnKeyDown(int virtualKey, int unused, long lParam) override;
    int SetupRound() override;
    // A finished trial, solved or failed (a time-out fails it too), is one scoring step.
    void OnRoundCorrect() override;
    void OnRoundWrong() override;

    // Read by tests and tools.
    const NumberTestScore& Score() const { return score; }
    const CSprite& Digit(int d) const { return keypad[static_cast<size_t>(d >= 1 && d <= 9 ? d : 0)]; }
    const CSprite& NumberPicture() const { return visualCue; }
    std::wstring ResultText() const { return resultText.GetText(); }
    std::wstring ScoreCaption() const { return scoreText.GetText(); }

protected:
    // Key d carries the digit d.
    std::span<CSprite> Items() override { return keypad; }
    void StepPresenting() override;

private:
    void Quit();
    void PlaceScoreCaption();

    std::array<CSprite, 10> keypad;  // 1..9; entry 0 stays empty and hidden
    ProfileOptions testOptions;      // its language names the speech
    CSprite resultText;
    CSprite scoreText;
    NumberTestScore score;
    bool resultKept = false;  // the finished test's result was added to the trainee's file
};
