// The diploma: prices, designs by training day, buying and placing stickers with the mouse and
// with the switch keys, and what is placed surviving the screen, a log-out and a restart.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "graphics/Graphics.h"
#include "platform/Platform.h"
#include "profiles/DiplomaPlacements.h"
#include "profiles/ProfileTestUtil.h"
#include "screens/Diploma.h"
#include "screens/RoadFixture.h"

namespace {

namespace fs = std::filesystem;

TEST(DiplomaPrice, FollowsTheLevelAndWhatTheTraineeHas) {
    struct Case {
        const wchar_t* level;
        int coins;
        int price;
    } cases[] = {{L"2", 100, 19}, {L"2", 30, 15}, {L"2", 1, 1},   {L"2", 0, 1},
                 {L"1", 34, 17},  {L"1", 33, 16}, {L"3", 42, 21}, {L"3", 41, 20}};
    for (const Case& c : cases) EXPECT_EQ(CDiploma::PriceFor(c.level, c.coins), c.price) << c.level << " " << c.coins;
}

class DiplomaTest : public RoadTest {
protected:
    void Trainee(int coins, int completedDays = 3) {
        P().folder = root.ProfileFolder();
        P().name = L"Ada";
        P().level = L"1";
        P().coins = coins;
        P().dayProgress[0] = completedDays;
        P().dayProgress[kCans] = completedDays;
    }
    CDiploma& Open() {
        Go(kDiploma);
        return As<CDiploma>();
    }
    // The first sticker still on the shelf.
    int ShelfSticker(CDiploma& d) {
        for (int i = 0; i < d.StickerCount(); ++i)
            if (!d.Sticker(i).user[CDiploma::kPlaced]) return i;
        return -1;
    }
    void ClickAt(int x, int y) { H().Click(x, y); }
    int PageCentreX(CDiploma& d) { return static_cast<int>(d.Page().CentreX()); }
    size_t Played(const std::wstring& part) {
        size_t n = 0;
        for (const auto& e : Os().Sound().Log())
            if (e.rfind(L"play ", 0) == 0 && e.find(part) != std::wstring::npos) ++n;
        return n;
    }
};

TEST_F(DiplomaTest, DesignFollowsTheCompletedDays) {
    const std::pair<int, int> cases[] = {{0, 0}, {1, 0}, {5, 0}, {6, 1}, {20, 3}, {21, 4}, {25, 4}};
    for (auto [days, design] : cases) {
        Trainee(50, days);
        EXPECT_EQ(Open().Design(), design) << days << " days";
        Go(kMenu);
    }
}

TEST_F(DiplomaTest, ABoughtStickerIsPaidOnceAndMovesForFree) {
    Trainee(40);
    CDiploma& d = Open();
    EXPECT_EQ(P().rewardDate, Profile::TodayText());
    ASSERT_GT(d.StickerCount(), 1);
    const int price = d.Price();
    const int i = ShelfSticker(d);
    ClickOn(d.Sticker(i));
    ASSERT_EQ(d.Dragged(), i);
    ClickAt(PageCentreX(d), 200);
    EXPECT_EQ(d.Dragged(), -1);
    EXPECT_TRUE(d.Sticker(i).user[CDiploma::kPlaced]);
    EXPECT_EQ(P().coins, 40 - price);
    EXPECT_NEAR(d.Sticker(i).CentreY(), 200, 1);
    EXPECT_EQ(d.Bag().text, std::to_wstring(40 - price));
    // Moving it again costs nothing.
    ClickOn(d.Sticker(i));
    ClickAt(PageCentreX(d) - 50, 400);
    EXPECT_EQ(P().coins, 40 - price);
    EXPECT_NEAR(d.Sticker(i).CentreY(), 400, 1);
    // A second one, and the pointer resting on a shelf sticker shows its price.
    ClickOn(d.Sticker(ShelfSticker(d)));
    ClickAt(PageCentreX(d) + 60, 120);
    MoveTo(static_cast<int>(d.Sticker(ShelfSticker(d)).CentreX()),
           static_cast<int>(d.Sticker(ShelfSticker(d)).CentreY()));
    H().RunPasses(2);
    EXPECT_TRUE(d.Sticker(ShelfSticker(d)).hovered);
    Shot("diploma.png");
    // Dropped beside the page, a placed sticker stays where it was.
    ClickOn(d.Sticker(i));
    ClickAt(790, 400);
    EXPECT_TRUE(d.Sticker(i).user[CDiploma::kPlaced]);
    EXPECT_NEAR(d.Sticker(i).CentreY(), 400, 1);
}

TEST_F(DiplomaTest, ADropOutsideThePageWidthLeavesItUnpaidOnTheShelf) {
    Trainee(40);
    CDiploma& d = Open();
    const int i = ShelfSticker(d);
    const float shelfX = d.Sticker(i).x, shelfY = d.Sticker(i).y;
    ClickOn(d.Sticker(i));
    ClickAt(static_cast<int>(d.Page().x) - 20, 300);  // beside the page, within its height
    EXPECT_FALSE(d.Sticker(i).user[CDiploma::kPlaced]);
    EXPECT_EQ(P().coins, 40);
    EXPECT_FLOAT_EQ(d.Sticker(i).x, shelfX);
    EXPECT_FLOAT_EQ(d.Sticker(i).y, shelfY);
}

TEST_F(DiplomaTest, WithoutCoinsTheShelfAnswersWithTheWrongSound) {
    Trainee(0);
    CDiploma& d = Open();
    EXPECT_EQ(d.Price(), 1);
    ClickOn(d.Sticker(ShelfSticker(d)));
    EXPECT_EQ(d.Dragged(), -1);
    EXPECT_EQ(Played(L"wrong.wav"), 1u);
    // With no coins the switch list holds only the stop button.
    EXPECT_EQ(d.Scan().Count(), 1);
}

TEST_F(DiplomaTest, SpaceAndEnterBuyAndPlaceOnThePageGrid) {
    Trainee(40);
    CDiploma& d = Open();
    const int price = d.Price();
    H().Key(platform::VK_SPACE);  // the scan rests on the first shelf sticker
    const CSprite* first = d.Scan().Entry(d.Scan().Current());
    ASSERT_NE(first, nullptr);
    H().Key(platform::VK_RETURN);  // picks it up
    ASSERT_GE(d.Dragged(), 0);
    const CSprite& s = d.Sticker(d.Dragged());
    H().Key(platform::VK_SPACE);  // first grid place: the page's top-left cell
    H().Key(platform::VK_SPACE);  // one sticker width to the right
    H().Key(platform::VK_RETURN);
    EXPECT_EQ(d.Dragged(), -1);
    EXPECT_TRUE(s.user[CDiploma::kPlaced]);
    EXPECT_EQ(P().coins, 40 - price);
    EXPECT_NEAR(s.CentreX(), d.Page().x + s.width * 1.5f, 1.0f);
    EXPECT_NEAR(s.CentreY(), d.Page().y + s.height / 2, 1.0f);
}

TEST_F(DiplomaTest, PlacementsSurviveLeavingLoggingOutAndARestart) {
    Trainee(40, 7);  // design 1
    float x = 0, y = 0;
    {
        CDiploma& d = Open();
        ClickOn(d.Sticker(3));
        ClickAt(PageCentreX(d), 250);
        x = d.Sticker(3).x;
        y = d.Sticker(3).y;
        H().Key(platform::VK_ESCAPE);
        H().Drain();
    }
    ASSERT_EQ(H().ScreenId(), kMenu);
    ASSERT_TRUE(root.Has("Ada.1dp"));
    // A new run of the program with the trainee loaded from the files.
    harness.reset();
    harness = std::make_unique<HeadlessHarness>(commandLine, root.Assets());
    P().folder = root.ProfileFolder();
    P().name = L"Ada";
    P().Load(true, true, true);
    EXPECT_EQ(P().coins, 40 - CDiploma::PriceFor(L"1", 40));
    CDiploma& again = Open();
    ASSERT_EQ(again.Design(), 1);
    EXPECT_TRUE(again.Sticker(3).user[CDiploma::kPlaced]);
    EXPECT_FLOAT_EQ(again.Sticker(3).x, x);
    EXPECT_FLOAT_EQ(again.Sticker(3).y, y);
    int placed = 0;
    for (int i = 0; i < again.StickerCount(); ++i) placed += again.Sticker(i).user[CDiploma::kPlaced];
    EXPECT_EQ(placed, 1);
}

TEST_F(DiplomaTest, ADamagedOrForeignDiplomaFileGivesAnEmptyDiploma) {
    const std::string contents[] = {
        std::string("\x00\xff\x13garbage", 10),
        "Kestrova diploma 1\r\n../../etc/passwd,1,2\r\nitem03.png,abc,2\r\n",
        "Some other program 7\r\nitem03.png,100,100\r\n",
        "Kestrova diploma 1\n" + std::string(200000, 'x'),
    };
    for (const std::string& c : contents) {
        Trainee(40, 7);
        std::ofstream(root.Profiles() / "Ada.1dp", std::ios::binary) << c;
        CDiploma& d = Open();
        for (int i = 0; i < d.StickerCount(); ++i) EXPECT_FALSE(d.Sticker(i).user[CDiploma::kPlaced]);
        Go(kMenu);
    }
}

TEST(DiplomaPlacements, WrittenAndReadBackSkippingWhatIsNotOurs) {
    ProfileFolder folder;
    const std::wstring file = folder.Folder() + L"t.0dp";
    const std::vector<profiles::StickerPlacement> placed = {{L"item01.png", 10, 20}, {L"item07.png", 300, -5}};
    ASSERT_TRUE(profiles::WritePlacements(file, placed));
    EXPECT_EQ(profiles::ReadPlacements(file), placed);
    std::ofstream(folder.File("t.0dp"), std::ios::binary)
        << "Kestrova diploma 1\nitem01.png,10,20\nitem01.png,5,5\nsub/item02.png,1,1\nitem09.png,99999999,3\n";
    const std::vector<profiles::StickerPlacement> expected = {{L"item01.png", 10, 20}, {L"item09.png", 1600, 3}};
    EXPECT_EQ(profiles::ReadPlacements(file), expected);
    // Another trainee's diploma is never taken for this one's, whatever the letter case. Where
    // the file system takes both names for one file, the two names are one trainee, whose
    // diploma it is (and whose next save replaces it).
    const bool oneFile = std::filesystem::exists(folder.File("T.0dp"));
    EXPECT_EQ(profiles::ReadPlacements(folder.Folder() + L"T.0dp"),
              oneFile ? expected : std::vector<profiles::StickerPlacement>{});
}

// A design folder of its own with one wide sticker: gfx is linked part by part, the diploma
// folder is real.
TEST_F(DiplomaTest, AWideStickerIsShelvedAt150AndCarriedAtItsOwnSize) {
    const fs::path gfx = root.Own("gfx");
    const fs::path shipped = fs::path(testpaths::AssetDir()) / "gfx";
    fs::create_directories(gfx / "diploma" / "0");
    for (const auto& e : fs::directory_iterator(shipped))
        if (e.path().filename() != "diploma") testfiles::Link(e.path(), gfx / e.path().filename());
    for (const char* f : {"bag0.png", "coin.png"}) testfiles::Link(shipped / "diploma" / f, gfx / "diploma" / f);
    testfiles::Link(shipped / "diploma" / "0" / "background.png", gfx / "diploma" / "0" / "background.png");
    Bitmap wide(300, 100);
    ASSERT_TRUE(wide.SavePng(platform::WideFromUtf8((gfx / "diploma" / "0" / "item00.png").string())));

    Trainee(40);
    CDiploma& d = Open();
    ASSERT_EQ(d.StickerCount(), 1);
    EXPECT_FLOAT_EQ(d.Sticker(0).width, 150);
    EXPECT_FLOAT_EQ(d.Sticker(0).height, 50);
    EXPECT_FLOAT_EQ(d.Sticker(0).x, d.Page().x + d.Page().width + 5);
    ClickOn(d.Sticker(0));
    EXPECT_FLOAT_EQ(d.Sticker(0).width, 300);
    EXPECT_FLOAT_EQ(d.Sticker(0).height, 100);
}

}  // namespace
