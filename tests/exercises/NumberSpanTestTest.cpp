// The number test: its course through the lists and its level, the lists as read, and the
// screen's quitting, keys and time-out.
#include <gtest/gtest.h>

#include <string>

#include "exercises/ExerciseFixture.h"
#include "exercises/NumberSpanTest.h"
#include "text/TempFolder.h"

namespace {

// Plays the outcomes ('+' solved, '-' failed) one trial after another.
NumberTestScore Played(const std::string& outcomes) {
    NumberTestScore s;
    for (char c : outcomes) s.Score(c == '+');
    return s;
}

struct Course {
    const char* outcomes;
    int span, direction, forward, backward, finished;
    const wchar_t* nextList;
};

TEST(NumberTestScore, CourseThroughTheLists) {
    const Course courses[] = {
        // Both trials failing at forward span 3 turn to the backward practice.
        {"++--", 2, 1, 2, 0, 0, L"data\\testnumbers\\bw1a.txt"},
        // One failure is not enough.
        {"++-+", 4, 0, 3, 0, 0, L"data\\testnumbers\\fw3a.txt"},
        {"++-", 3, 0, 2, 0, 0, L"data\\testnumbers\\fw2b.txt"},
        // Passing forward span 5 turns to backward span 2.
        {"++++++-+", 2, 1, 7, 0, 0, L"data\\testnumbers\\bw1a.txt"},
        // Backward span 2 never counts, whatever the answers.
        {"++++++++--", 3, 1, 8, 0, 0, L"data\\testnumbers\\bw2a.txt"},
        {"++++++++++", 3, 1, 8, 0, 0, L"data\\testnumbers\\bw2a.txt"},
        // Both failing in the backward part ends the test.
        {"++++++++++--", 4, 1, 8, 0, 1, nullptr},
        // Passing backward span 6 ends it too.
        {"++++++++"
         "++"
         "++++++-+",
         7, 1, 8, 7, 1, nullptr},
        // Failing forward at once: backward practice, then out at backward span 3.
        {"--"
         "++"
         "--",
         4, 1, 0, 0, 1, nullptr},
    };
    for (const Course& c : courses) {
        SCOPED_TRACE(c.outcomes);
        const NumberTestScore s = Played(c.outcomes);
        EXPECT_EQ(s.span, c.span);
        EXPECT_EQ(s.direction, c.direction);
        EXPECT_EQ(s.correctForward, c.forward);
        EXPECT_EQ(s.correctBackward, c.backward);
        EXPECT_EQ(s.finished, c.finished);
        if (c.nextList) {
            EXPECT_EQ(s.ListPath(), c.nextList);
        }
    }
}

TEST(NumberTestScore, LevelFromTheTotal) {
    // Every forward trial right and every backward one wrong at span 3: 8, level 3.
    EXPECT_EQ(Played("++++++++"
                     "--"
                     "--")
                  .Level(),
              3);
    const std::pair<int, int> levels[] = {{0, 1}, {3, 1}, {4, 2}, {7, 2}, {8, 3}, {18, 3}};
    for (auto [total, level] : levels) {
        NumberTestScore s;
        s.correctForward = total / 2;
        s.correctBackward = total - total / 2;
        EXPECT_EQ(s.Level(), level) << total;
    }
}

TEST(NumberTestLists, OnlyDigitsTheKeypadCanAnswer) {
    TempFolder dir;
    const std::pair<const char*, std::vector<int>> lists[] = {
        {"3\r\n7", {3, 7}},
        {"3\r\n7\r\n", {3, 7}},               // a final line break adds no 0
        {" 4\r\nx\r\n0\r\n12\r\n5", {4, 5}},  // blanks skipped; letters, 0 and 12 are no key
        {"\xEF\xBB\xBF"
         "9\n1\n",
         {9, 1}},
    };
    int n = 0;
    for (const auto& [bytes, digits] : lists) {
        const std::string name = "list" + std::to_string(n++) + ".txt";
        dir.Put(name, bytes);
        EXPECT_EQ(ReadNumberList(dir.File(name), 2), digits) << bytes;
    }
    // Without a usable list the trial still has span digits to answer.
    dir.Put("empty.txt", "\r\n\r\n");
    for (const std::wstring& path : {dir.File("missing.txt"), dir.File("empty.txt")}) {
        const std::vector<int> stand = ReadNumberList(path, 4);
        ASSERT_EQ(stand.size(), 4u);
        for (int d : stand) {
            EXPECT_GE(d, 1);
            EXPECT_LE(d, 9);
        }
    }
}

using NumberTestScreen = ExerciseFixture<CNumberTest, kNumberTest>;

TEST_F(NumberTestScreen, QuittingOnlyWhileWaitingAndAlwaysToTheLogin) {
    CNumberTest& t = Start();
    EXPECT_EQ(t.Sequence(), (std::vector<int>{3, 7}));  // fw1a.txt
    PressStart();
    Run(1200);
    ASSERT_EQ(t.Phase(), Presenting);
    Key(27);
    PressSprite(t.StopButton());
    EXPECT_TRUE(Os().Questions().empty());  // not even asked
    ASSERT_TRUE(RunUntil(Answering));
    Key('3');  // the first digit: one step, no more
    EXPECT_EQ(t.StepIndex(), 1u);
    Run(41000);  // the time-out fails the trial: the second list comes next
    ASSERT_TRUE(RunUntil(WaitStart));
    EXPECT_EQ(t.Score().trial, 1);
    EXPECT_EQ(t.Score().failures, 1);
    EXPECT_EQ(t.Sequence(), (std::vector<int>{7, 2}));  // fw1b.txt
    // A digit key while waiting does nothing.
    Key('7');
    EXPECT_EQ(t.Phase(), WaitStart);
    EXPECT_EQ(t.StepIndex(), 0u);
    // Escape asks (No: stay), then the stop button (Yes: the login).
    Os().QueueAnswer(false);
    Key(27);
    EXPECT_EQ(Os().Questions().size(), 1u);
    EXPECT_EQ(t.NextScreen(), kStayOnScreen);
    Os().QueueAnswer(true);
    PressSprite(t.StopButton());
    EXPECT_EQ(Run(10), kLogin);
}

TEST_F(NumberTestScreen, VisualFrameFollowsTheTKey) {
    CNumberTest& t = Start();
    EXPECT_FALSE(t.VisualFrame().visible);
    Key('T');
    EXPECT_EQ(P().options.o21, 1);
    EXPECT_TRUE(t.VisualFrame().visible);
    EXPECT_FALSE(t.NumberPicture().visible);  // no number yet
    PressStart();
    while (t.StepIndex() == 0) Run(10);
    EXPECT_TRUE(t.NumberPicture().visible);
    EXPECT_EQ(t.NumberPicture().GetFrame(), 3);
    Key('t');
    EXPECT_EQ(P().options.o21, 0);
    EXPECT_FALSE(t.VisualFrame().visible);
    EXPECT_FALSE(t.NumberPicture().visible);
}

TEST_F(NumberTestScreen, SolvedWithSpaceAndEnterOnly) {
    CNumberTest& t = Start();
    Key(13);  // the start button
    ASSERT_EQ(t.Phase(), Starting);
    ASSERT_TRUE(RunUntil(Answering));
    for (int d : t.Sequence()) {
        for (int i = 0; i < 9 && t.AnswerScan().Entry(t.AnswerScan().Current()) != &t.Digit(d); ++i) Key(32);
        Os().AdvanceTime(401);
        Key(13);
    }
    EXPECT_EQ(t.Phase(), Correct);
    EXPECT_EQ(t.Score().correctForward, 1);
}

class NumberTestDebug : public NumberTestScreen {
protected:
    NumberTestDebug() { commandLine = L"kestrova window debug"; }
};

TEST_F(NumberTestDebug, PlusAndMinusScoreAWholeTrial) {
    CNumberTest& t = Start();
    EXPECT_EQ(t.ScoreCaption(), L"Score: 0");
    Key(107);
    Key(107);
    EXPECT_EQ(t.ScoreCaption(), L"Score: 2");
    EXPECT_EQ(t.Score().span, 3);
    Key(109);
    EXPECT_EQ(t.Score().failures, 1);
    EXPECT_EQ(t.Phase(), WaitStart);
}

}  // namespace
