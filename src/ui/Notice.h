#pragma once
// A line of news on the canvas for a few seconds, such as whether a print went to the
// printer: black text on a pale box, drawn over the screen while its time lasts.
#include <cstdint>
#include <string>

#include "graphics/Sprite.h"

class Graphics;

namespace ui {

class Notice final {
public:
    static constexpr uint32_t kShownMs = 4000;

    // Binds the line to the back buffer, in text of size pixels.
    void Bind(Graphics* graphics, float size = 18);
    // Shows text with its box's top-left at (x, y), moved in where it would leave the canvas,
    // for kShownMs from now.
    void Show(const std::wstring& text, float x, float y);
    void Draw();
    bool Shown() const;
    const std::wstring& Text() const { return line.text; }
    const CSprite& Line() const { return line; }

private:
    CSprite line;
    uint32_t until = 0;
    bool on = false;
};

}  // namespace ui
