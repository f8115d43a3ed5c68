#pragma once
// A line of news at the foot of the canvas for a few seconds: what became of a print or a
// save, once it is known.
#include <cstdint>
#include <string>

#include "graphics/Sprite.h"

class Graphics;

namespace ui {

class Notice final {
public:
    static constexpr uint32_t kShowMs = 4000;

    void Init(Graphics* graphics);
    void Show(const std::wstring& text);
    // Draws the line while it is shown.
    void Draw();
    // The line shown now; empty when none is.
    std::wstring Shown() const;

private:
    CSprite label;
    uint32_t until = 0;
    bool on = false;
};

}  // namespace ui
