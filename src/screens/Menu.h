#pragma once
// The main menu, the hub of a training day: the nine exercises as picture buttons (each
// playable while it is switched on and behind the current day), the stop and options
// buttons, the reward bag once the day is finished, the menu music and spoken prompt,
// and in debug mode keys to move the days and an overlay that shows them.
#include <string>

#include "graphics/Sprite.h"
#include "screens/GameGrid.h"
#include "sound/SoundGroup.h"

class CMenu final : public CGameGridScreen {
public:
    int Init(Graphics* backGraphics, Graphics* windowGraphics, Bitmap* backBuffer, Profile* profile) override;
    int Update() override;
    int Draw() override;

    // Read by tests and tools. Exercise g is 1..9.
    // 0 playable, 1 done or switched off, 2 playable and hovered.
    int Look(int g) const override;
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
    // The hand and the extra marker over a playable exercise, options, stop or the bag.
    void Hover(int x, int y) override;
    void Press(int x, int y) override;
    // Escape leaves the day, F1 opens the settings; in debug mode D, +, - and I.
    void OnKey(int virtualKey) override;
    void LeaveDay();
    void StepDay(int delta);
    void UpdateOverlay();
    void WarmUpExercises() const;

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
