#include "engine/ItemSprites.h"

#include "app/GameBase.h"

void CGameBase::ItemCursor(std::span<const CSprite> items) {
    PointerFeedback();
    if (engine::ShownUnder(items, mousePos.x, mousePos.y) >= 0) HoverFeedback();
    ApplyCursor();
}
