#pragma once
#include <string>

// The folder that holds the program's gfx, sfx, speech and data folders: beside the
// executable, then the installed data folder (share/kestrova beside the executable's
// bin/, then the one of the configured prefix), then assets/ of a source checkout.
// Empty when none is found.
std::wstring FindAssetFolder();
bool LooksLikeAssetFolder(const std::wstring& folder);
