// The main menu on the real frame: what is playable, the reward bag, leaving the day,
// the buttons, switch access and the debug keys.
#include <gtest/gtest.h>

#include "platform/Sound.h"
#include "screens/Menu.h"
#include "screens/RoadFixture.h"

namespace {

class MenuTest : public RoadTest {
protected:
    // A trainee on day `day` of a plan begun today, with the exercises done as given.
    void Trainee(int day, std::array<int32_t, 10> done) {
        P().name = L"Anna";
        P().folder = root.ProfileFolder();
        P().dayProgress = done;
        P().dayProgress[0] = day;
        P().lastDate = Profile::TodayText();
        P().rewardDate = L"-";
    }
    CMenu& Menu() { return As<CMenu>(); }
    void Hover(int g) {
        const CSprite& b = Menu().GameButton(g);
        MoveTo(static_cast<int>(b.CentreX()), static_cast<int>(b.CentreY()));
    }
};

TEST_F(MenuTest, ExercisesBehindTheDayArePlayableAndOthersNot) {
    Trainee(3, {3, 3, 2, 3, 2, 2, 2, 2, 2, 2});
    P().options.SetExerciseOn(4, 0);  // switched off, behind the day
    Go(kMenu);
    EXPECT_FALSE(Menu().Playable(1));  // done today
    EXPECT_TRUE(Menu().Playable(2));
    EXPECT_FALSE(Menu().Playable(3));
    EXPECT_FALSE(Menu().Playable(4));
    EXPECT_EQ(Menu().Look(1), 1);
    EXPECT_EQ(Menu().Look(2), 0);
    EXPECT_EQ(Menu().Look(4), 1);
    Hover(2);
    EXPECT_EQ(Menu().Look(2), 2);
    EXPECT_EQ(Os().Cursor(), platform::CursorShape::Hand);
    Hover(1);
    EXPECT_EQ(Menu().Look(1), 1);
    EXPECT_EQ(Os().Cursor(), platform::CursorShape::Arrow);
    H().RunPasses(1);
    EXPECT_EQ(Menu().GameButton(2).GetFrame(), 0);  // drawn with the look of its state
    EXPECT_EQ(Menu().GameButton(1).GetFrame(), 1);
    // Done and switched-off exercises take no clicks.
    ClickOn(Menu().GameButton(1));
    ClickOn(Menu().GameButton(4));
    EXPECT_EQ(H().ScreenId(), kMenu);
    ClickOn(Menu().GameButton(2));
    EXPECT_EQ(H().ScreenId(), kTreasure);
}

TEST_F(MenuTest, ButtonsSitInAGridOfThree) {
    Trainee(1, {});
    Go(kMenu);
    const CSprite& first = Menu().GameButton(1);
    EXPECT_EQ(first.x, 70);
    EXPECT_EQ(first.y, 60);
    EXPECT_EQ(Menu().GameButton(2).x, 70 + first.width + 55);
    EXPECT_EQ(Menu().GameButton(4).x, 70);
    EXPECT_EQ(Menu().GameButton(4).y, 60 + first.height);
    EXPECT_EQ(Menu().GameButton(9).y, 60 + 2 * first.height);
    EXPECT_EQ(Menu().OptionsButton().x, 800 - Menu().OptionsButton().width - 10);
    EXPECT_EQ(Menu().StopButton().x, 10);
}

TEST_F(MenuTest, TheFinishedDayShowsTheBagAnimatedOnlyAtTheEndOfAWeek) {
    Trainee(10, {10, 10, 10, 10, 10, 10, 10, 10, 10, 10});
    P().options.o2 = 0;
    Go(kMenu);
    EXPECT_TRUE(Menu().BagShown());
    EXPECT_EQ(P().options.o2, 1);  // the stop button is active now
    EXPECT_TRUE(Menu().BagAnimated());
    const int frame = Menu().Bag().GetFrame();
    H().RunFor(800);
    EXPECT_NE(Menu().Bag().GetFrame(), frame);
    EXPECT_EQ(Menu().Bag().x, 800 - Menu().Bag().width);
    EXPECT_EQ(Menu().AnswerScan().Count(), 11);  // nine exercises, the bag, the stop button

    Trainee(9, {9, 9, 9, 9, 9, 9, 9, 9, 9, 9});
    Go(kMenu);
    EXPECT_TRUE(Menu().BagShown());
    EXPECT_FALSE(Menu().BagAnimated());
    H().RunFor(1500);
    EXPECT_EQ(Menu().Bag().GetFrame(), 0);
    ClickOn(Menu().Bag());
    EXPECT_EQ(H().ScreenId(), kDiploma);
}

TEST_F(MenuTest, NoBagWhileTheDayIsOpenOrAfterTheDiplomaToday) {
    Trainee(4, {4, 4, 4, 4, 4, 4, 4, 4, 3, 4});
    Go(kMenu);
    EXPECT_FALSE(Menu().BagShown());
    ClickOn(Menu().Bag());
    EXPECT_EQ(H().ScreenId(), kMenu);
    // Switched-off exercises do not keep the day open.
    P().options.SetExerciseOn(8, 0);
    Go(kMenu);
    EXPECT_TRUE(Menu().BagShown());
    P().rewardDate = Profile::TodayText();
    Go(kMenu);
    EXPECT_FALSE(Menu().BagShown());
}

TEST_F(MenuTest, EscapeWithSomeExercisesDoneAsksFirst) {
    Trainee(2, {2, 2, 2, 1, 1, 1, 1, 1, 1, 1});
    Go(kMenu);
    H().Key(platform::VK_ESCAPE);  // answered No
    ASSERT_EQ(Os().Questions().size(), 1u);
    EXPECT_NE(Os().Questions()[0].find(P().options.GetText(88)), std::wstring::npos);
    EXPECT_EQ(H().ScreenId(), kMenu);
    EXPECT_FALSE(root.Has("Anna.pro"));
    Os().QueueAnswer(true);
    H().Key(platform::VK_ESCAPE);
    EXPECT_EQ(H().ScreenId(), kLogin);
    EXPECT_EQ(P().dayProgress[5], 2);  // the day counts as done
    EXPECT_TRUE(root.Has("Anna.pro"));
}

TEST_F(MenuTest, EscapeWithNothingDoneReturnsAtOnce) {
    Trainee(2, {2, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    Go(kMenu);
    H().Key(platform::VK_ESCAPE);
    EXPECT_TRUE(Os().Questions().empty());
    EXPECT_EQ(H().ScreenId(), kLogin);
}

TEST_F(MenuTest, StopButtonOnlyWhileItsOptionIsOn) {
    Trainee(2, {2, 2, 1, 1, 1, 1, 1, 1, 1, 1});
    P().options.o2 = 0;
    Go(kMenu);
    ClickOn(Menu().StopButton());
    EXPECT_TRUE(Os().Questions().empty());
    EXPECT_EQ(H().ScreenId(), kMenu);
    EXPECT_EQ(Menu().AnswerScan().Count(), 9);
    P().options.o2 = 1;
    Go(kMenu);
    Os().QueueAnswer(true);
    ClickOn(Menu().StopButton());
    EXPECT_EQ(Os().Questions().size(), 1u);
    EXPECT_EQ(H().ScreenId(), kLogin);
}

TEST_F(MenuTest, OptionsButtonAndF1OpenTheSettings) {
    Trainee(1, {});
    Go(kMenu);
    ClickOn(Menu().OptionsButton());
    EXPECT_EQ(H().ScreenId(), kSettings);
    Go(kMenu);
    H().Key(platform::VK_F1);
    EXPECT_EQ(H().ScreenId(), kSettings);
}

TEST_F(MenuTest, TheExtraMarkerFollowsThePointerOnlyWhenItsOptionIsOn) {
    Trainee(1, {});
    Go(kMenu);
    EXPECT_FALSE(Menu().MarkerLoaded());
    P().options.o8 = 1;
    Go(kMenu);
    ASSERT_TRUE(Menu().MarkerLoaded());
    Hover(5);
    const CSprite& m = Menu().Marker();
    const int px = static_cast<int>(Menu().GameButton(5).CentreX());
    EXPECT_EQ(m.x, static_cast<float>(px) - m.width / 2);
    MoveTo(5, 590);
    EXPECT_EQ(Menu().Marker().x, 810);
}

TEST_F(MenuTest, MusicAndTheSpokenGuide) {
    Trainee(1, {});
    Go(kMenu);
    EXPECT_EQ(Menu().Music().Count(), 1);
    const auto& log = Os().Sound().Log();
    EXPECT_NE(std::find_if(log.begin(), log.end(),
                           [](const std::wstring& e) { return e.find(L"play sfx\\intro\\menu") == 0; }),
              log.end());
    P().options.o1 = 0;
    Go(kMenu);
    EXPECT_EQ(Menu().Music().Count(), 0);
    // The guide trainee hears the menu's prompts.
    P().name = P().options.GetText(50);
    Go(kMenu);
    EXPECT_EQ(P().speechCounters[kMenu], 1);
}

TEST_F(MenuTest, SwitchesWalkTheExercisesThenBagAndStop) {
    Trainee(1, {});
    Go(kMenu);
    H().Key(platform::VK_SPACE);
    H().Key(platform::VK_RETURN);
    EXPECT_EQ(H().ScreenId(), kCans);
}

TEST_F(MenuTest, DebugKeysMoveTheDaysAndShowThem) {
    commandLine = L"kestrova window debug";
    harness.reset();  // one harness at a time: it installs the backend
    harness = std::make_unique<HeadlessHarness>(commandLine, root.Assets());
    Trainee(25, {25, 3, 0, 0, 0, 0, 0, 0, 0, 0});
    Go(kMenu);
    H().Key(platform::VK_ADD);  // no button hovered: the day, wrapping above 25
    EXPECT_EQ(P().dayProgress[0], 0);
    EXPECT_EQ(P().dayDates[0], Profile::TodayText());
    H().Key(platform::VK_SUBTRACT);
    EXPECT_EQ(P().dayProgress[0], 25);
    P().dayProgress[0] = 4;
    Hover(1);
    H().Key(platform::VK_ADD);
    EXPECT_EQ(P().dayProgress[1], 4);
    EXPECT_EQ(P().dayProgress[0], 4);
    Hover(2);
    H().Key(platform::VK_SUBTRACT);
    EXPECT_EQ(P().dayProgress[2], 25);
    H().Key('I');
    EXPECT_TRUE(Menu().OverlayOn());
    H().RunPasses(1);
    EXPECT_EQ(Menu().OverlayText(), L"Systemdag 4 (" + P().dayDates[4] + L")");
    EXPECT_EQ(Menu().GameButton(1).GetText(), L"Dag 4");
    P().dayProgress[0] = 25;
    H().RunPasses(1);
    EXPECT_EQ(Menu().OverlayText(), L"Systemdag 25 ( SLUT )");
    H().Key('D');
    EXPECT_EQ(H().ScreenId(), kDiploma);
}

TEST_F(MenuTest, ShowsTheDoneExerciseTheBagAndNoMissingTexts) {
    // Day 5 with Cans, the one exercise of the plan, done today.
    Trainee(5, {5, 5, 5, 5, 5, 5, 5, 5, 5, 5});
    for (int g = 2; g <= 9; ++g) P().options.SetExerciseOn(g, 0);
    P().options.o8 = 1;
    Go(kMenu);
    ASSERT_TRUE(Menu().BagShown());
    Hover(2);
    H().RunPasses(2);
    const Bitmap& canvas = H().Frame().BackBuffer();
    EXPECT_EQ(canvas.PixelAt(400, 590), CMenu::kBackground);
    for (int g = 1; g <= 9; ++g) EXPECT_EQ(Menu().GameButton(g).GetText().find(L"MISSING"), std::wstring::npos);
    EXPECT_EQ(P().options.GetText(88).find(L"MISSING"), std::wstring::npos);
    Shot("menu.png");
}

TEST_F(MenuTest, DebugKeysDoNothingWithoutTheDebugWord) {
    Trainee(3, {});
    Go(kMenu);
    H().Key(platform::VK_ADD);
    H().Key('D');
    EXPECT_EQ(P().dayProgress[0], 3);
    EXPECT_EQ(H().ScreenId(), kMenu);
}

}  // namespace
