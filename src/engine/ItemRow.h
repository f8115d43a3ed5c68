#pragma once
// What an exercise does with its row of item sprites, whatever the items are (wagons,
// saucers, fish): advance and draw them all, find the sprite an item number names, find the
// shown one under the pointer, and light one up once.
#include <span>

#include "graphics/Graphics.h"
#include "graphics/Sprite.h"

namespace engine {

// Where an item stands in a scene drawn by hand, and the part of its picture that answers a
// click (offset from its position, then width and height): the painted item, not the
// transparent corners around it.
struct ItemPlace {
    float x, y;
    RectF hit;
};

inline void PlaceItem(CSprite& s, const ItemPlace& place) {
    s.SetPosition(place.x, place.y);
    s.SetHitBox(place.hit.x, place.hit.y, place.hit.width, place.hit.height);
}

inline CSprite* ItemOf(std::span<CSprite> items, int item) {
    return item >= 0 && static_cast<size_t>(item) < items.size() ? &items[static_cast<size_t>(item)] : nullptr;
}

inline void UpdateAll(std::span<CSprite> items) {
    for (CSprite& s : items) s.Update();
}

inline void DrawAll(std::span<CSprite> items) {
    for (CSprite& s : items) s.Draw();
}

// The first shown item whose hit area holds (x, y), or -1.
inline int ShownUnder(std::span<const CSprite> items, int x, int y) {
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i].visible && items[i].HitTest(x, y)) return static_cast<int>(i);
    return -1;
}

// One play of the item's frames from its first, back to the first at the end: a can, wagon
// or saucer lights up for its second frame's time. With hideAfter the item is gone at the end
// instead (a ghost house button that was found).
inline void LightOnce(CSprite& s, bool hideAfter = false) {
    s.SetFrame(0);
    s.Play(0, hideAfter ? 1 : 0, 0, hideAfter ? 0 : 1, 1);
}

}  // namespace engine
