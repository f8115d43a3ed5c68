#pragma once
// The screens that show the nine exercises as a grid of picture buttons on the menu's
// colour: the menu and the game selection. Each button has three looks (a, b, c), chosen
// by the screen.
#include <array>

#include "engine/GameBase.h"
#include "graphics/Sprite.h"

class CGameGridScreen : public CPlainScreen {
public:
    static constexpr int kGames = 9;
    static constexpr uint32_t kBackground = 0xFF4069B0u;

    // Exercise g's button (1..9), read by tests and tools.
    const CSprite& GameButton(int g) const { return games[static_cast<size_t>(g - 1)]; }
    // The look exercise g's button is drawn with.
    virtual int Look(int g) const = 0;

protected:
    // The buttons in three rows of three.
    void LoadGames();
    // The background and every button in its look.
    void DrawGames();
    CSprite& Game(int g) { return games[static_cast<size_t>(g - 1)]; }

    std::array<CSprite, kGames> games;
};
