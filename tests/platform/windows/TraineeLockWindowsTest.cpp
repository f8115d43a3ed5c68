// The trainee lock and the writers' temporaries on Windows (or Wine).
#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "platform/ProcessFiles.h"
#include "platform/TempNames.h"
#include "platform/TraineeLock.h"
#include "support/TempFolder.h"

namespace {

// One program per trainee: the lock is made only when free and given back at the end, and a
// lock whose holder on this computer has ended is taken over at once. A dead writer's
// temporary goes with the next save; a trainee file that merely looks like one stays.
TEST(WindowsTraineeLock, HeldOnceFreedByItsEndAndTemporariesOfTheirOwn) {
    using platform::TraineeLock;
    TempFolder folder;
    const std::wstring dir = folder.File("");
    TraineeLock first, second;
    ASSERT_EQ(first.Acquire(dir, L"\u00c5sa"), TraineeLock::Result::kHeld);
    EXPECT_TRUE(first.Held());
    EXPECT_TRUE(TraineeLock::InUse(dir, L"\u00c5sa"));
    EXPECT_EQ(second.Acquire(dir, L"\u00c5sa"), TraineeLock::Result::kInUse);
    first.Release();
    EXPECT_FALSE(TraineeLock::InUse(dir, L"\u00c5sa"));
    EXPECT_EQ(second.Acquire(dir, L"\u00c5sa"), TraineeLock::Result::kHeld);
    second.Release();

    const std::string deadPid = "2147483644";  // no process has it
    folder.Put("Zoe.lock", "kestrova trainee lock\nhost " + platform::os::ComputerName() + "\nboot " +
                               platform::ThisBootId() + "\npid " + deadPid + "\ntoken 1234abcd\ntime " +
                               std::to_string(std::time(nullptr)) + "\n");
    EXPECT_FALSE(TraineeLock::InUse(dir, L"Zoe"));
    EXPECT_EQ(first.Acquire(dir, L"Zoe"), TraineeLock::Result::kHeld);
    first.Release();

    std::string dead = platform::TemporaryFileName("abc123");
    const size_t pidEnd = dead.rfind('-'), pidStart = dead.rfind('-', pidEnd - 1) + 1;
    dead.replace(pidStart, pidEnd - pidStart, deadPid);
    ASSERT_TRUE(platform::IsTemporaryFileName(dead));
    folder.Put(dead, "torn");
    folder.Put("Anna.pro.tmp999999999_1", "a trainee's");
    EXPECT_TRUE(platform::WriteFileAtomic(folder.File("Kim.pro"), "saved"));
    std::vector<std::wstring> names;
    for (const auto& f : platform::FindFiles(folder.File("*"))) names.push_back(f.name);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Anna.pro.tmp999999999_1", L"Kim.pro"}));
}

}  // namespace
