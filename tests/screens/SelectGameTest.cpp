// The game selection on the real frame: the buttons and their looks, switching an
// exercise off (asked) and on (joins the plan at the last completed day), the way back,
// and switch access.
#include <gtest/gtest.h>

#include "screens/Menu.h"
#include "screens/RoadFixture.h"
#include "screens/SelectGame.h"

namespace {

class SelectGameTest : public RoadTest {
protected:
    void SetUp() override {
        RoadTest::SetUp();
        P().name = L"Anna";
        P().folder = root.ProfileFolder();
        P().lastDate = Profile::TodayText();
    }
    CSelectGame& Select() { return As<CSelectGame>(); }
    void Press(int g) { ClickOn(Select().GameButton(g)); }
};

TEST_F(SelectGameTest, ButtonsAsInTheMenuWithTheirLooksAndATitle) {
    P().options.SetExerciseOn(3, 0);
    Go(kSelectGame);
    const CSprite& first = Select().GameButton(1);
    EXPECT_EQ(first.x, 70);
    EXPECT_EQ(first.y, 60);
    EXPECT_EQ(Select().GameButton(3).x, 70 + 2 * (first.width + 55));
    EXPECT_EQ(Select().GameButton(7).y, 60 + 2 * first.height);
    EXPECT_EQ(Select().Look(1), 0);
    EXPECT_EQ(Select().Look(3), CSelectGame::kOffLook);
    EXPECT_EQ(Select().Title().GetText(), P().options.GetText(19));
    const CSprite& b5 = Select().GameButton(5);
    MoveTo(static_cast<int>(b5.CentreX()), static_cast<int>(b5.CentreY()));
    EXPECT_EQ(Select().Look(5), 2);
    EXPECT_EQ(Os().Cursor(), platform::CursorShape::Hand);
    const CSprite& b3 = Select().GameButton(3);
    MoveTo(static_cast<int>(b3.CentreX()), static_cast<int>(b3.CentreY()));
    EXPECT_EQ(Select().Look(3), CSelectGame::kOffLook);  // off stays off under the pointer
    EXPECT_EQ(Os().Cursor(), platform::CursorShape::Hand);
    MoveTo(static_cast<int>(b5.CentreX()), static_cast<int>(b5.CentreY()));
    H().RunPasses(2);
    EXPECT_EQ(Select().GameButton(5).GetFrame(), 2);
    // Off is not the menu's grey "done today" card: its own picture lies under the off mark.
    EXPECT_EQ(Select().GameButton(3).GetFrame(), 0);
    const CSprite& b1 = Select().GameButton(1);
    const auto at = [&](const CSprite& b, float dx, float dy) {
        return H().Frame().BackBuffer().PixelAt(static_cast<int>(b.x + dx), static_cast<int>(b.y + dy));
    };
    EXPECT_EQ(at(b1, 1, 1), CSelectGame::kBackground);
    // Dimmed as a whole card, with no dark box around it.
    EXPECT_EQ(at(b3, 1, 1), CSelectGame::kBackground);
    const uint32_t card = at(b3, 20, b3.height / 2);
    for (int shift : {0, 8, 16}) EXPECT_LT((card >> shift) & 0xFFu, 0x90u) << std::hex << card;
    EXPECT_EQ(H().Frame().BackBuffer().PixelAt(400, 590), CSelectGame::kBackground);
    EXPECT_NE(H().Frame().BackBuffer().PixelAt(400, 30), CSelectGame::kBackground);  // the title
    Shot("selectgame.png");
}

TEST_F(SelectGameTest, SwitchingOffAsksAndNoKeepsItOn) {
    Go(kSelectGame);
    Press(2);  // answered No
    ASSERT_EQ(Os().Questions().size(), 1u);
    EXPECT_EQ(Os().Questions()[0], P().options.GetText(0) + L": " + P().options.GetText(18));
    EXPECT_EQ(P().options.ExerciseOn(2), 1);
    Os().QueueAnswer(true);
    Press(2);
    EXPECT_EQ(P().options.ExerciseOn(2), 0);
    Press(2);  // switching on never asks
    EXPECT_EQ(Os().Questions().size(), 2u);
    EXPECT_EQ(P().options.ExerciseOn(2), 1);
}

TEST_F(SelectGameTest, SwitchedOnAgainItJoinsThePlanAtTheLastCompletedDay) {
    P().dayProgress = {8, 7, 6, 5, 3, 7, 7, 7, 7, 7};
    Go(kSelectGame);
    Os().QueueAnswer(true);
    Press(4);
    EXPECT_EQ(P().dayProgress[4], 3);  // switching off leaves the count
    Press(4);
    EXPECT_EQ(P().options.ExerciseOn(4), 1);
    EXPECT_EQ(P().dayProgress[4], 7);
}

TEST_F(SelectGameTest, WithEveryExerciseOffTheMenuFindsTheDayFinished) {
    P().dayProgress = {3, 2, 2, 2, 2, 2, 2, 2, 2, 2};
    Go(kSelectGame);
    for (int g = 1; g <= 9; ++g) {
        Os().QueueAnswer(true);
        Press(g);
    }
    for (int g = 1; g <= 9; ++g) EXPECT_EQ(P().options.ExerciseOn(g), 0) << g;
    H().Key(platform::VK_ESCAPE);
    ASSERT_EQ(H().ScreenId(), kSettings);
    H().Key(platform::VK_ESCAPE);
    ASSERT_EQ(H().ScreenId(), kMenu);
    EXPECT_TRUE(P().IsDayFinished());
    EXPECT_TRUE(As<CMenu>().BagShown());
    for (int g = 1; g <= 9; ++g) EXPECT_FALSE(As<CMenu>().Playable(g)) << g;
}

TEST_F(SelectGameTest, StopButtonAndSwitchesLeadBackToTheSettings) {
    Go(kSelectGame);
    ClickOn(Select().StopButton());
    EXPECT_EQ(H().ScreenId(), kSettings);
    Go(kSelectGame);
    EXPECT_EQ(Select().AnswerScan().Count(), 10);
    for (int i = 0; i < 10; ++i) H().Key(platform::VK_SPACE);  // the nine exercises, then stop
    EXPECT_EQ(Select().AnswerScan().Current(), 9);
    H().Key(platform::VK_RETURN);
    EXPECT_EQ(H().ScreenId(), kSettings);
    // One switch: the scan walks by itself every scan time.
    P().options.o7 = 1;
    P().options.o19 = 1;
    Go(kSelectGame);
    H().RunFor(1100);
    EXPECT_EQ(Select().AnswerScan().Current(), 0);
    H().RunFor(1000);
    EXPECT_EQ(Select().AnswerScan().Current(), 1);
    Os().QueueAnswer(true);
    H().Key(platform::VK_RETURN);
    EXPECT_EQ(P().options.ExerciseOn(2), 0);
}

}  // namespace
