// Any bytes as "data\paths.txt": settling the profile folder never crashes or hangs and
// creates nothing (folders are only pretended to be made here), whatever the file holds.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
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

// Whether a folder "gets made" follows from its name, so both outcomes are reached.
bool PretendToCreate(const std::wstring& path) { return path.size() % 2 == 0; }

// The work folder of this run (ending in a separator), removed again when the fuzzer exits;
// empty when it cannot be made.
std::wstring WorkFolder() {
    static const std::string native = "/tmp/kestrova-fuzz-paths-" + std::to_string(::getpid());
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
    if (folder.empty() || !PutFile(folder + L"paths.txt", data, size)) return 0;
    const std::wstring title = size > 0 && data[0] % 2 ? L"" : L"Kestrova";
    const std::wstring result = profiles::SettleProfileFolder(folder + L"paths.txt", title, PretendToCreate);
    Check(!result.empty());
    (void)platform::NativePath(result + L"F.pro");
    return 0;
}
