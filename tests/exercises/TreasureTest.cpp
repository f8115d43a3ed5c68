// Treasure: the coins by level and span, the chest that hides the coins until it opens, the
// spoken numbers, the direction by level, the digit keys and the chest after a wrong coin.
#include <gtest/gtest.h>

#include "exercises/ExerciseFixture.h"
#include "exercises/Treasure.h"

namespace {

using TreasureTest = ExerciseFixture<CTreasure, kTreasure>;

struct Layout {
    int savedSpan;
    const char* level;
    int span;
    int visibleCount;
};

TEST_F(TreasureTest, CoinsShownFollowLevelAndSpan) {
    // Level 1 starts on six coins up to span 6; past it (and at the other levels) all nine.
    for (const Layout& l : {Layout{6, "1", 5, 6}, Layout{7, "1", 6, 6}, Layout{8, "1", 7, 9}, Layout{3, "2", 2, 9}}) {
        SCOPED_TRACE(l.savedSpan);
        P().span[kTreasure] = l.savedSpan;
        P().level = platform::WideFromUtf8(l.level);
        CTreasure& t = Start();
        ASSERT_EQ(t.Span(), l.span);
        EXPECT_EQ(t.VisibleCount(), l.visibleCount);
        EXPECT_FALSE(t.Coin(0).visible);
        for (int k = 1; k <= 9; ++k) EXPECT_EQ(t.Coin(k).visible != 0, k <= l.visibleCount) << k;
        EXPECT_EQ(t.AnswerScan().Count(), l.visibleCount);
        ASSERT_EQ(t.Sequence().size(), static_cast<size_t>(l.span));
        for (int k : t.Sequence()) {
            EXPECT_GE(k, 1);
            EXPECT_LE(k, l.visibleCount);
        }
        // The grid: 1 2 3 on top at y 185, rows 55 apart, from x 345 a coin's width apart.
        EXPECT_FLOAT_EQ(t.Coin(1).x, 345);
        EXPECT_FLOAT_EQ(t.Coin(1).y, 185);
        EXPECT_FLOAT_EQ(t.Coin(3).x, 345 + 2 * t.Coin(1).width);
        EXPECT_FLOAT_EQ(t.Coin(7).x, 345);
        EXPECT_FLOAT_EQ(t.Coin(9).y, 295);
        Leave();
    }
}

TEST_F(TreasureTest, SixCoinLayoutReadsTheSixPlaceListsAndGrowsToNine) {
    P().span[kTreasure] = 7;  // span 6 on six coins
    CTreasure& t = Start();
    ASSERT_EQ(t.VisibleCount(), 6);
    ASSERT_FALSE(t.Pool(6).empty());
    for (const auto& candidate : t.Pool(6))
        for (int place : candidate) EXPECT_LT(place, 6);
    // Three solved sequences at span 6 raise it past the six coins: all nine come out.
    for (int r = 0; r < 3; ++r) {
        StartAndPresent();
        Run(400);
        AnswerRight();
        ASSERT_TRUE(RunUntil(WaitStart));
    }
    EXPECT_EQ(t.Span(), 7);
    EXPECT_EQ(t.VisibleCount(), 9);
    for (int k = 1; k <= 9; ++k) EXPECT_TRUE(t.Coin(k).visible);
    EXPECT_EQ(t.AnswerScan().Count(), 9);
}

TEST_F(TreasureTest, TheChestHidesTheCoinsUntilItOpens) {
    CTreasure& t = Start();
    const std::vector<int> heard = t.Sequence();
    PressStart();
    size_t saidBefore = Played(L"\\numbers\\");
    while (t.Phase() != Answering) {
        Run(10, 10, true);
        EXPECT_FALSE(t.ChestOpen()) << "phase " << t.Phase();
    }
    // Each number was said once, in the order of the sequence.
    const auto& log = Os().Sound().Log();
    std::vector<std::wstring> said;
    for (const auto& e : log)
        if (e.rfind(L"play ", 0) == 0 && e.find(L"\\numbers\\") != std::wstring::npos) said.push_back(e);
    ASSERT_EQ(said.size() - saidBefore, heard.size());
    for (size_t i = 0; i < heard.size(); ++i)
        EXPECT_NE(said[saidBefore + i].find(L"\\numbers\\" + std::to_wstring(heard[i]) + L".wav"), std::wstring::npos);

    // A press on a coin while the chest is still shut does not count.
    t.OnMouseDown(
        1, MakeMouseParam(static_cast<int>(t.Coin(heard[0]).CentreX()), static_cast<int>(t.Coin(heard[0]).CentreY())));
    EXPECT_EQ(t.StepIndex(), 0u);
    Run(400);
    EXPECT_TRUE(t.Chest().IsLastFrame());
    EXPECT_TRUE(t.ChestOpen());
    AnswerRight();
    EXPECT_EQ(t.Phase(), Correct);
    Run(400);
    EXPECT_FALSE(t.ChestOpen());           // it closed on the last coin
    EXPECT_EQ(t.AnswerScan().Count(), 6);  // chosen coins stay in the switch list
    EXPECT_EQ(P().stats.itemsForward[0][kTreasure][2], 2);
}

TEST_F(TreasureTest, LevelDecidesTheDirection) {
    for (const char* level : {"1", "2", "3"}) {
        SCOPED_TRACE(level);
        P().level = platform::WideFromUtf8(level);
        P().direction[kTreasure] = level[0] == '1' ? 1 : 0;  // the opposite was saved
        CTreasure& t = Start();
        const int backward = level[0] == '1' ? 0 : 1;
        EXPECT_EQ(t.Direction(), backward);
        EXPECT_EQ(t.DirectionArrow().GetFrame(), backward);
        std::vector<int> heard = t.Sequence();
        StartAndPresent();
        if (backward) std::reverse(heard.begin(), heard.end());
        EXPECT_EQ(t.Sequence(), heard);
        Leave();
        EXPECT_EQ(P().direction[kTreasure], backward);
    }
}

TEST_F(TreasureTest, DigitKeysPressTheirCoinOnlyWhileAnswering) {
    CTreasure& t = Start();  // six coins
    Key('0' + t.Sequence()[0]);
    EXPECT_EQ(t.Phase(), WaitStart);
    StartAndPresent();
    Run(400);
    // 8 presses where the hidden coin 8 lies: nothing happens.
    Os().AdvanceTime(401);
    Key('8');
    EXPECT_EQ(t.Phase(), Answering);
    EXPECT_EQ(t.StepIndex(), 0u);
    // A held key presses once.
    Os().AdvanceTime(401);
    t.OnKeyDown('0' + t.Sequence()[0], 0, 0);
    Os().AdvanceTime(401);
    t.OnKeyDown('0' + t.Sequence()[0], 0, 0);
    t.OnKeyUp('0' + t.Sequence()[0], 0, 0);
    EXPECT_EQ(t.StepIndex(), 1u);
    EXPECT_EQ(t.Phase(), Answering);
    Os().AdvanceTime(401);
    Key('0' + t.Sequence()[1]);
    EXPECT_EQ(t.Phase(), Correct);
}

TEST_F(TreasureTest, AWrongCoinLeavesTheChestOpenThenItCloses) {
    CTreasure& t = Start();
    StartAndPresent();
    Run(400);
    const int expected = t.Sequence()[0];
    const int wrong = expected == 1 ? 2 : 1;
    PressSprite(t.Coin(wrong));
    ASSERT_EQ(t.Phase(), Wrong);
    EXPECT_FLOAT_EQ(t.ShowCorrectMarker().CentreX(), t.Coin(expected).CentreX());
    const size_t spokenBefore = Played(L"\\wrong\\");
    Run(1900);
    EXPECT_TRUE(t.ChestOpen());
    EXPECT_EQ(Played(L"\\wrong\\"), spokenBefore);
    Run(200);
    EXPECT_EQ(t.Phase(), NextRound);
    EXPECT_EQ(Played(L"\\wrong\\"), spokenBefore + 1);
    Run(500);
    EXPECT_FALSE(t.ChestOpen());
    EXPECT_EQ(P().stats.errorsForward[0][kTreasure][2], 1);
}

// The visual-mode card: nowhere on a control or on the bottom bar, and not there at all until
// a cue shows; with the rabbit and with the plain help button of the senior layout.
TEST_F(TreasureTest, TheVisualCardCoversNoControlAndShowsOnlyWithACue) {
    for (int senior : {0, 1}) {
        SCOPED_TRACE(senior);
        if (senior) Leave();
        P().options.o3 = senior;
        P().options.o4 = 1;
        P().options.o21 = 1;
        CTreasure& t = Start();
        const CSprite& card = t.VisualFrame();
        const auto overlaps = [&](const CSprite& s) {
            return card.x < s.x + s.width && s.x < card.x + card.width && card.y < s.y + s.height &&
                   s.y < card.y + card.height;
        };
        for (const CSprite* control : {&t.HelpButton(), &t.StartButton(), &t.StopButton(), &t.DirectionArrow()})
            EXPECT_FALSE(overlaps(*control)) << platform::Utf8FromWide(control->firstFile);
        EXPECT_LE(card.y + card.height, 576);  // above the bottom bar
        EXPECT_GE(card.x, 5);
        // Waiting: the scene shows where the card will stand.
        const auto centre = [&] {
            t.Draw();
            return harness->Frame().BackBuffer().PixelAt(static_cast<int>(card.CentreX()),
                                                         static_cast<int>(card.CentreY()));
        };
        const uint32_t waiting = centre();
        P().options.o21 = 0;
        EXPECT_EQ(centre(), waiting);
        P().options.o21 = 1;
        StartAndPresent();
        EXPECT_TRUE(t.VisualCue().visible);
        EXPECT_NE(centre(), waiting);
    }
}

}  // namespace
