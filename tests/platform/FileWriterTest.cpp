// Atomic file replacement: the old file stays whole until the new one is complete.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/Files.h"
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

    // A writer whose process died leaves its temporary; the next writer removes it, but not
    // one of a process that still runs.
    pid_t child = ::fork();
    if (child == 0) _exit(0);
    ::waitpid(child, nullptr, 0);
    std::ofstream(dir / ("Kim.pro.tmp" + std::to_string(child) + "_0")) << "half";
    std::ofstream(dir / ("Kim.pro.tmp" + std::to_string(::getppid()) + "_3")) << "busy";
    ASSERT_TRUE(platform::WriteFileAtomic(target, "newer"));
    EXPECT_EQ(Read(dir / "Kim.pro"), "newer");
    EXPECT_FALSE(fs::exists(dir / ("Kim.pro.tmp" + std::to_string(child) + "_0")));
    EXPECT_TRUE(fs::exists(dir / ("Kim.pro.tmp" + std::to_string(::getppid()) + "_3")));

    // A folder in the target's place is not replaced.
    fs::create_directories(dir / "Sam.pro");
    EXPECT_FALSE(platform::WriteFileAtomic(platform::WideFromUtf8((dir / "Sam.pro").string()), "x"));
}
