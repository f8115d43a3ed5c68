#pragma once
// The main menu, the hub of a training day: the nine exercises as picture buttons (each
// playable while it is switched on and behind the current day), the stop and options
// buttons, the reward bag once the day is finished, the menu music and spoken prompt,
// and in debug mode keys to move the days and an overlay that shows them.
#include <array>
#include <string>

#include "engine/GameBase.h"
#include "graphics/Sprite.h"
#include "sound/SoundGroup.h"

class CMenu final : public CPlainScreen {
public:
    static constexpr int kGames = 9;
    static constexpr uint32_t kBackground = 0xFF4069B0u;

    int Init(Graphics* backGraphics, Graphics* windowGraphics, Bitmap* backBuffer, Profile* profile) override;
    int Update() override;
    int Draw() override;
    int OnMouseDown(unsigned wParam, long lParam) override;
    int OnMouseMove(unsigned wParam, long lParam) override;
    int OnKeyDown(int virtualKey, int unused, long lParam) override;

    // Read by tests and tools. Exercise g is 1..9.
    const CSprite& GameButton(int g) const { return games[static_cast<size_t>(g - 1)]; }
    // The look a button is drawn with: 0 playable, 1 done or switched off, 2 playable and hovered.
    int Look(int g) const;
    bool Playable(int g) const;
    bool BagShown() const { return bagShown; }
    bool BagAnimated() const { return bag.playing && !bag.IsAnimationStopped(); }
    const CSprite& Bag() const { return bag; }
    const CSprite& StopButton() const { return stop; }
    const CSprite& OptionsButton() const { return options; }
    const CSprite& Marker() const { return marker; }
    bool MarkerLoaded() const { return marker.FrameCount() > 0; }
    bool OverlayOn() const { return overlayOn; }
    const std::wstring& OverlayText() const { return overlay.text; }
    const CSoundGroup& Music() const { return music; }

private:
    void LeaveDay();
    void StepDay(int delta);
    void UpdateOverlay();
    void WarmUpExercises() const;

    std::array<CSprite, kGames> games;
    CSprite stop;
    CSprite options;
    CSprite bag;
    CSprite marker;
    CSprite overlay;
    CSoundGroup music;
    bool bagShown = false;
    bool overlayOn = false;
    bool warmUpStarted = false;
};
