// The trial cycle every exercise shares, driven through Cans on the headless frame.
#include <gtest/gtest.h>

#include <cstdlib>

#include "exercises/CansFixture.h"

namespace {

using RoundEngine = CansFixture;

TEST_F(RoundEngine, EightRoundsThenPayoutAndTheMenu) {
    CCans& c = Start();
    EXPECT_EQ(c.Round(), 1);
    EXPECT_EQ(c.RoundCount(), 8);
    EXPECT_EQ(c.Phase(), WaitStart);
    for (int r = 1; r <= 8; ++r) {
        ASSERT_EQ(c.Round(), r);
        PlayTrial(r % 2 == 1);
        ASSERT_TRUE(RunUntil(r < 8 ? WaitStart : Payout)) << "round " << r;
    }
    EXPECT_EQ(c.Round(), 9);
    EXPECT_EQ(c.Phase(), Payout);
    EXPECT_EQ(c.SessionCoins(), 4);
    EXPECT_EQ(Run(60000), kMenu);
    EXPECT_EQ(P().coins, 4);
    EXPECT_EQ(c.SessionCoins(), 0);
}

TEST_F(RoundEngine, FirstTrialAnnouncesTheDirectionLaterOnesPresentAfterOneAndAHalfSeconds) {
    CCans& c = Start();
    PressStart();
    EXPECT_EQ(c.Phase(), Starting);
    Run(1000);
    EXPECT_EQ(c.Phase(), Starting);  // the start sound's second is not over yet
    Run(10);
    EXPECT_EQ(c.Phase(), Presenting);
    EXPECT_EQ(Played(L"cans\\instructionf.wav"), 1u);
    EXPECT_EQ(c.StepIndex(), 0u);  // the instruction is spoken before the first can
    ASSERT_TRUE(RunUntil(Answering));
    AnswerRight();
    ASSERT_TRUE(RunUntil(WaitStart));

    // Same direction: no instruction; the first can lights 1000 + 500 ms after the start.
    PressStart();
    Run(1010);
    EXPECT_EQ(c.Phase(), Presenting);
    EXPECT_EQ(c.StepIndex(), 0u);
    Run(490);
    EXPECT_EQ(c.StepIndex(), 0u);
    Run(20);
    EXPECT_EQ(c.StepIndex(), 1u);
    EXPECT_EQ(Played(L"cans\\instructionf.wav"), 1u);
}

TEST_F(RoundEngine, BackwardPresentsInStoredOrderAndExpectsTheReverseOnce) {
    P().direction[kCans] = 1;
    P().span[kCans] = 5;  // starts at 4
    CCans& c = Start();
    ASSERT_EQ(c.Direction(), 1);
    const std::vector<int> shown = c.Sequence();
    ASSERT_EQ(shown.size(), 4u);
    PressStart();
    std::vector<int> lit;
    for (int t = 0; t < 30000 && c.Phase() != Answering; t += 10) {
        const unsigned before = c.StepIndex();
        Run(10);
        if (c.StepIndex() != before && c.Phase() == Presenting) lit.push_back(shown[before]);
    }
    ASSERT_EQ(c.Phase(), Answering);
    EXPECT_EQ(lit, shown);
    EXPECT_EQ(Played(L"cans\\instructionr.wav"), 1u);
    const std::vector<int> expected(shown.rbegin(), shown.rend());
    EXPECT_EQ(c.Sequence(), expected);
    // The order the trainee must give is the reverse: the first shown can is wrong first.
    PressCan(shown.back());
    EXPECT_EQ(c.Phase(), Answering);
    EXPECT_EQ(c.StepIndex(), 1u);
    for (size_t i = 1; i < expected.size(); ++i) PressCan(expected[i]);
    EXPECT_EQ(c.Phase(), Correct);
    EXPECT_EQ(c.Sequence(), expected);  // reversed once, not again
}

TEST_F(RoundEngine, FortySecondsWithoutAnAnswerFailWithoutTheMarker) {
    CCans& c = Start();
    StartAndPresent();
    const float markerX = c.ShowCorrectMarker().x, markerY = c.ShowCorrectMarker().y;
    Run(39990);
    EXPECT_EQ(c.Phase(), Answering);
    Run(30);
    EXPECT_EQ(c.Phase(), Wrong);
    EXPECT_EQ(P().stats.errorsForward[0][kCans][2], 1);
    EXPECT_EQ(c.ShowCorrectMarker().x, markerX);
    EXPECT_EQ(c.ShowCorrectMarker().y, markerY);
    EXPECT_EQ(Played(L"sfx\\wrong.wav"), 1u);
    ASSERT_TRUE(RunUntil(WaitStart));
    EXPECT_EQ(Played(L"\\wrong\\"), 1u);  // the wrong speech after a failure before the last round
}

TEST_F(RoundEngine, WrongMarkerSitsOnTheExpectedCan) {
    CCans& c = Start();
    StartAndPresent();
    const int expected = c.Sequence()[0];
    PressCan(WrongCan());
    ASSERT_EQ(c.Phase(), Wrong);
    const CSprite& m = c.ShowCorrectMarker();
    EXPECT_FLOAT_EQ(m.CentreX(), c.Can(expected).CentreX());
    EXPECT_FLOAT_EQ(m.CentreY(), c.Can(expected).CentreY());
}

TEST_F(RoundEngine, WrongPressOnTheLastRoundGoesToPayoutWithoutWrongSpeech) {
    P().roundsPerDay = 1;
    CCans& c = Start();
    PlayTrial(false);
    ASSERT_EQ(c.Phase(), Wrong);
    Run(2010);
    EXPECT_EQ(c.Phase(), Payout);
    EXPECT_EQ(Played(L"\\wrong\\"), 0u);
}

TEST_F(RoundEngine, NoCoinsShowTheClosedBagThenTheMenuTwoSecondsLater) {
    P().roundsPerDay = 1;
    CCans& c = Start();
    PlayTrial(false);
    ASSERT_TRUE(RunUntil(Payout));
    EXPECT_FALSE(c.BagOpen().visible);
    ASSERT_TRUE(RunUntil(Leaving));
    EXPECT_TRUE(c.BagOpen().visible);
    EXPECT_EQ(c.BagOpen().GetFrame(), 0);
    EXPECT_FALSE(c.BagMoney().visible);
    EXPECT_EQ(Run(2000), kStayOnScreen);
    EXPECT_EQ(Run(20), kMenu);
    EXPECT_EQ(P().coins, 0);
}

TEST_F(RoundEngine, CoinsDropIntoTheBagOneByOne) {
    P().roundsPerDay = 2;
    P().coins = 10;
    CCans& c = Start();
    PlayTrial(true);
    ASSERT_TRUE(RunUntil(WaitStart));
    EXPECT_EQ(c.SessionCoins(), 1);
    PlayTrial(true);
    ASSERT_TRUE(RunUntil(Payout));
    EXPECT_EQ(c.SessionCoins(), 2);
    ASSERT_TRUE(RunUntil(Leaving));
    EXPECT_EQ(P().coins, 12);
    EXPECT_EQ(c.SessionCoins(), 0);
}

TEST_F(RoundEngine, EscapeAsksOnlyWhileWaitingAndYesStillWritesBack) {
    P().span[kCans] = 5;
    P().direction[kCans] = 1;
    CCans& c = Start();
    StartAndPresent();  // now Answering
    Key(27);
    EXPECT_TRUE(Os().Questions().empty());
    EXPECT_EQ(c.Update(), kStayOnScreen);

    // Back in WaitStart: No keeps the exercise, Yes leaves for the menu.
    AnswerRight();
    ASSERT_TRUE(RunUntil(WaitStart));
    Key(27);
    ASSERT_EQ(Os().Questions().size(), 1u);
    EXPECT_NE(Os().Questions()[0].find(P().options.GetText(87)), std::wstring::npos);
    EXPECT_EQ(c.Update(), kStayOnScreen);
    Os().QueueAnswer(true);
    Key(27);
    EXPECT_EQ(c.Update(), kMenu);
    harness->Pass();  // the frame switches: Cans is destroyed and writes back
    EXPECT_NE(harness->ScreenId(), kCans);
    EXPECT_EQ(P().span[kCans], 4);
    EXPECT_EQ(P().direction[kCans], 1);
    EXPECT_EQ(P().dayProgress[kCans], 1);
    EXPECT_TRUE(folder.Has("Tester.pro"));
    EXPECT_TRUE(folder.Has("Tester.sta"));
}

TEST_F(RoundEngine, EscapeDuringThePresentationDoesNothing) {
    CCans& c = Start();
    PressStart();
    Run(1600);
    ASSERT_EQ(c.Phase(), Presenting);
    Os().QueueAnswer(true);
    Key(27);
    EXPECT_TRUE(Os().Questions().empty());
    EXPECT_EQ(c.Update(), kStayOnScreen);
}

TEST_F(RoundEngine, PressesWithinFourHundredMillisecondsAreDropped) {
    CCans& c = Start();
    StartAndPresent();
    const auto seq = c.Sequence();
    PressCan(seq[0]);
    ASSERT_EQ(c.StepIndex(), 1u);
    const CSprite& next = c.Can(seq[1]);
    Os().AdvanceTime(300);
    c.OnMouseDown(1, MakeMouseParam(static_cast<int>(next.x) + 60, static_cast<int>(next.y) + 60));
    EXPECT_EQ(c.StepIndex(), 1u);
    Os().AdvanceTime(101);
    c.OnMouseDown(1, MakeMouseParam(static_cast<int>(next.x) + 60, static_cast<int>(next.y) + 60));
    EXPECT_EQ(c.StepIndex(), 2u);
}

TEST_F(RoundEngine, PressesOutsideTheTurnNeverCount) {
    CCans& c = Start();
    PressStart();
    Run(1600);
    ASSERT_EQ(c.Phase(), Presenting);
    for (int i = 0; i < CCans::kCanCount; ++i)
        if (c.Can(i).visible) PressCan(i);
    EXPECT_EQ(c.Phase(), Presenting);
    EXPECT_EQ(P().stats.itemsForward[0][kCans][2], 0);
    EXPECT_EQ(P().stats.errorsForward[0][kCans][2], 0);
}

TEST_F(RoundEngine, HeldKeyActsOnceUntilReleased) {
    CCans& c = Start();
    Os().SetCursorPos(0, 0);
    c.Update();
    c.OnKeyDown(13, 0, 0);  // Enter in WaitStart presses the start button
    ASSERT_EQ(c.Phase(), Starting);
    RunUntil(Answering);
    const int before = c.AnswerScan().Current();
    c.OnKeyDown(32, 0, 0);  // Space without a key-up first: ignored
    EXPECT_EQ(c.AnswerScan().Current(), before);
    c.OnKeyUp(32, 0, 0);
    c.OnKeyDown(32, 0, 0);
    EXPECT_EQ(c.AnswerScan().Current(), 0);
}

TEST_F(RoundEngine, HelpButtonPlaysTheInstructionOfTheDirection) {
    CCans& c = Start();
    const CSprite& h = c.HelpButton();
    Press(static_cast<int>(h.x) + 3, static_cast<int>(h.y) + 3);
    EXPECT_EQ(Played(L"cans\\instructionf.wav"), 1u);
    Os().AdvanceTime(401);
    Key(112);  // F1 presses the help button
    EXPECT_EQ(Played(L"cans\\instructionf.wav"), 2u);
    EXPECT_EQ(c.Phase(), WaitStart);
}

TEST_F(RoundEngine, TheGuideSpeaksOnlyToTheGuideProfileAndFallsSilentAtTheStartOrHelp) {
    Start();
    Run(1500);
    EXPECT_EQ(Played(L"\\intro\\cans\\"), 0u);
    EXPECT_EQ(P().speechCounters[kCans], 0);

    // The start button or the help button while the first prompt plays: it stops at once
    // and no later prompt of the guide follows.
    P().name = P().options.GetText(50);
    for (bool help : {false, true}) {
        Leave();
        P().speechCounters[kCans] = 0;
        Os().Sound().ClearLog();
        CCans& c = Start();
        EXPECT_EQ(P().speechCounters[kCans], 1);
        Run(1100);
        ASSERT_EQ(Played(L"\\intro\\cans\\a1"), 1u);
        const size_t before = Os().Sound().Log().size();
        if (help) {
            Key(112);
        } else {
            PressStart();
            EXPECT_EQ(c.Phase(), Starting);
        }
        bool stopped = false;
        const auto& log = Os().Sound().Log();
        for (size_t i = before; i < log.size(); ++i)
            if (log[i].rfind(L"stop ", 0) == 0 && log[i].find(L"\\intro\\cans\\a1") != std::wstring::npos)
                stopped = true;
        EXPECT_TRUE(stopped) << (help ? "help" : "start");
        Run(20000);
        EXPECT_EQ(Played(L"\\intro\\cans\\a2"), 0u) << (help ? "help" : "start");
    }
}

TEST_F(RoundEngine, IntroPlaysOnlyWithTheSoundOption) {
    Start();
    EXPECT_EQ(Played(L"sfx\\intro\\cans.wav"), 1u);
    P().options.o0 = 0;
    Os().Sound().ClearLog();
    Start();
    EXPECT_EQ(Played(L"sfx\\intro\\cans.wav"), 0u);
}

TEST_F(RoundEngine, StartAndStopButtonsShowOnlyWhileWaiting) {
    CCans& c = Start();
    EXPECT_EQ(c.StartScan().Count(), 2);  // start and stop
    // Hover over the stop button: Enter then selects startScan's current entry, which is
    // none yet, so nothing happens; after a Space it is the start button.
    const CSprite& stop = c.StopButton();
    Os().SetCursorPos(static_cast<int>(stop.x) + 5, static_cast<int>(stop.y) + 5);
    c.Update();
    EXPECT_TRUE(stop.hovered);
    Key(13);
    EXPECT_EQ(c.Phase(), WaitStart);
    Key(32);
    Os().SetCursorPos(static_cast<int>(stop.x) + 5, static_cast<int>(stop.y) + 5);
    c.Update();
    Os().AdvanceTime(401);
    Key(13);
    EXPECT_EQ(c.Phase(), Starting);
}

TEST_F(RoundEngine, RewardReplacesTheEndSound) {
    P().options.o5 = 1;
    P().dayProgress[2] = 7;  // CompletedDays 7: stage 1, a draw of 25 or more
    std::srand(20261207);    // a fixed draw sequence: the count below is the same every run
    int rewarded = 0;
    for (int i = 0; i < 20; ++i) {
        Leave();
        P().dayProgress[kCans] = 0;
        CCans& c = Start();
        if (!c.RewardIsDue()) continue;
        ++rewarded;
        EXPECT_FALSE(c.RewardSprite().visible);
        EXPECT_GT(c.RewardSprite().FrameCount(), 0);
        EXPECT_FLOAT_EQ(c.RewardSprite().x + c.RewardSprite().width, 800);
        EXPECT_FLOAT_EQ(c.RewardSprite().y + c.RewardSprite().height, 600);
    }
    EXPECT_GT(rewarded, 8);  // about three in four
    EXPECT_LT(rewarded, 20);

    P().dayProgress[2] = 25;  // past the last stage: never
    for (int i = 0; i < 5; ++i) {
        Leave();
        EXPECT_FALSE(Start().RewardIsDue());
    }
}

TEST_F(RoundEngine, RewardPlaysAtTheEndOfTheSession) {
    P().options.o5 = 1;
    P().dayProgress[2] = 24;
    P().roundsPerDay = 1;
    CCans* c = &Start();
    for (int i = 0; i < 200 && !c->RewardIsDue(); ++i) {
        Leave();
        P().dayProgress[kCans] = 0;
        c = &Start();
    }
    ASSERT_TRUE(c->RewardIsDue());
    PlayTrial(false);
    ASSERT_TRUE(RunUntil(Payout));
    EXPECT_TRUE(c->RewardSprite().visible);
    EXPECT_FALSE(c->HelpButton().visible);
    EXPECT_EQ(Played(L"sfx\\end\\cans.wav"), 0u);
    EXPECT_EQ(Played(L"sfx\\cans\\rewards\\"), 1u);
    ASSERT_TRUE(RunUntil(Leaving, 60000));
}

}  // namespace
