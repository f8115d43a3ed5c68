// The diploma printer: which designs are drawn, overview and large view, the press gate,
// and printing and saving exactly what the canvas shows without the buttons.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "graphics/Graphics.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "platform/PrintTestUtil.h"
#include "platform/Printer.h"
#include "platform/Utf.h"
#include "profiles/DiplomaPlacements.h"
#include "screens/DiplomaPrinter.h"
#include "screens/RoadFixture.h"

namespace {

class DiplomaPrinterTest : public RoadTest {
protected:
    CDiplomaPrinter& Open(int completedDays) {
        P().folder = root.ProfileFolder();
        P().name = L"Ada";
        P().dayProgress[0] = completedDays;
        P().dayProgress[kCans] = completedDays;
        Go(kDiplomaPrinter);
        return As<CDiplomaPrinter>();
    }
    // The canvas as the screen draws it now.
    std::vector<uint32_t> Canvas() {
        H().Screen()->Draw();
        const Bitmap& b = H().Frame().BackBuffer();
        return std::vector<uint32_t>(b.Pixels(), b.Pixels() + 800 * 600);
    }
    void Press(const CSprite& s) {
        H().RunFor(410);  // past the press gate
        ClickOn(s);
    }
};

TEST_F(DiplomaPrinterTest, TheDesignsReachedAreDrawn) {
    const std::pair<int, int> cases[] = {{0, 1}, {4, 1}, {5, 2}, {14, 3}, {20, 5}, {25, 5}};
    for (auto [days, drawn] : cases) {
        CDiplomaPrinter& p = Open(days);
        for (int i = 0; i < CDiploma::kDesigns; ++i) EXPECT_EQ(p.Filled(i), i < drawn) << days << " days, design " << i;
        Go(kMenu);
    }
}

TEST_F(DiplomaPrinterTest, LargeViewAndBackWhicheverThumbnailIsPressed) {
    CDiplomaPrinter& p = Open(20);
    EXPECT_FLOAT_EQ(p.Thumbnail(2).x, 87);
    EXPECT_FLOAT_EQ(p.Thumbnail(0).x, 195);
    Press(p.Thumbnail(3));
    ASSERT_TRUE(p.Zoomed());
    EXPECT_FLOAT_EQ(p.Thumbnail(3).x, 188);
    EXPECT_FLOAT_EQ(p.Thumbnail(3).width, 424);
    EXPECT_FALSE(p.Thumbnail(0).visible);
    Press(p.Thumbnail(3));
    EXPECT_FALSE(p.Zoomed());
    EXPECT_TRUE(p.Thumbnail(0).visible);
    // Stop in the large view returns to the overview, in the overview to the settings.
    Press(p.Thumbnail(1));
    Press(p.Stop());
    EXPECT_FALSE(p.Zoomed());
    Press(p.Stop());
    H().Drain();
    EXPECT_EQ(H().ScreenId(), kSettings);
}

TEST_F(DiplomaPrinterTest, ADoubleClickActsOnce) {
    CDiplomaPrinter& p = Open(20);
    H().RunFor(410);
    ClickOn(p.Thumbnail(0));
    H().RunFor(100);
    ClickOn(p.Thumbnail(0));
    EXPECT_TRUE(p.Zoomed());
}

TEST_F(DiplomaPrinterTest, PrintsAndSavesTheCanvasWithoutItsButtons) {
    // A placed sticker shows on the printed diploma.
    ASSERT_TRUE(profiles::WritePlacements(root.ProfileFolder() + L"Ada.0dp", {{L"item02.png", 300, 200}}));
    ASSERT_TRUE(profiles::WritePlacements(root.ProfileFolder() + L"Ada.1dp", {{L"item05.png", 250, 300}}));
    CDiplomaPrinter& p = Open(7);
    H().RunPasses(2);
    Shot("diplomaprinter-overview.png");
    Press(p.Thumbnail(0));
    ASSERT_TRUE(p.Zoomed());
    const std::vector<uint32_t> withButtons = Canvas();
    Shot("diplomaprinter-large.png");

    Press(p.PrintButton());
    ASSERT_EQ(Os().PrintedPages().size(), 1u);
    const platform::PrintedPage& page = Os().PrintedPages()[0];
    EXPECT_EQ(page.documentName, L"Ada");
    ASSERT_EQ(page.pixels.size(), 800u * 600u);
    // Only the buttons' corner differs from the shown screen; there the page is white.
    size_t differ = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) {
            const size_t i = static_cast<size_t>(y) * 800 + static_cast<size_t>(x);
            if (page.pixels[i] == withButtons[i]) continue;
            ++differ;
            EXPECT_LT(x, 188) << "outside the buttons at " << x << "," << y;
            EXPECT_EQ(page.pixels[i], 0xFFFFFFFFu);
        }
    EXPECT_GT(differ, 1000u);
    // The sticker is on the page: it is not all page colour where it stands.
    EXPECT_NE(page.pixels[220 * 800 + 320], page.pixels[20 * 800 + 320]);

    // Saved as a bitmap: the same picture, pixel for pixel.
    const std::string bmp = root.Profiles().string() + "/diploma";
    Os().QueueSaveFile(platform::WideFromUtf8(bmp));
    Press(p.SaveButton());
    ASSERT_EQ(Os().SaveRequests().size(), 1u);
    EXPECT_EQ(Os().SaveRequests()[0].defaultExtension, L"bmp");
    EXPECT_EQ(Os().SaveRequests()[0].fileName, L"Ada diploma 1.bmp");  // the one shown large
    EXPECT_TRUE(Os().SaveRequests()[0].refused(root.ProfileFolder() + L"Ada.0dp"));
    std::ifstream in(bmp + ".bmp", std::ios::binary);
    const std::string file((std::istreambuf_iterator<char>(in)), {});
    ASSERT_EQ(file.size(), 54u + 800u * 600u * 3u);
    EXPECT_EQ(file.substr(0, 2), "BM");
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) {
            const size_t at = 54 + (static_cast<size_t>(599 - y) * 800 + static_cast<size_t>(x)) * 3;
            const uint32_t v = 0xFF000000u | static_cast<uint32_t>(static_cast<unsigned char>(file[at + 2])) << 16 |
                               static_cast<uint32_t>(static_cast<unsigned char>(file[at + 1])) << 8 |
                               static_cast<unsigned char>(file[at]);
            ASSERT_EQ(v, page.pixels[static_cast<size_t>(y) * 800 + static_cast<size_t>(x)]) << x << "," << y;
        }
    // A cancelled dialog saves nothing and leaves the working folder as it was.
    const std::wstring working = platform::WorkingFolder();
    Press(p.SaveButton());
    EXPECT_EQ(platform::WorkingFolder(), working);
}

// A switch user's print is the same page as the mouse's: the scan's frame around the print
// button is the screen's, never the diploma's.
TEST_F(DiplomaPrinterTest, TheSwitchFrameStaysOffThePrintedPage) {
    CDiplomaPrinter& p = Open(7);
    Press(p.Thumbnail(0));
    ASSERT_TRUE(p.Zoomed());
    Press(p.PrintButton());
    ASSERT_TRUE(RunUntil(H(), [&] { return !p.NoticeText().empty(); }));  // the next print is taken
    const ScanList& scan = p.AnswerScan();
    for (int i = 0; i < 10 && scan.Entry(scan.Current()) != &p.PrintButton(); ++i) H().Key(32);
    ASSERT_EQ(scan.Entry(scan.Current()), &p.PrintButton());
    H().RunFor(410);  // past the press gate
    H().Key(13);
    H().RunFor(410);
    ASSERT_EQ(Os().PrintedPages().size(), 2u);
    EXPECT_TRUE(Os().PrintedPages()[1].pixels == Os().PrintedPages()[0].pixels);
}

// A print server that takes the job and never answers: the screen goes on answering, and
// the outcome shows at the foot of the canvas for a few seconds once it is known. A save
// that fails (a folder that is not there) says so and leaves no file.
TEST_F(DiplomaPrinterTest, PrintingNeverHoldsTheScreenAndEveryOutcomeIsShown) {
    CDiplomaPrinter& p = Open(7);
    const std::wstring sent = P().options.GetText(174), failed = P().options.GetText(175);
    auto outcome = [&] {
        for (int i = 0; i < 400 && p.NoticeText().empty(); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            H().RunPasses(1);
        }
        return p.NoticeText();
    };
    Os().HoldPrints(true);
    Press(p.PrintButton());
    Press(p.Thumbnail(1));
    EXPECT_TRUE(p.Zoomed()) << "the screen did not answer while the print was on its way";
    EXPECT_EQ(p.NoticeText(), L"");
    Os().HoldPrints(false);
    EXPECT_EQ(outcome(), sent);
    Shot("diplomaprinter-sent.png");
    H().RunFor(ui::Notice::kShowMs + 100);
    EXPECT_EQ(p.NoticeText(), L"");
    Os().SetPrinterPresent(false);
    Press(p.PrintButton());
    EXPECT_EQ(outcome(), failed);

    // A folder that takes no files (as a read-only one, even for the superuser): said.
    Os().QueueSaveFile(L"/proc/diploma.bmp");
    Press(p.SaveButton());
    EXPECT_EQ(p.NoticeText(), P().options.GetText(176));
    const std::string there = root.Profiles().string() + "/diploma.bmp";
    Os().QueueSaveFile(platform::WideFromUtf8(there));
    Press(p.SaveButton());
    EXPECT_EQ(p.NoticeText(), P().options.GetText(177));
    EXPECT_TRUE(std::filesystem::exists(there));
}

// The large view through the real print server: one 8 x 6 inch page.
TEST_F(DiplomaPrinterTest, TheLargeViewPrintsOneEightBySixInchPage) {
    const platform::CupsPrinter printer;
    if (!printer.ServerReachable()) GTEST_SKIP() << "no print server can be reached (scripts/cups-pdf starts one)";
    ASSERT_NE(printtest::Capture("lpstat -v '" + printer.DefaultDestination() + "' 2>&1").find("cups-pdf:"),
              std::string::npos)
        << "the default destination is not a PDF printer: run scripts/cups-pdf";
    CDiplomaPrinter& p = Open(3);
    Press(p.Thumbnail(0));
    Press(p.PrintButton());
    ASSERT_EQ(Os().PrintedPages().size(), 1u);
    const std::string title = "KestrovaDiploma" + std::to_string(::getpid());
    ASSERT_TRUE(printer.Print(Os().PrintedPages()[0].pixels.data(), 800 * 4, platform::WideFromUtf8(title)));
    std::string info;
    const std::filesystem::path pdf = printtest::WaitForPdf(title, info);
    ASSERT_FALSE(pdf.empty()) << "no PDF named " << title << " appeared";
    EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Page size:       576 x 432 pts"), std::string::npos) << info;
    std::error_code ec;
    std::filesystem::remove(pdf, ec);
}

}  // namespace
