// The pond: how many fish swim, the band they keep to, the bubble, answers among overlapping
// fish and on open water, solved fish swimming away, and the hard fish.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "exercises/ExerciseFixture.h"
#include "exercises/ThePond.h"

namespace {

using ThePondTest = ExerciseFixture<CThePond, kThePond>;

bool Outside(const CSprite& f) { return f.x + f.width < 0 || f.x > 800; }

int Shown(const CThePond& p) {
    int n = 0;
    for (int i = 0; i < CThePond::kFishCount; ++i) n += p.Fish(i).visible;
    return n;
}

TEST_F(ThePondTest, MoreFishOnlyWhenTheSpanHasCaughtUp) {
    CThePond& p = Start();  // a new trainee at level 1
    ASSERT_EQ(p.Span(), 2);
    ASSERT_EQ(Shown(p), 4);
    EXPECT_EQ(p.AnswerScan().Count(), 4);
    // Streaks of three: span 3 and 4 on four fish, then the fifth item brings two more.
    const int spans[] = {3, 4, 5, 6, 7};
    const int fish[] = {4, 4, 6, 6, 8};
    for (int streak = 0; streak < 5; ++streak) {
        for (int i = 0; i < 3; ++i) p.OnRoundCorrect();
        p.SetupRound();
        EXPECT_EQ(p.Span(), spans[streak]);
        EXPECT_EQ(Shown(p), fish[streak]) << "streak " << streak + 1;
        EXPECT_EQ(p.Sequence().size(), static_cast<size_t>(p.Span()));
    }
    EXPECT_EQ(p.Shell().GetFrame(), std::min(15, p.Shell().FrameCount() - 1));
    EXPECT_FALSE(p.HardSet());
}

TEST_F(ThePondTest, AStreakAtTenBringsTheHardFishForTheRestOfTheSession) {
    P().level = L"2";
    P().span[kThePond] = 11;
    CThePond& p = Start();
    ASSERT_EQ(p.Span(), 10);
    ASSERT_EQ(Shown(p), 10);
    EXPECT_NE(p.Fish(0).firstFile.find(L"\\easy\\"), std::wstring::npos);
    for (int i = 0; i < 3; ++i) p.OnRoundCorrect();
    EXPECT_TRUE(p.HardSet());
    EXPECT_EQ(p.Span(), 10);
    p.SetupRound();
    for (int i = 0; i < CThePond::kFishCount; ++i) {
        EXPECT_NE(p.Fish(i).firstFile.find(L"\\hard\\normal\\"), std::wstring::npos);
        EXPECT_NE(p.LitFish(i).firstFile.find(L"\\hard\\lit\\"), std::wstring::npos);
        EXPECT_EQ(p.Fish(i).FrameCount(), 4);
    }
    Leave();
    P().options.o3 = 1;  // the senior layout starts with them, and has no shell
    CThePond& senior = Start();
    EXPECT_TRUE(senior.HardSet());
    EXPECT_EQ(senior.Shell().FrameCount(), 0);
}

TEST_F(ThePondTest, ActiveFishKeepToTheirBandAndTurn) {
    P().span[kThePond] = 11;  // ten fish
    CThePond& p = Start();
    ASSERT_EQ(Shown(p), 10);
    int turnedLeft = 0, turnedRight = 0;
    for (int t = 0; t < 6000; ++t) {  // a minute of waiting for the start: they swim all the while
        Run(10);
        for (int i = 0; i < CThePond::kFishCount; ++i) {
            const CSprite& f = p.Fish(i);
            ASSERT_GE(f.x, CThePond::kLeft) << i;
            ASSERT_LE(f.x + f.width, CThePond::kRight) << i;
            ASSERT_GE(f.y + f.hitBox.y, CThePond::kTop) << i;
            ASSERT_LE(f.y + f.hitBox.y + f.hitBox.height, CThePond::kBottom) << i;
            turnedLeft += f.velocityX < 0;
            turnedRight += f.velocityX > 30;
            // The lit fish keeps to its fish.
            EXPECT_FLOAT_EQ(p.LitFish(i).x, f.x);
        }
    }
    EXPECT_GT(turnedLeft, 0);
    EXPECT_GT(turnedRight, 0);
}

TEST_F(ThePondTest, TheBubbleRisesFromThePresentedFish) {
    CThePond& p = Start();
    PressStart();
    for (int i = 0; i < 10000 && p.StepIndex() == 0; ++i) Run(10);
    ASSERT_EQ(p.Phase(), Presenting);
    const CSprite& f = p.Fish(p.Sequence()[0]);
    const CSprite& b = p.Bubble();
    ASSERT_TRUE(b.visible);
    EXPECT_TRUE(p.LitFish(p.Sequence()[0]).visible);
    if (f.GetFrame() == 0) {
        EXPECT_NEAR(b.x, f.x + f.width - b.width / 2, 1);  // facing right: its mouth
    }
    EXPECT_NEAR(b.y, f.y + f.height / 4, 1);
    const float y = b.y;
    Run(1000);
    EXPECT_NEAR(b.y, y - 20, 1);
    Run(500);
    EXPECT_FALSE(p.LitFish(p.Sequence()[0]).visible);  // lit for 1.4 s
    ASSERT_TRUE(RunUntil(Answering));
    EXPECT_FALSE(b.visible);
}

TEST_F(ThePondTest, OverlappingFishWaterAndWrongFish) {
    CThePond& p = Start();  // four fish, two in the sequence
    StartAndPresent();
    const int expected = p.Sequence()[0];
    int other = -1;  // a fish outside the sequence, lower in number when there is one
    for (int i = 0; i < 4; ++i)
        if (i != p.Sequence()[0] && i != p.Sequence()[1] && (other < 0 || i < expected)) other = i;
    ASSERT_GE(other, 0);

    // Open water: nothing happens.
    Press(790, 590);
    EXPECT_EQ(p.Phase(), Answering);

    // Another fish over the expected one: the press still counts.
    CSprite& over = const_cast<CSprite&>(p.Fish(other));
    over.SetPosition(p.Fish(expected).x, p.Fish(expected).y);
    over.SetVelocity(p.Fish(expected).velocityX, p.Fish(expected).velocityY);
    PressItem(expected);
    EXPECT_EQ(p.StepIndex(), 1u);
    EXPECT_EQ(p.Phase(), Answering);

    // The fish outside the sequence alone: wrong; the fish stop and the marker stands with its
    // left edge at the expected fish's centre and its bottom there.
    const int next = p.Sequence()[1];
    const float away[][2] = {{85, 25}, {560, 25}, {85, 380}, {560, 380}};
    for (const auto& at : away) {
        over.SetPosition(at[0], at[1]);
        int cx = 0, cy = 0;
        HitCentre(over, cx, cy);
        if (!p.Fish(next).HitTest(cx, cy) && !p.Fish(next).HitTest(cx + 1, cy + 1)) break;
    }
    PressItem(other);
    ASSERT_EQ(p.Phase(), Wrong);
    const CSprite& e = p.Fish(next);
    const float x = e.x;
    Run(1000);
    EXPECT_FLOAT_EQ(e.x, x);
    EXPECT_FLOAT_EQ(p.ShowCorrectMarker().x, e.CentreX());
    EXPECT_FLOAT_EQ(p.ShowCorrectMarker().y + p.ShowCorrectMarker().height, e.CentreY());
    // The next round sets them swimming again.
    ASSERT_TRUE(RunUntil(WaitStart));
    Run(1000);
    EXPECT_NE(p.Fish(0).x, CThePond::kLeft);
}

// A switch user's choice is the fish the scan rests on, even where it swims over the expected
// fish: the press at its centre must not count as the expected one.
TEST_F(ThePondTest, TheScannedFishIsTheAnswerOverTheExpectedOne) {
    CThePond& p = Start();
    StartAndPresent();
    const int expected = p.Sequence()[0];
    int other = 0;
    while (other == expected || other == p.Sequence()[1]) ++other;
    CSprite& over = const_cast<CSprite&>(p.Fish(other));
    over.SetPosition(p.Fish(expected).x, p.Fish(expected).y);
    over.SetVelocity(p.Fish(expected).velocityX, p.Fish(expected).velocityY);
    const ScanList& scan = p.AnswerScan();
    for (int i = 0; i < 10 && scan.Entry(scan.Current()) != &over; ++i) Key(32);
    ASSERT_EQ(scan.Entry(scan.Current()), &over);
    Os().AdvanceTime(401);  // past the press gate
    Key(13);
    EXPECT_EQ(p.StepIndex(), 0u);
    EXPECT_EQ(p.Phase(), Wrong);
}

TEST_F(ThePondTest, SolvedFishSwimAwayAndStayOut) {
    CThePond& p = Start();
    StartAndPresent();
    const std::vector<int> seq = p.Sequence();
    AnswerRight();
    ASSERT_EQ(p.Phase(), Correct);
    for (int i : seq) {
        EXPECT_FALSE(p.Active(i));
        EXPECT_FLOAT_EQ(std::abs(p.Fish(i).velocityX), 300);
        EXPECT_FLOAT_EQ(p.Fish(i).velocityY, 0);
    }
    Run(1900);  // still within the praise: 300 px/s takes every fish out in under 3 s
    Run(1000);
    for (int i : seq) {
        EXPECT_TRUE(Outside(p.Fish(i))) << i;
        EXPECT_FLOAT_EQ(p.Fish(i).velocityX, 0);
    }
    for (int i = 0; i < 4; ++i)
        if (std::find(seq.begin(), seq.end(), i) == seq.end()) {
            EXPECT_GE(p.Fish(i).x, CThePond::kLeft);
        }
}

}  // namespace
