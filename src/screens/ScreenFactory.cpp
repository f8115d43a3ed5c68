#include "screens/ScreenFactory.h"

#include "exercises/Cans.h"
#include "screens/PlaceholderScreen.h"

std::unique_ptr<CGameBase> CreateScreen(int screenId) {
    if (screenId < 0 || screenId > 18) return nullptr;
    switch (screenId) {
        case kCans:
            return std::make_unique<CCans>();
        default:
            return std::make_unique<CPlaceholderScreen>(screenId);
    }
}
