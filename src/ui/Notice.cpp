#include "ui/Notice.h"

#include <algorithm>

#include "platform/Platform.h"
#include "ui/Button.h"

namespace ui {

void Notice::Bind(Graphics* graphics, float size) {
    line.LoadImage(L"", graphics, 0, 0);  // no picture: the sprite only draws its label
    line.SetLabel(L"", size);
}

void Notice::Show(const std::wstring& text, float x, float y) {
    line.SetText(text);
    const float w = static_cast<float>(platform::kCanvasWidth), h = static_cast<float>(platform::kCanvasHeight);
    line.SetTextPosition(std::clamp(x, 4.0f, std::max(4.0f, w - 4 - line.textBox.width)),
                         std::clamp(y, 4.0f, std::max(4.0f, h - 4 - line.textBox.height)));
    until = platform::TimeGetTime() + kShownMs;
    on = !text.empty();
}

bool Notice::Shown() const {
    // On the wrapping millisecond clock.
    return on && static_cast<int32_t>(platform::TimeGetTime() - until) < 0;
}

void Notice::Draw() {
    if (Shown()) DrawLabel(line);
}

}  // namespace ui
