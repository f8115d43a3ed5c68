#include "screens/ScreenFactory.h"

#include "exercises/Cans.h"
#include "exercises/GhostHouse.h"
#include "exercises/NumberSpanTest.h"
#include "exercises/Paint.h"
#include "exercises/ParisWheel.h"
#include "exercises/Space.h"
#include "exercises/TheCircle.h"
#include "exercises/ThePond.h"
#include "exercises/Treasure.h"
#include "exercises/Zoo.h"
#include "screens/Diploma.h"
#include "screens/DiplomaPrinter.h"
#include "screens/EnterPassword.h"
#include "screens/Login.h"
#include "screens/MainSettingsMenu.h"
#include "screens/Menu.h"
#include "screens/NewProfile.h"
#include "screens/OverviewScreen.h"
#include "screens/SelectGame.h"
#include "screens/StatScreen.h"

std::unique_ptr<CGameBase> CreateScreen(int screenId) {
    switch (screenId) {
        case kMenu: return std::make_unique<CMenu>();
        case kCans: return std::make_unique<CCans>();
        case kTheCircle: return std::make_unique<CTheCircle>();
        case kPaint: return std::make_unique<CPaint>();
        case kZoo: return std::make_unique<CZoo>();
        case kDiploma: return std::make_unique<CDiploma>();
        case kDiplomaPrinter: return std::make_unique<CDiplomaPrinter>();
        case kLogin: return std::make_unique<CLogin>();
        case kNewProfile: return std::make_unique<CNewProfile>();
        case kEnterPassword: return std::make_unique<CEnterPassword>();
        case kParisWheel: return std::make_unique<CParisWheel>();
        case kThePond: return std::make_unique<CThePond>();
        case kSpace: return std::make_unique<CSpace>();
        case kTreasure: return std::make_unique<CTreasure>();
        case kGhostHouse: return std::make_unique<CGhostHouse>();
        case kNumberTest: return std::make_unique<CNumberTest>();
        case kSettings: return std::make_unique<CMainSettingsMenu>();
        case kStats: return std::make_unique<CStatScreen>();
        case kSelectGame: return std::make_unique<CSelectGame>();
        case kOverview: return std::make_unique<COverviewScreen>();
        default: return nullptr;
    }
}
