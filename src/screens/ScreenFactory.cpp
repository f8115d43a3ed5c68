#include "screens/ScreenFactory.h"

#include "exercises/Cans.h"
#include "exercises/Paint.h"
#include "exercises/TheCircle.h"
#include "exercises/Zoo.h"
#include "screens/EnterPassword.h"
#include "screens/Login.h"
#include "screens/Menu.h"
#include "screens/NewProfile.h"
#include "screens/PlaceholderScreen.h"

std::unique_ptr<CGameBase> CreateScreen(int screenId) {
    if (screenId < 0 || screenId > 18) return nullptr;
    switch (screenId) {
        case kMenu: return std::make_unique<CMenu>();
        case kLogin: return std::make_unique<CLogin>();
        case kNewProfile: return std::make_unique<CNewProfile>();
        case kEnterPassword: return std::make_unique<CEnterPassword>();
        case kCans: return std::make_unique<CCans>();
        case kTheCircle: return std::make_unique<CTheCircle>();
        case kPaint: return std::make_unique<CPaint>();
        case kZoo: return std::make_unique<CZoo>();
        default: return std::make_unique<CPlaceholderScreen>(screenId);
    }
}
