#include "screens/Splash.h"

#include "graphics/Graphics.h"
#include "platform/Platform.h"

int CSplash::Init(Graphics* back, Graphics* window, Bitmap* buffer, Profile* p) {
    CGameBase::Init(back, window, buffer, p);
    start_ = platform::TimeGetTime();
    return 1;
}

void CSplash::SetupNotice() {}

int CSplash::Update() {
    CGameBase::Update();
    if (nextScreen == kStayOnScreen && platform::TimeGetTime() - start_ > 8000) nextScreen = kLogin;
    return nextScreen;
}

int CSplash::Draw() {
    if (backGraphics) backGraphics->Clear(0xFFFFFFFF);
    Present();
    return 1;
}
