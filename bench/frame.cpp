// Frame cost: a typical exercise frame (an 800 x 600 cached background, 30 alpha sprites of
// about 120 x 120, 5 of them scaled, 1 rotated, 10 text labels, 5 outlines) drawn into the
// back buffer. Prints
//   - milliseconds per rasterized frame (median, 95th percentile, share of a 10 ms frame),
//   - CPU per loop pass of the real frame for a still screen and for an animated one,
//   - the cost of presenting on the desktop backend (when a display is available),
// and writes the scene as a PNG (first argument, default frame.png).
#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/Harness.h"
#include "graphics/Graphics.h"
#include "graphics/Sprite.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "platform/Utf.h"
#include "platform/desktop/DesktopBackend.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double WallMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double Percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<size_t>(p * (v.size() - 1) + 0.5))];
}

// The scene as an exercise screen holds it.
class BenchScreen final : public CPlainScreen {
public:
    explicit BenchScreen(bool animate) : animate_(animate) {}

    int Init(Graphics* back, Graphics* window, Bitmap* buffer, Profile* p) override {
        CGameBase::Init(back, window, buffer, p);
        background_.LoadImage(L"gfx\\thepond\\background.png", back, 1, 0);
        const wchar_t* patterns[] = {L"gfx\\pariswheel\\moon*.png", L"gfx\\thepond\\shell*.png",
                                     L"gfx\\space\\uforight*.png"};
        std::vector<std::wstring> files;
        for (const wchar_t* pattern : patterns) {
            auto found = platform::FindFiles(pattern);
            const std::wstring pat = pattern;
            const std::wstring folder = pat.substr(0, pat.rfind(L'\\') + 1);
            for (const auto& f : found) files.push_back(folder + f.name);
        }
        for (int i = 0; i < 30; ++i) {
            CSprite& s = sprites_[i];
            if (!files.empty()) s.LoadImage(files[static_cast<size_t>(i) % files.size()], back, 0, 0);
            s.SetPosition(static_cast<float>(20 + (i % 6) * 128), static_cast<float>(20 + (i / 6) * 112));
            if (i < 5) s.SetSize(s.width * 0.8f, s.height * 0.8f);  // scaled
            if (i == 5) s.SetAngle(30);
            if (i >= 6 && i < 11) {
                s.SetOutlineColor(0xFFFFD700u);
                s.outlineMargin = 6;
            }
            if (animate_ && i >= 11)
                s.SetVelocity(static_cast<float>((i % 3) - 1) * 7, static_cast<float>((i % 2) * 2 - 1) * 5);
        }
        // On the still screen the rotated sprite turns too slowly to change its angle.
        sprites_[5].SetSpin(animate_ ? 90.0f : 1e-7f);
        for (int i = 0; i < 10; ++i) {
            CSprite& l = labels_[i];
            l.LoadImage(L"gfx\\thepond\\shell0.png", back, 0, 0);
            l.visible = 0;
            if (i < 4) {
                l.SetLabel(L"Label " + std::to_wstring(i + 1), 18);
                l.SetTextPosition(static_cast<float>(30 + i * 190), 572);
            } else {
                l.SetFont(i == 4 ? 32.0f : 22.0f, i == 4 ? FontStyleBold : FontStyleRegular);
                l.SetTextColor(0xFFFFFFFFu);
                if (i == 4) {
                    l.SetText(L"Remember the order!");
                    l.CentreTextIn(800);
                    l.SetTextPosition(l.textBox.x, 8);
                } else {
                    l.SetNumber(100 * i + 7);
                    l.SetTextPosition(static_cast<float>(40 + (i - 5) * 150), 530);
                }
            }
        }
        return 1;
    }
    int Update() override {
        background_.Update();
        for (auto& s : sprites_) s.Update();
        for (auto& l : labels_) l.Update();
        return nextScreen;
    }
    int Draw() override {
        background_.Draw();
        for (int i = 0; i < 30; ++i) sprites_[i].Draw();
        for (int i = 6; i < 11; ++i) sprites_[i].DrawOutline(0);
        for (int i = 0; i < 10; ++i) {
            if (i < 4) labels_[i].DrawTextBox();
            labels_[i].DrawText();
        }
        Present();
        return 1;
    }
    void Turn(float degrees) { sprites_[5].spinAngle = std::fmod(sprites_[5].spinAngle + degrees, 360.0f); }

private:
    bool animate_;
    CSprite background_;
    CSprite sprites_[30];
    CSprite labels_[10];
};

std::wstring AssetFolder() { return platform::WideFromUtf8(std::string(KESTROVA_SOURCE_DIR) + "/assets"); }

// Rasterizing a frame whose content changes every time (the rotated sprite turns).
void MeasureRaster(const std::string& pngPath) {
    HeadlessHarness h(L"kestrova window fullfps", AssetFolder());
    auto screen = std::make_unique<BenchScreen>(false);
    BenchScreen* s = screen.get();
    h.Frame().Adopt(std::move(screen), kMenu);
    h.Pass();
    std::vector<double> ms;
    for (int i = 0; i < 600; ++i) {
        s->Turn(1);
        const double t0 = WallMs();
        s->Draw();
        ms.push_back(WallMs() - t0);
    }
    const double median = Percentile(ms, 0.5), p95 = Percentile(ms, 0.95);
    std::printf("frame (record + rasterize)   median %6.3f ms   p95 %6.3f ms   share of 10 ms frame %5.1f %%\n", median,
                p95, median * 10.0);
    const bool saved = h.SaveCanvas(platform::WideFromUtf8(pngPath));
    std::printf("scene written to %s%s\n", pngPath.c_str(), saved ? "" : " (FAILED)");
}

// CPU per pass of the real frame (fullfps: no sleeping), still or animated.
void MeasurePasses(bool animate) {
    HeadlessHarness h(L"kestrova window fullfps", AssetFolder());
    h.Frame().Adopt(std::make_unique<BenchScreen>(animate), kMenu);
    h.RunPasses(10);
    const int passes = animate ? 1000 : 20000;
    const int presentsBefore = h.Os().PresentCount();
    const double c0 = CpuMs();
    h.RunPasses(passes);
    const double cpu = CpuMs() - c0;
    std::printf("%-28s CPU per pass %8.4f ms   (%d of %d passes presented)\n",
                animate ? "animated screen" : "still screen", cpu / passes, h.Os().PresentCount() - presentsBefore,
                passes);
}

// Presenting the back buffer on the desktop backend (real SDL window).
void MeasurePresent() {
    if (!std::getenv("DISPLAY")) {
        std::printf("present (desktop backend)    skipped: no DISPLAY\n");
        return;
    }
    std::wstring error;
    auto backend = platform::CreateDesktopBackend(error);
    if (!backend) {
        std::printf("present (desktop backend)    skipped: %s\n", platform::Utf8FromWide(error).c_str());
        return;
    }
    platform::Backend* b = backend.get();
    platform::InstallBackend(std::move(backend));
    platform::DisplayOptions options;
    options.windowed = true;
    options.title = L"frame bench";
    if (!b->OpenDisplay(options)) {
        std::printf("present (desktop backend)    skipped: window could not open\n");
        platform::InstallBackend(nullptr);
        return;
    }
    Bitmap back(platform::kCanvasWidth, platform::kCanvasHeight);
    std::vector<double> ms;
    for (int i = 0; i < 300; ++i) {
        std::fill(back.Pixels(), back.Pixels() + 800 * 600, 0xFF000000u | static_cast<uint32_t>(i * 0x010203));
        platform::InputEvent e;
        while (b->PollEvent(e)) {
        }
        const double t0 = WallMs();
        b->Present(back.Pixels(), back.StrideBytes());
        ms.push_back(WallMs() - t0);
    }
    std::printf("present (desktop backend)    median %6.3f ms   p95 %6.3f ms   (%s, full screen %s)\n",
                Percentile(ms, 0.5), Percentile(ms, 0.95), std::getenv("DISPLAY"), b->IsFullScreen() ? "yes" : "no");
    b->CloseDisplay();
    platform::InstallBackend(nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string png = argc > 1 ? argv[1] : "frame.png";
    MeasureRaster(png);
    MeasurePasses(false);
    MeasurePasses(true);
    MeasurePresent();
    return 0;
}
