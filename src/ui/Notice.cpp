#include "ui/Notice.h"

#include "platform/Platform.h"
#include "ui/Button.h"

namespace ui {

void Notice::Init(Graphics* graphics) {
    label.LoadImage(L"", graphics, 1, 0);
    label.SetLabel(L"", 18);
    on = false;
}

void Notice::Show(const std::wstring& text) {
    label.SetText(text);
    label.SetTextPosition(400 - label.textBox.width / 2, 600 - label.textBox.height - 12);
    until = platform::TimeGetTime() + kShowMs;
    on = true;
}

std::wstring Notice::Shown() const {
    if (!on || static_cast<int32_t>(until - platform::TimeGetTime()) <= 0) return std::wstring();
    return label.text;
}

void Notice::Draw() {
    if (!Shown().empty()) DrawLabel(label);
}

}  // namespace ui
