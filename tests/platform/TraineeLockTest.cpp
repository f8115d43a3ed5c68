// One trainee, one program: what another program's lock file says decides whether the trainee
// is free, and a program whose lock was taken over stops writing.
#include "platform/TraineeLock.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/time.h>

#include <ctime>

#include "platform/TempNames.h"
#include "profiles/Profile.h"
#include "profiles/ProfileTestUtil.h"
#include "profiles/SaverProcess.h"

namespace {

std::string LockText(const std::string& boot, long long pid, long long time) {
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    return "kestrova trainee lock\nhost " + std::string(host) + "\nboot " + boot + "\npid " + std::to_string(pid) +
           "\ntoken 0123456789abcdef\ntime " + std::to_string(time) + "\n";
}

}  // namespace

TEST(TraineeLock, ALockIsStaleOnlyWhenItsHolderIsGoneOrSilent) {
    // A process of this boot that has ended: its number is free.
    SaverProcess ended = StartSaverTool({"hold", "/nonexistent/", ""});
    ASSERT_GT(ended.pid, 0);
    KillSaver(ended);
    const long long now = static_cast<long long>(std::time(nullptr));
    const std::string thisBoot = platform::ThisBootId();
    ASSERT_FALSE(thisBoot.empty());
    struct Case {
        const char* what;
        std::string content;
        long long fileAge;  // seconds
        bool inUse;
    } cases[] = {
        {"another computer, heartbeat fresh", LockText("other-boot", 1, now - 30), 0, true},
        {"another computer, heartbeat old", LockText("other-boot", 1, now - 600), 0, false},
        {"another computer, clock a little ahead", LockText("other-boot", 1, now + 300), 0, true},
        {"this computer, holder alive", LockText(thisBoot, ::getpid(), now), 0, true},
        {"this computer, holder killed", LockText(thisBoot, 1'000'000'000, now), 0, false},
        {"a file cut short, just made", "kestrova trainee lo", 0, true},
        {"a file cut short, long ago", "", 600, false},
    };
    for (const auto& c : cases) {
        ProfileFolder dir;
        dir.Put("Eva.lock", c.content);
        if (c.fileAge > 0) {
            const timeval old[2] = {{static_cast<time_t>(now - c.fileAge), 0},
                                    {static_cast<time_t>(now - c.fileAge), 0}};
            ::utimes(dir.File("Eva.lock").c_str(), old);
        }
        EXPECT_EQ(platform::TraineeLock::InUse(dir.Folder(), L"Eva"), c.inUse) << c.what;
        platform::TraineeLock lock;
        EXPECT_EQ(lock.Acquire(dir.Folder(), L"Eva"),
                  c.inUse ? platform::TraineeLock::Result::kInUse : platform::TraineeLock::Result::kHeld)
            << c.what;
        EXPECT_EQ(lock.Held(), !c.inUse) << c.what;
        // Taking a stale lock over leaves nothing beside it.
        size_t files = 0;
        for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Native())) ++files;
        EXPECT_EQ(files, 1u) << c.what;
    }
}

TEST(TraineeLock, AProgramWhoseTraineeWasTakenOverSavesNothing) {
    ProfileFolder dir;
    Profile p;
    p.folder = dir.Folder();
    p.name = L"Eva";
    ASSERT_TRUE(p.Save(true, false, false));
    ASSERT_TRUE(p.ClaimTrainee());
    ASSERT_TRUE(p.Save(true, false, false));
    EXPECT_TRUE(platform::TraineeLock::InUse(dir.Folder(), L"Eva"));
    // This program was stopped too long; another took the trainee over.
    const std::string before = dir.Get("Eva.pro");
    dir.Put("Eva.lock", LockText("other-boot", 1, static_cast<long long>(std::time(nullptr))));
    p.coins = 99;
    EXPECT_FALSE(p.Save(true, true, true));
    EXPECT_EQ(dir.Get("Eva.pro"), before);
    EXPECT_FALSE(dir.Has("Eva.opt"));
    p.FreeTrainee();
    EXPECT_TRUE(dir.Has("Eva.lock")) << "the other program's lock was removed";
}
