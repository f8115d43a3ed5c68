#pragma once
// Small pieces the login, password, new-profile and menu screens share: invisible hot
// boxes, hover highlights and hover labels, and the language text of a screen.
#include <string>

#include "graphics/Sprite.h"

class Graphics;

namespace screens {

// An invisible clickable box of w x h at (x, y), bound to the back buffer so its
// highlight and label can be drawn.
void MakeHotBox(CSprite& sprite, Graphics* graphics, float x, float y, float w, float h);
// A picture button at (x, y); its highlight follows the picture's bounds.
void MakePicture(CSprite& sprite, Graphics* graphics, const std::wstring& path, float x, float y);
// A hover label: black text on a pale box, centred on the sprite (or, with centreX set,
// centred horizontally on centreX with its top at top).
void SetHoverLabel(CSprite& sprite, const std::wstring& text, float size = 16);
void PlaceLabelCentredOn(CSprite& sprite, float centreX, float top);
// The round highlight of a hovered button and its label.
void DrawHighlight(CSprite& sprite);
void DrawLabel(CSprite& sprite);
// A white caption of size pixels whose bottom rests on (x, bottom).
void SetCaption(CSprite& sprite, Graphics* graphics, const std::wstring& text, float size, float x, float bottom);
// The pointer shape: the hand over something clickable, else the arrow.
void PointerShape(bool hand);

}  // namespace screens
