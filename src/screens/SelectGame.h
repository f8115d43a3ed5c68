#pragma once
// The game selection: which of the nine exercises belong to the trainee's plan. Each
// exercise button switches its exercise on or off (off only after a question); one that
// is switched on joins the plan at the last completed day. The settings screen saves the
// choice when it is left.
#include <array>

#include "app/GameBase.h"
#include "graphics/Sprite.h"

class CSelectGame final : public CPlainScreen {
public:
    static constexpr int kGames = 9;
    static constexpr uint32_t kBackground = 0xFF4069B0u;

    int Init(Graphics* backGraphics, Graphics* windowGraphics, Bitmap* backBuffer, Profile* profile) override;
    int Draw() override;

    // Exercise g's button (1..9) and the way back, read by tests and tools.
    const CSprite& GameButton(int g) const { return games[static_cast<size_t>(g - 1)]; }
    const CSprite& StopButton() const { return stop; }
    // The look a button is drawn with: 0 on, 1 off, 2 on and under the pointer.
    int Look(int g) const;

private:
    void Press(int x, int y) override;
    void Hover(int x, int y) override;

    std::array<CSprite, kGames> games;
    CSprite stop;
};
