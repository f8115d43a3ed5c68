#include "platform/FileRead.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/FilePaths.h"
#include "platform/FilesDetail.h"
#include "platform/Log.h"
#include "platform/Utf.h"

namespace platform {

using files_detail::StatIs;

namespace {

// Reads an open file whole, refusing it when it is not a regular file or holds more than
// maxBytes (also when it grows while being read).
bool ReadOpenFile(int fd, long long maxBytes, std::string& bytes) {
    bytes.clear();
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > maxBytes) return false;
    bytes.reserve(static_cast<size_t>(st.st_size));
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 || static_cast<long long>(bytes.size()) + n > maxBytes) {
            bytes.clear();
            return false;
        }
        if (n == 0) return true;
        bytes.append(buf, static_cast<size_t>(n));
    }
}

std::string RealPath(const std::string& p) {
    char* r = ::realpath(p.empty() ? "." : p.c_str(), nullptr);
    if (!r) return std::string();
    std::string out = r;
    std::free(r);
    return out;
}

}  // namespace

bool FileStamp(const std::wstring& folder, const std::wstring& name, long long& size, long long& changed) {
    std::string dir = NativePath(folder);
    if (!dir.empty() && dir.back() != '/') dir += '/';
    struct stat st {};
    if (::lstat((dir + Utf8FromWide(name)).c_str(), &st) != 0) return false;
    size = static_cast<long long>(st.st_size);
    changed = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000ll + st.st_mtim.tv_nsec;
    return true;
}

ReadResult ReadFileInFolder(const std::wstring& folder, const std::wstring& name, long long maxBytes,
                            std::string& bytes) {
    bytes.clear();
    if (name.empty() || name.find_first_of(L"/") != std::wstring::npos || name == L"." || name == L"..")
        return ReadResult::kRefused;
    std::string dir = NativePath(folder);
    if (!dir.empty() && dir.back() != '/') dir += '/';
    std::string file = dir + Utf8FromWide(name);
    struct stat st {};
    if (::lstat(file.c_str(), &st) != 0) return errno == ENOENT ? ReadResult::kMissing : ReadResult::kRefused;
    if (S_ISLNK(st.st_mode)) {
        // A link is followed only when it stays inside the folder.
        const std::string realDir = RealPath(dir), realFile = RealPath(file);
        if (realDir.empty() || realFile.empty()) return ReadResult::kRefused;
        if (realFile.compare(0, realDir.size() + 1, realDir == "/" ? realDir : realDir + "/") != 0)
            return ReadResult::kRefused;
        file = realFile;
    }
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    const bool ok = fd >= 0 && ReadOpenFile(fd, maxBytes, bytes);
    if (fd >= 0) ::close(fd);
    if (!ok) LogQuietFailure("damaged file", WideFromUtf8(file));
    return ok ? ReadResult::kRead : ReadResult::kRefused;
}

bool FileReader::Open(const std::wstring& path, long long maxBytes) {
    Close();
    const std::string p = NativePath(path);
    if (!StatIs(p, false, false)) return false;  // folders and missing files fail
    fd_ = ::open(p.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0) return false;
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > maxBytes) Close();
    return fd_ >= 0;
}

namespace files_detail {

long ReadDescriptor(int fd, void* buffer, size_t size) {
    for (;;) {
        const ssize_t n = ::read(fd, buffer, size);
        if (n < 0 && errno == EINTR) continue;
        return static_cast<long>(n);
    }
}

void CloseDescriptor(int fd) { ::close(fd); }

}  // namespace files_detail

}  // namespace platform
