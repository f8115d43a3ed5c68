// Reading a folder on Linux for the shared folder listings (FilesCommon.cpp).
#include <dirent.h>
#include <sys/stat.h>

#include "platform/FilesDetail.h"
#include "platform/Utf.h"

namespace platform::files_detail {

FolderStamp StampOf(const std::string& folder) {
    FolderStamp stamp;
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return stamp;
    stamp.exists = true;
    stamp.values = {st.st_ctim.tv_sec,
                    st.st_ctim.tv_nsec,
                    st.st_mtim.tv_sec,
                    st.st_mtim.tv_nsec,
                    static_cast<long long>(st.st_ino),
                    static_cast<long long>(st.st_dev)};
    return stamp;
}

std::vector<ListedEntry> ReadEntries(const std::string& folder) {
    std::vector<ListedEntry> entries;
    DIR* d = ::opendir(folder.c_str());
    if (!d) return entries;
    while (dirent* e = ::readdir(d)) {
        const std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        ListedEntry entry;
        entry.name = WideFromUtf8(name);
        struct stat es {};
        entry.isFolder = ::stat((folder + "/" + name).c_str(), &es) == 0 && S_ISDIR(es.st_mode);
        entries.push_back(std::move(entry));
    }
    ::closedir(d);
    return entries;
}

}  // namespace platform::files_detail
