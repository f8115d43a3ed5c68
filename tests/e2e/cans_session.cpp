// A whole Cans session on the real frame (headless, shipped assets): a level-1 trainee plays
// eight rounds with solved, failed and timed-out trials, once with the mouse and once with
// the two switches (Space steps, Enter selects). Afterwards the coins, the statistics, the
// exercise's day, span and direction and the files on disk are as the rules say, and the
// frame is back on the menu.
#include "TestPaths.h"
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "app/Harness.h"
#include "exercises/Cans.h"
#include "profiles/Profile.h"
#include "profiles/ProfileTestUtil.h"

namespace {

enum class Input { Mouse, Switches };

class CansSession : public ::testing::TestWithParam<Input> {
protected:
    void SetUp() override {
        harness = std::make_unique<HeadlessHarness>(L"kestrova window", platform::WideFromUtf8(testpaths::AssetDir()));
        Profile& p = P();
        p.folder = folder.Folder();
        p.name = L"Tester";
        p.level = L"1";
        p.roundsPerDay = 8;
        p.coins = 7;
        p.options.o7 = 0;  // two contacts
        ASSERT_TRUE(harness->Frame().SwitchTo(kCans));
    }

    Profile& P() { return harness->Frame().ActiveProfile(); }
    CCans& C() { return *static_cast<CCans*>(harness->Screen()); }

    bool RunUntil(ExercisePhase phase, uint32_t limitMs = 120000) {
        const uint32_t start = harness->Os().TimeGetTime();
        while (harness->ScreenId() == kCans && C().Phase() != phase) {
            if (harness->Os().TimeGetTime() - start > limitMs || !harness->Pass()) return false;
        }
        return harness->ScreenId() == kCans;
    }

    // Lets the press gate open again.
    void Settle() { harness->RunFor(410); }

    void StartTrial() {
        ASSERT_TRUE(RunUntil(WaitStart));
        Settle();
        if (GetParam() == Input::Mouse) {
            const CSprite& s = C().StartButton();
            harness->Click(static_cast<int>(s.x) + 20, static_cast<int>(s.y) + 20);
        } else {
            harness->Key(13);
        }
        ASSERT_NE(C().Phase(), WaitStart);
        ASSERT_TRUE(RunUntil(Answering));
    }

    void Pick(int can) {
        Settle();
        if (GetParam() == Input::Mouse) {
            const CSprite& c = C().Can(can);
            harness->Click(static_cast<int>(c.x) + 60, static_cast<int>(c.y) + 67);
            return;
        }
        const ScanList& scan = C().AnswerScan();
        for (int i = 0; i < 10 && scan.Entry(scan.Current()) != &C().Can(can); ++i) harness->Key(32);
        ASSERT_EQ(scan.Entry(scan.Current()), &C().Can(can));
        harness->Key(13);
    }

    // The trial's answer: all right, `right` items then a wrong can, or nothing at all.
    void Solve() {
        const std::vector<int> seq = C().Sequence();
        for (int item : seq) Pick(item);
        EXPECT_EQ(C().Phase(), Correct);
    }
    void FailAfter(unsigned right) {
        const std::vector<int> seq = C().Sequence();
        for (unsigned i = 0; i < right; ++i) Pick(seq[i]);
        int wrong = -1;
        // A can not yet picked (picked ones have left the switch list) and not the expected one.
        for (int i = 0; i < CCans::kCanCount && wrong < 0; ++i)
            if (C().Can(i).visible && std::find(seq.begin(), seq.begin() + right + 1, i) == seq.begin() + right + 1)
                wrong = i;
        ASSERT_GE(wrong, 0);
        Pick(wrong);
        EXPECT_EQ(C().Phase(), Wrong);
    }
    void TimeOut() {
        harness->RunFor(40100);
        EXPECT_EQ(C().Phase(), Wrong);
    }

    ProfileFolder folder;
    std::unique_ptr<HeadlessHarness> harness;
};

TEST_P(CansSession, WholeSession) {
    const std::vector<int> spans = {2, 2, 2, 3, 3, 2, 2, 3};
    for (int round = 1; round <= 8; ++round) {
        StartTrial();
        ASSERT_EQ(C().Round(), round);
        ASSERT_EQ(C().Span(), spans[static_cast<size_t>(round - 1)]) << "round " << round;
        switch (round) {
            case 4: FailAfter(1); break;  // one item right, then a wrong can
            case 5: TimeOut(); break;     // second failure in a row: back to span 2
            case 8: FailAfter(0); break;
            default: Solve(); break;  // three in a row reach span 3; after the drop two do
        }
    }
    // Payout, the bag, and back to the menu.
    const uint32_t start = harness->Os().TimeGetTime();
    while (harness->ScreenId() == kCans && harness->Os().TimeGetTime() - start < 60000) harness->Pass();
    ASSERT_EQ(harness->ScreenId(), kMenu);

    const Profile& p = P();
    EXPECT_EQ(p.coins, 7 + 5);
    const auto& s = p.stats;
    EXPECT_EQ(s.itemsForward[0][kCans][2], 10);
    EXPECT_EQ(s.points[0][kCans][2], 20);
    EXPECT_EQ(s.errorsForward[0][kCans][2], 0);
    EXPECT_EQ(s.itemsForward[0][kCans][3], 1);
    EXPECT_EQ(s.points[0][kCans][3], 3);
    EXPECT_EQ(s.errorsForward[0][kCans][3], 3);
    EXPECT_EQ(s.itemsBackward[0][kCans][2] + s.itemsBackward[0][kCans][3], 0);
    EXPECT_EQ(p.dayProgress[kCans], 1);
    EXPECT_EQ(p.span[kCans], 3);
    EXPECT_EQ(p.direction[kCans], 0);

    // The files on disk say the same.
    ASSERT_TRUE(folder.Has("Tester.pro"));
    ASSERT_TRUE(folder.Has("Tester.sta"));
    Profile disk;
    disk.folder = folder.Folder();
    disk.name = L"Tester";
    disk.Load(true, false, true);
    EXPECT_EQ(disk.coins, 12);
    EXPECT_EQ(disk.dayProgress[kCans], 1);
    EXPECT_EQ(disk.span[kCans], 3);
    EXPECT_EQ(disk.direction[kCans], 0);
    EXPECT_EQ(disk.stats.itemsForward[0][kCans][2], 10);
    EXPECT_EQ(disk.stats.points[0][kCans][2], 20);
    EXPECT_EQ(disk.stats.itemsForward[0][kCans][3], 1);
    EXPECT_EQ(disk.stats.errorsForward[0][kCans][3], 3);
    for (int g = 2; g <= 9; ++g) EXPECT_EQ(disk.dayProgress[static_cast<size_t>(g)], 0);
}

INSTANTIATE_TEST_SUITE_P(Inputs, CansSession, ::testing::Values(Input::Mouse, Input::Switches),
                         [](const ::testing::TestParamInfo<Input>& info) {
                             return info.param == Input::Mouse ? std::string("Mouse") : std::string("SpaceAndEnter");
                         });

}  // namespace
