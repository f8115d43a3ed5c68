#pragma once
// Space: ten flying saucers hover in a ring; in each trial some of them flash one after
// another with a saucer sound, and the trainee clicks the same saucers in the same order.
// Forward only.
#include <array>

#include "app/GameBase.h"

class CSpace final : public CGameBase {
public:
    static constexpr int kSaucerCount = 10;

    CSpace();
    ~CSpace() override;

    int Init(Graphics* backGraphics, Graphics* windowGraphics, Bitmap* backBuffer, Profile* profile) override;
    // Six or ten saucers, the switch list from top to bottom, the round's saucers from the pool.
    int SetupRound() override;
    int Update() override;
    int Draw() override;
    void UpdateCursor() override;
    // A press on a shown saucer answers; the saucer flashes when it was the expected one.
    int OnMouseDown(unsigned wParam, long lParam) override;
    void OnRoundCorrect() override;
    void OnRoundWrong() override;

    // Read by tests and tools.
    const CSprite& Saucer(int i) const { return saucers[static_cast<size_t>(i) % kSaucerCount]; }
    int VisibleCount() const { return visibleCount; }

protected:
    void ShowItem(int item) override;
    CSprite* ItemSprite(int item) override;

private:
    std::array<CSprite, kSaucerCount> saucers;
};
