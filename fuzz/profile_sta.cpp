// Any bytes as a trainee's ".sta": loading never crashes or hangs, points land in range
// unless the cell's items account for them, and the views are computed without overflow.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/Files.h"
#include "platform/Utf.h"
#include "profiles/Profile.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

bool PutFile(const std::wstring& path, const uint8_t* data, size_t size) {
    std::FILE* f = std::fopen(platform::NativePath(path).c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(data, 1, size, f) == size;
    return std::fclose(f) == 0 && ok;
}

// The work folder of this run (ending in a separator), removed again when the fuzzer exits;
// empty when it cannot be made.
std::wstring WorkFolder() {
    static const std::string native = "/tmp/kestrova-fuzz-sta-" + std::to_string(::getpid());
    static const bool made = [] {
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(native, ec);
        });
        return platform::CreateFolder(platform::WideFromUtf8(native));
    }();
    return made ? platform::WideFromUtf8(native) + L"/" : std::wstring();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::wstring folder = WorkFolder();
    static auto profile = std::make_unique<Profile>();
    if (folder.empty() || !PutFile(folder + L"F.sta", data, size)) return 0;

    Profile& p = *profile;
    p.folder = folder;
    p.name = L"F";
    p.Load(false, false, true);
    ProfileStats& s = p.stats;
    for (int d = 0; d < ProfileStats::kDays; ++d)
        for (int g = 0; g < ProfileStats::kExercises; ++g)
            for (int sp = 0; sp < ProfileStats::kSpans; ++sp) Check(s.points[d][g][sp] >= 0);
    s.ComputeViews();
    s.CountItem(size > 0 ? data[0] % 30 : 0, 3, 9, true);  // counting on top of loaded values
    s.CountError(24, 9, 9, false);
    s.ComputeViews();
    for (int w = 0; w < ProfileStats::kWeeks; ++w)
        for (int g = 0; g < ProfileStats::kExercises; ++g) Check(s.weekBestForward[w][g] <= 9.0f);
    return 0;
}
