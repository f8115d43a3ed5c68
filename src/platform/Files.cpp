#include "platform/Files.h"

#include <dirent.h>
#include <signal.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cwctype>
#include <fstream>

#include "platform/FolderListing.h"
#include "platform/Utf.h"

namespace platform {
namespace {

bool StatIs(const std::string& p, bool wantFolder, bool any) {
    struct stat st {};
    if (::stat(p.c_str(), &st) != 0) return false;
    if (any) return true;
    return wantFolder ? S_ISDIR(st.st_mode) : S_ISREG(st.st_mode);
}

std::wstring Lower(std::wstring s) {
    for (auto& c : s) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    return s;
}

// Finds an entry of folder whose name equals name case-insensitively.
bool FindCaseless(const std::string& folder, const std::string& name, std::string& found) {
    DIR* d = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!d) return false;
    const std::wstring want = Lower(WideFromUtf8(name));
    bool ok = false;
    while (dirent* e = ::readdir(d)) {
        if (Lower(WideFromUtf8(e->d_name)) == want) {
            found = e->d_name;
            ok = true;
            break;
        }
    }
    ::closedir(d);
    return ok;
}

std::string Slashes(const std::wstring& path) {
    std::string p = Utf8FromWide(path);
    std::replace(p.begin(), p.end(), '\\', '/');
    return p;
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

std::string NativePath(const std::wstring& path) {
    std::string p = Slashes(path);
    if (p.empty() || StatIs(p, false, true)) return p;
    // Resolve component by component, case-insensitively where the exact name is absent.
    std::string out;
    size_t pos = 0;
    if (p[0] == '/') {
        out = "/";
        pos = 1;
    }
    while (pos <= p.size()) {
        size_t next = p.find('/', pos);
        if (next == std::string::npos) next = p.size();
        std::string part = p.substr(pos, next - pos);
        if (!part.empty()) {
            std::string candidate = out.empty() ? part : (out.back() == '/' ? out + part : out + "/" + part);
            if (!StatIs(candidate, false, true) && part != "." && part != "..") {
                std::string found;
                std::string folder = out.empty() ? "." : out;
                if (FindCaseless(folder, part, found))
                    candidate = out.empty() ? found : (out.back() == '/' ? out + found : out + "/" + found);
            }
            out = candidate;
        }
        pos = next + 1;
    }
    if (!p.empty() && p.back() == '/' && (out.empty() || out.back() != '/')) out += '/';
    return out;
}

bool FileExists(const std::wstring& path) { return StatIs(NativePath(path), false, true); }
bool FolderExists(const std::wstring& path) { return StatIs(NativePath(path), true, false); }

bool ReadWholeFile(const std::wstring& path, std::string& bytes) {
    bytes.clear();
    FileReader r;
    if (!r.Open(path)) return false;
    char buf[65536];
    for (;;) {
        long n = r.Read(buf, sizeof buf);
        if (n < 0) return false;
        if (n == 0) return true;
        bytes.append(buf, static_cast<size_t>(n));
    }
}

FileReader::~FileReader() { Close(); }

bool FileReader::Open(const std::wstring& path) {
    Close();
    const std::string p = NativePath(path);
    if (!StatIs(p, false, false)) return false;  // folders and missing files fail
    fd_ = ::open(p.c_str(), O_RDONLY | O_CLOEXEC);
    return fd_ >= 0;
}

long FileReader::Read(void* buffer, size_t size) {
    if (fd_ < 0) return -1;
    for (;;) {
        ssize_t n = ::read(fd_, buffer, size);
        if (n < 0 && errno == EINTR) continue;
        return static_cast<long>(n);
    }
}

void FileReader::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

FileWriter::~FileWriter() { Discard(); }

bool FileWriter::Open(const std::wstring& path) {
    Discard();
    target_ = NativePath(path);
    if (target_.empty() || StatIs(target_, true, false)) return false;
    RemoveStaleTemporaries(target_);
    static std::atomic<unsigned> counter{0};
    temp_ = target_ + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
    fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    failed_ = fd_ < 0;
    return fd_ >= 0;
}

bool FileWriter::Write(const void* data, size_t size) {
    if (fd_ < 0 || failed_) return false;
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t n = ::write(fd_, p, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            failed_ = true;
            return false;
        }
        p += n;
        size -= static_cast<size_t>(n);
    }
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

bool WriteFileAtomic(const std::wstring& path, const std::string& bytes) {
    FileWriter w;
    return w.Open(path) && w.Write(bytes.data(), bytes.size()) && w.Commit();
}

bool CreateFolder(const std::wstring& path) {
    const std::string p = NativePath(path);
    if (p.empty()) return false;
    ForgetFolderListings();
    if (::mkdir(p.c_str(), 0755) == 0) return true;
    return StatIs(p, true, false);
}

bool CopyFileTo(const std::wstring& from, const std::wstring& to, bool failIfExists) {
    if (failIfExists && FileExists(to)) return false;
    std::string bytes;
    if (!ReadWholeFile(from, bytes)) return false;
    return WriteFileAtomic(to, bytes);
}

bool DeleteFileAt(const std::wstring& path) {
    ForgetFolderListings();
    return ::unlink(NativePath(path).c_str()) == 0;
}

bool WildcardMatch(const std::wstring& pattern, const std::wstring& name) {
    const std::wstring p = Lower(pattern), n = Lower(name);
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
    size_t cut = pattern.find_last_of(L"\\/");
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

std::wstring DocumentsFolder() {
    const char* home = std::getenv("HOME");
    std::string h = home && *home ? home : "/tmp";
    // The XDG user-dirs file names the documents folder in the user's language.
    std::ifstream in(h + "/.config/user-dirs.dirs");
    std::string line;
    while (std::getline(in, line)) {
        const std::string key = "XDG_DOCUMENTS_DIR=";
        if (line.rfind(key, 0) != 0) continue;
        std::string v = line.substr(key.size());
        if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
        if (v.rfind("$HOME", 0) == 0) v = h + v.substr(5);
        if (!v.empty() && StatIs(v, true, false)) return WideFromUtf8(v);
    }
    if (StatIs(h + "/Documents", true, false)) return WideFromUtf8(h + "/Documents");
    return WideFromUtf8(h);
}

std::wstring WorkingFolder() {
    char buf[PATH_MAX];
    if (!::getcwd(buf, sizeof buf)) return L".";
    return WideFromUtf8(buf);
}

bool SetWorkingFolder(const std::wstring& path) { return ::chdir(NativePath(path).c_str()) == 0; }

std::wstring ExecutableFolder() {
    char buf[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return L".";
    std::string p(buf, static_cast<size_t>(n));
    size_t cut = p.find_last_of('/');
    return WideFromUtf8(cut == std::string::npos ? std::string(".") : p.substr(0, cut));
}

}  // namespace platform
