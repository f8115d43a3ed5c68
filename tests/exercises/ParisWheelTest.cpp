// Paris wheel: the wheel stands while waiting, turns while the wagons are shown and answered
// and stops at a wrong wagon; six wagons become eight; the speed-up; the moon.
#include <gtest/gtest.h>

#include <cmath>

#include "exercises/ExerciseFixture.h"
#include "exercises/ParisWheel.h"

namespace {

using ParisWheelTest = ExerciseFixture<CParisWheel, kParisWheel>;

// A wagon's centre is on its circle around the wheel's hub.
float FromHub(const CSprite& wagon) {
    return std::hypot(wagon.CentreX() - CParisWheel::kCentreX, wagon.CentreY() - CParisWheel::kCentreY);
}

TEST_F(ParisWheelTest, TurnsOnlyFromTheStartUntilAWrongWagon) {
    CParisWheel& w = Start();  // level 1: span 2, six wagons, 6 degrees a second
    ASSERT_EQ(w.WheelWagons(), 6);
    EXPECT_FLOAT_EQ(w.Wheel().CentreX(), 400);
    EXPECT_FLOAT_EQ(w.Wheel().CentreY(), 260);
    for (int i = 0; i < CParisWheel::kWagonCount; ++i) {
        EXPECT_EQ(w.Wagon(i).visible, i < 6 ? 1 : 0);
        if (i < 6) {
            EXPECT_FLOAT_EQ(w.Wagon(i).orbitAngle, static_cast<float>((i + 1) * 60));
        }
    }
    const float x0 = w.Wagon(0).x, y0 = w.Wagon(0).y;
    Run(3000);
    EXPECT_FLOAT_EQ(w.Wagon(0).x, x0);
    EXPECT_FLOAT_EQ(w.Wagon(0).y, y0);
    EXPECT_FLOAT_EQ(w.Wheel().spinAngle, 0);
    EXPECT_EQ(Played(L"wheelmusic"), 0u);

    PressStart();
    EXPECT_EQ(Played(L"wheelmusic"), 1u);
    Run(1000);
    EXPECT_NEAR(w.Wheel().spinAngle, 6, 0.2);
    EXPECT_NEAR(w.Wagon(0).orbitAngle, 66, 0.2);
    EXPECT_NEAR(FromHub(w.Wagon(0)), CParisWheel::kRadius, 0.5);
    ASSERT_TRUE(RunUntil(Answering));
    const float turned = w.Wheel().spinAngle;
    Run(500);
    EXPECT_GT(w.Wheel().spinAngle, turned);

    // A wrong wagon stops the wheel; the marker is where the expected wagon stopped.
    const int expected = w.Sequence()[0];
    int wrong = 0;
    while (wrong == expected || wrong == w.Sequence()[1]) ++wrong;
    PressItem(wrong);
    ASSERT_EQ(w.Phase(), Wrong);
    const float ex = w.Wagon(expected).CentreX(), ey = w.Wagon(expected).CentreY();
    const float angle = w.Wheel().spinAngle;
    Run(1500);
    EXPECT_FLOAT_EQ(w.Wagon(expected).CentreX(), ex);
    EXPECT_FLOAT_EQ(w.Wagon(expected).CentreY(), ey);
    EXPECT_FLOAT_EQ(w.Wheel().spinAngle, angle);
    EXPECT_FLOAT_EQ(w.ShowCorrectMarker().CentreX(), ex);
    EXPECT_FLOAT_EQ(w.ShowCorrectMarker().CentreY(), ey);
}

TEST_F(ParisWheelTest, WithoutSoundNoMusic) {
    P().options.o0 = 0;
    Start();
    StartAndPresent();
    EXPECT_EQ(Played(L"wheelmusic"), 0u);
}

TEST_F(ParisWheelTest, AStreakAtSpanSixBringsTheEightWagonWheel) {
    P().span[kParisWheel] = 7;  // span 6 on six wagons
    CParisWheel& w = Start();
    ASSERT_EQ(w.Span(), 6);
    ASSERT_EQ(w.VisibleCount(), 6);
    ASSERT_FALSE(w.Pool(6).empty());
    for (const auto& candidate : w.Pool(6))
        for (int place : candidate) EXPECT_LT(place, 6);  // the six-place pool
    for (int round = 0; round < 3; ++round) {
        StartAndPresent();
        AnswerRight();
        ASSERT_EQ(w.Phase(), Correct);
        ASSERT_TRUE(RunUntil(WaitStart));
    }
    ASSERT_EQ(w.Span(), 7);
    EXPECT_EQ(w.WheelWagons(), 8);
    EXPECT_EQ(w.AnswerScan().Count(), 8);
    for (int i = 0; i < CParisWheel::kWagonCount; ++i) {
        EXPECT_TRUE(w.Wagon(i).visible);
        EXPECT_FLOAT_EQ(w.Wagon(i).orbitAngle, static_cast<float>((i + 1) * 45));
        EXPECT_NEAR(FromHub(w.Wagon(i)), CParisWheel::kRadius, 0.5);
    }
    EXPECT_FALSE(w.Pool(7).empty());  // only the eight-place folder has sequences of 7
    EXPECT_EQ(w.Sequence().size(), 7u);
}

TEST_F(ParisWheelTest, SecondStreakAtEightSpeedsUpOnceAndTheMoonStopsAtItsLastFrame) {
    P().level = L"2";
    P().span[kParisWheel] = 9;  // span 8 on eight wagons, 8 degrees a second
    CParisWheel& w = Start();
    ASSERT_EQ(w.Span(), 8);
    const int moonFrames = w.Moon().FrameCount();
    ASSERT_GT(moonFrames, 2);
    const float speeds[] = {8, 10, 10, 10};  // after each streak of three
    for (int streak = 0; streak < 4; ++streak) {
        for (int i = 0; i < 3; ++i) w.OnRoundCorrect();
        EXPECT_FLOAT_EQ(w.WheelSpeed(), speeds[streak]) << "streak " << streak + 1;
        EXPECT_EQ(w.Span(), 8);
    }
    EXPECT_EQ(w.Moon().GetFrame(), std::min(12, moonFrames - 1));
    // The next round turns at the new speed.
    w.SetupRound();
    EXPECT_FLOAT_EQ(w.Wheel().spinSpeed, 10);
    for (int i = 0; i < CParisWheel::kWagonCount; ++i) EXPECT_FLOAT_EQ(w.Wagon(i).orbitSpeed, 10);
}

TEST_F(ParisWheelTest, SeniorLayoutHasNoMoon) {
    P().options.o3 = 1;
    CParisWheel& w = Start();
    EXPECT_EQ(w.Moon().FrameCount(), 0);
    w.OnRoundCorrect();  // nothing to move on
    EXPECT_EQ(w.Moon().GetFrame(), 0);
}

}  // namespace
