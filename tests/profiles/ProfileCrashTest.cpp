// A saver process killed at random moments never leaves a profile file that is half old,
// half new or cut short: every file loads with one whole version of the record.
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
