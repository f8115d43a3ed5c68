#include "platform/FileWrite.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/FilesDetail.h"
#include "platform/FolderListing.h"
#include "platform/Log.h"
#include "platform/Utf.h"

namespace platform {

using files_detail::Resolve;
using files_detail::Slashes;

namespace {

mode_t CurrentUmask() {
    const mode_t m = ::umask(0);
    ::umask(m);
    return m;
}

// A writer stopped half-way (the program killed, the machine off) leaves its temporary file
// "<target>.tmp<pid>_<n>" beside the target. The next writer of that target removes those
// whose process no longer runs.
void RemoveStaleTemporaries(const std::string& target) {
    const size_t cut = target.find_last_of('/');
    const std::string folder = cut == std::string::npos ? "." : target.substr(0, cut);
    const std::string prefix = (cut == std::string::npos ? target : target.substr(cut + 1)) + ".tmp";
    DIR* d = ::opendir(folder.c_str());
    if (!d) return;
    std::vector<std::string> stale;
    while (dirent* e = ::readdir(d)) {
        const std::string name = e->d_name;
        if (name.rfind(prefix, 0) != 0) continue;
        const std::string rest = name.substr(prefix.size());
        const size_t underscore = rest.find('_');
        if (underscore == std::string::npos || underscore == 0) continue;
        const std::string pid = rest.substr(0, underscore);
        if (pid.find_first_not_of("0123456789") != std::string::npos || pid.size() > 9) continue;
        const long p = std::stol(pid);
        if (p == ::getpid()) continue;
        if (::kill(static_cast<pid_t>(p), 0) != 0 && errno == ESRCH) stale.push_back(folder + "/" + name);
    }
    ::closedir(d);
    for (const auto& f : stale) ::unlink(f.c_str());
}

}  // namespace

FileWriter::~FileWriter() { Discard(); }

bool FileWriter::Open(const std::wstring& path) {
    if (OpenTemporary(path)) return true;
    LogQuietFailure("save failed", path);
    return false;
}

bool FileWriter::OpenTemporary(const std::wstring& path) {
    Discard();
    // The folder may be found by letter case like any program path; the file itself is
    // written under exactly the name it was given.
    const std::string p = Slashes(path);
    const size_t cut = p.find_last_of('/');
    if (p.empty() || cut + 1 == p.size()) return false;
    const std::string folder = cut == std::string::npos ? std::string() : Resolve(p.substr(0, cut + 1));
    target_ = folder + (cut == std::string::npos ? p : p.substr(cut + 1));
    struct stat st {};
    const bool exists = ::lstat(target_.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) return false;
    RemoveStaleTemporaries(target_);
    temp_ = target_ + ".tmp" + std::to_string(::getpid()) + "_XXXXXX";
    fd_ = ::mkostemp(temp_.data(), O_CLOEXEC);  // O_CREAT | O_EXCL, mode 0600, an unguessable name
    failed_ = fd_ < 0;
    if (fd_ < 0) {
        temp_.clear();
        return false;
    }
    mode_t mode;
    if (exists && S_ISREG(st.st_mode)) {
        mode = st.st_mode & 07777;
    } else {
        struct stat dir {};
        const bool closed = ::stat(folder.empty() ? "." : folder.c_str(), &dir) == 0 && (dir.st_mode & 077) == 0;
        mode = closed ? 0600 : (0666 & ~CurrentUmask());
    }
    if (mode != 0600) ::fchmod(fd_, mode);
    return true;
}

bool FileWriter::Commit() {
    if (fd_ < 0) return false;
    bool ok = !failed_ && ::fsync(fd_) == 0;
    ok = (::close(fd_) == 0) && ok;
    fd_ = -1;
    if (ok) ok = ::rename(temp_.c_str(), target_.c_str()) == 0;
    if (!ok) {
        ::unlink(temp_.c_str());
        temp_.clear();
        LogQuietFailure("save failed", WideFromUtf8(target_));
        return false;
    }
    // Make the rename itself durable.
    std::string folder =
        target_.substr(0, target_.find_last_of('/') == std::string::npos ? 0 : target_.find_last_of('/'));
    int dfd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    temp_.clear();
    ForgetFolderListings();
    return true;
}

void FileWriter::Discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
        ::unlink(temp_.c_str());
    }
    temp_.clear();
}

namespace files_detail {

long WriteDescriptor(int fd, const void* data, size_t size) {
    for (;;) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        return static_cast<long>(n);
    }
}

}  // namespace files_detail

}  // namespace platform
