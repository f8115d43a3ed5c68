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
#include "profiles/ProfileFile.h"

namespace {

using fuzzsupport::Check;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static auto profile = std::make_unique<Profile>();
    // The file's bytes are read from memory exactly as the trainee's file is read from disk.
    Profile& p = *profile;
    profiles::LineSource in =
        profiles::ParseLines(std::string(reinterpret_cast<const char*>(data), size), ProfileStats::kLines);
    p.stats.ReadTables(in);
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
