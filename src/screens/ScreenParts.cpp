#include "screens/ScreenParts.h"

#include "graphics/Graphics.h"
#include "platform/Platform.h"

namespace screens {

void MakeHotBox(CSprite& sprite, Graphics* graphics, float x, float y, float w, float h) {
    sprite.LoadImage(L"", graphics, 1, 0);  // binds the sprite to the back buffer; no picture
    sprite.SetPosition(x, y);
    sprite.SetSize(w, h);
    sprite.SetOutlineShape(0);
    sprite.SetOutlineWidth(3);
    sprite.SetOutlineMargin(4);
    sprite.SetOutlineColor(0xFFFFF2A0u);
}

void MakePicture(CSprite& sprite, Graphics* graphics, const std::wstring& path, float x, float y) {
    sprite.LoadImage(path, graphics, 1, 0);
    sprite.SetPosition(x, y);
    sprite.SetOutlineShape(0);
    sprite.SetOutlineWidth(3);
    sprite.SetOutlineMargin(4);
    sprite.SetOutlineColor(0xFFFFF2A0u);
}

void SetHoverLabel(CSprite& sprite, const std::wstring& text, float size) {
    sprite.SetLabel(text, size);
    sprite.CentreTextOnSprite();
}

void PlaceLabelCentredOn(CSprite& sprite, float centreX, float top) {
    sprite.SetTextPosition(centreX - sprite.textBox.width / 2, top);
}

void DrawHighlight(CSprite& sprite) { sprite.DrawHoverOutline(); }

void DrawLabel(CSprite& sprite) {
    sprite.DrawTextBox();
    sprite.DrawText();
}

void SetCaption(CSprite& sprite, Graphics* graphics, const std::wstring& text, float size, float x, float bottom) {
    sprite.LoadImage(L"", graphics, 1, 0);
    sprite.SetFont(size, FontStyleRegular);
    sprite.SetTextColor(0xFFFFFFFFu);
    sprite.SetText(text);
    sprite.SetTextPosition(x, bottom - sprite.textBox.height);
}

void PointerShape(bool hand) {
    if (platform::HasBackend())
        platform::Os().SetCursor(hand ? platform::CursorShape::Hand : platform::CursorShape::Arrow);
}

}  // namespace screens
