#pragma once
// The whole session a level-1 trainee plays in an exercise that runs forward only (Paris
// wheel, The pond, Space): eight rounds with solved, failed and timed-out trials, picking the
// items where they stand at that moment, with the mouse or with the two switches. Afterwards
// the coins, the statistics cells, the exercise's day, span and direction and the files on
// disk are as the rules say, and the frame is back on the menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "exercises/SessionFixture.h"

template <class Exercise, int kScreen>
class ForwardSession : public ExerciseSession<Exercise, kScreen> {
protected:
    using Base = ExerciseSession<Exercise, kScreen>;
    void SetUp() override {
        Base::SetUp();
        Base::Begin();
    }

    // A shown item that is not the one due after `right` picks, and that a press on it (at its
    // hit area's or its picture's centre) cannot take for the due one, however they overlap.
    int WrongItem(unsigned right) {
        const CSprite* due = this->E().AnswerItem(this->E().Sequence()[right]);
        for (int i = 0; i < 10; ++i) {
            const CSprite* s = this->E().AnswerItem(i);
            if (!s || !s->visible || s == due) continue;
            int x = 0, y = 0;
            HitCentre(*s, x, y);
            if (due->HitTest(x, y) || due->HitTest(static_cast<int>(s->CentreX()), static_cast<int>(s->CentreY())))
                continue;
            return i;
        }
        return -1;
    }

    void PlayAndCheck() {
        const std::vector<int> spans = {2, 2, 2, 3, 3, 2, 2, 3};
        for (int round = 1; round <= 8; ++round) {
            this->StartTrial();
            ASSERT_EQ(this->E().Round(), round);
            ASSERT_EQ(this->E().Span(), spans[static_cast<size_t>(round - 1)]) << "round " << round;
            switch (round) {
                case 4: this->FailAfter(1, WrongItem(1)); break;  // one right, then a wrong item
                case 5: this->TimeOut(); break;                   // a second failure: back to span 2
                case 8: this->FailAfter(0, WrongItem(0)); break;
                default: this->Solve(); break;  // three in a row reach span 3; after the drop two do
            }
        }
        ASSERT_TRUE(this->FinishSession());

        const Profile& p = this->P();
        EXPECT_EQ(p.coins, 7 + 5);
        const auto& s = p.stats;
        EXPECT_EQ(s.itemsForward[0][kScreen][2], 10);
        EXPECT_EQ(s.points[0][kScreen][2], 20);
        EXPECT_EQ(s.errorsForward[0][kScreen][2], 0);
        EXPECT_EQ(s.itemsForward[0][kScreen][3], 1);
        EXPECT_EQ(s.points[0][kScreen][3], 3);
        EXPECT_EQ(s.errorsForward[0][kScreen][3], 3);
        EXPECT_EQ(s.itemsBackward[0][kScreen][2] + s.itemsBackward[0][kScreen][3], 0);
        EXPECT_EQ(p.dayProgress[kScreen], 1);
        EXPECT_EQ(p.span[kScreen], 3);
        EXPECT_EQ(p.direction[kScreen], 0);

        ASSERT_TRUE(this->folder.Has("Tester.pro"));
        ASSERT_TRUE(this->folder.Has("Tester.sta"));
        Profile disk;
        this->LoadFromDisk(disk);
        EXPECT_EQ(disk.coins, 12);
        EXPECT_EQ(disk.span[kScreen], 3);
        EXPECT_EQ(disk.direction[kScreen], 0);
        EXPECT_EQ(disk.stats.itemsForward[0][kScreen][2], 10);
        EXPECT_EQ(disk.stats.points[0][kScreen][2], 20);
        EXPECT_EQ(disk.stats.itemsForward[0][kScreen][3], 1);
        EXPECT_EQ(disk.stats.errorsForward[0][kScreen][3], 3);
        for (int g = 1; g <= 9; ++g)
            EXPECT_EQ(disk.dayProgress[static_cast<size_t>(g)], g == kScreen ? 1 : 0) << "exercise " << g;
    }
};
