#pragma once
#include <memory>

#include "engine/GameBase.h"

// Builds the screen of a ScreenId (0 to 18) with its default constructor; null for any
// other number, which ends the program.
std::unique_ptr<CGameBase> CreateScreen(int screenId);
