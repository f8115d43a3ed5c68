#pragma once
// What the exercises with spoken numbers share (Treasure, Ghost house, the number test): the
// presentation that says the sequence's numbers one after another (with the visual cue on
// each number's picture), the digit keys 1..9 that press the button of their number, and the
// numbered buttons, which are the exercise's items.
#include <string>

#include "engine/Exercise.h"

class CSpokenNumberExercise : public CExercise {
public:
    using CExercise::CExercise;

    // The digit keys in front of the common keys: '1'..'9' press at (20, 20) into their button.
    int OnKeyDown(int virtualKey, int unused, long lParam) override;

protected:
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

    // The level's rules of the exercises with nine numbered buttons, after StartSession: the
    // first level needs three solved sequences in a row and shows six buttons up to span 6,
    // the second three, the third two; nine buttons otherwise.
    void ApplyNumberLevel();
    // The buttons at rest for a new round: buttons 1..visibleCount out and in the switch list.
    // Button 0 (with zeroOut) is out too but never scanned: no sequence asks for it.
    void ResetButtons(bool zeroOut);
    // The round's numbers: the pool's candidates for six or nine buttons under
    // "data\pos\" + exercise, as numbers 1..9, span of them at the most.
    void ChooseNumbers(const std::wstring& exercise, const std::wstring& listName);

    // The numbered buttons from first on: button n shows stem + n + "a.png" at rest and
    // stem + n + "b.png" lit for 800 ms when it is played, and carries its number. With a hit
    // area it is hit there and outlined when scanned.
    void LoadNumberButtons(const std::wstring& stem, int first, const RectF* hitArea);
    // Buttons 1..9 in three rows of three from (left, top), 1 2 3 at the top: gap pixels
    // between buttons in a row, rowStep from one row's top to the next.
    void PlaceKeypad(float left, float top, float gap, float rowStep);
};
