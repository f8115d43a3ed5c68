// The trainer's overview on the real frame, headless: reached from the login only, its pages
// and orders, the report printed and saved, the group's table saved, and nothing written to
// the trainees' files; the frame's rule for screen numbers around it.
#include <gtest/gtest.h>

#include "platform/headless/HeadlessBackend.h"
#include "profiles/ProfileTestUtil.h"
#include "screens/Login.h"
#include "screens/OverviewScreen.h"
#include "screens/RoadFixture.h"

namespace {

class OverviewRoad : public RoadTest {
protected:
    void SetUp() override {
        RoadTest::SetUp();
        // Thirteen trainees: a page of twelve and one more. Trainee 05 trained last.
        for (int i = 1; i <= 13; ++i) {
            AddTrainee(L"Trainee " + std::wstring(i < 10 ? L"0" : L"") + std::to_wstring(i), [i](Profile& p) {
                p.lastDate = i == 5 ? L"2026-12-07" : L"2026-11-0" + std::to_wstring(i % 9 + 1);
                p.stats.CountItem(0, 1, 2 + i % 5, false);
                if (i == 13) p.password = L"pw";
            });
        }
    }
    COverviewScreen& Overview() { return As<COverviewScreen>(); }
};

TEST_F(OverviewRoad, FromTheLoginThroughPagesAndOrdersReadOnly) {
    const size_t files = root.FileCount();
    Go(kLogin);
    ClickOn(As<CLogin>().OverviewButton());
    ASSERT_EQ(H().ScreenId(), kOverview);
    ASSERT_EQ(Overview().Rows().size(), 13u);
    EXPECT_EQ(Overview().Rows()[0].name, L"Trainee 01");
    EXPECT_EQ(Overview().Rows()[0].exercises[1].firstLongest, 3);
    Shot("overview.png");
    // The second page holds the thirteenth; its files are read when it is shown.
    EXPECT_FALSE(Overview().Rows()[12].filesRead);
    ClickOn(Overview().NextPage());
    EXPECT_EQ(Overview().Page(), 1);
    EXPECT_TRUE(Overview().Rows()[12].locked);
    ClickOn(Overview().NextPage());
    EXPECT_EQ(Overview().Page(), 1);
    // By last training: the newest first.
    ClickOn(Overview().DateHeading());
    EXPECT_EQ(Overview().Order(), profiles::TraineeOrder::kLastTraining);
    EXPECT_EQ(Overview().Page(), 0);
    EXPECT_EQ(Overview().Rows()[0].name, L"Trainee 05");
    // Switch access reaches the headings, the rows and the buttons.
    H().Key(platform::VK_SPACE);
    H().Key(platform::VK_RETURN);
    EXPECT_EQ(Overview().Order(), profiles::TraineeOrder::kName);
    H().Key(platform::VK_ESCAPE);
    EXPECT_EQ(H().ScreenId(), kLogin);
    // F2 opens it as well.
    H().Key(113);
    EXPECT_EQ(H().ScreenId(), kOverview);
    EXPECT_EQ(root.FileCount(), files);
}

TEST_F(OverviewRoad, ReportPrintedAndSavedAndTheGroupTableSaved) {
    Go(kOverview);
    // Nothing selected: the report asks for a trainee first.
    ClickOn(Overview().PrintButton());
    EXPECT_TRUE(Os().PrintedDocuments().empty());
    EXPECT_EQ(Overview().StatusText(), L"Choose a trainee first.");
    ClickOn(Overview().Row(1));
    EXPECT_EQ(Overview().Selected(), 1);
    // A server that keeps the print waiting holds neither the screen nor the trainer: a second
    // press is told the first is on its way, and the outcome shows once it is known.
    Os().HoldPrints(true);
    ClickOn(Overview().PrintButton());
    ASSERT_EQ(Os().PrintedDocuments().size(), 1u);
    EXPECT_EQ(Os().PrintedDocuments()[0].documentName, L"Progress report Trainee 02");
    EXPECT_EQ(Os().PrintedDocuments()[0].pdf.compare(0, 5, "%PDF-"), 0);
    EXPECT_EQ(Overview().StatusText(), L"");
    ClickOn(Overview().DateHeading());
    EXPECT_EQ(Overview().Order(), profiles::TraineeOrder::kLastTraining);
    ClickOn(Overview().PrintButton());
    EXPECT_EQ(Overview().StatusText(), L"A print is still on its way to the printer.");
    EXPECT_EQ(Os().PrintedDocuments().size(), 1u);
    Os().HoldPrints(false);
    EXPECT_TRUE(RunUntil(H(), [&] { return Overview().StatusText() == L"The report was sent to the printer."; }));
    ClickOn(Overview().NameHeading());

    // The trainer leaves while a print is on its way: its outcome is told on the login.
    Os().HoldPrints(true);
    ClickOn(Overview().PrintButton());
    ASSERT_EQ(Os().PrintedDocuments().size(), 2u);
    H().Key(platform::VK_ESCAPE);
    H().RunPasses(2);
    ASSERT_EQ(H().ScreenId(), kLogin);
    EXPECT_EQ(H().Screen()->LateOutcome(), L"");
    Os().HoldPrints(false);
    EXPECT_TRUE(RunUntil(H(), [&] { return H().Screen()->LateOutcome() == L"The report was sent to the printer."; }));
    Go(kOverview);
    ClickOn(Overview().Row(1));

    ProfileFolder out;
    Os().QueueSaveFile(platform::WideFromUtf8(out.File("report")));
    ClickOn(Overview().SaveButton());
    EXPECT_EQ(out.Get("report.pdf").compare(0, 5, "%PDF-"), 0);
    Os().QueueSaveFile(platform::WideFromUtf8(out.File("group")));
    ClickOn(Overview().TableButton());
    const std::string csv = out.Get("group.csv");
    EXPECT_NE(csv.find("Trainee 13,yes"), std::string::npos);
    EXPECT_NE(csv.find("Trainee 02,,1,25,0,2026-11-03,Cans,0,1,4"), std::string::npos) << csv;
    EXPECT_EQ(Overview().StatusText(), L"Saved.");

    // A locked trainee's report is not made.
    ClickOn(Overview().NextPage());
    ClickOn(Overview().Row(0));
    ClickOn(Overview().PrintButton());
    EXPECT_EQ(Os().PrintedDocuments().size(), 2u);
}

TEST_F(OverviewRoad, ALockedTraineeOpensWithItsPasswordForThisVisitOnly) {
    const size_t files = root.FileCount();
    Go(kOverview);
    ClickOn(Overview().NextPage());
    EXPECT_EQ(Overview().PasswordField(), nullptr);
    ClickOn(Overview().Row(0));  // Trainee 13, locked
    ASSERT_NE(Overview().PasswordField(), nullptr);
    EXPECT_TRUE(Overview().PasswordField()->Focused());
    const ScanList& scan = Overview().AnswerScan();
    bool scanned = false;
    for (int i = 0; i < scan.Count(); ++i) scanned = scanned || scan.Entry(i) == &Overview().UnlockButton();
    EXPECT_TRUE(scanned);

    Type(L"PW");  // wrong case
    H().Key(platform::VK_RETURN);
    EXPECT_TRUE(Overview().Rows()[12].locked);
    EXPECT_EQ(Overview().StatusText(), L"That password is not right. Please try again.");
    ClickOn(Overview().PrintButton());
    EXPECT_TRUE(Os().PrintedDocuments().empty());

    Overview().PasswordField()->SetText(L"pw");
    ClickOn(Overview().UnlockButton());
    EXPECT_EQ(Overview().PasswordField(), nullptr);
    ASSERT_FALSE(Overview().Rows()[12].locked);
    EXPECT_EQ(Overview().Rows()[12].exercises[1].firstLongest, 5);
    Shot("overview_opened.png");
    ClickOn(Overview().PrintButton());
    ASSERT_EQ(Os().PrintedDocuments().size(), 1u);
    EXPECT_EQ(Os().PrintedDocuments()[0].documentName, L"Progress report Trainee 13");

    // The next visit finds the trainee locked again, and nothing was written.
    H().Key(platform::VK_ESCAPE);
    Go(kOverview);
    ClickOn(Overview().NextPage());
    EXPECT_TRUE(Overview().Rows()[12].locked);
    EXPECT_EQ(root.FileCount(), files);
}

// A screen that asks for one screen number at its first pass.
class AskingScreen final : public CPlainScreen {
public:
    explicit AskingScreen(int asked) : asked_(asked) {}
    int Update() override { return asked_; }
    int Draw() override { return 1; }

private:
    int asked_;
};

TEST_F(OverviewRoad, ScreenNumbersAroundTheOverview) {
    // The overview opens from the login only; the number test leads to the login only; 20
    // and numbers that name no screen end the program.
    struct Case {
        int from;
        int asked;
        int reached;  // -1: the program ends
    };
    for (const Case c : {Case{kMenu, kOverview, kLogin}, Case{kNumberTest, kOverview, kLogin},
                         Case{kNumberTest, kMenu, kLogin}, Case{kLogin, kOverview, kOverview},
                         Case{kLogin, kQuitProgram, -1}, Case{kLogin, 22, -1}, Case{kLogin, -1, -1}}) {
        SCOPED_TRACE(std::to_string(c.from) + " asks " + std::to_string(c.asked));
        H().Frame().Adopt(std::make_unique<AskingScreen>(c.asked), c.from);
        const bool running = H().Pass();
        if (c.reached < 0) {
            EXPECT_FALSE(running);
            TearDown();
            SetUp();
        } else {
            EXPECT_EQ(H().ScreenId(), c.reached);
        }
    }
}

}  // namespace
