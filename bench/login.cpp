// Opening the login on the real frame (headless backend, shipped assets) with a large profile
// folder: 2000 trainees with their three files (and every tenth with a small picture), then
// thirty trainees with 4096 x 4096 pictures. Times the switch to the login (listing, entries,
// the first page's pictures, the first drawn pass) on the wall clock, median of several runs,
// turning a page, opening it again, and the peak memory of the process.
#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/Harness.h"
#include "graphics/Graphics.h"
#include "platform/Utf.h"
#include "profiles/Profile.h"
#include "screens/Login.h"

namespace {

namespace fs = std::filesystem;

double WallMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

long PeakMiB() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024;
}

// A folder for the run, in memory where the system has one, so writing the trainees is quick.
fs::path RunFolder(const char* name) {
    const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    const fs::path folder = base / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

void Measure(HeadlessHarness& harness, const char* what, int runs) {
    std::vector<double> open, turn;
    for (int i = 0; i < runs; ++i) {
        const double t0 = WallMs();
        if (!harness.Frame().SwitchTo(kLogin)) return;
        harness.Pass();
        open.push_back(WallMs() - t0);
        auto* login = static_cast<CLogin*>(harness.Screen());
        const CSprite& next = login->NextPage();
        const double t1 = WallMs();
        harness.Click(static_cast<int>(next.CentreX()), static_cast<int>(next.CentreY()));
        harness.Drain();
        turn.push_back(WallMs() - t1);
    }
    auto* login = static_cast<CLogin*>(harness.Screen());
    // The first opening decodes the pictures of the first page (the first page turn those of
    // the second); later openings find them decoded.
    std::printf(
        "%-36s %4d trainees: first open %8.2f ms, first page turn %8.2f ms, reopen %6.2f ms (median of %d), "
        "page turn %6.2f ms, peak %ld MiB\n",
        what, login->EntryCount(), open[0], turn[0], Median({open.begin() + 1, open.end()}), runs - 1,
        Median({turn.begin() + 1, turn.end()}), PeakMiB());
}

}  // namespace

int main() {
    HeadlessHarness harness(L"kestrova window", platform::WideFromUtf8(KESTROVA_SOURCE_DIR "/assets"));
    Profile& p = harness.Frame().ActiveProfile();

    const fs::path many = RunFolder("kestrova-bench-login-many");
    p.folder = platform::WideFromUtf8(many.string()) + L"/";
    Bitmap small(64, 64);
    std::fill(small.Pixels(), small.Pixels() + 64 * 64, 0xFF80A0C0u);
    for (int i = 0; i < 2000; ++i) {
        p.name = L"Trainee " + std::to_wstring(10000 + i);
        p.Save(true, true, true);
        if (i % 10 == 0) small.SavePng(p.folder + p.name + L".png");
    }
    Measure(harness, "2000 trainees, 200 pictures", 5);

    const fs::path big = RunFolder("kestrova-bench-login-big");
    p.folder = platform::WideFromUtf8(big.string()) + L"/";
    Bitmap picture(4096, 4096);
    uint32_t* px = picture.Pixels();
    for (int y = 0; y < 4096; ++y)
        for (int x = 0; x < 4096; ++x)
            px[static_cast<size_t>(y) * 4096 + static_cast<size_t>(x)] = 0xFF000000u |
                                                                         static_cast<uint32_t>((x / 16) & 0xFF) << 16 |
                                                                         static_cast<uint32_t>((y / 16) & 0xFF) << 8;
    const std::wstring first = p.folder + L"Picture 00.png";
    picture.SavePng(first);
    std::printf("picture file: %.1f MiB\n", static_cast<double>(fs::file_size(big / "Picture 00.png")) / (1 << 20));
    for (int i = 0; i < 30; ++i) {
        wchar_t name[32];
        std::swprintf(name, 32, L"Picture %02d", i);
        p.name = name;
        p.Save(true, true, true);
        if (i > 0) fs::copy_file(big / "Picture 00.png", big / (platform::Utf8FromWide(p.name) + ".png"));
    }
    Measure(harness, "30 trainees with 4096x4096 pictures", 3);

    fs::remove_all(many);
    fs::remove_all(big);
    return 0;
}
