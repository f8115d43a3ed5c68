#pragma once
// Cans: tin cans stand on one or two shelves in a shop; in each trial some cans light up one
// after another and the trainee clicks the same cans in the same order (forward) or in the
// reverse order (backward). The reference exercise of the training engine.
#include <array>
#include <cstdint>

#include "engine/Exercise.h"

class CCans final : public CExercise {
public:
    static constexpr int kCanCount = 8;

    CCans();

    int Init(Graphics* backGraphics, Graphics* windowGraphics, Bitmap* backBuffer, Profile* profile) override;
    int SetupRound() override;
    // The shelves and the cans; the props stand in front of the display.
    int Draw() override;

    // Read by tests and tools.
    const CSprite& Can(int i) const { return cans[static_cast<size_t>(i & 7)]; }
    const CSprite& Shelf(int i) const { return i == 0 ? shelf1 : shelf2; }
    const CSprite& Prop(int i) const;  // left 1, left 2, right 1, right 2
    int PlaceCount() const { return placeCount; }

protected:
    // A can lights when it is shown; one found right lights too and leaves the switch list.
    std::span<CSprite> Items() override { return cans; }
    void OnItemPicked(int item) override;

private:
    struct Place {
        int16_t x = 0;
        int16_t y = 0;
    };
    CSprite shelf1;
    CSprite shelf2;
    std::array<CSprite, kCanCount> cans;
    CSprite leftProp1;
    CSprite leftProp2;
    CSprite rightProp1;
    CSprite rightProp2;
    std::array<Place, kCanCount> places{};
    int placeCount = 0;
};
