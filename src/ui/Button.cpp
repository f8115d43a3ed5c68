#include "ui/Button.h"

#include "graphics/Graphics.h"
#include "platform/Platform.h"

namespace ui {

void MakeHotBox(CSprite& sprite, Graphics* graphics, float x, float y, float w, float h) {
    sprite.LoadImage(L"", graphics, 1, 0);  // binds the sprite to the back buffer; no picture
    sprite.SetPosition(x, y);
    sprite.SetSize(w, h);
    SetHighlight(sprite, 3);
    sprite.SetOutlineShape(0);
}

void MakePicture(CSprite& sprite, Graphics* graphics, const std::wstring& path, float x, float y) {
    sprite.LoadImage(path, graphics, 1, 0);
    sprite.SetPosition(x, y);
    SetHighlight(sprite, 3);
    sprite.SetOutlineShape(0);
}

void SetHighlight(CSprite& sprite, int width, uint32_t argb, int margin) {
    sprite.SetOutlineWidth(width);
    sprite.SetOutlineMargin(margin);
    sprite.SetOutlineColor(argb);
}

void SetHoverLabel(CSprite& sprite, const std::wstring& text, float size) {
    sprite.SetLabel(text, size);
    sprite.CentreTextOnSprite();
}

void PlaceLabelCentredOn(CSprite& sprite, float centreX, float top) {
    sprite.SetTextPosition(centreX - sprite.textBox.width / 2, top);
}

void SetCaption(CSprite& sprite, const std::wstring& text, float size, uint32_t argb, int style) {
    sprite.SetFont(size, style);
    sprite.SetTextColor(argb);
    sprite.SetText(text);
}

void SetCaption(CSprite& sprite, Graphics* graphics, const std::wstring& text, float size, float x, float bottom) {
    sprite.LoadImage(L"", graphics, 1, 0);
    SetCaption(sprite, text, size, 0xFFFFFFFFu);
    sprite.SetTextPosition(x, bottom - sprite.textBox.height);
}

void LoadGrid(std::span<CSprite> buttons, Graphics* graphics, const std::wstring& prefix, int firstNumber,
              const wchar_t* looks, float left, float top, float gap, int columns) {
    float x = left, y = top;
    for (size_t i = 0; i < buttons.size(); ++i) {
        CSprite& b = buttons[i];
        const std::wstring base = prefix + std::to_wstring(firstNumber + static_cast<int>(i));
        for (const wchar_t* look = looks; *look; ++look) b.LoadImage(base + *look + L".png", graphics, 1, 0);
        b.SetFrame(0);
        b.SetPosition(x, y);
        x += b.width + gap;
        if ((i + 1) % static_cast<size_t>(columns) == 0) {
            x = left;
            y += b.height;
        }
    }
}

void DrawHighlight(CSprite& sprite) { sprite.DrawHoverOutline(); }

void DrawLabel(CSprite& sprite) {
    sprite.DrawTextBox();
    sprite.DrawText();
}

void DrawHovered(std::initializer_list<CSprite*> buttons) {
    for (CSprite* b : buttons) {
        if (!b->hovered) continue;
        DrawHighlight(*b);
        DrawLabel(*b);
    }
}

bool Hover(std::initializer_list<CSprite*> buttons, int x, int y) {
    bool any = false;
    for (CSprite* b : buttons) any = b->UpdateHover(x, y) || any;
    return any;
}

bool Hover(std::span<CSprite> buttons, int x, int y) {
    bool any = false;
    for (CSprite& b : buttons) any = b.UpdateHover(x, y) || any;
    return any;
}

int Hit(std::initializer_list<const CSprite*> buttons, int x, int y) {
    int i = 0;
    for (const CSprite* b : buttons) {
        if (b->HitTest(x, y)) return i;
        ++i;
    }
    return -1;
}

int Hit(std::span<const CSprite> buttons, int x, int y) {
    for (size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i].HitTest(x, y)) return static_cast<int>(i);
    return -1;
}

void PointerShape(bool hand) {
    if (platform::HasBackend())
        platform::Os().SetCursor(hand ? platform::CursorShape::Hand : platform::CursorShape::Arrow);
}

}  // namespace ui
