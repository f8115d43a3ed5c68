#include "engine/ItemSprites.h"

#include "engine/GameBase.h"

void CGameBase::ItemCursor(std::span<const CSprite> items) {
    PointerFeedback();
    if (engine::ShownUnder(items, mousePos.x, mousePos.y) >= 0) HoverFeedback();
    ApplyCursor();
}

int CGameBase::PressOnItems(long lParam, std::span<CSprite> items, const std::function<void(int)>& picked) {
    const int x = MouseParamX(lParam);
    const int y = MouseParamY(lParam);
    if (HandleCommonPress(x, y)) return 1;
    // Several items under one press are checked in item order; a wrong one ends the turn.
    for (size_t i = 0; i < items.size(); ++i) {
        const CSprite& item = items[i];
        if (phase != Answering || !item.visible || !item.HitTest(x, y)) continue;
        if (CheckAnswer(static_cast<int>(i)) && picked) picked(static_cast<int>(i));
    }
    HandleHelpPress(x, y);
    return 1;
}
