#pragma once
// The game selection: which of the nine exercises belong to the trainee's plan. Each
// exercise button switches its exercise on or off (off only after a question); one that
// is switched on joins the plan at the last completed day. The settings screen saves the
// choice when it is left.
#include "graphics/Sprite.h"
#include "screens/GameGrid.h"

class CSelectGame final : public CGameGridScreen {
public:
    int Init(Graphics* backGraphics, Graphics* windowGraphics, Bitmap* backBuffer, Profile* profile) override;
    int Draw() override;

    // The way back, read by tests and tools.
    const CSprite& StopButton() const { return stop; }
    // The look a button is drawn with: 0 on, 2 on and under the pointer, kOffLook off (the
    // menu's grey "done today" look would mislead: an exercise switched off shows its own
    // picture dimmed under the settings' off cross and the word "Off").
    static constexpr int kOffLook = 3;
    int Look(int g) const override;
    const CSprite& Title() const { return title; }

private:
    void Press(int x, int y) override;
    void Hover(int x, int y) override;

    CSprite stop;
    CSprite offMark;
    CSprite offWord;
    CSprite title;
};
