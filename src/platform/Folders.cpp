#include "platform/Folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/FilePaths.h"
#include "platform/FilesDetail.h"
#include "platform/FolderListing.h"
#include "platform/FolderTree.h"

namespace platform {

using files_detail::StatIs;

bool CreateFolder(const std::wstring& path) {
    const std::string p = NativePath(path);
    if (p.empty()) return false;
    ForgetFolderListings();
    if (::mkdir(p.c_str(), 0777) == 0) return true;  // the umask decides, as for any folder
    return StatIs(p, true, false);
}

FolderState CreatePrivateFolder(const std::wstring& path) {
    std::string p = NativePath(path);
    while (p.size() > 1 && p.back() == '/') p.pop_back();
    if (p.empty()) return FolderState::kFailed;
    ForgetFolderListings();
    if (::mkdir(p.c_str(), 0700) == 0) return FolderState::kMade;
    if (errno != EEXIST) return FolderState::kFailed;
    struct stat st {};
    if (::stat(p.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid() || (st.st_mode & 022) != 0)
        return FolderState::kFailed;
    return FolderState::kExisted;
}

bool DeleteFileAt(const std::wstring& path) {
    ForgetFolderListings();
    return ::unlink(NativePath(path).c_str()) == 0;
}

std::vector<std::string> FolderRoots() { return {"/"}; }

}  // namespace platform
