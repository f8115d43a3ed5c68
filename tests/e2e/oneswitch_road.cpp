// A one-switch trainee's road on the real frame, by Enter alone: the login steps once the
// switch is first used, the menu and Treasure step by themselves every 3 s; a sequence of
// four over nine coins is solved by a slow trainee, which takes longer than 40 s, without a
// time-out.
#include <gtest/gtest.h>

#include "exercises/Treasure.h"
#include "screens/Login.h"
#include "screens/Menu.h"
#include "screens/RoadFixture.h"

namespace {

class OneSwitchRoad : public RoadTest {
protected:
    // Waits, pass by pass, until the screen's switch list rests on target, then presses Enter.
    void EnterOn(const ScanList& list, const CSprite* target, uint32_t limitMs = 60000) {
        for (uint32_t t = 0; t < limitMs && list.Entry(list.Current()) != target; t += 10) H().RunFor(10);
        ASSERT_EQ(list.Entry(list.Current()), target);
        H().Key(platform::VK_RETURN);
    }
};

TEST_F(OneSwitchRoad, LoginTreasureAndASequenceOfFourAtThreeSeconds) {
    AddTrainee(L"Ola", [](Profile& p) {
        p.level = L"2";         // nine coins
        p.span[kTreasure] = 5;  // a sequence of four
        p.options.o7 = 1;
        p.options.o19 = 3;
    });
    Go(kLogin);
    H().Key(platform::VK_RETURN);  // the login steps once a switch is used
    EnterOn(As<CLogin>().AnswerScan(), &As<CLogin>().TextButton(0));
    ASSERT_EQ(H().ScreenId(), kMenu);
    EnterOn(As<CMenu>().AnswerScan(), &As<CMenu>().GameButton(kTreasure));
    ASSERT_EQ(H().ScreenId(), kTreasure);
    CTreasure* t = &As<CTreasure>();
    EXPECT_EQ(t->AnswerScan().Interval(), 3000);
    EnterOn(t->StartScan(), &t->StartButton());
    for (uint32_t ms = 0; ms < 60000 && t->Phase() != Answering; ms += 10) H().RunFor(10);
    ASSERT_EQ(t->Phase(), Answering);
    ASSERT_EQ(t->Sequence().size(), 4u);
    ASSERT_EQ(t->AnswerScan().Count(), 9);
    const std::vector<int> sequence = t->Sequence();
    const uint32_t turn = Os().TimeGetTime();
    const ScanList& scan = t->AnswerScan();
    for (int coin : sequence) {
        // The trainee lets the pointer take at least four steps before a pick, then picks the
        // coin when it next comes: 4 to 12 steps a coin, 16 to 48 for the four, so the answer
        // takes 45 s at least and stays within the time one round a coin allows.
        int steps = 0;
        int last = scan.Current();
        for (uint32_t ms = 0; ms < 60000 && (steps < 4 || scan.Entry(scan.Current()) != &t->Coin(coin)); ms += 10) {
            H().RunFor(10);
            if (scan.Current() != last) ++steps;
            last = scan.Current();
        }
        ASSERT_EQ(t->Phase(), Answering) << "timed out before coin " << coin;
        ASSERT_EQ(scan.Entry(scan.Current()), &t->Coin(coin));
        H().Key(platform::VK_RETURN);
    }
    EXPECT_GT(Os().TimeGetTime() - turn, 40000u);
    EXPECT_EQ(t->Phase(), Correct);
    int items = 0;
    for (int s = 0; s < ProfileStats::kSpans; ++s)
        items += P().stats.itemsForward[0][kTreasure][s] + P().stats.itemsBackward[0][kTreasure][s];
    EXPECT_EQ(items, 4);
    H().RunPasses(2);
    Shot("oneswitch-treasure-solved.png");
}

}  // namespace
