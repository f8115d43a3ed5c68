#include "platform/Folders.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/FilePaths.h"
#include "platform/FilesDetail.h"
#include "platform/FolderListing.h"
#include "platform/FolderTree.h"

namespace platform {

using files_detail::StatIs;

namespace {

// The group is the user's private one: the user's primary group, named after the user, with
// no other member.
bool OwnPrivateGroup(gid_t gid) {
    const passwd* user = ::getpwuid(::geteuid());
    if (!user || user->pw_gid != gid || !user->pw_name) return false;
    const std::string name = user->pw_name;
    const group* g = ::getgrgid(gid);
    if (!g || !g->gr_name || name != g->gr_name) return false;
    for (char** member = g->gr_mem; member && *member; ++member)
        if (name != *member) return false;
    return true;
}

}  // namespace

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
    if (::stat(p.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return FolderState::kFailed;
    // Refused: a folder others can really write into. Group write is the usual desktop umask's
    // and harmless when the group is the user's own private one.
    if (st.st_uid != ::geteuid() || (st.st_mode & S_IWOTH) != 0 ||
        ((st.st_mode & S_IWGRP) != 0 && !OwnPrivateGroup(st.st_gid)))
        return FolderState::kRefused;
    return FolderState::kExisted;
}

bool DeleteFileAt(const std::wstring& path) {
    ForgetFolderListings();
    return ::unlink(NativePath(path).c_str()) == 0;
}

std::vector<std::string> FolderRoots() { return {"/"}; }

}  // namespace platform
