// The trainer's overview with a large profile folder: 2000 trainees with their three files
// (every tenth with a password). Times listing the rows, reading a page's files and results,
// reading every row to sort by last training, and opening the overview screen on the real
// frame (headless, shipped assets) up to its first drawn pass, on the wall clock, median of
// several runs.
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "app/Harness.h"
#include "platform/Folders.h"
#include "platform/Utf.h"
#include "profiles/Profile.h"
#include "profiles/TraineeOverview.h"
#include "screens/OverviewScreen.h"

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

}  // namespace

int main() {
    HeadlessHarness harness(L"kestrova window", platform::WideFromUtf8(KESTROVA_SOURCE_DIR "/assets"));
    Profile& p = harness.Frame().ActiveProfile();
    const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    const fs::path folder = base / "kestrova-bench-overview";
    fs::remove_all(folder);
    fs::create_directories(folder);
    p.folder = platform::WideFromUtf8(folder.string()) + L"/";
    for (int i = 0; i < 2000; ++i) {
        p.name = L"Trainee " + std::to_wstring(10000 + i);
        p.password = i % 10 == 0 ? L"pw" : L"";
        p.lastDate = L"2026-11-" + std::to_wstring(10 + i % 20);
        p.stats.ClearStats();
        for (int d = 0; d < 5; ++d) p.stats.CountItem(d, 1 + i % 9, 3 + d, false);
        p.Save(true, true, true);
    }
    p.password.clear();

    std::vector<double> listing, byName, byDate, page, open;
    for (int run = 0; run < 5; ++run) {
        const double tl = WallMs();
        if (platform::FindFiles(p.folder + L"*.pro").size() != 2000) return 1;
        listing.push_back(WallMs() - tl);
        const double t0 = WallMs();
        std::vector<profiles::TraineeRow> r = profiles::ReadTraineeRows(p.folder);
        profiles::SortTraineeRows(p.folder, r, profiles::TraineeOrder::kName);
        byName.push_back(WallMs() - t0);
        const double t1 = WallMs();
        profiles::ReadTraineeFiles(p.folder, std::span(r).first(COverviewScreen::kRowsPerPage));
        for (int i = 0; i < COverviewScreen::kRowsPerPage; ++i)
            profiles::ReadTraineeResults(p.folder, r[static_cast<size_t>(i)]);
        page.push_back(WallMs() - t1);
        const double t2 = WallMs();
        profiles::SortTraineeRows(p.folder, r, profiles::TraineeOrder::kLastTraining);
        byDate.push_back(WallMs() - t2);
        const double t3 = WallMs();
        if (!harness.Frame().SwitchTo(kOverview)) return 1;
        harness.Pass();
        open.push_back(WallMs() - t3);
    }
    std::printf(
        "overview, 2000 trainees: the folder's listing alone %.1f ms, rows listed in name order %.1f ms, a page's "
        "files and results %.1f ms, every row read and sorted by last training %.1f ms, screen open to its first "
        "pass %.1f ms (medians of 5)\n",
        Median(listing), Median(byName), Median(page), Median(byDate), Median(open));
    fs::remove_all(folder);
    return 0;
}
