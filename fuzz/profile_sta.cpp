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

#include "FuzzSupport.h"
#include "platform/Files.h"
#include "platform/Utf.h"
#include "profiles/Profile.h"

namespace {

using fuzzsupport::Check;
using fuzzsupport::PutFile;
using fuzzsupport::WorkFolder;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::wstring folder = WorkFolder("sta");
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
