#pragma once
// Zoo: ten animals have their places in a zoo; each round only some of them are out. In each
// trial some animals move one after another, each with its own call, and the trainee clicks
// the same animals in the same order. The zoo runs forward only.
#include <array>

#include "engine/GameBase.h"

class CZoo final : public CGameBase {
public:
    static constexpr int kAnimalCount = 10;

    CZoo();
    ~CZoo() override;

    int Init(Graphics* backGraphics, Graphics* windowGraphics, Bitmap* backBuffer, Profile* profile) override;
    int Update() override;
    void UpdateCursor() override;
    int Draw() override;
    int OnMouseDown(unsigned wParam, long lParam) override;
    int SetupRound() override;
    void OnRoundCorrect() override;
    void OnRoundWrong() override;

    // Read by tests and tools.
    const CSprite& Animal(int i) const { return animals[static_cast<size_t>(Index(i))]; }
    unsigned CallLength(int i) { return calls[static_cast<size_t>(Index(i))].Length(0); }
    int VisibleCount() const { return visibleCount; }

protected:
    void StepPresenting() override;
    CSprite* ItemSprite(int item) override;

private:
    static int Index(int i) { return i >= 0 && i < kAnimalCount ? i : 0; }

    std::array<CSprite, kAnimalCount> animals;
    std::array<CSoundGroup, kAnimalCount> calls;
    float rewardSpeed = 0;  // pixels per second along the reward's flight
};
