// Pictures of Cans in its phases, drawn by the real frame: waiting for the start, a can lit
// during the presentation, the trainee's turn with the extra marker on a can, a wrong pick
// with the show-correct marker, and the bag filling at the end. The markers are checked in
// the pixels; with KESTROVA_SHOT_DIR set the pictures are also kept there as PNG files.
#include "support/TestPaths.h"
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "app/Harness.h"
#include "exercises/Cans.h"
#include "graphics/Graphics.h"
#include "profiles/Profile.h"
#include "profiles/ProfileTestUtil.h"

namespace {

class CansPictures : public ::testing::Test {
protected:
    void SetUp() override {
        harness = std::make_unique<HeadlessHarness>(L"kestrova window", platform::WideFromUtf8(testpaths::AssetDir()));
        Profile& p = harness->Frame().ActiveProfile();
        p.folder = folder.Folder();
        p.name = L"Tester";
        p.level = L"1";
        p.roundsPerDay = 2;
        p.coins = 23;
        p.span[kCans] = 4;  // span 3
        p.options.o5 = 0;
        p.options.o6 = 1;  // show correct
        p.options.o8 = 1;  // extra marker
        ASSERT_TRUE(harness->Frame().SwitchTo(kCans));
    }
    CCans& C() { return *static_cast<CCans*>(harness->Screen()); }

    void Shot(const char* name) {
        const char* dir = std::getenv("KESTROVA_SHOT_DIR");
        if (dir && *dir) {
            EXPECT_TRUE(harness->SaveCanvas(platform::WideFromUtf8(std::string(dir) + "/" + name)));
        }
    }
    uint32_t Pixel(float x, float y) {
        return harness->Frame().BackBuffer().PixelAt(static_cast<int>(x), static_cast<int>(y));
    }
    void RunUntil(ExercisePhase phase) {
        for (int i = 0; i < 20000 && C().Phase() != phase; ++i) harness->Pass();
        ASSERT_EQ(C().Phase(), phase);
    }

    ProfileFolder folder;
    std::unique_ptr<HeadlessHarness> harness;
};

TEST_F(CansPictures, Phases) {
    harness->RunFor(600);
    Shot("cans_waitstart.png");

    const CSprite& start = C().StartButton();
    harness->Click(static_cast<int>(start.x) + 20, static_cast<int>(start.y) + 20);
    ASSERT_EQ(C().Phase(), Starting);
    // Mid-presentation: the second can lit, the pointer on it, yet no extra marker.
    for (int i = 0; i < 20000 && C().StepIndex() < 2; ++i) harness->Pass();
    const CSprite& lit = C().Can(C().Sequence()[1]);
    harness->Os().SetCursorPos(static_cast<int>(lit.CentreX()), static_cast<int>(lit.CentreY()));
    harness->RunFor(100);
    ASSERT_EQ(C().Phase(), Presenting);
    EXPECT_EQ(lit.GetFrame(), 1);
    const uint32_t underPointer = Pixel(lit.CentreX(), lit.CentreY());
    Shot("cans_presenting.png");

    RunUntil(Answering);
    harness->Os().SetCursorPos(static_cast<int>(lit.CentreX()), static_cast<int>(lit.CentreY()));
    harness->RunFor(100);
    const CSprite& extra = C().ExtraMarker();
    EXPECT_FLOAT_EQ(extra.CentreX(), static_cast<float>(static_cast<int>(lit.CentreX())));
    // The marker's frame now shows on the can (its picture differs from the bare can).
    bool markerDrawn = false;
    for (int dx = -32; dx < 32 && !markerDrawn; ++dx)
        for (int dy = -32; dy < 32 && !markerDrawn; ++dy)
            if (Pixel(lit.CentreX() + static_cast<float>(dx), lit.CentreY() + static_cast<float>(dy)) != underPointer)
                markerDrawn = true;
    EXPECT_TRUE(markerDrawn);
    Shot("cans_answering.png");

    // A wrong can: the marker circles the expected one.
    const int expected = C().Sequence()[0];
    int wrong = -1;
    for (int i = 0; i < CCans::kCanCount && wrong < 0; ++i)
        if (C().Can(i).visible && i != expected) wrong = i;
    const CSprite& w = C().Can(wrong);
    harness->RunFor(410);
    harness->Click(static_cast<int>(w.x) + 60, static_cast<int>(w.y) + 67);
    ASSERT_EQ(C().Phase(), Wrong);
    harness->RunFor(300);
    EXPECT_FLOAT_EQ(C().ShowCorrectMarker().CentreX(), C().Can(expected).CentreX());
    Shot("cans_wrong.png");

    // Round 2 solved, then the coin drops into the bag.
    RunUntil(WaitStart);
    harness->RunFor(410);
    harness->Click(static_cast<int>(start.x) + 20, static_cast<int>(start.y) + 20);
    RunUntil(Answering);
    const std::vector<int> seq = C().Sequence();
    for (int item : seq) {
        harness->RunFor(410);
        const CSprite& c = C().Can(item);
        harness->Click(static_cast<int>(c.x) + 60, static_cast<int>(c.y) + 67);
    }
    RunUntil(Payout);
    for (int i = 0; i < 20000 && !C().BagMoney().visible; ++i) harness->Pass();
    ASSERT_TRUE(C().BagMoney().visible);
    harness->RunFor(130);
    EXPECT_EQ(harness->Frame().ActiveProfile().coins, 24);
    Shot("cans_payout.png");
}

}  // namespace
