#pragma once
// Paris wheel: a big wheel with six or eight wagons turns slowly; wagons light up one after
// another while the wheel keeps turning, and the trainee clicks the moving wagons in the same
// order. The wagons move between showing and answering, so the trainee remembers which wagon,
// not which place. Forward only.
#include <array>

#include "engine/Exercise.h"

class CParisWheel final : public CExercise {
public:
    static constexpr int kWagonCount = 8;
    static constexpr float kCentreX = 400, kCentreY = 260, kRadius = 155;

    CParisWheel() : CExercise(kParisWheel) {}

    int Init(Graphics* backGraphics, Graphics* windowGraphics, Bitmap* backBuffer, Profile* profile) override;
    // The wheel waits, frozen, with six or eight wagons; the round's wagons come from the pool.
    int SetupRound() override;
    // Starting a trial sets the wheel turning; a wrong wagon stops it.
    int OnMouseDown(unsigned wParam, long lParam) override;
    // The moon moves on, and the second streak at span 8 speeds the wheel up.
    void OnRoundCorrect() override;

    // Read by tests and tools.
    const CSprite& Wagon(int i) const { return wagons[static_cast<size_t>(i) % kWagonCount]; }
    const CSprite& Wheel() const { return wheel; }
    const CSprite& Moon() const { return moon; }
    const CSprite& Palm(int i) const { return palms[static_cast<size_t>(i) % palms.size()]; }
    int WheelWagons() const { return wheelWagons; }
    float WheelSpeed() const { return wheelSpeed; }

protected:
    // A wagon lights when it is shown and when it is found right.
    std::span<CSprite> Items() override { return wagons; }
    // The palms, the wheel, the moon and the wagons.
    void UpdateScene() override;
    void DrawScene() override;

private:
    // The wheel picture for the visible count, turned back to 0, and the wagons on their circle.
    void SetupWheel();
    void FreezeWheel();
    void ResumeWheel();

    CSprite wheel;
    CSprite moon;
    std::array<CSprite, kWagonCount> wagons;
    std::array<CSprite, 3> palms;
    CSoundGroup wheelMusic;
    int wheelWagons = 0;   // which picture the wheel shows: 6 or 8 wagons
    float wheelSpeed = 6;  // degrees per second
    int speedUps = 0;      // streaks reached at span 8
};
