// The options switched on the settings screen take effect where they are read: each test
// switches one through the screen's button, leaves for the menu as a trainer would and
// watches the menu or a Cans session. Last, the whole road from the login to the game
// selection and back to a menu without Cans.
#include <gtest/gtest.h>

#include <algorithm>

#include "exercises/Cans.h"
#include "platform/Sound.h"
#include "screens/Login.h"
#include "screens/MainSettingsMenu.h"
#include "screens/Menu.h"
#include "screens/RoadFixture.h"
#include "screens/SelectGame.h"

namespace {

using S = CMainSettingsMenu;

class OptionEffects : public RoadTest {
protected:
    void SetUp() override {
        RoadTest::SetUp();
        P().name = L"Anna";
        P().folder = root.ProfileFolder();
        P().lastDate = Profile::TodayText();
        P().dayProgress[0] = 1;
        P().options.o5 = 0;  // no reward: the end stays the plain one
    }
    // The settings screen from the menu's options button, button k pressed, back by Escape.
    void SwitchInSettings(std::initializer_list<int> buttons) {
        Go(kMenu);
        ClickOn(As<CMenu>().OptionsButton());
        ASSERT_EQ(H().ScreenId(), kSettings);
        for (int k : buttons) ClickOn(As<S>().ButtonSprite(k));
        H().Key(platform::VK_ESCAPE);
        ASSERT_EQ(H().ScreenId(), kMenu);
    }
    CCans& OpenCans() {
        ClickOn(As<CMenu>().GameButton(kCans));
        if (H().ScreenId() != kCans) throw std::runtime_error("Cans did not open");
        return As<CCans>();
    }
    void RunUntil(ExercisePhase phase) {
        for (int i = 0; i < 20000 && As<CCans>().Phase() != phase; ++i) H().Pass();
        ASSERT_EQ(As<CCans>().Phase(), phase);
    }
    // Starts a trial and answers it with a can that is not the expected one.
    void AnswerWrong() {
        H().RunFor(450);
        ClickOn(As<CCans>().StartButton(), 20, 20);
        RunUntil(Answering);
        const CCans& c = As<CCans>();
        int wrong = -1;
        for (int i = 0; i < CCans::kCanCount && wrong < 0; ++i)
            if (c.Can(i).visible && i != c.Sequence()[0]) wrong = i;
        H().RunFor(450);
        const CSprite& w = c.Can(wrong);
        H().Click(static_cast<int>(w.x) + 60, static_cast<int>(w.y) + 67);
        ASSERT_EQ(As<CCans>().Phase(), Wrong);
    }
    int Plays(const std::wstring& prefix) {
        const auto& log = Os().Sound().Log();
        return static_cast<int>(std::count_if(
            log.begin(), log.end(), [&](const std::wstring& e) { return e.rfind(L"play " + prefix, 0) == 0; }));
    }
};

TEST_F(OptionEffects, SoundOffSilencesTheEffectsOfCans) {
    SwitchInSettings({S::kSound});
    EXPECT_EQ(P().options.o0, 0);
    Os().Sound().ClearLog();
    OpenCans();
    AnswerWrong();
    H().RunFor(6000);
    EXPECT_EQ(Plays(L"sfx\\"), 0);
    EXPECT_GT(Plays(L"speech\\"), 0);  // the spoken words still guide

    // The same with the sound on: start, the lit cans, the wrong answer.
    P().options.o0 = 1;
    Go(kCans);
    Os().Sound().ClearLog();
    AnswerWrong();
    EXPECT_GE(Plays(L"sfx\\start.wav"), 1);
    EXPECT_GE(Plays(L"sfx\\click.wav"), 2);
    EXPECT_GE(Plays(L"sfx\\wrong.wav"), 1);
}

TEST_F(OptionEffects, MusicOffSilencesTheMenu) {
    Go(kMenu);
    EXPECT_EQ(As<CMenu>().Music().Count(), 1);
    EXPECT_EQ(Plays(L"sfx\\intro\\menu"), 1);
    ClickOn(As<CMenu>().OptionsButton());
    ClickOn(As<S>().ButtonSprite(S::kMusic));
    Os().Sound().ClearLog();
    H().Key(platform::VK_ESCAPE);
    ASSERT_EQ(H().ScreenId(), kMenu);
    EXPECT_EQ(As<CMenu>().Music().Count(), 0);
    EXPECT_EQ(Plays(L"sfx\\intro\\menu"), 0);
}

TEST_F(OptionEffects, RabbitOffLeavesThePlainHelpButton) {
    SwitchInSettings({S::kRabbit});
    EXPECT_NE(OpenCans().HelpButton().firstFile.find(L"help.png"), std::wstring::npos);
    P().options.o4 = 1;
    Go(kCans);
    EXPECT_NE(As<CCans>().HelpButton().firstFile.find(L"rabbit"), std::wstring::npos);
}

TEST_F(OptionEffects, ShowCorrectMarksTheExpectedCanAfterAWrongAnswer) {
    SwitchInSettings({S::kShowCorrect});
    EXPECT_EQ(P().options.o6, 1);
    OpenCans();
    AnswerWrong();
    H().RunPasses(2);
    const CSprite& marker = As<CCans>().ShowCorrectMarker();
    const CSprite& expected = As<CCans>().Can(As<CCans>().Sequence()[0]);
    EXPECT_FLOAT_EQ(marker.CentreX(), expected.CentreX());
    // The marker's area with the option on and, in the same frame of its animation, off.
    auto area = [&] {
        std::vector<uint32_t> px;
        const Bitmap& canvas = H().Frame().BackBuffer();
        for (int y = static_cast<int>(marker.y); y < static_cast<int>(marker.y + marker.height); y += 2)
            for (int x = static_cast<int>(marker.x); x < static_cast<int>(marker.x + marker.width); x += 2)
                px.push_back(canvas.PixelAt(x, y));
        return px;
    };
    const int frame = marker.GetFrame();
    const auto shown = area();
    P().options.o6 = 0;
    H().RunPasses(1);
    ASSERT_EQ(marker.GetFrame(), frame);
    ASSERT_EQ(As<CCans>().Phase(), Wrong);
    EXPECT_NE(area(), shown);
}

TEST_F(OptionEffects, OneSwitchMakesCansStepByItself) {
    Os().QueueAnswer(true);
    // One switch, and the scan time from 3 through 4, 5, 1 to 2 seconds.
    SwitchInSettings({S::kOneSwitch, S::kScanTime, S::kScanTime, S::kScanTime, S::kScanTime});
    ASSERT_EQ(P().options.o7, 1);
    ASSERT_EQ(P().options.o19, 2);
    OpenCans();
    H().RunFor(2100);
    ASSERT_EQ(As<CCans>().StartScan().Current(), 0);
    int x = 0, y = 0;
    Os().GetCursorPos(x, y);
    EXPECT_EQ(x, static_cast<int>(As<CCans>().StartButton().CentreX()));
    H().RunFor(2000);
    EXPECT_EQ(As<CCans>().StartScan().Current(), 1);  // the stop button
}

TEST_F(OptionEffects, FromTheLoginToTheGameSelectionAndBackToAMenuWithoutCans) {
    // Day 2 begun today; everything but Cans is done.
    AddTrainee(L"Bo", [](Profile& p) {
        p.lastDate = Profile::TodayText();
        p.dayProgress = {2, 1, 2, 2, 2, 2, 2, 2, 2, 2};
    });
    Go(kLogin);
    ClickOn(As<CLogin>().TextButton(0));
    ASSERT_EQ(H().ScreenId(), kMenu);
    ASSERT_EQ(P().name, L"Bo");
    EXPECT_TRUE(As<CMenu>().Playable(kCans));
    EXPECT_FALSE(As<CMenu>().BagShown());

    ClickOn(As<CMenu>().OptionsButton());
    ASSERT_EQ(H().ScreenId(), kSettings);
    ClickOn(As<S>().ButtonSprite(S::kChooseGames));
    ASSERT_EQ(H().ScreenId(), kSelectGame);
    Os().QueueAnswer(true);
    ClickOn(As<CSelectGame>().GameButton(kCans));
    EXPECT_EQ(P().options.ExerciseOn(kCans), 0);
    ClickOn(As<CSelectGame>().StopButton());
    ASSERT_EQ(H().ScreenId(), kSettings);
    ClickOn(As<S>().ButtonSprite(S::kBack));
    ASSERT_EQ(H().ScreenId(), kMenu);

    // Cans is off, so the day is finished: the bag waits.
    CMenu& menu = As<CMenu>();
    EXPECT_EQ(menu.Look(kCans), 1);
    ClickOn(menu.GameButton(kCans));
    EXPECT_EQ(H().ScreenId(), kMenu);
    EXPECT_TRUE(As<CMenu>().BagShown());
    Profile saved;
    saved.folder = root.ProfileFolder();
    saved.name = L"Bo";
    saved.Load(false, true, false);
    EXPECT_EQ(saved.options.ExerciseOn(kCans), 0);
    EXPECT_EQ(saved.options.ExerciseOn(kTreasure), 1);
}

}  // namespace
