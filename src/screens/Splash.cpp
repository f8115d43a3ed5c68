#include "screens/Splash.h"

#include "platform/Platform.h"
#include "profiles/Profile.h"
#include "text/TextIds.h"

std::wstring SplashNoticeText(const Profile* profile) {
    std::wstring notice = L"Kestrova " KESTROVA_WVERSION;
    if (profile) notice += L" \u2013 " + profile->options.GetText(text::kTagline);
    return notice;
}

int CSplash::Init(Graphics* back, Graphics* window, Bitmap* buffer, Profile* p) {
    CGameBase::Init(back, window, buffer, p);
    background.LoadImage(L"gfx\\splash\\background.png", back, 1, 0);
    const std::wstring logoName = profile ? profile->options.GetText(text::kLogoPicture) : std::wstring();
    logo.LoadImage(L"gfx\\splash\\" + logoName, back, 1, 0);
    logo.SetPosition(static_cast<float>(400 - static_cast<int>(logo.width) / 2), 35);
    intro.Open(L"sfx\\intro\\splash.wav");
    intro.Play(0);
    deadline = platform::TimeGetTime() + 4000;
    phase = 0;
    return 1;
}

void CSplash::SetupNotice() {
    notice.LoadImage(L"", backGraphics, 1, 0);  // binds the label to the back buffer; no picture
    notice.SetFont(10, 0);
    notice.SetTextColor(0xFF000000);
    notice.SetText(SplashNoticeText(profile));
    notice.SetTextPosition(notice.textBox.x, 600 - notice.textBox.height);
    notice.CentreTextIn(800);
}

int CSplash::Update() {
    // The clock passing deadline, on the wrapping millisecond count.
    const uint32_t now = platform::TimeGetTime();
    const bool passed = static_cast<int32_t>(now - deadline) > 0;
    if (phase == 0) {
        if (passed) phase = 1;
    } else if (phase == 1) {
        if (passed) {
            deadline = now + 4000;
            phase = 2;
        }
    } else if (phase == 2) {
        if (passed && nextScreen == kStayOnScreen) nextScreen = kLogin;
    }
    return nextScreen;
}

int CSplash::Draw() {
    background.Draw();
    logo.Draw();
    notice.DrawText();
    Present();
    return 1;
}

void CSplash::OnKey(int virtualKey) {
    ActOnKey(virtualKey);
    if (nextScreen == kMenu) nextScreen = kLogin;
}
