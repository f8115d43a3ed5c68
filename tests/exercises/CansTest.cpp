// Cans: its scene, layout by span, hit areas, switch access and the debug line.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "exercises/CansFixture.h"

namespace {

using CansTest = CansFixture;

TEST_F(CansTest, SpanFourStandsOnOneShelfSpanFiveOnTwo) {
    CCans& c = Start();  // level 1: span 2
    ASSERT_EQ(c.Span(), 2);
    EXPECT_EQ(c.PlaceCount(), 4);
    EXPECT_FLOAT_EQ(c.Shelf(0).y, 330);
    EXPECT_FALSE(c.Shelf(1).visible);
    EXPECT_FALSE(c.Prop(1).visible);
    EXPECT_FALSE(c.Prop(3).visible);
    EXPECT_FLOAT_EQ(c.Prop(0).y, 330 - 118);
    EXPECT_FLOAT_EQ(c.Prop(2).x, 650);
    const float step = c.Can(0).width + 5;
    std::set<int> seen;
    for (int item : c.Sequence()) {
        const CSprite& can = c.Can(item);
        EXPECT_TRUE(can.visible);
        EXPECT_FLOAT_EQ(can.y, 240);
        const float k = (can.x - 175) / step;
        EXPECT_FLOAT_EQ(k, static_cast<float>(static_cast<int>(k)));
        EXPECT_GE(k, 0);
        EXPECT_LE(k, 3);
        seen.insert(item);
    }
    EXPECT_EQ(seen.size(), c.Sequence().size());  // consecutive items are different cans
    int visible = 0;
    for (int i = 0; i < CCans::kCanCount; ++i) visible += c.Can(i).visible;
    EXPECT_EQ(visible, 2);

    Leave();
    P().span[kCans] = 6;  // starts at 5
    CCans& two = Start();
    ASSERT_EQ(two.Span(), 5);
    EXPECT_EQ(two.PlaceCount(), 8);
    EXPECT_FLOAT_EQ(two.Shelf(0).y, 200);
    EXPECT_FLOAT_EQ(two.Shelf(1).y, 400);
    EXPECT_TRUE(two.Shelf(1).visible);
    EXPECT_TRUE(two.Prop(3).visible);
    for (int item : two.Sequence()) {
        const float y = two.Can(item).y;
        EXPECT_TRUE(y == 110 || y == 310) << y;
    }
    // Consecutive cans follow each other in number order.
    const auto& seq = two.Sequence();
    for (size_t i = 1; i < seq.size(); ++i) EXPECT_EQ(seq[i], (seq[i - 1] + 1) % 8);
}

TEST_F(CansTest, TheSwitchListFollowsThePlaces) {
    P().span[kCans] = 6;
    CCans& c = Start();
    const ScanList& scan = c.AnswerScan();
    ASSERT_EQ(scan.Count(), 5);
    float lastKey = -1;
    for (int i = 0; i < scan.Count(); ++i) {
        const CSprite* s = scan.Entry(i);
        ASSERT_TRUE(s->visible);
        const float key = (s->y > 200 ? 1000 : 0) + s->x;  // place order: first shelf, left to right
        EXPECT_GT(key, lastKey);
        lastKey = key;
    }
}

TEST_F(CansTest, PropsOfAShelfNeverMatch) {
    P().roundsPerDay = 50;
    CCans& c = Start();
    for (int r = 0; r < 40; ++r) {
        EXPECT_NE(c.Prop(0).GetFrame(), c.Prop(2).GetFrame());
        EXPECT_NE(c.Prop(1).GetFrame(), c.Prop(3).GetFrame());
        EXPECT_GE(c.Prop(0).GetFrame(), 0);
        EXPECT_LE(c.Prop(0).GetFrame(), 3);
        c.SetupRound();
    }
}

TEST_F(CansTest, SeniorLayoutHasNoPropsAndThePlainHelpButton) {
    P().options.o3 = 1;
    P().options.o4 = 1;
    CCans& c = Start();
    for (int i = 0; i < 4; ++i) EXPECT_EQ(c.Prop(i).FrameCount(), 0);
    EXPECT_EQ(c.HelpButton().FrameCount(), 1);
    EXPECT_FLOAT_EQ(c.HelpButton().y, c.StartButton().y);

    Leave();
    P().options.o3 = 0;
    CCans& rabbit = Start();
    EXPECT_GT(rabbit.HelpButton().FrameCount(), 1);
    EXPECT_FLOAT_EQ(rabbit.HelpButton().x, 638);
    EXPECT_GT(rabbit.Prop(0).FrameCount(), 0);
}

TEST_F(CansTest, OnlyThePaintedTinCounts) {
    CCans& c = Start();
    StartAndPresent();
    const int expected = c.Sequence()[0];
    const CSprite& can = c.Can(expected);
    Press(static_cast<int>(can.x) + 5, static_cast<int>(can.y) + 3);  // the image's transparent corner
    EXPECT_EQ(c.StepIndex(), 0u);
    EXPECT_EQ(c.Phase(), Answering);
    // A hidden can's place does nothing either.
    for (int i = 0; i < CCans::kCanCount; ++i) {
        if (c.Can(i).visible) continue;
        c.OnMouseDown(1, MakeMouseParam(static_cast<int>(c.Can(i).x) + 60, static_cast<int>(c.Can(i).y) + 60));
    }
    EXPECT_EQ(c.Phase(), Answering);
    Press(static_cast<int>(can.x) + 18, static_cast<int>(can.y) + 7);  // the hit area's corner
    EXPECT_EQ(c.StepIndex(), 1u);
    EXPECT_EQ(P().stats.itemsForward[0][kCans][2], 1);
    EXPECT_EQ(P().stats.points[0][kCans][2], 2);
}

TEST_F(CansTest, ACorrectCanLightsAndLeavesTheSwitchList) {
    CCans& c = Start();
    StartAndPresent();
    const int first = c.Sequence()[0];
    EXPECT_EQ(c.AnswerScan().Count(), 2);
    PressCan(first);
    Run(20);
    EXPECT_EQ(c.Can(first).GetFrame(), 1);  // lit
    EXPECT_EQ(c.AnswerScan().Count(), 1);
    EXPECT_NE(c.AnswerScan().Entry(0), &c.Can(first));
    Run(900);
    EXPECT_EQ(c.Can(first).GetFrame(), 0);  // back at rest after 800 ms
}

TEST_F(CansTest, EnterRightAfterACorrectPickDoesNothing) {
    CCans& c = Start();
    StartAndPresent();
    const auto seq = c.Sequence();
    // Space to the first expected can, Enter picks it.
    for (int i = 0; i < 4 && c.AnswerScan().Entry(c.AnswerScan().Current()) != &c.Can(seq[0]); ++i) Key(32);
    Os().AdvanceTime(401);
    Key(13);
    ASSERT_EQ(c.StepIndex(), 1u);
    EXPECT_EQ(c.AnswerScan().Current(), -1);
    Os().AdvanceTime(401);
    Key(13);
    EXPECT_EQ(c.StepIndex(), 1u);
    EXPECT_EQ(c.Phase(), Answering);
    Key(32);  // the next step lands on the first (here: only) can left
    EXPECT_EQ(c.AnswerScan().Entry(c.AnswerScan().Current()), &c.Can(seq[1]));
    int x = 0, y = 0;
    Os().GetCursorPos(x, y);
    EXPECT_EQ(x, static_cast<int>(c.Can(seq[1]).CentreX()));
    Os().AdvanceTime(401);
    Key(13);
    EXPECT_EQ(c.Phase(), Correct);
}

TEST_F(CansTest, OneContactStepsOnlyWhileTheListCanAct) {
    P().options.o7 = 1;
    P().options.o19 = 3;
    CCans& c = Start();
    // Waiting: the start list steps (start, stop, start ...) every 3 s.
    Run(3010);
    EXPECT_EQ(c.StartScan().Current(), 0);
    Run(3010);
    EXPECT_EQ(c.StartScan().Current(), 1);
    Run(3010);
    EXPECT_EQ(c.StartScan().Current(), 0);
    PressStart();
    // Presenting: nothing steps.
    Run(2500);
    ASSERT_EQ(c.Phase(), Presenting);
    EXPECT_EQ(c.AnswerScan().Current(), -1);
    ASSERT_TRUE(RunUntil(Answering));
    std::vector<int> visits;
    for (int t = 0; t < 12000; t += 10) {
        const int before = c.AnswerScan().Current();
        Run(10);
        if (c.AnswerScan().Current() != before) visits.push_back(c.AnswerScan().Current());
    }
    // Two cans: the pointer alternates every 3 s, wrapping.
    ASSERT_GE(visits.size(), 3u);
    for (size_t i = 1; i < visits.size(); ++i) EXPECT_NE(visits[i], visits[i - 1]);
}

TEST_F(CansTest, TwoContactsNeverMoveByThemselves) {
    CCans& c = Start();
    Run(20000);
    EXPECT_EQ(c.StartScan().Current(), -1);
    StartAndPresent();
    Run(20000);
    EXPECT_EQ(c.AnswerScan().Current(), -1);
}

TEST_F(CansTest, WithoutTheStopOptionTheStartListHoldsTheStartButtonOnly) {
    P().options.o2 = 0;
    CCans& c = Start();
    ASSERT_EQ(c.StartScan().Count(), 1);
    Key(32);
    Key(32);
    EXPECT_EQ(c.StartScan().Current(), 0);
    int x = 0, y = 0;
    Os().GetCursorPos(x, y);
    EXPECT_EQ(x, static_cast<int>(c.StartButton().CentreX()));
    // A press on the (hidden) stop button's place asks nothing.
    Press(15, 25);
    EXPECT_TRUE(Os().Questions().empty());
}

TEST_F(CansTest, ExtraMarkerFollowsThePointerOverWhatCanBeClicked) {
    P().options.o8 = 1;
    CCans& c = Start();
    const CSprite& start = c.StartButton();
    Os().SetCursorPos(static_cast<int>(start.x) + 10, static_cast<int>(start.y) + 10);
    c.Update();
    EXPECT_EQ(Os().Cursor(), platform::CursorShape::Hand);
    EXPECT_FLOAT_EQ(c.ExtraMarker().CentreX(), start.x + 10);
    Os().SetCursorPos(400, 10);
    c.Update();
    EXPECT_EQ(Os().Cursor(), platform::CursorShape::Arrow);
    EXPECT_FLOAT_EQ(c.ExtraMarker().x, 810);
    EXPECT_FLOAT_EQ(c.ExtraMarker().y, 610);
    // Over a can.
    const CSprite& can = c.Can(c.Sequence()[0]);
    Os().SetCursorPos(static_cast<int>(can.x) + 50, static_cast<int>(can.y) + 50);
    c.Update();
    EXPECT_EQ(Os().Cursor(), platform::CursorShape::Hand);
    EXPECT_FLOAT_EQ(c.ExtraMarker().CentreY(), can.y + 50);
}

TEST_F(CansTest, RoundLampsAreCentredUnderTheScene) {
    P().roundsPerDay = 10;
    CCans& c = Start();
    const CSprite& lamps = c.RoundLamps();
    EXPECT_FLOAT_EQ(lamps.x, 400 - (10 * lamps.width + 100) / 2);
    EXPECT_FLOAT_EQ(lamps.y, 585);
    EXPECT_EQ(c.DirectionArrow().GetFrame(), 0);
}

TEST_F(CansTest, DirectionArrowTurnsWithTheExercise) {
    P().span[kCans] = 7;  // span 6 forward
    CCans& c = Start();
    for (int i = 0; i < 3; ++i) {
        PlayTrial(true);
        ASSERT_TRUE(RunUntil(WaitStart));
    }
    EXPECT_EQ(c.Direction(), 1);
    EXPECT_EQ(c.Span(), 2);
    EXPECT_EQ(c.DirectionArrow().GetFrame(), 1);
    EXPECT_EQ(c.PlaceCount(), 4);  // back on one shelf
    // The new direction is announced at the next start.
    PressStart();
    Run(1010);
    EXPECT_EQ(Played(L"cans\\instructionr.wav"), 1u);
}

class CansDebug : public CansFixture {
protected:
    CansDebug() { commandLine = L"kestrova window debug"; }
};

TEST_F(CansDebug, DebugLineAndKeys) {
    CCans& c = Start();
    c.Update();
    EXPECT_TRUE(c.DebugLine().empty());  // the panel is off
    Key(73);
    ASSERT_TRUE(c.DebugPanel());
    c.Update();
    const std::wstring& line = c.DebugLine();
    const std::wstring head =
        L"Dag: 1   Svårighetsgrad: 1   Omgång: 1 / 8   Antal: 2   Synliga: 0   Riktning: Framåt   Rätt: 0 / 3"
        L"   Fel: 0 / 2   Spelpoäng: 0   FPS: ";
    EXPECT_EQ(line.substr(0, head.size()), head);
    const auto& seq = c.Sequence();
    const std::wstring tail = L"  (" + std::to_wstring(seq[0]) + L"," + std::to_wstring(seq[1]) + L")";
    EXPECT_EQ(line.substr(line.size() - tail.size()), tail);

    // Numpad + solves item by item; the last one finishes the round with a coin.
    Key(107);
    EXPECT_EQ(c.StepIndex(), 1u);
    Key(107);
    EXPECT_EQ(c.Round(), 2);
    EXPECT_EQ(c.SessionCoins(), 1);
    EXPECT_EQ(P().stats.points[0][kCans][2], 4);
    // Numpad - fails the round.
    Key(109);
    EXPECT_EQ(c.Round(), 3);
    EXPECT_EQ(P().stats.errorsForward[0][kCans][2], 1);
    Key(37);
    EXPECT_EQ(c.Round(), 2);
    for (int i = 0; i < 10; ++i) Key(39);
    EXPECT_EQ(c.Round(), 8);
    c.Update();
    EXPECT_NE(c.DebugLine().find(L"Spelpoäng: 4"), std::wstring::npos);
}

TEST_F(CansDebug, DebugLineShowsTheFrameRateOfTheLastSecond) {
    CCans& c = Start();
    Key(73);
    const auto fps = [&] {
        const std::wstring& line = c.DebugLine();
        const size_t at = line.find(L"FPS: ");
        return at == std::wstring::npos ? std::wstring() : line.substr(at + 5, line.find(L' ', at + 5) - at - 5);
    };
    // One pass every 10 ms, then every 25 ms: the line follows within about a second.
    Run(1500, 10);
    EXPECT_EQ(fps(), L"100.0");
    Run(2100, 25);
    EXPECT_EQ(fps(), L"40.0");
}

TEST_F(CansTest, DebugKeysNeedTheDebugWord) {
    CCans& c = Start();
    Key(73);
    EXPECT_FALSE(c.DebugPanel());
    Key(109);
    EXPECT_EQ(c.Round(), 1);
}

// A full disk or a kill between the two files: the statistics are saved first, and when
// either file does not reach the disk the day is not counted, the session's coins and
// statistics are taken back and the trainee is told.
TEST_F(CansTest, ResultsThatCannotBeSavedAreNotCounted) {
    for (const char* blocked : {"Tester.sta", "Tester.pro"}) {
        SCOPED_TRACE(blocked);
        P().dayProgress.fill(0);
        P().dayProgress[0] = 1;
        P().coins = 10;
        P().stats.ClearStats();
        std::filesystem::create_directory(folder.File(blocked));  // no file can be put there
        Start();
        P().coins += 3;  // what the session earned
        P().stats.CountItem(0, kCans, 3, false);
        const size_t told = Os().Errors().size();
        Leave();
        EXPECT_EQ(P().dayProgress[kCans], 0);
        EXPECT_EQ(P().coins, 10);
        EXPECT_EQ(P().stats.itemsForward[0][kCans][3], 0);
        ASSERT_EQ(Os().Errors().size(), told + 1);
        EXPECT_NE(Os().Errors().back().find(P().options.GetText(171)), std::wstring::npos);
        EXPECT_FALSE(std::filesystem::is_regular_file(folder.File("Tester.pro")))
            << "a profile counts a day whose statistics are missing";
        std::filesystem::remove_all(folder.File(blocked));
    }
}

}  // namespace

// Screens set the pointer's shape every pass; only a change reaches the window.
TEST_F(CansTest, TheCursorShapeIsSentOnlyWhenItChanges) {
    Start();
    Run(500);
    const int atRest = Os().CursorSends();
    Run(3000);
    EXPECT_EQ(Os().CursorSends(), atRest);
    const CSprite& start = Cans().StartButton();
    Os().SetCursorPos(static_cast<int>(start.CentreX()), static_cast<int>(start.CentreY()));
    Run(1000);
    EXPECT_EQ(Os().Cursor(), platform::CursorShape::Hand);
    EXPECT_EQ(Os().CursorSends(), atRest + 1);
    Os().SetCursorPos(5, 590);
    Run(1000);
    EXPECT_EQ(Os().Cursor(), platform::CursorShape::Arrow);
    EXPECT_EQ(Os().CursorSends(), atRest + 2);
}
