#pragma once
// Cans on the shared exercise fixture, with can-shaped helpers.
#include "exercises/Cans.h"
#include "exercises/ExerciseFixture.h"

class CansFixture : public ExerciseFixture<CCans, kCans> {
protected:
    CCans& Cans() { return Ex(); }
    bool OnCans() const { return OnExercise(); }

    // A press on the painted tin of can i.
    void PressCan(int i) {
        const CSprite& c = Cans().Can(i);
        Press(static_cast<int>(c.x) + 60, static_cast<int>(c.y) + 67);
    }
    // A can that is visible but not the expected one (-1 when there is none).
    int WrongCan() {
        const auto& seq = Cans().Sequence();
        for (int i = 0; i < CCans::kCanCount; ++i)
            if (Cans().Can(i).visible && i != seq[Cans().StepIndex()]) return i;
        return -1;
    }
    // A whole trial, solved or failed at its first item.
    void PlayTrial(bool solve) {
        StartAndPresent();
        if (solve)
            AnswerRight();
        else
            PressCan(WrongCan());
    }
};
