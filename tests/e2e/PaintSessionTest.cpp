// A whole Paint session on the real frame (headless, shipped assets): a level-1 trainee plays
// eight rounds with solved, failed and timed-out trials, once with the mouse and once with the
// two switches. Afterwards the coins, the statistics, the exercise's day, span and direction
// and the files on disk are as the rules say. After a restart the trainee's next session, on
// the next training day, paints the next picture.
#include "support/TestPaths.h"
#include <gtest/gtest.h>

#include "exercises/Paint.h"
#include "exercises/SessionFixture.h"

namespace {

class PaintSession : public ExerciseSession<CPaint, kPaint> {
protected:
    void SetUp() override {
        ExerciseSession::SetUp();
        Begin();
    }
    // A pot on show but not the one expected next (picked pots stay on show).
    void FailAfter(unsigned right) {
        ExerciseSession::FailAfter(right, (E().Sequence()[right] + 1) % E().VisibleCount());
    }
    // The last pot paints the picture's next part before the praise.
    void Paint() {
        const std::vector<int> seq = E().Sequence();
        for (int item : seq) Pick(item);
        EXPECT_EQ(E().Phase(), CPaint::kPainting);
        ASSERT_TRUE(RunUntil(Correct));
    }
};

TEST_P(PaintSession, WholeSessionThenTheNextPictureAfterARestart) {
    const std::wstring firstPicture = E().PictureOfTheDay().firstFile;
    const std::vector<int> spans = {2, 2, 2, 3, 3, 2, 2, 3};
    for (int round = 1; round <= 8; ++round) {
        StartTrial();
        ASSERT_EQ(E().Round(), round);
        ASSERT_EQ(E().Span(), spans[static_cast<size_t>(round - 1)]) << "round " << round;
        ASSERT_EQ(E().VisibleCount(), 4);
        switch (round) {
            case 4: FailAfter(1); break;  // one pot right, then a wrong one
            case 5: TimeOut(); break;     // second failure in a row: back to span 2
            case 8: FailAfter(0); break;
            default: Paint(); break;
        }
    }
    // Five solved sequences painted five parts.
    EXPECT_TRUE(E().PictureOfTheDay().visible);
    EXPECT_EQ(E().PictureOfTheDay().GetFrame(), 4);
    ASSERT_TRUE(FinishSession());

    const Profile& p = P();
    EXPECT_EQ(p.coins, 7 + 5);
    EXPECT_EQ(p.dayProgress[kPaint], 1);
    EXPECT_EQ(p.span[kPaint], 3);
    EXPECT_EQ(p.direction[kPaint], 0);

    Profile disk;
    LoadFromDisk(disk);
    for (const Profile* q : {&p, static_cast<const Profile*>(&disk)}) {
        const auto& s = q->stats;
        EXPECT_EQ(s.itemsForward[0][kPaint][2], 10);
        EXPECT_EQ(s.points[0][kPaint][2], 20);
        EXPECT_EQ(s.errorsForward[0][kPaint][2], 0);
        EXPECT_EQ(s.itemsForward[0][kPaint][3], 1);
        EXPECT_EQ(s.points[0][kPaint][3], 3);
        EXPECT_EQ(s.errorsForward[0][kPaint][3], 3);
        EXPECT_EQ(s.itemsBackward[0][kPaint][2] + s.itemsBackward[0][kPaint][3], 0);
    }
    EXPECT_EQ(disk.coins, 12);
    EXPECT_EQ(disk.dayProgress[kPaint], 1);
    EXPECT_EQ(disk.span[kPaint], 3);
    EXPECT_EQ(disk.direction[kPaint], 0);
    for (int g : {1, 2, 3, 4, 5, 6, 7, 9}) EXPECT_EQ(disk.dayProgress[static_cast<size_t>(g)], 0);

    // The program ends; on the next training day the trainee logs in again and plays Paint.
    harness.reset();
    harness = std::make_unique<HeadlessHarness>(L"kestrova window", platform::WideFromUtf8(testpaths::AssetDir()));
    Profile& again = P();
    again.folder = folder.Folder();
    again.name = L"Tester";
    again.Load(true, true, true);
    again.dayProgress[0] = 1;
    Begin();
    EXPECT_NE(E().PictureOfTheDay().firstFile, firstPicture);
    EXPECT_EQ(E().Span(), 2);  // one step below where the last session ended
    StartTrial();
    Paint();
    EXPECT_EQ(E().PictureOfTheDay().GetFrame(), 0);
    EXPECT_EQ(P().stats.itemsForward[1][kPaint][2], 2);  // counted on the exercise's second day
}

INSTANTIATE_TEST_SUITE_P(Inputs, PaintSession, ::testing::Values(Input::Mouse, Input::Switches), InputName);

}  // namespace
