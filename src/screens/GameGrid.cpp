#include "screens/GameGrid.h"

#include "graphics/Graphics.h"
#include "ui/Button.h"

void CGameGridScreen::LoadGames() { ui::LoadGrid(games, backGraphics, L"gfx\\menu\\game0", 1, L"abc", 70, 60, 55, 3); }

void CGameGridScreen::DrawGames() {
    if (backGraphics) backGraphics->Clear(kBackground);
    for (int g = 1; g <= kGames; ++g) {
        Game(g).SetFrame(Look(g));
        Game(g).Draw();
    }
}
