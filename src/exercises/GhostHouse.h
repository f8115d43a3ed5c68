#pragma once
// Ghost house: numbered buttons hang in the windows of a haunted house, at other windows every
// round. A voice says some numbers and the trainee clicks their buttons in the reverse order;
// each right button disappears, and a solved sequence reveals the horrors behind the clicked
// buttons with a scary sound. The session opens with the walk into the house.
#include <array>

#include "engine/SpokenNumbers.h"

class CGhostHouse final : public CSpokenNumberExercise {
public:
    static constexpr int kButtons = 10;
    static constexpr int kHorrors = 18;
    // The house's own phases around the engine's: walking in, before the first round, and
    // the horrors coming out, between the last right button and Correct.
    static constexpr ExercisePhase kEntering = static_cast<ExercisePhase>(-1);
    static constexpr ExercisePhase kRevealing = static_cast<ExercisePhase>(10);

    CGhostHouse() : CSpokenNumberExercise(kGhostHouse) {}

    int Init(Graphics* backGraphics, Graphics* windowGraphics, Bitmap* backBuffer, Profile* profile) override;
    // While the house is entered the first round waits: the walk in plays first.
    int SetupRound() override;
    // While the house is entered only the entrance is on the screen and presses wait.
    int Update() override;
    int Draw() override;
    int OnMouseDown(unsigned wParam, long lParam) override;

    // Read by tests and tools.
    const CSprite& Button(int i) const { return buttons[static_cast<size_t>(i >= 0 && i < kButtons ? i : 0)]; }
    const CSprite& Horror(int k) const { return horrors[static_cast<size_t>(k >= 0 && k < kHorrors ? k : 0)]; }
    const CSprite& Entrance() const { return entrance; }
    const CSprite& Background() const { return background; }
    // The window (horror number) button i hangs in this round.
    int WindowOf(int i) const { return Button(i).user[1]; }

protected:
    // Button i carries the number i.
    std::span<CSprite> Items() override { return buttons; }
    // The horrors and the buttons; a solved sequence's horrors come out after a pause.
    void UpdateScene() override;
    // The buttons once the numbers are said; once solved, the horrors behind the clicked ones.
    void DrawScene() override;
    // A button found right lights once, disappears and leaves the switch list.
    void OnItemPicked(int item) override;
    void StepPresenting() override;

private:
    CSprite entrance;
    std::array<CSprite, kHorrors> horrors;
    std::array<CSprite, kButtons> buttons;
};
