// The parts of the file services that are the same on every system, on top of each system's
// own calls (files_detail, in FilePaths.cpp on Linux and windows/Files.cpp on Windows).
#include <algorithm>
#include <cstring>
#include <map>

#include "platform/Files.h"
#include "platform/FilesDetail.h"
#include "platform/FolderListing.h"

namespace platform {

// ---- names ------------------------------------------------------------------------------

bool WildcardMatch(const std::wstring& pattern, const std::wstring& name) {
    const std::wstring p = FoldCase(pattern), n = FoldCase(name);
    size_t pi = 0, ni = 0, star = std::wstring::npos, mark = 0;
    while (ni < n.size()) {
        if (pi < p.size() && (p[pi] == L'?' || p[pi] == n[ni])) {
            ++pi;
            ++ni;
        } else if (pi < p.size() && p[pi] == L'*') {
            star = pi++;
            mark = ni;
        } else if (star != std::wstring::npos) {
            pi = star + 1;
            ni = ++mark;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == L'*') ++pi;
    return pi == p.size();
}

std::vector<FoundFile> FindFiles(const std::wstring& pattern) {
    std::vector<FoundFile> out;
    std::wstring folder, mask = pattern;
    const size_t cut = pattern.find_last_of(IsNativePath(pattern) ? files_detail::kRealPathSeparators : L"\\/");
    if (cut != std::wstring::npos) {
        folder = pattern.substr(0, cut);
        mask = pattern.substr(cut + 1);
    }
    if (mask.empty()) return out;
    const std::string nf = folder.empty() ? std::string(".") : NativePath(folder);
    for (const ListedEntry& e : ListFolder(nf))
        if (WildcardMatch(mask, e.name)) out.push_back(FoundFile{e.name, e.isFolder});
    return out;
}

// ---- reading and writing --------------------------------------------------------------------

bool ReadWholeFile(const std::wstring& path, std::string& bytes, long long maxBytes) {
    bytes.clear();
    FileReader r;
    if (!r.Open(path, maxBytes)) return false;
    char buf[65536];
    for (;;) {
        long n = r.Read(buf, sizeof buf);
        if (n < 0 || static_cast<long long>(bytes.size()) + n > maxBytes) {
            bytes.clear();
            return false;
        }
        if (n == 0) return true;
        bytes.append(buf, static_cast<size_t>(n));
    }
}

FileReader::~FileReader() { Close(); }

bool FileReader::OpenBytes(std::string bytes) {
    Close();
    bytes_ = std::move(bytes);
    offset_ = 0;
    memory_ = true;
    return true;
}

long FileReader::Read(void* buffer, size_t size) {
    if (memory_) {
        const size_t n = std::min(size, bytes_.size() - offset_);
        std::memcpy(buffer, bytes_.data() + offset_, n);
        offset_ += n;
        return static_cast<long>(n);
    }
    if (fd_ < 0) return -1;
    return files_detail::ReadDescriptor(fd_, buffer, size);
}

void FileReader::Close() {
    if (fd_ >= 0) files_detail::CloseDescriptor(fd_);
    fd_ = -1;
    memory_ = false;
    bytes_.clear();
    offset_ = 0;
}

bool FileWriter::Write(const void* data, size_t size) {
    if (fd_ < 0 || failed_) return false;
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        const long n = files_detail::WriteDescriptor(fd_, p, size);
        if (n <= 0) {
            failed_ = true;
            return false;
        }
        p += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

bool WriteFileAtomic(const std::wstring& path, const std::string& bytes) {
    FileWriter w;
    return w.Open(path) && w.Write(bytes.data(), bytes.size()) && w.Commit();
}

// ---- folder listings ---------------------------------------------------------------------------

namespace {

struct Listing {
    files_detail::FolderStamp stamp;
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

}  // namespace

std::vector<ListedEntry> ListFolder(const std::string& folder) {
    auto& all = Listings();
    const files_detail::FolderStamp stamp = files_detail::StampOf(folder);
    auto it = scopes > 0 ? all.find(folder) : all.end();
    if (it != all.end() && it->second.stamp == stamp) return it->second.entries;
    if (all.size() >= kMaxListings || scopes == 0) all.clear();
    Listing& l = all[folder];
    l = Listing{};
    l.stamp = stamp;
    if (!stamp.exists) return l.entries;
    ++reads;
    std::vector<std::pair<std::wstring, ListedEntry>> sorted;
    for (ListedEntry& entry : files_detail::ReadEntries(folder)) {
        std::wstring key = FoldCase(entry.name);
        sorted.emplace_back(std::move(key), std::move(entry));
    }
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
