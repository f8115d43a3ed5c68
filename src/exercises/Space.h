#pragma once
// Space: ten flying saucers hover in a ring; in each trial some of them flash one after
// another with a saucer sound, and the trainee clicks the same saucers in the same order.
// Forward only.
#include <array>

#include "engine/Exercise.h"

class CSpace final : public CExercise {
public:
    static constexpr int kSaucerCount = 10;

    CSpace() : CExercise(kSpace) {}

    // The round: six or ten saucers out, the switch list from top to bottom, the saucers from
    // the pool.
    int SetupRound() override;
    int Init(Graphics* backGraphics, Graphics* windowGraphics, Bitmap* backBuffer, Profile* profile) override;

    // Read by tests and tools.
    const CSprite& Saucer(int i) const { return saucers[static_cast<size_t>(i) % kSaucerCount]; }

protected:
    // A saucer flashes when it is shown and when it is found right.
    std::span<CSprite> Items() override { return saucers; }

private:
    std::array<CSprite, kSaucerCount> saucers;
};
