// Printing the canvas: the page as a PDF document, a real print server with a PDF printer
// (scripts/cups-pdf makes one the default), and printing without a destination.
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "graphics/Graphics.h"
#include "platform/Printer.h"
#include "platform/Utf.h"
#include "support/TempFolder.h"

namespace fs = std::filesystem;

namespace {

// A picture with large colour fields, thin lines and text, so that a page that is shifted,
// scaled or cut shows in the comparison.
std::unique_ptr<Bitmap> TestPicture() {
    auto picture = std::make_unique<Bitmap>(800, 600);
    Graphics g(picture.get(), DrawMode::Direct);
    g.Clear(0xFFFFFFFFu);
    g.FillRectangle(SolidBrush(0xFF0000FFu), RectF{0, 0, 200, 150});
    g.FillRectangle(SolidBrush(0xFFFF0000u), RectF{600, 0, 200, 150});
    g.FillRectangle(SolidBrush(0xFF008000u), RectF{0, 450, 200, 150});
    g.FillRectangle(SolidBrush(0xFF800080u), RectF{600, 450, 200, 150});
    g.FillRectangle(SolidBrush(0xFFFFD700u), RectF{350, 250, 100, 100});
    for (int i = 0; i < 10; ++i) g.DrawLine(Pen(0xFF000000u, 2), 220.0f + 36 * i, 160, 220.0f + 36 * i, 440);
    g.DrawString(L"Kestrova 8 x 6", Font(L"Arial", 36, FontStyleBold), RectF{250, 40, 0, 0}, StringFormat{},
                 SolidBrush(0xFF000000u));
    return picture;
}

std::string Capture(const std::string& command) {
    std::string out;
    if (FILE* p = ::popen(command.c_str(), "r")) {
        char buffer[512];
        while (size_t n = std::fread(buffer, 1, sizeof buffer, p)) out.append(buffer, n);
        ::pclose(p);
    }
    return out;
}

// Where the PDF printer puts its files: the "Out" setting of its configuration, with the
// printing user's home and name put in.
fs::path PdfFolder() {
    std::string out = "${HOME}/PDF";
    std::ifstream conf("/etc/cups/cups-pdf.conf");
    for (std::string line; std::getline(conf, line);) {
        if (line.rfind("Out ", 0) == 0) out = line.substr(4);
    }
    const passwd* user = ::getpwuid(::getuid());
    const std::string home = user ? user->pw_dir : "/root", name = user ? user->pw_name : "root";
    for (const auto& [key, value] : {std::pair<std::string, std::string>{"${HOME}", home}, {"${USER}", name}}) {
        for (size_t at; (at = out.find(key)) != std::string::npos;) out.replace(at, key.size(), value);
    }
    while (!out.empty() && (out.back() == ' ' || out.back() == '\r')) out.pop_back();
    return out;
}

}  // namespace

TEST(CanvasPdf, OnePageOfEightBySixInches) {
    const auto picture = TestPicture();
    const std::string pdf = platform::CanvasPdf(picture->Pixels(), picture->StrideBytes(), L"Åsa");
    ASSERT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_NE(pdf.find("/MediaBox [ 0 0 576 432 ]"), std::string::npos);
    EXPECT_EQ(pdf.find("/MediaBox", pdf.find("/MediaBox") + 1), std::string::npos) << "more than one page";
    EXPECT_TRUE(platform::CanvasPdf(nullptr, 3200, L"x").empty());
    EXPECT_TRUE(platform::CanvasPdf(picture->Pixels(), 100, L"x").empty());
}

TEST(CupsPrinting, PrintedPageMatchesTheCanvas) {
    const platform::CupsPrinter printer;
    if (!printer.ServerReachable()) GTEST_SKIP() << "no print server can be reached (scripts/cups-pdf starts one)";
    const std::string destination = printer.DefaultDestination();
    ASSERT_FALSE(destination.empty()) << "the print server has no default destination: run scripts/cups-pdf";
    // Never a real printer: the default must be a PDF queue.
    ASSERT_NE(Capture("lpstat -v '" + destination + "' 2>&1").find("cups-pdf:"), std::string::npos)
        << destination << " is not a PDF printer: run scripts/cups-pdf";

    const fs::path folder = PdfFolder();
    const std::string title = "KestrovaPrintTest" + std::to_string(::getpid());
    std::error_code ec;
    // The printer names its file after the job's title (with words of its own added).
    const auto printed = [&] {
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
            const std::string name = it->path().filename().string();
            if (name.rfind(title, 0) == 0 && it->path().extension() == ".pdf") return it->path();
        }
        return fs::path();
    };
    fs::path pdf;

    const auto picture = TestPicture();
    ASSERT_TRUE(printer.Print(picture->Pixels(), picture->StrideBytes(), platform::WideFromUtf8(title)));
    // The job goes through the server's filters; the file is complete once pdfinfo reads it.
    std::string info;
    for (int i = 0; i < 600; ++i) {
        if (pdf.empty()) pdf = printed();
        if (!pdf.empty()) {
            info = Capture("pdfinfo '" + pdf.string() + "' 2>/dev/null");
            if (info.find("Pages:") != std::string::npos) break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ASSERT_NE(info.find("Pages:"), std::string::npos) << "no PDF named " << title << " appeared in " << folder;
    EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Page size:       576 x 432 pts"), std::string::npos) << info;

    // Rendered at 100 dots per inch the page is 800 x 600 pixels again.
    TempFolder scratch;
    Capture("pdftoppm -r 100 -png -singlefile '" + pdf.string() + "' '" + scratch.Native("page") + "'");
    const auto page = Bitmap::FromFile(scratch.File("page.png"));
    ASSERT_TRUE(page);
    ASSERT_EQ(page->Width(), 800);
    ASSERT_EQ(page->Height(), 600);
    const auto channel = [](uint32_t c, int shift) { return static_cast<int>((c >> shift) & 0xFF); };
    double total = 0;
    // A page pixel is far when it lies outside the colours around the same place of the
    // canvas (within one pixel, as edges are resampled) by more than a small margin.
    int far = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) {
            const uint32_t v = page->PixelAt(x, y);
            for (int shift = 0; shift <= 16; shift += 8) {
                total += std::abs(channel(v, shift) - channel(picture->PixelAt(x, y), shift));
                int low = 255, high = 0;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const uint32_t c = picture->PixelAt(std::clamp(x + dx, 0, 799), std::clamp(y + dy, 0, 599));
                        low = std::min(low, channel(c, shift));
                        high = std::max(high, channel(c, shift));
                    }
                if (channel(v, shift) < low - 24 || channel(v, shift) > high + 24) {
                    ++far;
                    break;
                }
            }
        }
    const double mean = total / (800.0 * 600 * 3);
    EXPECT_LT(mean, 8.0) << "mean difference per colour channel";
    EXPECT_LT(far, 800 * 600 / 1000) << "pixels far from the canvas";
    fs::remove(pdf, ec);
}

TEST(CupsPrinting, NoDestinationPrintsNothing) {
    const fs::path folder = PdfFolder();
    std::error_code ec;
    // Only this job's files count: other printing tests may run at the same time.
    const std::string title = "KestrovaNobody" + std::to_string(::getpid());
    const auto count = [&] {
        int n = 0;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
            if (it->path().filename().string().rfind(title, 0) == 0) ++n;
        return n;
    };
    const int before = count();
    const platform::CupsPrinter nowhere("/nonexistent/kestrova-print.sock");
    EXPECT_FALSE(nowhere.ServerReachable());
    EXPECT_EQ(nowhere.DefaultDestination(), "");
    const auto picture = TestPicture();
    EXPECT_FALSE(nowhere.Print(picture->Pixels(), picture->StrideBytes(), platform::WideFromUtf8(title)));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(count(), before);
}
