#pragma once
// The circle: eight lamps stand on a ring, each hiding an animal (an instrument in the senior
// layout). In each trial some lamps light up one after another, clockwise from the top, each
// with its animal's sound; then one of those animals is shown in the middle and the trainee
// clicks the lamp where it was. One click decides the trial.
#include <array>

#include "engine/Exercise.h"

class CTheCircle final : public CExercise {
public:
    static constexpr int kLampCount = 8;
    static constexpr int kPictureCount = 10;

    CTheCircle() : CExercise(kTheCircle) {}

    int Init(Graphics* backGraphics, Graphics* windowGraphics, Bitmap* backBuffer, Profile* profile) override;
    int SetupRound() override;
    // Any lamp, lit or not, decides the trial.
    int OnMouseDown(unsigned wParam, long lParam) override;

    // Read by tests and tools.
    const CSprite& Lamp(int k) const { return lamps[static_cast<size_t>(k & 7)]; }
    const CSprite& Picture(int i) const { return pictures[static_cast<size_t>(PictureIndex(i))]; }
    const CSprite& Decoration() const { return decoration; }
    // The animal (picture and sound entry) hidden under lamp k this round.
    int LampAnimal(int k) const { return lampAnimal[static_cast<size_t>(k & 7)]; }
    int TargetPosition() const { return targetPosition; }
    CSoundGroup& AnimalSounds() { return animalSounds; }

protected:
    std::span<CSprite> Items() override { return lamps; }
    // The pictures in the middle and the lamps on the ring.
    void UpdateScene() override;
    void DrawScene() override;
    void StepPresenting() override;

private:
    static int PictureIndex(int i) { return i >= 0 && i < kPictureCount ? i : 0; }
    void ShowOnly(int picture);

    CSprite circle;
    std::array<CSprite, kLampCount> lamps;
    std::array<CSprite, kPictureCount> pictures;
    CSprite decoration;
    CSoundGroup animalSounds;
    std::array<int, kLampCount> lampAnimal{};
    int targetPosition = 0;
};
