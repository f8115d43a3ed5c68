// A saver process killed at random moments never leaves a profile file that is half old,
// half new or cut short: every file loads with one whole version of the record.
#include <algorithm>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <random>
#include <thread>

#include "platform/Files.h"
#include "platform/TempNames.h"
#include "platform/Utf.h"
#include "profiles/ProfileFile.h"
#include "profiles/ProfileTestUtil.h"
#include "profiles/SaverProcess.h"
#include "profiles/SaverValues.h"
#include "profiles/StatisticsTable.h"
#include "graphics/Graphics.h"
#include "profiles/DiplomaPlacements.h"

namespace {

enum File { kPro, kOpt, kSta };
const char* const kExtensions[] = {".pro", ".opt", ".sta"};

std::string Encode(const profiles::LineSink& lines) {
    std::string bytes = "\xEF\xBB\xBF";
    for (const auto& l : lines.Lines()) bytes += platform::Utf8FromWide(l) + "\r\n";
    return bytes;
}

// The bytes the saver writes into each file for version v.
class Versions {
public:
    const std::string& Bytes(int file, int v) {
        auto key = std::make_pair(file, v);
        auto it = cache_.find(key);
        if (it != cache_.end()) return it->second;
        p_->name = L"Eva";
        FillVersion(*p_, v);
        profiles::LineSink out;
        if (file == kPro)
            p_->WritePro(out);
        else if (file == kOpt)
            p_->options.WriteValues(out);
        else
            p_->stats.WriteTables(out);
        return cache_[key] = Encode(out);
    }

private:
    std::unique_ptr<Profile> p_ = std::make_unique<Profile>();
    std::map<std::pair<int, int>, std::string> cache_;
};

// Starts the saver; returns its pid once it is about to save, or -1.
pid_t StartSaver(const std::string& folder, int firstVersion) {
    const SaverProcess p = StartSaverTool({folder, "Eva", std::to_string(firstVersion)});
    if (p.said == 'R') return p.pid;
    if (p.pid > 0) ::waitpid(p.pid, nullptr, 0);
    return -1;
}

}  // namespace

TEST(ProfileCrash, KilledSavesLeaveWholeFiles) {
    ProfileFolder dir;
    Versions versions;
    {
        auto first = std::make_unique<Profile>();
        first->folder = dir.Folder();
        first->name = L"Eva";
        FillVersion(*first, 0);
        ASSERT_TRUE(first->Save(true, true, true));
    }
    std::random_device device;
    const unsigned seed = device();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delayMicros(0, 6000);

    int seen[3] = {0, 0, 0};
    int kills = 0, changed = 0, interrupted = 0;
    for (; kills < 210; ++kills) {
        const int next = std::max({seen[0], seen[1], seen[2]}) + 1;
        const pid_t pid = StartSaver(dir.Native() + "/", next);
        ASSERT_GT(pid, 0) << "the saver did not start";
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicros(random)));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saver stopped by itself, status " << status;
        // A kill that cut a save short leaves that writer's temporary file beside the profile
        // (the next writer clears it away); it never counts as a profile.
        const std::string mark = "-" + std::to_string(pid) + "-";
        for (const auto& e : std::filesystem::directory_iterator(dir.Native()))
            if (platform::IsTemporaryFileName(e.path().filename().string()) &&
                e.path().filename().string().find(mark) != std::string::npos) {
                ++interrupted;
                break;
            }

        auto loaded = std::make_unique<Profile>();
        loaded->folder = dir.Folder();
        loaded->name = L"Eva";
        loaded->Load(true, true, true);
        const int now[3] = {loaded->coins, static_cast<int>(loaded->options.o20), loaded->stats.itemsForward[0][0][0]};
        bool any = false;
        for (int f = kPro; f <= kSta; ++f) {
            ASSERT_TRUE(now[f] == seen[f] || now[f] >= next)
                << kExtensions[f] << " went from version " << seen[f] << " to " << now[f] << " (seed " << seed << ")";
            ASSERT_EQ(dir.Get("Eva" + std::string(kExtensions[f])), versions.Bytes(f, now[f]))
                << kExtensions[f] << " is not whole version " << now[f] << " after kill " << kills << " (seed " << seed
                << ")";
            any = any || now[f] != seen[f];
            seen[f] = now[f];
        }
        if (any) ++changed;
    }
    auto lister = std::make_unique<Profile>();
    lister->folder = dir.Folder();
    EXPECT_EQ(lister->ProfileNames(), std::vector<std::wstring>{L"Eva"});

    EXPECT_GE(kills, 200);
    EXPECT_GT(changed, 0);
    EXPECT_GT(interrupted, 0) << "no kill landed inside a save";
    std::printf("[ profile crash ] %d kills, %d with new content, %d saves cut short (seed %u)\n", kills, changed,
                interrupted, seed);
}

namespace {

// Starts the saver in a mode at version next, kills it after a random moment, and returns
// false when it did not start or ended by itself.
bool StartAndKill(const std::vector<std::string>& args, std::mt19937& random, int maxMicros = 8000) {
    SaverProcess p = StartSaverTool(args);
    if (p.said != 'R') {
        KillSaver(p);
        return false;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<int>(0, maxMicros)(random)));
    return KillSaver(p);
}

std::string ExercisePro(int v) {
    auto p = std::make_unique<Profile>();
    p->name = L"Eva";
    FillVersion(*p, v);
    ++p->dayProgress[1];
    profiles::LineSink out;
    p->WritePro(out);
    return Encode(out);
}

}  // namespace

// Leaving an exercise killed at any moment: both files are whole, and the profile never
// counts a session whose statistics are not on disk.
TEST(ProfileCrash, KilledExercisesKeepTheDayAndItsStatisticsTogether) {
    ProfileFolder dir;
    Versions versions;
    const std::string folder = dir.Native() + "/";
    std::mt19937 random(std::random_device{}());
    int last = 0, kills = 0;
    {
        auto first = std::make_unique<Profile>();
        first->folder = dir.Folder();
        first->name = L"Eva";
        FillVersion(*first, 0);
        ASSERT_TRUE(first->FinishExercise(1, 0, 0));
    }
    for (; kills < 120; ++kills) {
        // On a slow machine (sanitizers, a busy CI) every kill may land before the first save
        // is done; the kills then wait longer, so some land after it too.
        const int maxMicros = last == 0 ? 8000 << std::min(kills / 20, 5) : 8000;
        ASSERT_TRUE(StartAndKill({"exercise", folder, "Eva", std::to_string(last + 1)}, random, maxMicros));
        auto loaded = std::make_unique<Profile>();
        loaded->folder = dir.Folder();
        loaded->name = L"Eva";
        loaded->Load(true, false, true);
        const int pro = loaded->coins, sta = loaded->stats.itemsForward[0][0][0];
        ASSERT_EQ(dir.Get("Eva.pro"), ExercisePro(pro)) << "kill " << kills;
        ASSERT_EQ(dir.Get("Eva.sta"), versions.Bytes(kSta, sta)) << "kill " << kills;
        // A saver killed between the files leaves the statistics one session ahead; the next
        // saver's session follows that one.
        ASSERT_LE(pro, sta) << "the profile counts a session whose statistics are missing, kill " << kills;
        last = sta;
    }
    EXPECT_GT(last, 0);
}

// Stickers, options, the statistics table and picture and a diploma bitmap, killed while
// being saved: each file is absent or one whole version.
TEST(ProfileCrash, KilledSavesOfStickersOptionsAndPicturesLeaveWholeFiles) {
    ProfileFolder dir;
    Versions versions;
    const std::string folder = dir.Native() + "/";
    std::mt19937 random(std::random_device{}());
    int last = 0, kills = 0;
    auto p = std::make_unique<Profile>();
    p->name = L"Eva";
    for (; kills < 100; ++kills) {
        ASSERT_TRUE(StartAndKill({"files", folder, "Eva", std::to_string(last + 1)}, random));
        if (dir.Has("Eva.0dp")) {
            const auto placed = profiles::ReadPlacements(dir.Folder() + L"Eva.0dp");
            ASSERT_EQ(placed.size(), 1u) << "kill " << kills;
            last = std::max(last, VersionOfPlacement(placed[0]));
        }
        if (dir.Has("Eva.opt")) {
            auto loaded = std::make_unique<Profile>();
            loaded->folder = dir.Folder();
            loaded->name = L"Eva";
            loaded->Load(false, true, false);
            ASSERT_EQ(dir.Get("Eva.opt"), versions.Bytes(kOpt, static_cast<int>(loaded->options.o20)));
        }
        if (dir.Has("Eva-table.csv")) {
            const std::string table = dir.Get("Eva-table.csv");
            const size_t at = table.find(",v");
            ASSERT_NE(at, std::string::npos);
            FillVersion(*p, std::atoi(table.c_str() + at + 2));
            ASSERT_EQ(table, StatisticsCsv(*p)) << "kill " << kills;
        }
        if (dir.Has("Eva-chart.png")) {
            const auto chart = Bitmap::FromFile(dir.Folder() + L"Eva-chart.png");
            ASSERT_TRUE(chart && chart->Width() == 800 && chart->Height() == 600) << "kill " << kills;
            ASSERT_EQ(chart->PixelAt(0, 0), chart->PixelAt(799, 599));
        }
        if (dir.Has("Eva-diploma.bmp")) {
            const std::string bmp = dir.Get("Eva-diploma.bmp");
            ASSERT_EQ(bmp.size(), 54u + 800u * 600u * 3u) << "kill " << kills;
            ASSERT_EQ(bmp.substr(54, 3), bmp.substr(bmp.size() - 3));
        }
    }
    EXPECT_GT(last, 0);
}
