#pragma once
// What the file-reading fuzz targets share: a check that stops the run, a plain file write
// and a work folder of the run's own, in memory (/dev/shm) where the system has one, so that
// writing an input costs no disk time.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/Files.h"
#include "platform/Utf.h"

namespace fuzzsupport {

inline void Check(bool ok) {
    if (!ok) std::abort();
}

// A plain write: the atomic one flushes to disk, which would slow every run down.
inline bool PutFile(const std::wstring& path, const uint8_t* data, size_t size) {
    std::FILE* f = std::fopen(platform::NativePath(path).c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(data, 1, size, f) == size;
    return std::fclose(f) == 0 && ok;
}

// The work folder of this run, "<ram or /tmp>/kestrova-fuzz-<tag>-<pid>/" (ending in a
// separator), removed again when the fuzzer exits; empty when it cannot be made. One tag per
// process.
inline std::wstring WorkFolder(const char* tag) {
    static const std::string base = platform::FolderExists(L"/dev/shm") ? "/dev/shm" : "/tmp";
    static const std::string native = base + "/kestrova-fuzz-" + tag + "-" + std::to_string(::getpid());
    static const bool made = [] {
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(native, ec);
        });
        return platform::CreateFolder(platform::WideFromUtf8(native));
    }();
    return made ? platform::WideFromUtf8(native) + L"/" : std::wstring();
}

}  // namespace fuzzsupport
