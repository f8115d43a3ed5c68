// Paint: the rows of pots by span and layout, the spoken colours, the picture of the day and
// how it is painted, the turn to backward, and the clown at the end.
#include <gtest/gtest.h>

#include "exercises/ExerciseFixture.h"
#include "exercises/Paint.h"

namespace {

class PaintTest : public ExerciseFixture<CPaint, kPaint> {
protected:
    // A whole trial, solved, from the start button to the praise.
    void SolveTrial() {
        StartAndPresent();
        AnswerRight();
        ASSERT_TRUE(RunUntil(WaitStart));
    }
    // The picture's name without its folder and frame number ("boat").
    std::wstring PictureName() {
        const std::wstring& f = Ex().PictureOfTheDay().firstFile;
        const size_t slash = f.find_last_of(L"\\/");
        return f.substr(slash + 1, f.size() - slash - 7);
    }
};

struct Layout {
    int senior;
    int savedSpan;
    int visible;
    float firstX;
    float pictureX;
};

TEST_F(PaintTest, PotsStandInOneOrTwoRows) {
    const Layout cases[] = {{0, 5, 4, 350, 345}, {0, 6, 8, 350, 345}, {1, 0, 4, 260, 255}, {1, 9, 8, 260, 255}};
    for (const Layout& c : cases) {
        SCOPED_TRACE(testing::Message() << "senior " << c.senior << " saved span " << c.savedSpan);
        P().options.o3 = c.senior;
        P().span[kPaint] = c.savedSpan;
        CPaint& p = Start();
        EXPECT_EQ(p.VisibleCount(), c.visible);
        const float step = p.Pot(0).width + 20;
        for (int i = 0; i < CPaint::kPotCount; ++i) {
            const CSprite& pot = p.Pot(i);
            EXPECT_FLOAT_EQ(pot.x, c.firstX + static_cast<float>(i % 4) * step) << i;
            EXPECT_FLOAT_EQ(pot.y, 342 + 3 * static_cast<float>(i) + (i > 3 ? 100 : 0)) << i;
            EXPECT_EQ(pot.visible, i < c.visible ? 1 : 0) << i;
            EXPECT_EQ(pot.FrameCount(), 2);
        }
        ASSERT_EQ(p.AnswerScan().Count(), c.visible);
        for (int i = 0; i < c.visible; ++i) EXPECT_EQ(p.AnswerScan().Entry(i), &p.Pot(i));
        for (int item : p.Sequence()) EXPECT_LT(item, c.visible);
        EXPECT_FLOAT_EQ(p.PictureOfTheDay().x, c.pictureX);
        EXPECT_FALSE(p.PictureOfTheDay().visible);
        EXPECT_EQ(p.Clown().FrameCount() > 0, !c.senior);
        EXPECT_FALSE(p.Clown().visible);
        Leave();
    }
}

TEST_F(PaintTest, ThePictureFollowsTheSessionsPlayed) {
    const std::pair<int, const wchar_t*> cases[] = {{0, L"boat"},           {1, L"flower"}, {2, L"house"},
                                                    {3, L"boat"},           {7, L"flower"}, {-4, L"boat"},
                                                    {2147483647, L"flower"}};
    for (const auto& [played, name] : cases) {
        P().dayProgress[kPaint] = played;
        Start();
        EXPECT_EQ(PictureName(), name) << played;
        EXPECT_EQ(Ex().PictureOfTheDay().FrameCount(), 10) << played;
        Leave();
    }
}

TEST_F(PaintTest, ColoursAreNamedAndThePotsStayDark) {
    P().options.o21 = 1;
    P().span[kPaint] = 5;  // span 4
    CPaint& p = Start();
    const int frames = p.VisualCue().FrameCount();
    ASSERT_EQ(frames, CPaint::kPotCount + 3);
    PressStart();
    ASSERT_TRUE(RunUntil(Presenting));
    std::vector<int> named;
    while (p.Phase() == Presenting) {
        const unsigned before = p.StepIndex();
        Run(10);
        if (p.StepIndex() == before || p.Phase() != Presenting) continue;
        const int pot = p.Sequence()[before];
        named.push_back(pot);
        EXPECT_EQ(Played(L"paint\\colors\\color" + std::to_wstring(pot) + L".wav"), 1u) << pot;
        EXPECT_EQ(p.VisualCue().GetFrame(), pot);
        Run(100);
        for (int i = 0; i < CPaint::kPotCount; ++i) EXPECT_EQ(p.Pot(i).GetFrame(), 0);
    }
    EXPECT_EQ(named, p.Sequence());
    EXPECT_EQ(p.VisualCue().GetFrame(), frames - 3);
}

TEST_F(PaintTest, EverySolvedSequencePaintsOneMorePart) {
    P().roundsPerDay = 20;
    P().level = L"3";  // two solved sequences a step, turning backward at 6 on the way
    CPaint& p = Start();
    const CSprite& picture = p.PictureOfTheDay();
    // A failed trial paints nothing.
    StartAndPresent();
    int wrong = 0;
    while (wrong == p.Sequence()[0]) ++wrong;
    PressItem(wrong);
    ASSERT_TRUE(RunUntil(WaitStart));
    EXPECT_FALSE(picture.visible);
    for (int solved = 1; solved <= 12; ++solved) {
        StartAndPresent();
        AnswerRight();
        // The last pot lights; a second later the picture gains its part, then the praise.
        ASSERT_EQ(p.Phase(), CPaint::kPainting) << solved;
        Run(980);
        EXPECT_EQ(p.Phase(), CPaint::kPainting);
        Run(40);
        EXPECT_EQ(p.Phase(), Correct);
        EXPECT_TRUE(picture.visible);
        EXPECT_EQ(picture.GetFrame(), (solved - 1) % 10) << solved;
        ASSERT_TRUE(RunUntil(WaitStart));
    }
    EXPECT_EQ(p.SessionCoins(), 12);
}

TEST_F(PaintTest, SolvingAtForwardSixTurnsBackwardWithFourPots) {
    for (const wchar_t* level : {L"1", L"2"}) {
        SCOPED_TRACE(testing::Message() << "level " << (level[0] == L'1' ? 1 : 2));
        P().level = level;
        P().span[kPaint] = 7;  // span 6 forward, two rows
        CPaint& p = Start();
        const size_t announced = Played(L"paint\\instructionr.wav");
        ASSERT_EQ(p.Span(), 6);
        ASSERT_EQ(p.VisibleCount(), 8);
        for (int i = 0; i < 3; ++i) SolveTrial();
        EXPECT_EQ(p.Direction(), 1);
        EXPECT_EQ(p.Span(), level[0] == L'1' ? 2 : 3);
        EXPECT_EQ(p.VisibleCount(), 4);
        for (int i = 0; i < CPaint::kPotCount; ++i) EXPECT_EQ(p.Pot(i).visible, i < 4 ? 1 : 0);
        for (int item : p.Sequence()) EXPECT_LT(item, 4);
        EXPECT_EQ(Played(L"paint\\instructionr.wav"), announced);
        // The new direction is announced, and the sequence is answered in reverse.
        const std::vector<int> shown = p.Sequence();
        StartAndPresent();
        EXPECT_EQ(Played(L"paint\\instructionr.wav"), announced + 1);
        EXPECT_EQ(p.Sequence(), std::vector<int>(shown.rbegin(), shown.rend()));
        AnswerRight();
        EXPECT_EQ(p.Phase(), CPaint::kPainting);
        Leave();
        EXPECT_EQ(P().direction[kPaint], 1);
        P().direction[kPaint] = 0;
        P().dayProgress[kPaint] = 0;
    }
}

TEST_F(PaintTest, TheClownComesToLifeAtTheEnd) {
    P().roundsPerDay = 1;
    CPaint& p = Start();
    EXPECT_EQ(p.RewardIsDue(), 0);
    p.SetupRound();
    ASSERT_EQ(p.Phase(), Payout);
    EXPECT_TRUE(p.Clown().visible);
    EXPECT_EQ(Played(L"sfx\\end\\paint.wav"), 1u);
    Run(3000);
    EXPECT_EQ(p.Clown().GetFrame(), p.Clown().FrameCount() - 1);
    EXPECT_TRUE(p.Clown().IsAnimationStopped());
}

}  // namespace
