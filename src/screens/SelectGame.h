#pragma once
// The game selection: which of the nine exercises belong to the trainee's plan. Each
// exercise button switches its exercise on or off (off only after a question); one that
// is switched on joins the plan at the last completed day. The settings screen saves the
// choice when it is left.
#include <array>

#include "engine/GameBase.h"
#include "graphics/Sprite.h"

class CSelectGame final : public CPlainScreen {
public:
    static constexpr int kGames = 9;
    static constexpr uint32_t kBackground = 0xFF4069B0u;

    int Init(Graphics* backGraphics, Graphics* windowGraphics, Bitmap* backBuffer, Profile* profile) override;
    int Update() override;
    int Draw() override;
    int OnMouseDown(unsigned wParam, long lParam) override;
    int OnMouseMove(unsigned wParam, long lParam) override;
    int OnKeyDown(int virtualKey, int unused, long lParam) override;

    // Read by tests and tools. Exercise g is 1..9.
    const CSprite& GameButton(int g) const { return games[static_cast<size_t>(g - 1)]; }
    const CSprite& StopButton() const { return stop; }
    // The look a button is drawn with: 0 on, 1 off, 2 on and under the pointer.
    int Look(int g) const;

private:
    std::array<CSprite, kGames> games;
    CSprite stop;
};
