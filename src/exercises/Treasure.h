#pragma once
// Treasure: nine numbered coins lie in a treasure chest. In each trial a voice says some
// numbers, the chest opens, and the trainee clicks the coins of those numbers in the same
// order (forward) or in the reverse order (backward), or types the digits.
#include <array>

#include "engine/SpokenNumbers.h"

class CTreasure final : public CSpokenNumberExercise {
public:
    static constexpr int kCoins = 10;  // coin 0 has no picture; coins 1..9 carry their number

    CTreasure();
    ~CTreasure() override;

    int Init(Graphics* backGraphics, Graphics* windowGraphics, Bitmap* backBuffer, Profile* profile) override;
    int Update() override;
    int Draw() override;
    int OnMouseDown(unsigned wParam, long lParam) override;
    int SetupRound() override;

    // Read by tests and tools.
    const CSprite& Chest() const { return chest; }
    const CSprite& Coin(int k) const { return coins[static_cast<size_t>(k >= 0 && k < kCoins ? k : 0)]; }
    int VisibleCount() const { return visibleCount; }
    // The coins are seen, and can be answered, only while the chest is open.
    bool ChestOpen() const { return chest.GetFrame() > 2; }

protected:
    void StepPresenting() override;
    CSprite* ItemSprite(int item) override;
    // The hand shows on a coin only once the chest is wide open.
    bool Choosable(const CSprite& coin) const override { return coin.visible && chest.IsLastFrame() && ChestOpen(); }

private:
    void CloseChest();

    CSprite chest;
    std::array<CSprite, kCoins> coins;
};
