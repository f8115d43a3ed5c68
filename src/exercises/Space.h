#pragma once
// Space: ten flying saucers hover in a ring; in each trial some of them flash one after
// another with a saucer sound, and the trainee clicks the same saucers in the same order.
// Forward only.
#include <array>

#include "engine/GameBase.h"

class CSpace final : public CGameBase {
public:
    static constexpr int kSaucerCount = 10;

    CSpace();
    ~CSpace() override;

    // The round: six or ten saucers out, the switch list from top to bottom, the saucers from
    // the pool; and the rules once it is solved or failed.
    int SetupRound() override;
    void OnRoundCorrect() override;
    void OnRoundWrong() override;
    int Init(Graphics* backGraphics, Graphics* windowGraphics, Bitmap* backBuffer, Profile* profile) override;
    // A press on a shown saucer answers; the saucer flashes when it was the expected one.
    int OnMouseDown(unsigned wParam, long lParam) override;
    void UpdateCursor() override;
    int Update() override;
    int Draw() override;

    // Read by tests and tools.
    const CSprite& Saucer(int i) const { return saucers[static_cast<size_t>(i) % kSaucerCount]; }
    int VisibleCount() const { return visibleCount; }

protected:
    void ShowItem(int item) override;
    CSprite* ItemSprite(int item) override;

private:
    std::array<CSprite, kSaucerCount> saucers;
};
