// Every screen on the shipped assets: built, run and drawn for a few seconds of virtual
// time with random presses and keys, while the record of files that failed to load is on.
// Any picture, sound or position list a screen asks for and the pack lacks fails the test.
#include "support/TestPaths.h"
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "app/Harness.h"
#include "platform/MissingFiles.h"
#include "platform/Utf.h"
#include "support/ScopedEnv.h"
#include "support/ScratchFolder.h"

namespace fs = std::filesystem;

namespace {

// Runs with HOME in a fresh folder, so trainees' files land there and nowhere else.
class ScratchHome {
public:
    const fs::path& Dir() const { return scratch_.Path(); }

private:
    ScratchFolder scratch_{"sweep"};
    ScopedEnv home_{{"HOME", scratch_.Native()}};
};

std::string Describe(const std::vector<std::wstring>& files) {
    std::string out;
    for (const auto& f : files) out += "\n  " + platform::Utf8FromWide(f);
    return out;
}

}  // namespace

TEST(ScreenSweep, EveryScreenFindsEveryFileItLoads) {
    ScratchHome home;
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> px(0, 799), py(0, 599), key(0, 9);
    const int keys[] = {platform::VK_SPACE, platform::VK_RETURN, platform::VK_SPACE, platform::VK_F1,
                        platform::VK_LEFT,  platform::VK_RIGHT,  platform::VK_SPACE, platform::VK_RETURN,
                        platform::VK_SPACE, platform::VK_SPACE};
    // -1 is the splash, which every frame starts on.
    for (int id = -1; id <= kOverview; ++id) {
        if (id != -1 && !IsScreen(id)) continue;
        platform::SetMissingFileRecord(true);
        HeadlessHarness h(L"kestrova window", platform::WideFromUtf8(testpaths::AssetDir()));
        if (id >= 0) h.Frame().SwitchTo(id);
        // A press may end the program (the login's end button): the sweep of that screen ends there.
        for (int step = 0; step < 40 && h.Frame().Running(); ++step) {
            if (step % 4 == 3)
                h.Os().QueueKey(keys[key(random)]);
            else
                h.Os().QueueClick(px(random), py(random));
            h.RunFor(100);
        }
        // Files of the profile folder (a trainee's own picture) are optional; only the
        // pack's own paths, relative to it, count.
        std::vector<std::wstring> missing;
        for (auto& f : platform::TakeMissingFiles())
            if (!f.empty() && f[0] != L'/') missing.push_back(f);
        platform::SetMissingFileRecord(false);
        EXPECT_TRUE(missing.empty()) << "screen " << id << " (and what it led to) could not load:" << Describe(missing);
    }
}
