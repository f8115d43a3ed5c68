// Any bytes as a trainee's ".opt": loading never crashes or hangs, and the options written
// out again read back to the same lines.
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
        profiles::ParseLines(std::string(reinterpret_cast<const char*>(data), size), ProfileOptions::kLines);
    p.options.ReadValues(in);
    for (int g = -1; g <= 10; ++g) Check(p.options.ExerciseOn(g) == 0 || p.options.ExerciseOn(g) == 1);
    Check(p.options.o19 >= ProfileOptions::kMinScanTime && p.options.o19 <= ProfileOptions::kMaxScanTime);

    profiles::LineSink first;
    p.options.WriteValues(first);
    Check(first.Lines().size() == static_cast<size_t>(ProfileOptions::kLines));
    profiles::LineSource again(first.Lines());
    p.options.ReadValues(again);
    profiles::LineSink second;
    p.options.WriteValues(second);
    Check(first.Lines() == second.Lines());
    return 0;
}
