// A whole number test on the real frame, headless, as a trainee takes it: from the login's
// number-test button, the forward part clicked on the keypad, the backward part typed, both
// trials of backward span 3 failed; the result shown, then back to the login. The digits are
// spoken in the order of their list, and the trainee's files are left as they were.
#include <gtest/gtest.h>

#include "exercises/NumberSpanTest.h"
#include "profiles/NumberTestResults.h"
#include "screens/Login.h"
#include "screens/RoadFixture.h"

namespace {

using NumberTestRoad = RoadTest;

TEST_F(NumberTestRoad, FromTheLoginBackToTheLoginWithTheLevel) {
    AddTrainee(L"Ada");
    const std::string proBefore = root.Read("Ada.pro"), staBefore = root.Read("Ada.sta");
    Go(kLogin);
    ClickOn(As<CLogin>().TextButton(2));
    ASSERT_EQ(H().ScreenId(), kNumberTest);

    const auto& log = Os().Sound().Log();
    int trials = 0;
    while (H().ScreenId() == kNumberTest && !As<CNumberTest>().Score().finished && trials < 30) {
        for (int i = 0; i < 20000 && As<CNumberTest>().Phase() != WaitStart; ++i) H().Pass();
        H().RunFor(450);
        CNumberTest& test = As<CNumberTest>();
        const std::vector<int> listed = test.Sequence();
        const size_t logStart = log.size();
        ClickOn(test.StartButton());
        for (int i = 0; i < 20000 && test.Phase() != Answering; ++i) H().Pass();
        ASSERT_EQ(test.Phase(), Answering);
        ++trials;

        std::vector<int> spoken;
        for (size_t i = logStart; i < log.size(); ++i) {
            const size_t at = log[i].find(L"\\numbers\\");
            if (log[i].rfind(L"play ", 0) == 0 && at != std::wstring::npos) spoken.push_back(log[i][at + 9] - L'0');
        }
        EXPECT_EQ(spoken, listed) << "trial " << trials;

        const bool backward = test.Score().direction == 1;
        const std::vector<int> answer = test.Sequence();
        if (backward) {
            EXPECT_EQ(answer, std::vector<int>(listed.rbegin(), listed.rend()));
        }
        if (backward && test.Score().span == 3) {
            H().RunFor(450);
            H().Key('0' + (answer[0] % 9) + 1);  // not the digit asked for
            EXPECT_EQ(test.Phase(), Wrong);
            continue;
        }
        for (int d : answer) {
            H().RunFor(450);
            if (backward)
                H().Key('0' + d);
            else
                ClickOn(test.Digit(d));
        }
        EXPECT_EQ(test.Phase(), Correct);
    }
    // Forward spans 2..5, the backward practice and backward span 3: twelve trials.
    EXPECT_EQ(trials, 12);
    ASSERT_EQ(H().ScreenId(), kNumberTest);
    CNumberTest& test = As<CNumberTest>();
    EXPECT_EQ(test.Score().Total(), 8);
    for (int i = 0; i < 20000 && test.Phase() != Leaving; ++i) H().Pass();
    EXPECT_EQ(test.ResultText(), L"Your level is 3.");
    Shot("numbertest_result.png");
    H().RunFor(5500);
    EXPECT_EQ(H().ScreenId(), kNumberTest);
    H().RunFor(1000);
    EXPECT_EQ(H().ScreenId(), kLogin);
    EXPECT_EQ(root.Read("Ada.pro"), proBefore);
    EXPECT_EQ(root.Read("Ada.sta"), staBefore);
    // The result is kept for the trainer.
    const auto kept = profiles::LoadNumberTests(root.ProfileFolder(), L"Ada");
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].level, 3);
    EXPECT_EQ(kept[0].score, 8);
}

}  // namespace
