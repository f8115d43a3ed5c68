#pragma once
// What the exercises with spoken numbers share (Treasure, Ghost house, the number test): the
// presentation that says the sequence's numbers one after another (with the visual cue on
// each number's picture), the digit keys 1..9 that press the button of their number, and the
// numbered buttons that light once when chosen.
#include <string>

#include "engine/GameBase.h"

class CSpokenNumberExercise : public CGameBase {
public:
    // The digit keys in front of the common keys: '1'..'9' press at (20, 20) into their button.
    int OnKeyDown(int virtualKey, int unused, long lParam) override;
    // Pointer feedback on the buttons the trainee can choose now.
    void UpdateCursor() override;
    // Treasure and Ghost house share their rule after a solved sequence (span + 1 up to 9, all
    // nine buttons once the span exceeds those shown) and the common one after a failure.
    void OnRoundCorrect() override;
    void OnRoundWrong() override;

protected:
    // Whether a chosen button could be clicked now (the pointer feedback asks it of each).
    virtual bool Choosable(const CSprite& button) const { return button.visible != 0; }

    // One step of the spoken presentation: once the deadline has passed, says the next number
    // (the numbers group's entry of that number) with the cue on its picture when showCue,
    // 1.5 s before the next and 2 s after the last. True when every number is said and the
    // pause after the last is over.
    bool SayNextNumber(bool showCue);
    // The cue's your-turn picture, after the last number.
    void ShowYourTurnCue();
    // A digit key 1..9 in Answering: a press at (dx, dy) from the top-left corner of the
    // button of that number (where ItemSprite says it stands), as a click there. True when the
    // key was used so (a held key is pressed once, as every key).
    bool PressDigitKey(int virtualKey, int dx, int dy);

    // A numbered button: its resting picture stem + "a.png" and its lit one stem + "b.png",
    // lit for 800 ms when it is played.
    void LoadNumberButton(CSprite& button, const std::wstring& stem);
    // Lights a button once; with hideAfter it then disappears.
    static void LightOnce(CSprite& button, bool hideAfter);
};
