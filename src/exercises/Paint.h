#pragma once
// Paint: paint pots stand in two rows under a picture to be painted. In each trial a voice
// names some colours one after another; the trainee clicks the pots of those colours in the
// same order (forward) or in the reverse order (backward). Every solved sequence paints one
// more part of the picture of the day, and a clown part comes to life at the end.
#include <array>

#include "engine/Exercise.h"

class CPaint final : public CExercise {
public:
    static constexpr int kPotCount = 8;
    // The picture gains its next part between the last correct pot and the praise.
    static constexpr ExercisePhase kPainting = static_cast<ExercisePhase>(99);

    CPaint() : CExercise(kPaint) {}

    int Init(Graphics* backGraphics, Graphics* windowGraphics, Bitmap* backBuffer, Profile* profile) override;
    int SetupRound() override;

    // Read by tests and tools.
    const CSprite& Pot(int i) const { return pots[static_cast<size_t>(i & 7)]; }
    const CSprite& PictureOfTheDay() const { return picture; }
    const CSprite& Clown() const { return clown; }

protected:
    std::span<CSprite> Items() override { return pots; }
    // The clown and the picture beside the pots; the picture gains its part when it is due.
    void UpdateScene() override;
    void DrawScene() override;
    // The colour is named; the pots themselves do not light.
    void ShowItem(int item) override;
    // The pot lights once; after the whole sequence the picture is painted before the praise.
    void OnItemPicked(int item) override;

private:
    struct Place {
        float x = 0;
        float y = 0;
    };
    void StepPainting();

    CSprite clown;
    std::array<CSprite, kPotCount> pots;
    std::array<Place, kPotCount> places{};
    CSprite picture;
};
