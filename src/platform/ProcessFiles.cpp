#include "platform/ProcessFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

#include "platform/Files.h"

namespace platform::os {

long long ProcessId() { return static_cast<long long>(::getpid()); }

bool ProcessGone(long long pid) {
    if (pid <= 0 || pid > INT_MAX) return false;
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

std::string ComputerName() {
    char buf[256] = {};
    if (::gethostname(buf, sizeof buf - 1) != 0 || buf[0] == 0) return "?";
    return buf;
}

std::string BootId() {
    std::string bytes;
    ReadWholeFile(L"/proc/sys/kernel/random/boot_id", bytes, 256);
    while (!bytes.empty() && (bytes.back() == '\n' || bytes.back() == ' ')) bytes.pop_back();
    return bytes;
}

FileHandle CreateNewFile(const std::string& path, bool& nameTaken) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    nameTaken = fd < 0 && errno == EEXIST;
    return fd < 0 ? kNoFile : fd;
}

bool RewriteFile(FileHandle file, const std::string& bytes) {
    const int fd = static_cast<int>(file);
    if (::pwrite(fd, bytes.data(), bytes.size(), 0) != static_cast<ssize_t>(bytes.size())) return false;
    ::futimens(fd, nullptr);
    return ::fsync(fd) == 0;
}

void CloseFile(FileHandle file) {
    if (file != kNoFile) ::close(static_cast<int>(file));
}

bool ReadSmallFile(const std::string& path, size_t maxBytes, std::string& content, long long& changed) {
    content.clear();
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return false;
    changed = static_cast<long long>(st.st_mtime);
    if (maxBytes == 0) return true;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return true;
    char buf[4096];
    ssize_t n;
    while (content.size() < maxBytes && (n = ::read(fd, buf, sizeof buf)) > 0)
        content.append(buf, static_cast<size_t>(n));
    if (content.size() > maxBytes) content.resize(maxBytes);
    ::close(fd);
    return true;
}

bool MoveAside(const std::string& from, const std::string& to) { return ::rename(from.c_str(), to.c_str()) == 0; }

bool MoveToFreeName(const std::string& from, const std::string& to) {
    // A hard link is made only under a free name; a folder that takes no links (some network
    // folders) gets a rename after a look that the name is free.
    if (::link(from.c_str(), to.c_str()) == 0) return ::unlink(from.c_str()) == 0;
    if (errno == EEXIST) return false;
    struct stat st {};
    if (::lstat(to.c_str(), &st) == 0) return false;
    return ::rename(from.c_str(), to.c_str()) == 0;
}

bool RemoveFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

std::vector<std::string> FileNamesIn(const std::string& folder) {
    std::vector<std::string> names;
    DIR* d = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!d) return names;
    while (dirent* e = ::readdir(d)) names.emplace_back(e->d_name);
    ::closedir(d);
    return names;
}

}  // namespace platform::os
