#pragma once
// The splash: shown once at start-up, then it hands over to the login.
#include "app/GameBase.h"

class CSplash final : public CPlainScreen {
public:
    int Init(Graphics* backGraphics, Graphics* windowGraphics, Bitmap* backBuffer, Profile* profile) override;
    int Update() override;
    int Draw() override;
    // The notice line at the bottom edge, set up by the frame after Init.
    void SetupNotice();

private:
    uint32_t start_ = 0;
};
