#pragma once
// Treasure: nine numbered coins lie in a treasure chest. In each trial a voice says some
// numbers, the chest opens, and the trainee clicks the coins of those numbers in the same
// order (forward) or in the reverse order (backward), or types the digits.
#include <array>

#include "engine/SpokenNumbers.h"

class CTreasure final : public CSpokenNumberExercise {
public:
    static constexpr int kCoins = 10;  // coin 0 has no picture; coins 1..9 carry their number

    CTreasure() : CSpokenNumberExercise(kTreasure) {}

    int Init(Graphics* backGraphics, Graphics* windowGraphics, Bitmap* backBuffer, Profile* profile) override;
    int SetupRound() override;
    // The coins are answered only while the chest is open.
    int OnMouseDown(unsigned wParam, long lParam) override;
    // The hand shows on a coin only once the chest is wide open.
    void UpdateCursor() override;

    // Read by tests and tools.
    const CSprite& Chest() const { return chest; }
    const CSprite& Coin(int k) const { return coins[static_cast<size_t>(k >= 0 && k < kCoins ? k : 0)]; }
    // The coins are seen, and can be answered, only while the chest is open.
    bool ChestOpen() const { return chest.GetFrame() > 2; }

protected:
    // The numbers are said one by one; then the chest opens for the answer.
    void StepPresenting() override;
    // Coin k carries the number k.
    std::span<CSprite> Items() override { return coins; }
    // The chest, and the coins while it is open.
    void UpdateScene() override;
    void DrawScene() override;
    // A coin found right lights once and stays in the switch list; the last one closes the chest.
    void OnItemPicked(int item) override;

private:
    void CloseChest();

    CSprite chest;
    std::array<CSprite, kCoins> coins;
};
