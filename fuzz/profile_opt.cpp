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

#include "platform/Files.h"
#include "platform/Utf.h"
#include "profiles/Profile.h"
#include "profiles/ProfileFile.h"

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
    static const std::string native = "/tmp/kestrova-fuzz-opt-" + std::to_string(::getpid());
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
