// Zoo: how many animals are out by level and span, the extra animals beside the sequence,
// the pace of the presentation, presses on empty places and the reward's flight.
#include <gtest/gtest.h>

#include <set>

#include "exercises/ExerciseFixture.h"
#include "exercises/Zoo.h"

namespace {

using ZooTest = ExerciseFixture<CZoo, kZoo>;

std::set<int> Out(const CZoo& z) {
    std::set<int> out;
    for (int i = 0; i < CZoo::kAnimalCount; ++i)
        if (z.Animal(i).visible) out.insert(i);
    return out;
}

struct ZooStart {
    const wchar_t* level;
    int savedSpan;
    int span;
    int visible;
};

TEST_F(ZooTest, AnimalsOutByLevelAndSpan) {
    const ZooStart cases[] = {{L"1", 0, 2, 6}, {L"2", 0, 3, 8},    {L"3", 0, 3, 10}, {L"1", 8, 7, 8},
                              {L"1", 7, 6, 6}, {L"1", 11, 10, 10}, {L"2", 10, 9, 10}};
    for (const ZooStart& c : cases) {
        SCOPED_TRACE(testing::Message() << "level " << c.level << " saved span " << c.savedSpan);
        P().level = c.level;
        P().span[kZoo] = c.savedSpan;
        CZoo& z = Start();
        EXPECT_EQ(z.Span(), c.span);
        EXPECT_EQ(z.VisibleCount(), c.visible);
        const std::set<int> out = Out(z);
        EXPECT_EQ(out.size(), static_cast<size_t>(c.visible));
        for (int item : z.Sequence()) EXPECT_TRUE(out.count(item));
        EXPECT_EQ(std::set<int>(z.Sequence().begin(), z.Sequence().end()).size(), z.Sequence().size());
        // The switch list holds the animals that are out, in number order.
        ASSERT_EQ(z.AnswerScan().Count(), c.visible);
        auto it = out.begin();
        for (int i = 0; i < c.visible; ++i, ++it) EXPECT_EQ(z.AnswerScan().Entry(i), &z.Animal(*it));
        Leave();
    }
}

TEST_F(ZooTest, ExtraAnimalsAreChosenAtRandom) {
    P().span[kZoo] = 4;  // level 1, span 3: three of the sequence and three others
    P().roundsPerDay = 40;
    CZoo& z = Start();
    ASSERT_EQ(z.Span(), 3);
    std::set<std::set<int>> extras;
    for (int r = 0; r < 30; ++r) {
        std::set<int> out = Out(z);
        ASSERT_EQ(out.size(), 6u);
        for (int item : z.Sequence()) out.erase(item);
        ASSERT_EQ(out.size(), 3u);
        extras.insert(out);
        Run(7);
        z.SetupRound();
    }
    EXPECT_GT(extras.size(), 10u);
}

TEST_F(ZooTest, EachCallIsHeardOutBeforeTheTraineesTurn) {
    P().span[kZoo] = 4;
    CZoo& z = Start();
    PressStart();
    ASSERT_TRUE(RunUntil(Presenting));
    const size_t n = z.Sequence().size();
    std::vector<uint32_t> shown;
    uint32_t answering = 0;
    for (int t = 0; t < 30000 && !answering; ++t) {
        const unsigned before = z.StepIndex();
        Run(1, 1);
        if (z.StepIndex() != before && z.Phase() == Presenting) shown.push_back(Os().TimeGetTime());
        if (z.Phase() == Answering) answering = Os().TimeGetTime();
    }
    ASSERT_EQ(shown.size(), n);
    for (size_t i = 1; i < n; ++i) EXPECT_NEAR(shown[i] - shown[i - 1], 1401.0, 1.0);
    const unsigned call = z.CallLength(z.Sequence().back());
    EXPECT_GT(call, 0u);
    EXPECT_NEAR(answering - shown.back(), call + 1801.0, 1.0);
    EXPECT_EQ(Played(L"sfx\\zoo\\"), n);
    // The moving animal runs its frames once and comes back to rest.
    EXPECT_EQ(z.Animal(z.Sequence()[0]).GetFrame(), 0);
    EXPECT_TRUE(z.Animal(z.Sequence()[0]).IsAnimationStopped());
}

TEST_F(ZooTest, APressWhereAHiddenAnimalStandsDoesNothing) {
    P().level = L"1";  // six of ten out
    CZoo& z = Start();
    StartAndPresent();
    int presses = 0;
    for (int i = 0; i < CZoo::kAnimalCount; ++i) {
        const CSprite& hidden = z.Animal(i);
        if (hidden.visible) continue;
        int x = 0, y = 0;
        HitCentre(hidden, x, y);
        bool onAnother = false;
        for (int j = 0; j < CZoo::kAnimalCount; ++j) onAnother |= z.Animal(j).visible && z.Animal(j).HitTest(x, y);
        if (onAnother) continue;
        Press(x, y);
        ++presses;
    }
    ASSERT_GT(presses, 0);
    EXPECT_EQ(z.Phase(), Answering);
    EXPECT_EQ(z.StepIndex(), 0u);
    EXPECT_EQ(Played(L"wrong.wav"), 0u);
    AnswerRight();
    EXPECT_EQ(z.Phase(), Correct);
}

TEST_F(ZooTest, RunsForwardWhateverTheFileSays) {
    P().direction[kZoo] = 1;
    P().span[kZoo] = 5;
    CZoo& z = Start();
    EXPECT_EQ(z.Direction(), 0);
    const std::vector<int> shown = z.Sequence();
    StartAndPresent();
    EXPECT_EQ(z.Sequence(), shown);
    EXPECT_EQ(Played(L"zoo\\instructionf.wav"), 1u);
}

TEST_F(ZooTest, WithTheSoundOptionOffTheCallsAreSilentButKeepTheirTime) {
    P().options.o0 = 0;
    CZoo& z = Start();
    StartAndPresent();
    EXPECT_EQ(Played(L"sfx\\zoo\\"), 0u);
    EXPECT_GT(z.CallLength(z.Sequence().back()), 0u);
}

TEST_F(ZooTest, TheBirdFliesInFromTheLeftTheBeeFromTheRight) {
    P().options.o5 = 1;
    P().dayProgress[kCans] = 7;  // a reward in about three sessions of four
    std::set<float> starts;
    for (int tries = 0; tries < 60 && starts.size() < 2; ++tries) {
        P().dayProgress[kZoo] = 0;
        CZoo& z = Start();
        if (z.RewardIsDue()) {
            const float x0 = z.RewardSprite().x;
            starts.insert(x0);
            EXPECT_FLOAT_EQ(z.RewardSprite().y, 350);
            EXPECT_FALSE(z.RewardSprite().visible);
            for (int r = 0; r < 8; ++r) z.SetupRound();  // the session ends
            ASSERT_EQ(z.Phase(), Payout);
            Run(2000);
            const float moved = z.RewardSprite().x - x0;
            EXPECT_NEAR(moved, x0 < 0 ? 450.0f : -450.0f, 5.0f);
            EXPECT_TRUE(z.RewardSprite().visible);
            EXPECT_FLOAT_EQ(z.RewardSprite().y, 350);
            EXPECT_FALSE(z.HelpButton().visible);
        }
        Leave();
    }
    EXPECT_EQ(starts, (std::set<float>{-100, 805}));
}

}  // namespace
