// The circle: the ring of lamps, which lamps light and in what order, the choice of the animal
// asked for, the one click that decides a trial, and the senior layout's instruments.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "exercises/ExerciseFixture.h"
#include "exercises/TheCircle.h"

namespace {

using TheCircleTest = ExerciseFixture<CTheCircle, kTheCircle>;

TEST_F(TheCircleTest, LampsStandClockwiseFromTheTop) {
    CTheCircle& c = Start();
    for (int k = 0; k < CTheCircle::kLampCount; ++k) {
        const double a = (-90.0 + 45.0 * k) * 3.14159265358979 / 180.0;
        EXPECT_NEAR(c.Lamp(k).CentreX(), 400 + 150 * std::cos(a), 0.01) << k;
        EXPECT_NEAR(c.Lamp(k).CentreY(), 300 + 150 * std::sin(a), 0.01) << k;
        EXPECT_EQ(c.AnswerScan().Entry(k), &c.Lamp(k));
    }
    EXPECT_LT(c.Lamp(0).y, c.Lamp(4).y);  // lamp 0 on top, lamp 2 on the right
    EXPECT_GT(c.Lamp(2).x, c.Lamp(6).x);
    EXPECT_EQ(c.Lamp(0).FrameDurations(), (std::vector<int>{0, 1000}));
    EXPECT_TRUE(c.Decoration().visible);
    EXPECT_FLOAT_EQ(c.Decoration().x, 640);
    EXPECT_NE(c.Decoration().firstFile.find(L"extra"), std::wstring::npos);
    EXPECT_NE(c.Picture(0).firstFile.find(L"animals"), std::wstring::npos);
}

TEST_F(TheCircleTest, SpanEightLightsEveryLampInOrder) {
    P().span[kTheCircle] = 9;  // starts at 8
    CTheCircle& c = Start();
    ASSERT_EQ(c.Span(), 8);
    EXPECT_EQ(c.Sequence(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    PressStart();
    ASSERT_TRUE(RunUntil(Presenting));
    std::vector<int> lit;
    std::vector<int> sounds;
    while (c.Phase() == Presenting) {
        const unsigned before = c.StepIndex();
        Run(10);
        if (c.StepIndex() == before || c.Phase() != Presenting) continue;
        Run(20);  // the lamp turns on at its next update
        for (int k = 0; k < 8; ++k)
            if (c.Lamp(k).GetFrame() == 1) lit.push_back(k);
        ASSERT_EQ(lit.size(), c.StepIndex());
        sounds.push_back(c.LampAnimal(lit.back()));
    }
    EXPECT_EQ(lit, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    // Each lamp played its own animal's sound, eight different animals.
    EXPECT_EQ(std::set<int>(sounds.begin(), sounds.end()).size(), 8u);
    for (int animal : sounds) EXPECT_EQ(Played(c.AnimalSounds().File(animal)), 1u);
}

TEST_F(TheCircleTest, TheTargetIsALitLampAndRarelyAnEnd) {
    P().span[kTheCircle] = 5;  // span 4
    P().roundsPerDay = 1000;
    CTheCircle& c = Start();
    ASSERT_EQ(c.Span(), 4);
    int byPlace[4] = {};
    for (int r = 0; r < 800; ++r) {
        const auto& seq = c.Sequence();
        ASSERT_EQ(seq.size(), 4u);
        EXPECT_TRUE(std::is_sorted(seq.begin(), seq.end()));
        const auto at = std::find(seq.begin(), seq.end(), c.TargetPosition());
        ASSERT_NE(at, seq.end());
        ++byPlace[at - seq.begin()];
        std::set<int> animals;
        for (int k = 0; k < 8; ++k) animals.insert(c.LampAnimal(k));
        EXPECT_EQ(animals.size(), 8u);
        Os().AdvanceTime(37);
        c.SetupRound();
    }
    // An end is asked for with 1/8, a middle lamp with 3/8.
    for (int end : {0, 3}) EXPECT_NEAR(byPlace[end], 100, 40) << end;
    for (int middle : {1, 2}) EXPECT_NEAR(byPlace[middle], 300, 60) << middle;
}

TEST_F(TheCircleTest, AtSpanTwoTheTargetIsOneOfTheTwo) {
    P().roundsPerDay = 100;
    CTheCircle& c = Start();
    ASSERT_EQ(c.Span(), 2);
    std::set<int> places;
    for (int r = 0; r < 60; ++r) {
        ASSERT_EQ(c.Sequence().size(), 2u);
        const int t = c.TargetPosition();
        EXPECT_TRUE(t == c.Sequence()[0] || t == c.Sequence()[1]);
        places.insert(t == c.Sequence()[0] ? 0 : 1);
        Os().AdvanceTime(11);
        c.SetupRound();
    }
    EXPECT_EQ(places.size(), 2u);
}

enum class Click { Target, LitOther, Unlit };

class TheCircleClick : public ExerciseFixture<CTheCircle, kTheCircle>, public testing::WithParamInterface<Click> {};

TEST_P(TheCircleClick, OneClickDecidesTheTrial) {
    P().span[kTheCircle] = 4;  // span 3
    CTheCircle& c = Start();
    StartAndPresent();
    const int target = c.TargetPosition();
    // The animal asked for stands alone in the middle.
    for (int i = 0; i < CTheCircle::kPictureCount; ++i)
        EXPECT_EQ(c.Picture(i).visible, i == c.LampAnimal(target) ? 1 : 0) << i;
    int lamp = target;
    const auto& seq = c.Sequence();
    for (int k = 0; k < 8 && GetParam() != Click::Target && lamp == target; ++k) {
        const bool lit = std::find(seq.begin(), seq.end(), k) != seq.end();
        if (k != target && lit == (GetParam() == Click::LitOther)) lamp = k;
    }
    PressSprite(c.Lamp(lamp));
    if (GetParam() == Click::Target) {
        EXPECT_EQ(c.Phase(), Correct);
        EXPECT_EQ(P().stats.itemsForward[0][kTheCircle][3], 1);
        EXPECT_EQ(P().stats.points[0][kTheCircle][3], 3);
        EXPECT_EQ(Played(c.AnimalSounds().File(c.LampAnimal(target))), 2u);  // shown, then found
    } else {
        EXPECT_EQ(c.Phase(), Wrong);
        EXPECT_EQ(P().stats.errorsForward[0][kTheCircle][3], 1);
        EXPECT_FLOAT_EQ(c.ShowCorrectMarker().CentreX(), c.Lamp(target).CentreX());
        EXPECT_FLOAT_EQ(c.ShowCorrectMarker().CentreY(), c.Lamp(target).CentreY());
    }
    // A second click in the same trial counts nothing more.
    PressSprite(c.Lamp(target));
    EXPECT_EQ(P().stats.itemsForward[0][kTheCircle][3] + P().stats.errorsForward[0][kTheCircle][3], 1);
}

INSTANTIATE_TEST_SUITE_P(Lamps, TheCircleClick, testing::Values(Click::Target, Click::LitOther, Click::Unlit));

TEST_F(TheCircleTest, TheLastSoundIsHeardOutAndTheCueNamesEachAnimal) {
    P().options.o21 = 1;
    CTheCircle& c = Start();
    const int frames = c.VisualCue().FrameCount();
    ASSERT_EQ(frames, CTheCircle::kPictureCount + 3);
    PressStart();
    ASSERT_TRUE(RunUntil(Presenting));
    uint32_t lastShown = 0;
    while (c.Phase() == Presenting) {
        const unsigned before = c.StepIndex();
        Run(1, 1);
        if (c.StepIndex() == before || c.Phase() != Presenting) continue;
        const int animal = c.LampAnimal(c.Sequence()[before]);
        EXPECT_TRUE(c.VisualCue().visible);
        EXPECT_EQ(c.VisualCue().GetFrame(), animal);
        lastShown = Os().TimeGetTime();
    }
    ASSERT_EQ(c.Phase(), Answering);
    const int lastAnimal = c.LampAnimal(c.Sequence().back());
    EXPECT_NEAR(Os().TimeGetTime() - lastShown, c.AnimalSounds().Length(lastAnimal) + 1801.0, 1.0);
    EXPECT_EQ(c.VisualCue().GetFrame(), frames - 3);  // your turn
    EXPECT_EQ(Played(L"yourturn.wav"), 1u);
}

TEST_F(TheCircleTest, ARewardHoldsTheEndThreeSecondsPastItsSound) {
    P().options.o5 = 1;
    P().dayProgress[0] = 24;
    P().roundsPerDay = 1;
    CTheCircle* c = &Start();
    for (int i = 0; i < 200 && !c->RewardIsDue(); ++i) {
        Leave();
        c = &Start();
    }
    ASSERT_TRUE(c->RewardIsDue());
    const size_t before = Os().Sound().Log().size();
    c->SetupRound();
    ASSERT_EQ(c->Phase(), Payout);
    std::wstring played;
    for (size_t i = before; i < Os().Sound().Log().size(); ++i)
        if (Os().Sound().Log()[i].find(L"\\rewards\\") != std::wstring::npos) played = Os().Sound().Log()[i];
    ASSERT_EQ(played.rfind(L"play ", 0), 0u);
    CSoundGroup endSound;
    endSound.Open(played.substr(5));
    const uint32_t start = Os().TimeGetTime();
    ASSERT_TRUE(RunUntil(Leaving, 60000));
    EXPECT_NEAR(Os().TimeGetTime() - start, endSound.Length(0) + 1000.0 + 3000.0, 20.0);
}

TEST_F(TheCircleTest, SeniorsFindInstrumentsAndNoDecoration) {
    P().options.o3 = 1;
    P().options.o21 = 1;  // the visual cue shows the instruments too
    CTheCircle& c = Start();
    EXPECT_NE(c.VisualCue().firstFile.find(L"instruments\\i0"), std::wstring::npos);
    EXPECT_EQ(c.VisualCue().FrameCount(), CTheCircle::kPictureCount + 3);
    EXPECT_EQ(c.Decoration().FrameCount(), 0);
    for (int i = 0; i < CTheCircle::kPictureCount; ++i) {
        EXPECT_NE(c.Picture(i).firstFile.find(L"instruments"), std::wstring::npos) << i;
        EXPECT_NE(c.AnimalSounds().File(i).find(L"instruments"), std::wstring::npos) << i;
    }
    StartAndPresent();
    EXPECT_TRUE(c.Picture(c.LampAnimal(c.TargetPosition())).visible);
}

}  // namespace
