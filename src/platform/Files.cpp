#include "platform/Files.h"

#include <dirent.h>
#include <fcntl.h>
#include <locale.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wctype.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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

std::wstring Lower(const std::wstring& s) { return FoldCase(s); }

// Case folding without the program's locale: the UTF-8 C locale knows every letter; where it
// is missing, the Latin, Greek and Cyrillic letters are folded by their code ranges.
wchar_t FoldChar(wchar_t c) {
    static const locale_t utf8 = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    if (c < 0x80) return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 32) : c;
    if (utf8) return static_cast<wchar_t>(::towlower_l(static_cast<wint_t>(c), utf8));
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3AB && c != 0x3A2) || (c >= 0x410 && c <= 0x42F))
        return static_cast<wchar_t>(c + 32);
    if (c >= 0x400 && c <= 0x40F) return static_cast<wchar_t>(c + 80);
    if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x138 && c != 0x149 && c != 0x178) {
        const bool oddLower = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        return oddLower ? ((c & 1) ? static_cast<wchar_t>(c + 1) : c) : static_cast<wchar_t>(c | 1);
    }
    if (c == 0x178) return 0xFF;
    return c;
}

bool IsNative(const std::string& p) { return !p.empty() && p[0] == '/'; }

// Only group and others' write bits: a folder anyone may write into is no place for a
// trainee's files.
bool WorldWritable(const struct stat& st) { return (st.st_mode & S_IWOTH) != 0; }

bool UsableFolder(const std::string& p) {
    struct stat st {};
    return IsNative(p) && ::stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && !WorldWritable(st);
}

mode_t CurrentUmask() {
    const mode_t m = ::umask(0);
    ::umask(m);
    return m;
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
    if (!IsNative(p)) std::replace(p.begin(), p.end(), '\\', '/');
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

std::string Resolve(const std::string& p);

}  // namespace

bool IsNativePath(const std::wstring& path) { return !path.empty() && path[0] == L'/'; }

std::wstring FoldCase(const std::wstring& text) {
    std::wstring out = text;
    for (auto& c : out) c = FoldChar(c);
    return out;
}

std::string NativePath(const std::wstring& path) { return Resolve(Slashes(path)); }

namespace {

// A program path with a component in the wrong letter case finds the entry that exists:
// the asset pack is named as on a case-insensitive file system. Real paths are taken as
// they are.
std::string Resolve(const std::string& p) {
    if (p.empty() || IsNative(p) || StatIs(p, false, true)) return p;
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

}  // namespace

bool FileExists(const std::wstring& path) { return StatIs(NativePath(path), false, true); }
bool FolderExists(const std::wstring& path) { return StatIs(NativePath(path), true, false); }

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
    if (fd < 0) return ReadResult::kRefused;
    const bool ok = ReadOpenFile(fd, maxBytes, bytes);
    ::close(fd);
    return ok ? ReadResult::kRead : ReadResult::kRefused;
}

FileReader::~FileReader() { Close(); }

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
    for (;;) {
        ssize_t n = ::read(fd_, buffer, size);
        if (n < 0 && errno == EINTR) continue;
        return static_cast<long>(n);
    }
}

void FileReader::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    memory_ = false;
    bytes_.clear();
    offset_ = 0;
}

FileWriter::~FileWriter() { Discard(); }

bool FileWriter::Open(const std::wstring& path) {
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
        temp_.clear();
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
    // A real path keeps its backslashes: only '/' separates its folders.
    size_t cut = pattern.find_last_of(IsNativePath(pattern) ? L"/" : L"\\/");
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

namespace {

// The home folder from HOME: an existing real folder that not everyone may write into.
std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    std::string h = home ? home : "";
    while (h.size() > 1 && h.back() == '/') h.pop_back();
    return UsableFolder(h) ? h : std::string();
}

// The value of XDG_DOCUMENTS_DIR in a user-dirs.dirs file: "$HOME/name" or an absolute path,
// in double quotes, with backslash escapes. Empty when the file does not name one.
std::string UserDirsDocuments(const std::string& file, const std::string& home) {
    std::string bytes;
    if (!ReadWholeFile(WideFromUtf8(file), bytes, 64 * 1024)) return std::string();
    size_t pos = 0;
    std::string found;
    while (pos < bytes.size()) {
        size_t end = bytes.find('\n', pos);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(pos, end - pos);
        pos = end + 1;
        size_t i = line.find_first_not_of(" \t");
        const std::string key = "XDG_DOCUMENTS_DIR";
        if (i == std::string::npos || line.compare(i, key.size(), key) != 0) continue;
        i = line.find_first_not_of(" \t", i + key.size());
        if (i == std::string::npos || line[i] != '=') continue;
        i = line.find_first_not_of(" \t", i + 1);
        if (i == std::string::npos || line[i] != '"') continue;
        ++i;
        std::string value;
        bool relative = false;
        if (line.compare(i, 5, "$HOME") == 0) {
            if (home.empty()) continue;
            relative = true;
            i += 5;
        } else if (i >= line.size() || line[i] != '/') {
            continue;
        }
        bool closed = false;
        for (; i < line.size(); ++i) {
            if (line[i] == '"') {
                closed = true;
                break;
            }
            if (line[i] == '\\' && i + 1 < line.size()) ++i;
            value += line[i];
        }
        if (!closed) continue;
        if (relative) value = home + value;
        while (value.size() > 1 && value.back() == '/') value.pop_back();
        found = value;  // the last definition counts, as for the shell that reads this file
    }
    return found;
}

}  // namespace

std::wstring DocumentsFolder() {
    const std::string home = HomeFolder();
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const std::string configFolder = config && config[0] == '/' ? std::string(config)
                                     : home.empty()             ? std::string()
                                                                : home + "/.config";
    if (!configFolder.empty()) {
        const std::string documents = UserDirsDocuments(configFolder + "/user-dirs.dirs", home);
        if (UsableFolder(documents)) return WideFromUtf8(documents);
    }
    if (home.empty()) return std::wstring();
    if (UsableFolder(home + "/Documents")) return WideFromUtf8(home + "/Documents");
    return WideFromUtf8(home);
}

std::wstring DataHomeFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    std::string d = data ? data : "";
    while (d.size() > 1 && d.back() == '/') d.pop_back();
    if (!IsNative(d)) return std::wstring();
    if (!StatIs(d, true, false)) ::mkdir(d.c_str(), 0700);
    return UsableFolder(d) ? WideFromUtf8(d) : std::wstring();
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
