#include "platform/FolderListing.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <map>

#include "platform/Files.h"
#include "platform/Utf.h"

namespace platform {
namespace {

struct Listing {
    struct timespec changed {};
    struct timespec modified {};
    ino_t inode = 0;
    dev_t device = 0;
    bool exists = false;
    std::vector<ListedEntry> entries;
};

std::map<std::string, Listing>& Listings() {
    static std::map<std::string, Listing> all;
    return all;
}

int reads = 0;
int scopes = 0;

// A program that walks many folders keeps only a bounded number of them.
constexpr size_t kMaxListings = 256;

bool Same(const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; }

}  // namespace

std::vector<ListedEntry> ListFolder(const std::string& folder) {
    auto& all = Listings();
    struct stat st {};
    const bool exists = ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    auto it = scopes > 0 ? all.find(folder) : all.end();
    if (it != all.end()) {
        const Listing& l = it->second;
        if (l.exists == exists && (!exists || (Same(l.changed, st.st_ctim) && Same(l.modified, st.st_mtim) &&
                                               l.inode == st.st_ino && l.device == st.st_dev)))
            return l.entries;
    }
    if (all.size() >= kMaxListings || scopes == 0) all.clear();
    Listing& l = all[folder];
    l = Listing{};
    l.exists = exists;
    if (!exists) return l.entries;
    l.changed = st.st_ctim;
    l.modified = st.st_mtim;
    l.inode = st.st_ino;
    l.device = st.st_dev;
    ++reads;
    DIR* d = ::opendir(folder.c_str());
    if (!d) return l.entries;
    std::vector<std::pair<std::wstring, ListedEntry>> sorted;
    while (dirent* e = ::readdir(d)) {
        const std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        ListedEntry entry;
        entry.name = WideFromUtf8(name);
        struct stat es {};
        entry.isFolder = ::stat((folder + "/" + name).c_str(), &es) == 0 && S_ISDIR(es.st_mode);
        sorted.emplace_back(FoldCase(entry.name), std::move(entry));
    }
    ::closedir(d);
    std::sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second.name < b.second.name;
    });
    l.entries.reserve(sorted.size());
    for (auto& s : sorted) l.entries.push_back(std::move(s.second));
    return l.entries;
}

void ForgetFolderListings() { Listings().clear(); }

FolderListingScope::FolderListingScope() {
    if (scopes++ == 0) ForgetFolderListings();
}

FolderListingScope::~FolderListingScope() {
    if (--scopes == 0) ForgetFolderListings();
}

int FolderReads() { return reads; }

}  // namespace platform
