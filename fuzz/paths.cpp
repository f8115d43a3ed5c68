// Any bytes as "data\paths.txt": settling the profile folder never crashes or hangs and
// creates nothing (folders are only pretended to be made here), whatever the file holds.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "FuzzSupport.h"
#include "platform/Files.h"
#include "platform/Utf.h"
#include "profiles/Profile.h"

namespace {

using fuzzsupport::Check;
using fuzzsupport::PutFile;
using fuzzsupport::WorkFolder;

// Whether a folder "gets made" follows from its name, so both outcomes are reached.
bool PretendToCreate(const std::wstring& path) { return path.size() % 2 == 0; }
platform::FolderState PretendToCreateUser(const std::wstring& path) {
    return path.size() % 3 == 0   ? platform::FolderState::kFailed
           : path.size() % 3 == 1 ? platform::FolderState::kMade
                                  : platform::FolderState::kExisted;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::wstring folder = WorkFolder("paths");
    if (folder.empty() || !PutFile(folder + L"paths.txt", data, size)) return 0;
    const std::wstring title = size > 0 && data[0] % 2 ? L"" : L"Kestrova";
    bool made = false;
    const std::wstring result =
        profiles::SettleProfileFolder(folder + L"paths.txt", title, PretendToCreate, PretendToCreateUser, &made);
    // Empty only when there is no home for the per-user folder; "USER" itself is never a folder.
    Check(result != L"USER" && (!made || !result.empty()));
    (void)platform::NativePath(result + L"F.pro");
    return 0;
}
