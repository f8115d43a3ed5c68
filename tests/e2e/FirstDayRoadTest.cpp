// A new trainee's first training day on the real frame, headless, as the trainee would go:
// splash, login, new trainee with a name and a password, login again, password, menu,
// Cans played to its end, back in the menu, leaving the day, login; then the files.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "exercises/Cans.h"
#include "screens/EnterPassword.h"
#include "screens/Login.h"
#include "screens/Menu.h"
#include "screens/NewProfile.h"
#include "screens/RoadFixture.h"

namespace {

class Road : public RoadTest {
protected:
    // Plays Cans through the frame until it leaves: the start button, then each trial's
    // cans in the order seen lit (reversed when the trial is backward).
    void PlayCans() {
        std::vector<int> lit;
        std::array<bool, CCans::kCanCount> wasLit{};
        for (int pass = 0; pass < 200000 && H().ScreenId() == kCans; ++pass) {
            CCans& cans = As<CCans>();
            if (cans.Phase() == WaitStart) {
                H().RunFor(450);  // past the press gate
                if (H().ScreenId() != kCans || As<CCans>().Phase() != WaitStart) continue;
                lit.clear();
                ++trials;
                ClickOn(As<CCans>().StartButton());
                continue;
            }
            if (cans.Phase() == Answering && !lit.empty()) {
                std::vector<int> answer = lit;
                if (cans.Direction() == 1) std::reverse(answer.begin(), answer.end());
                // What was seen is what the exercise expects.
                ASSERT_EQ(answer, cans.Sequence());
                for (int item : answer) {
                    H().RunFor(450);
                    const CSprite& can = As<CCans>().Can(item);
                    H().Click(static_cast<int>(can.x) + 60, static_cast<int>(can.y) + 67);
                }
                lit.clear();
                continue;
            }
            H().Pass();
            if (H().ScreenId() != kCans) break;
            for (int i = 0; i < CCans::kCanCount; ++i) {
                const bool now = !As<CCans>().Can(i).IsAnimationStopped();
                if (now && !wasLit[static_cast<size_t>(i)] && As<CCans>().Phase() == Presenting) lit.push_back(i);
                wasLit[static_cast<size_t>(i)] = now;
            }
        }
    }
    int trials = 0;
};

TEST_F(Road, ANewTraineesFirstDay) {
    // The splash hands over to the login, which has nobody yet.
    H().RunFor(8300);
    ASSERT_EQ(H().ScreenId(), kLogin);
    EXPECT_EQ(As<CLogin>().EntryCount(), 0);
    EXPECT_FALSE(Os().TextInputOn());  // typed text is taken only while a field has the keys

    // A new trainee: Tab enters the name field; a press moves to the password field.
    ClickOn(As<CLogin>().TextButton(1));
    ASSERT_EQ(H().ScreenId(), kNewProfile);
    EXPECT_FALSE(Os().TextInputOn());
    H().Key(platform::VK_TAB);
    EXPECT_TRUE(Os().TextInputOn());
    Type(L"Mia");
    const ui::TextField* password = As<CNewProfile>().PasswordField();
    H().Click(password->X() + 10, password->Y() + 10);
    Type(L"Ek5");
    ClickOn(As<CNewProfile>().Choice(CNewProfile::kWeeks3));
    ClickOn(As<CNewProfile>().CreateButton());
    ASSERT_TRUE(Os().Errors().empty());
    ASSERT_EQ(H().ScreenId(), kLogin);
    EXPECT_FALSE(Os().TextInputOn());

    // The login lists her and has her selected.
    ASSERT_EQ(As<CLogin>().EntryCount(), 1);
    EXPECT_EQ(As<CLogin>().EntryName(0), L"Mia");
    EXPECT_EQ(P().name, L"Mia");
    ClickOn(As<CLogin>().TextButton(0));
    ASSERT_EQ(H().ScreenId(), kEnterPassword);
    H().Key(platform::VK_TAB);
    Type(L"ek5");  // wrong case first
    ClickOn(As<CEnterPassword>().OkButton());
    ASSERT_EQ(H().ScreenId(), kEnterPassword);
    As<CEnterPassword>().Field()->SetText(L"");
    H().Click(As<CEnterPassword>().Field()->X() + 5, As<CEnterPassword>().Field()->Y() + 5);
    Type(L"Ek5");
    ClickOn(As<CEnterPassword>().OkButton());
    ASSERT_EQ(H().ScreenId(), kMenu);
    EXPECT_FALSE(Os().TextInputOn());
    EXPECT_EQ(P().trainingDays, 15);
    EXPECT_EQ(P().dayProgress[0], 1);

    // Every exercise is due on day 1; Cans is played to its end.
    for (int g = 1; g <= 9; ++g) EXPECT_TRUE(As<CMenu>().Playable(g)) << g;
    EXPECT_FALSE(As<CMenu>().BagShown());
    ClickOn(As<CMenu>().GameButton(1));
    ASSERT_EQ(H().ScreenId(), kCans);
    PlayCans();
    ASSERT_EQ(H().ScreenId(), kMenu);
    EXPECT_EQ(trials, 8);  // eight rounds, each solved at the first try

    // The menu shows Cans done for today and the rest still due.
    CMenu& menu = As<CMenu>();
    EXPECT_FALSE(menu.Playable(1));
    EXPECT_EQ(menu.Look(1), 1);
    EXPECT_TRUE(menu.Playable(2));
    EXPECT_EQ(P().dayProgress[1], 1);
    EXPECT_EQ(P().coins, 8);
    H().RunPasses(2);
    EXPECT_EQ(menu.GameButton(1).GetFrame(), 1);
    Shot("menu-after-cans.png");

    // Leaving the day with exercises still due asks; Yes goes back to the login.
    Os().QueueAnswer(true);
    H().Key(platform::VK_ESCAPE);
    EXPECT_EQ(Os().Questions().size(), 1u);
    ASSERT_EQ(H().ScreenId(), kLogin);

    // The files hold the day, the coins and the statistics.
    Profile saved;
    saved.folder = root.ProfileFolder();
    saved.name = L"Mia";
    saved.Load(true, true, true);
    EXPECT_EQ(saved.password, L"Ek5");
    EXPECT_EQ(saved.trainingDays, 15);
    EXPECT_EQ(saved.dayProgress[0], 1);
    for (int g = 1; g <= 9; ++g) EXPECT_EQ(saved.dayProgress[static_cast<size_t>(g)], 1) << g;
    EXPECT_EQ(saved.dayDates[1], Profile::TodayText());
    EXPECT_EQ(saved.coins, 8);
    EXPECT_GT(saved.span[kCans], 0);
    // Counted on the exercise's own day index: the days it had been completed before (0).
    int items = 0, errors = 0;
    for (int s = 0; s < ProfileStats::kSpans; ++s) {
        items += saved.stats.itemsForward[0][kCans][s] + saved.stats.itemsBackward[0][kCans][s];
        errors += saved.stats.errorsForward[0][kCans][s] + saved.stats.errorsBackward[0][kCans][s];
    }
    EXPECT_GE(items, 8 * 2);  // every round's sequence, each at least two cans long
    EXPECT_EQ(errors, 0);
    EXPECT_EQ(root.FileCount(), 3u);

    // Back at the login on the same day: the day counts as done, so the bag waits.
    ClickOn(As<CLogin>().TextButton(0));
    H().Key(platform::VK_TAB);
    Type(L"Ek5");
    ClickOn(As<CEnterPassword>().OkButton());
    ASSERT_EQ(H().ScreenId(), kMenu);
    EXPECT_EQ(P().dayProgress[0], 1);
    EXPECT_FALSE(As<CMenu>().Playable(1));
    EXPECT_FALSE(As<CMenu>().Playable(2));
    EXPECT_TRUE(As<CMenu>().BagShown());
}

}  // namespace
