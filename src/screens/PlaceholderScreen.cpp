#include "screens/PlaceholderScreen.h"

#include "graphics/Graphics.h"
#include "platform/Platform.h"

int CPlaceholderScreen::Update() {
    CPlainScreen::Update();
    return nextScreen;
}

int CPlaceholderScreen::Draw() {
    if (backGraphics) backGraphics->Clear(0xFF000000u | (0x203040u + static_cast<uint32_t>(id_) * 0x0A0806u));
    Present();
    return 1;
}

int CPlaceholderScreen::OnMouseDown(unsigned, long) {
    if (id_ == kLogin)
        nextScreen = kMenu;
    else if (id_ == kMenu)
        nextScreen = kCans;
    return 1;
}

int CPlaceholderScreen::OnKeyDown(int virtualKey, int, long) {
    if (!keyLatch.Take()) return 1;
    // The number test is open without the password: it leads back to the login only.
    if (virtualKey == platform::VK_ESCAPE)
        nextScreen = id_ == kLogin ? kQuitProgram : (id_ == kMenu || id_ == kNumberTest) ? kLogin : kMenu;
    return 1;
}
