// Space: which saucers are out and the order the switches visit them, answers only in the
// sequence's order, and sequences longer than the statistics count.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "exercises/ExerciseFixture.h"
#include "exercises/Space.h"

namespace {

using SpaceTest = ExerciseFixture<CSpace, kSpace>;

TEST_F(SpaceTest, SaucersOutAndTheSwitchOrderFollowLevelAndSpan) {
    const std::vector<int> six = {0, 1, 2, 3, 4, 5};
    const std::vector<int> ten = {6, 7, 0, 1, 2, 3, 4, 5, 8, 9};  // top to bottom
    struct Case {
        const wchar_t* level;
        int saved;
        int span;
        const std::vector<int>* order;
    } cases[] = {{L"1", 7, 6, &six}, {L"1", 8, 7, &ten}, {L"2", 0, 3, &ten}, {L"3", 12, 10, &ten}};
    for (const Case& c : cases) {
        P().level = c.level;
        P().span[kSpace] = c.saved;
        CSpace& s = Start();
        ASSERT_EQ(s.Span(), c.span) << c.saved;
        const size_t shown = c.order->size();
        EXPECT_EQ(s.VisibleCount(), static_cast<int>(shown));
        for (int k = 0; k < CSpace::kSaucerCount; ++k)
            EXPECT_EQ(s.Saucer(k).visible, k < static_cast<int>(shown) ? 1 : 0);
        ASSERT_EQ(s.AnswerScan().Count(), static_cast<int>(shown));
        for (size_t i = 0; i < shown; ++i)
            EXPECT_EQ(s.AnswerScan().Entry(static_cast<int>(i)), &s.Saucer((*c.order)[i]));
        // The round's saucers come from the pool of this layout: distinct and all out.
        ASSERT_FALSE(s.Pool(c.span).empty());
        for (const auto& candidate : s.Pool(c.span))
            for (int place : candidate) EXPECT_LT(place, static_cast<int>(shown));
        const std::set<int> distinct(s.Sequence().begin(), s.Sequence().end());
        EXPECT_EQ(distinct.size(), static_cast<size_t>(c.span));
        Leave();
    }
}

TEST_F(SpaceTest, OnlyTheNextSaucerIsRight) {
    P().level = L"2";
    P().span[kSpace] = 4;  // span 3
    CSpace& s = Start();
    StartAndPresent();
    const std::vector<int> seq = s.Sequence();
    // The transparent corner of the expected saucer's picture is not the saucer.
    const CSprite& first = s.Saucer(seq[0]);
    bool pressed = false;
    for (int dy = 0; dy < first.height && !pressed; dy += 2)
        for (int dx = 0; dx < first.width && !pressed; dx += 2) {
            const int x = static_cast<int>(first.x) + dx, y = static_cast<int>(first.y) + dy;
            bool onAny = false;
            for (int k = 0; k < CSpace::kSaucerCount; ++k) onAny = onAny || s.Saucer(k).HitTest(x, y);
            if (onAny) continue;
            Press(x, y);
            pressed = true;
        }
    ASSERT_TRUE(pressed);
    EXPECT_EQ(s.Phase(), Answering);
    PressItem(seq[0]);
    Run(20);
    EXPECT_EQ(s.StepIndex(), 1u);
    EXPECT_EQ(first.GetFrame(), 1);  // it flashes
    EXPECT_EQ(P().stats.itemsForward[0][kSpace][3], 1);
    // The third saucer is in the sequence, but the second is due.
    PressItem(seq[2]);
    EXPECT_EQ(s.Phase(), Wrong);
    EXPECT_FLOAT_EQ(s.ShowCorrectMarker().CentreX(), s.Saucer(seq[1]).CentreX());
    EXPECT_FLOAT_EQ(s.ShowCorrectMarker().CentreY(), s.Saucer(seq[1]).CentreY());
    EXPECT_EQ(P().stats.errorsForward[0][kSpace][3], 1);
}

TEST_F(SpaceTest, SpanTenPlaysWithoutPointsOrStatistics) {
    P().level = L"2";
    P().span[kSpace] = 11;
    CSpace& s = Start();
    ASSERT_EQ(s.Span(), 10);
    StartAndPresent();
    ASSERT_EQ(s.Sequence().size(), 10u);
    EXPECT_EQ(Played(L"ufo.wav"), 10u);
    AnswerRight();
    EXPECT_EQ(s.Phase(), Correct);
    ASSERT_TRUE(RunUntil(WaitStart));
    EXPECT_EQ(s.SessionCoins(), 1);
    int counted = 0;
    for (int span = 0; span < 10; ++span)
        counted += P().stats.itemsForward[0][kSpace][span] + P().stats.points[0][kSpace][span] +
                   P().stats.errorsForward[0][kSpace][span];
    EXPECT_EQ(counted, 0);
}

}  // namespace
