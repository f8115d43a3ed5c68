// Ghost house: the walk in, buttons in windows of their own, always backward, button 0 never
// asked for, right buttons disappearing and the horrors revealed behind them.
#include <gtest/gtest.h>

#include <set>

#include "exercises/ExerciseFixture.h"
#include "exercises/GhostHouse.h"

namespace {

using GhostHouseTest = ExerciseFixture<CGhostHouse, kGhostHouse>;

TEST_F(GhostHouseTest, TheSessionOpensWithTheWalkInExceptInTheSeniorLayout) {
    CGhostHouse& g = Start();
    EXPECT_EQ(g.Phase(), CGhostHouse::kEntering);
    EXPECT_EQ(g.Round(), 0);
    EXPECT_EQ(Run(2000), kStayOnScreen);
    EXPECT_EQ(g.Phase(), CGhostHouse::kEntering);  // 1 s on the first picture, then 150 ms each
    ASSERT_TRUE(RunUntil(WaitStart, 2000));
    EXPECT_EQ(g.Round(), 1);
    EXPECT_EQ(g.Entrance().FrameCount(), 0);  // let go once walked in

    Leave();
    P().options.o3 = 1;
    CGhostHouse& senior = Start();
    EXPECT_EQ(senior.Phase(), WaitStart);
    EXPECT_EQ(senior.Round(), 1);
    EXPECT_EQ(senior.Entrance().FrameCount(), 0);
}

TEST_F(GhostHouseTest, ButtonsByLevelEachInAWindowOfItsOwn) {
    P().options.o3 = 1;
    P().roundsPerDay = 40;
    CGhostHouse& g = Start();  // level 1, span 2: buttons 0..6
    ASSERT_EQ(g.VisibleCount(), 6);
    for (int i = 0; i < CGhostHouse::kButtons; ++i) EXPECT_EQ(g.Button(i).visible != 0, i <= 6) << i;
    EXPECT_EQ(g.AnswerScan().Count(), 6);  // 1..6; button 0 is not scanned
    std::set<std::vector<int>> layouts;
    for (int r = 0; r < 30; ++r) {
        std::set<int> windows;
        std::vector<int> layout;
        for (int i = 0; i < CGhostHouse::kButtons; ++i) {
            const int k = g.WindowOf(i);
            windows.insert(k);
            layout.push_back(k);
            const CSprite& h = g.Horror(k);
            EXPECT_FLOAT_EQ(g.Button(i).CentreX(), h.CentreX());
            EXPECT_FLOAT_EQ(g.Button(i).CentreY(), h.CentreY());
        }
        EXPECT_EQ(windows.size(), 10u);
        layouts.insert(layout);
        for (int item : g.Sequence()) {
            EXPECT_GE(item, 1);
            EXPECT_LE(item, 6);
        }
        g.SetupRound();
    }
    EXPECT_GT(layouts.size(), 25u);  // other windows every round
}

TEST_F(GhostHouseTest, AnsweredBackwardAndButtonZeroIsWrong) {
    P().options.o3 = 1;
    P().direction[kGhostHouse] = 0;  // even a saved forward direction answers backward
    P().span[kGhostHouse] = 4;       // span 3
    CGhostHouse& g = Start();
    const std::vector<int> heard = g.Sequence();
    ASSERT_EQ(heard.size(), 3u);
    const size_t logStart = Os().Sound().Log().size();
    StartAndPresent();
    // The numbers were said in the order heard.
    std::vector<std::wstring> said;
    for (size_t i = logStart; i < Os().Sound().Log().size(); ++i)
        if (Os().Sound().Log()[i].rfind(L"play ", 0) == 0 &&
            Os().Sound().Log()[i].find(L"\\numbers\\") != std::wstring::npos)
            said.push_back(Os().Sound().Log()[i]);
    ASSERT_EQ(said.size(), 3u);
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(said[i].substr(said[i].size() - 5), std::to_wstring(heard[i]) + L".wav");
    EXPECT_EQ(g.Background().GetFrame(), 1);
    EXPECT_EQ(g.Sequence(), std::vector<int>(heard.rbegin(), heard.rend()));
    // The first heard number is the last to click.
    PressSprite(g.Button(heard[0]));
    EXPECT_EQ(g.Phase(), Wrong);
    EXPECT_FLOAT_EQ(g.ShowCorrectMarker().CentreX(), g.Button(heard[2]).CentreX());

    ASSERT_TRUE(RunUntil(WaitStart));
    StartAndPresent();
    PressSprite(g.Button(0));
    EXPECT_EQ(g.Phase(), Wrong);
}

TEST_F(GhostHouseTest, RightButtonsVanishAndTheHorrorsComeOut) {
    P().options.o3 = 1;
    CGhostHouse& g = Start();
    StartAndPresent();
    const std::vector<int> seq = g.Sequence();
    PressItem(seq[0]);
    EXPECT_EQ(g.AnswerScan().Count(), 5);
    Run(900);
    EXPECT_FALSE(g.Button(seq[0]).visible);
    const size_t revealsBefore = Played(L"sfx\\ghosthouse\\");
    PressItem(seq[1]);
    EXPECT_EQ(g.Phase(), CGhostHouse::kRevealing);
    EXPECT_EQ(P().stats.itemsBackward[0][kGhostHouse][2], 2);
    EXPECT_EQ(P().stats.points[0][kGhostHouse][2], 20);
    Run(800);
    EXPECT_EQ(g.Phase(), CGhostHouse::kRevealing);
    Run(100);
    ASSERT_EQ(g.Phase(), Correct);
    EXPECT_EQ(Played(L"sfx\\ghosthouse\\"), revealsBefore + 1);
    for (int i = 0; i < CGhostHouse::kButtons; ++i) EXPECT_FALSE(g.Button(i).visible);
    // The horror behind the first clicked button is drawn where that button hung.
    g.Draw();
    const CSprite& h = g.Horror(g.WindowOf(seq[0]));
    const uint32_t withHorror =
        harness->Frame().BackBuffer().PixelAt(static_cast<int>(h.CentreX()), static_cast<int>(h.CentreY()));
    ASSERT_TRUE(RunUntil(WaitStart));
    g.Draw();
    EXPECT_NE(harness->Frame().BackBuffer().PixelAt(static_cast<int>(h.CentreX()), static_cast<int>(h.CentreY())),
              withHorror);
    EXPECT_EQ(g.Background().GetFrame(), 0);
}

TEST_F(GhostHouseTest, DigitKeysPressTheirButtonAndThePraiseComesInTurn) {
    P().options.o3 = 1;
    CGhostHouse& g = Start();
    std::vector<std::wstring> praised;
    for (int trial = 0; trial < 3; ++trial) {
        StartAndPresent();
        for (int item : g.Sequence()) {
            Os().AdvanceTime(401);
            Key('0' + item);
        }
        EXPECT_EQ(g.Phase(), CGhostHouse::kRevealing);
        const size_t before = Os().Sound().Log().size();
        ASSERT_TRUE(RunUntil(WaitStart));
        for (size_t i = before; i < Os().Sound().Log().size(); ++i)
            if (Os().Sound().Log()[i].find(L"play ") == 0 &&
                Os().Sound().Log()[i].find(L"\\rewards\\") != std::wstring::npos)
                praised.push_back(Os().Sound().Log()[i]);
    }
    ASSERT_EQ(praised.size(), 3u);
    for (size_t i = 0; i < 3; ++i) EXPECT_NE(praised[i].find(L"praise" + std::to_wstring(i + 1)), std::wstring::npos);
}

}  // namespace
