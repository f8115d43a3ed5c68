#include "engine/GameBase.h"

bool CGameBase::BeginInit(Graphics* back, Graphics* window, Bitmap* buffer, Profile* p,
                          const wchar_t* backgroundImage) {
    CGameBase::Init(back, window, buffer, p);
    if (!profile) return false;
    SetupAnswerScan();
    background.LoadImage(backgroundImage, back, 1, 0);
    return true;
}
