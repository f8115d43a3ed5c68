// What the exercises do alike with their row of item sprites: the hand and the extra marker
// over the items on show, the press checked against each of them in item order, and an item
// that moves or lights once and comes back to rest.
#include "app/GameBase.h"

void CGameBase::UpdateCursorOver(std::span<CSprite> items) {
    PointerFeedback();
    for (const CSprite& item : items)
        if (item.visible && item.HitTest(mousePos.x, mousePos.y)) HoverFeedback();
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

void CGameBase::PlayOnce(CSprite& item) {
    item.SetFrame(0);
    item.Play(0, 0, 0, 1, 1);
}
