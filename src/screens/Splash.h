#pragma once
// The splash: the first screen, made by the frame at start-up before the window shows.
// A background, the logo of the language, a notice line at the bottom edge and the intro
// sound; after about eight seconds it hands over to the login.
#include <cstdint>
#include <string>

#include "engine/GameBase.h"
#include "graphics/Sprite.h"
#include "sound/SoundGroup.h"

class CSplash final : public CPlainScreen {
public:
    int Init(Graphics* backGraphics, Graphics* windowGraphics, Bitmap* backBuffer, Profile* profile) override;
    int Update() override;
    int Draw() override;
    int OnKeyDown(int virtualKey, int unused, long lParam) override;
    // The notice line at the bottom edge, set up by the frame after Init (at start-up only).
    void SetupNotice();

    int Phase() const { return phase; }
    const CSprite& Logo() const { return logo; }
    const CSprite& Notice() const { return notice; }

private:
    CSprite background;
    CSprite logo;
    CSprite notice;
    CSoundGroup intro;
    int phase = 0;
    uint32_t deadline = 0;
};

// The words of the notice line: the program's name, the build's version and what it is
// (language text 105, "working-memory training for children and seniors").
std::wstring SplashNoticeText(const Profile* profile);
