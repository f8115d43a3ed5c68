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
using fuzzsupport::PutFile;
using fuzzsupport::WorkFolder;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::wstring folder = WorkFolder("opt");
    static auto profile = std::make_unique<Profile>();
    if (folder.empty() || !PutFile(folder + L"F.opt", data, size)) return 0;

    Profile& p = *profile;
    p.folder = folder;
    p.name = L"F";
    p.Load(false, true, false);
    for (int g = -1; g <= 10; ++g) (void)p.options.ExerciseOn(g);

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
