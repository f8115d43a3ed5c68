#pragma once
// The screens' buttons. A button is a sprite: a picture (or an invisible hot box), a
// position, a hit area, a hover label, and the round highlight drawn while the pointer or
// the switch-access scan rests on it. These set buttons up, lay them out in rows and grids,
// and run the hover and press chains over a screen's buttons.
#include <initializer_list>
#include <span>
#include <string>

#include "graphics/Sprite.h"

class Graphics;

namespace ui {

// An invisible clickable box of w x h at (x, y), bound to the back buffer so its
// highlight and label can be drawn.
void MakeHotBox(CSprite& sprite, Graphics* graphics, float x, float y, float w, float h);
// A picture button at (x, y); its highlight follows the picture's bounds.
void MakePicture(CSprite& sprite, Graphics* graphics, const std::wstring& path, float x, float y);
// The round highlight of a button in the given width and colour (a pale yellow by default).
void SetHighlight(CSprite& sprite, int width, uint32_t argb = 0xFFFFF2A0u, int margin = 4);
// A hover label: black text on a pale box, centred on the sprite (or, with centreX set,
// centred horizontally on centreX with its top at top).
void SetHoverLabel(CSprite& sprite, const std::wstring& text, float size = 16);
void PlaceLabelCentredOn(CSprite& sprite, float centreX, float top);
// A caption of size pixels in argb, at the text position (x, y).
void SetCaption(CSprite& sprite, const std::wstring& text, float size, uint32_t argb, int style = FontStyleRegular);
// A white caption, bound to graphics, whose bottom rests on (x, bottom).
void SetCaption(CSprite& sprite, Graphics* graphics, const std::wstring& text, float size, float x, float bottom);

// A grid of picture buttons, one after another from (left, top), columns to a row, gap
// pixels between two in a row; rows follow one button's height apart. Button i's pictures
// are prefix + (firstNumber + i) + each of the looks' letters + ".png", one frame each; the
// first look shows.
void LoadGrid(std::span<CSprite> buttons, Graphics* graphics, const std::wstring& prefix, int firstNumber,
              const wchar_t* looks, float left, float top, float gap, int columns);

// The highlight of a hovered button, and its label.
void DrawHighlight(CSprite& sprite);
void DrawLabel(CSprite& sprite);
// Both, for each hovered one of the buttons.
void DrawHovered(std::initializer_list<CSprite*> buttons);

// Marks each button under the pointer as hovered (every one, not just the first) and the
// others not; true when the pointer is over any of them.
bool Hover(std::initializer_list<CSprite*> buttons, int x, int y);
bool Hover(std::span<CSprite> buttons, int x, int y);
// The index of the first button under the point (in the order given), or -1.
int Hit(std::initializer_list<const CSprite*> buttons, int x, int y);
int Hit(std::span<const CSprite> buttons, int x, int y);
// The pointer shape: the hand over something clickable, else the arrow.
void PointerShape(bool hand);

}  // namespace ui
