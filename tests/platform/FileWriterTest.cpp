// Atomic file replacement: the old file stays whole until the new one is complete.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/Files.h"
#include "platform/TempNames.h"
#include "platform/Utf.h"
#include "support/ScratchFolder.h"

namespace fs = std::filesystem;

namespace {
std::string Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}
}  // namespace

TEST(FileWriter, ReplacesOnlyOnCommitAndCleansUpAfterDeadWriters) {
    const ScratchFolder scratch("writer");
    const fs::path& dir = scratch.Path();
    const std::wstring target = platform::WideFromUtf8((dir / "Kim.pro").string());
    ASSERT_TRUE(platform::WriteFileAtomic(target, "old"));
    {
        platform::FileWriter w;
        ASSERT_TRUE(w.Open(target));
        ASSERT_TRUE(w.Write("new content", 11));
        EXPECT_EQ(Read(dir / "Kim.pro"), "old");  // not yet
    }                                             // destroyed without Commit: the old file stays, the temporary goes
    EXPECT_EQ(Read(dir / "Kim.pro"), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);

    // A writer whose process died leaves its temporary; the next writer in the folder removes
    // it, but not one of a process that still runs, nor a young one written on another
    // computer of a shared folder, nor ever a trainee's file that looks like a temporary.
    pid_t child = ::fork();
    if (child == 0) _exit(0);
    ::waitpid(child, nullptr, 0);
    const std::string mine = platform::TemporaryFileName("abc123");  // ".kestrova-tmp-<boot>-<pid>-abc123"
    const std::string boot = mine.substr(0, mine.find('-', 14) + 1);
    const std::string otherBoot = ".kestrova-tmp-zz99zz99-";
    struct Left {
        std::string name;
        int ageSeconds;
        bool removed;
    } left[] = {
        {boot + std::to_string(child) + "-Ab12cD", 0, true},
        {boot + std::to_string(::getppid()) + "-Ab12cD", 0, false},
        {otherBoot + std::to_string(child) + "-Ab12cD", 60, false},
        {otherBoot + std::to_string(child) + "-Ab12cE", 7200, true},
        {"Kim.pro.tmp" + std::to_string(child) + "_0", 0, false},
        {"Anna.pro.tmp999999999_1.pro", 0, false},
        {boot + std::to_string(child) + "-Ab12cD.pro", 0, false},
    };
    for (const auto& l : left) {
        std::ofstream(dir / l.name) << "half";
        const auto when = fs::file_time_type::clock::now() - std::chrono::seconds(l.ageSeconds);
        fs::last_write_time(dir / l.name, when);
    }
    ASSERT_TRUE(platform::WriteFileAtomic(target, "newer"));
    EXPECT_EQ(Read(dir / "Kim.pro"), "newer");
    for (const auto& l : left) EXPECT_EQ(fs::exists(dir / l.name), !l.removed) << l.name;

    // A folder in the target's place is not replaced.
    fs::create_directories(dir / "Sam.pro");
    EXPECT_FALSE(platform::WriteFileAtomic(platform::WideFromUtf8((dir / "Sam.pro").string()), "x"));
}
