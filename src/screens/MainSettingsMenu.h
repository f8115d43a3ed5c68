#pragma once
// The settings screen: eighteen picture buttons on one background. Most switch one of the
// trainee's options (a crossed-out overlay marks each one that is off); the others lead to
// the statistics, the diploma printing, the game selection, the credits page or back to the
// menu. The options are saved on every way out.
#include <array>
#include <string>

#include "engine/GameBase.h"
#include "graphics/Sprite.h"
#include "sound/SoundGroup.h"

class CMainSettingsMenu final : public CPlainScreen {
public:
    // The buttons, in the order of the switch-access list.
    enum Button : int {
        kBack = 0,
        kStatistics = 1,
        kMusic = 2,
        kSound = 3,
        kTwoSwitches = 4,
        kOneSwitch = 5,
        kScanTime = 6,
        kExtraFrame = 7,
        kReset = 8,
        kAbout = 9,
        kReward = 10,
        kShowCorrect = 11,
        kUseStop = 12,
        kVisual = 13,
        kRabbit = 14,
        kDiplomas = 15,
        kChooseGames = 16,
        kSenior = 17,  // the senior layout, in the free place of the second row
        kButtons = 18,
    };
    static constexpr int kCredits = 18;  // the credits page's picture and version line
    static constexpr int kOff = 19;      // the "off" overlay
    static constexpr float kCaptionTop = 170;

    ~CMainSettingsMenu() override;

    int Init(Graphics* backGraphics, Graphics* windowGraphics, Bitmap* backBuffer, Profile* profile) override;
    int Draw() override;

    // The buttons, overlays and the credits page, read by tests and tools.
    const CSprite& ButtonSprite(int k) const { return buttons[static_cast<size_t>(k)]; }
    const CSprite& CreditsSprite() const { return buttons[kCredits]; }
    bool Shown(int k) const { return k != kVisual || visualShown; }
    // Whether button k's option is off, so the overlay lies on it.
    bool OverlayOn(int k) const;
    bool CreditsShown() const { return creditsShown; }
    // The number written on the scan-time button in the last drawn frame.
    const std::wstring& ScanTimeText() const { return scanTimeText; }
    // The button whose caption and explanation the last frame showed (hovered, else
    // scanned), -1 for none; and the explanation's line.
    int Explained() const { return explained; }
    const CSprite& Explanation() const { return explanation; }

private:
    void Click();
    void SaveOptions();
    void ShowCredits();
    void LeaveCredits();
    void ToggleOption(int k);
    void Press(int x, int y) override;
    void Hover(int x, int y) override;
    // While the credits show, any key leaves them.
    void OnKey(int virtualKey) override;

    CSprite background;
    std::array<CSprite, 20> buttons;
    CSprite explanation;
    int explained = -1;
    CSoundGroup click;
    bool creditsShown = false;
    bool visualShown = true;
    std::wstring scanTimeText;
};
