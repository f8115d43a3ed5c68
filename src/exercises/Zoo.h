#pragma once
// Zoo: ten animals have their places in a zoo; each round only some of them are out. In each
// trial some animals move one after another, each with its own call, and the trainee clicks
// the same animals in the same order. The zoo runs forward only.
#include <array>

#include "engine/Exercise.h"

class CZoo final : public CExercise {
public:
    static constexpr int kAnimalCount = 10;

    CZoo() : CExercise(kZoo) {}

    int Init(Graphics* backGraphics, Graphics* windowGraphics, Bitmap* backBuffer, Profile* profile) override;
    int SetupRound() override;

    // Read by tests and tools.
    const CSprite& Animal(int i) const { return animals[static_cast<size_t>(Index(i))]; }
    unsigned CallLength(int i) { return calls[static_cast<size_t>(Index(i))].Length(0); }

protected:
    // An animal found right moves once.
    std::span<CSprite> Items() override { return animals; }
    void StepPresenting() override;

private:
    static int Index(int i) { return i >= 0 && i < kAnimalCount ? i : 0; }

    std::array<CSprite, kAnimalCount> animals;
    std::array<CSoundGroup, kAnimalCount> calls;
    float rewardSpeed = 0;  // pixels per second along the reward's flight
};
