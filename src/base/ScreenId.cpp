#include "base/ScreenId.h"

const wchar_t* ScreenName(int id) {
    static const wchar_t* const names[] = {
        L"menu",          L"cans",       L"treasure", L"pariswheel", L"thecircle",      L"thepond", L"ghosthouse",
        L"space",         L"paint",      L"zoo",      L"diploma",    L"diplomaprinter", L"login",   L"newprofile",
        L"enterpassword", L"numbertest", L"settings", L"stats",      L"selectgame"};
    if (id < 0 || id > 18) return L"";
    return names[id];
}
