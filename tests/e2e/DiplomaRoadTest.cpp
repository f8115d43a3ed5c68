// From a finished day to the diploma: the menu shows the reward bag, the bag leads to the
// diploma, one sticker is bought with the mouse and one with the switch keys only, each for
// its price, and after leaving the trainee's files hold the coins and both placements.
#include <gtest/gtest.h>

#include "platform/Platform.h"
#include "profiles/DiplomaPlacements.h"
#include "screens/Diploma.h"
#include "screens/Menu.h"
#include "screens/RoadFixture.h"

namespace {

class DiplomaRoad : public RoadTest {};

TEST_F(DiplomaRoad, FinishedDayBagDiplomaTwoStickersFilesOnDisk) {
    AddTrainee(L"Ada", [](Profile& p) {
        p.coins = 50;
        p.level = L"2";
        for (int g = 2; g <= 9; ++g) p.options.SetExerciseOn(g, 0);
        p.dayProgress[0] = 8;
        p.dayProgress[kCans] = 8;  // the day's only exercise is done
    });
    P().folder = root.ProfileFolder();
    P().name = L"Ada";
    P().Load(true, true, true);
    Go(kMenu);
    CMenu& menu = As<CMenu>();
    ASSERT_TRUE(menu.BagShown());
    ClickOn(menu.Bag());
    H().Drain();
    ASSERT_EQ(H().ScreenId(), kDiploma);

    CDiploma& d = As<CDiploma>();
    ASSERT_EQ(d.Design(), 1);  // day 8 is in the second week
    const int price = d.Price();
    EXPECT_EQ(price, 19);
    // With the mouse.
    ClickOn(d.Sticker(0));
    ClickOn(d.Page());
    EXPECT_EQ(P().coins, 50 - price);
    // With the switches: Space to the next sticker on the shelf, Enter, Space to the page, Enter.
    H().Key(platform::VK_SPACE);
    const CSprite* chosen = d.Scan().Entry(d.Scan().Current());
    ASSERT_NE(chosen, nullptr);
    ASSERT_FALSE(chosen->user[CDiploma::kPlaced]);
    H().Key(platform::VK_RETURN);
    H().Key(platform::VK_SPACE);
    H().Key(platform::VK_RETURN);
    EXPECT_TRUE(chosen->user[CDiploma::kPlaced]);
    EXPECT_EQ(P().coins, 50 - 2 * price);
    H().Key(platform::VK_ESCAPE);
    H().Drain();
    ASSERT_EQ(H().ScreenId(), kMenu);

    Profile disk;
    disk.folder = root.ProfileFolder();
    disk.name = L"Ada";
    disk.Load(true, false, false);
    EXPECT_EQ(disk.coins, 50 - 2 * price);
    EXPECT_EQ(disk.rewardDate, Profile::TodayText());
    EXPECT_EQ(profiles::ReadPlacements(disk.FilePath(L".1dp")).size(), 2u);
    // The bag has been used today.
    EXPECT_FALSE(As<CMenu>().BagShown());
}

}  // namespace
