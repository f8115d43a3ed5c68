// Files, folders and listings on Windows. Program paths (relative, with backslashes) and real
// paths ("C:/...", "C:\...", "\\server\share\...") both reach the system through the wide-
// character calls, so names such as "Åsa" and "Zoë" keep every letter. Real paths are kept as
// UTF-8 with '/' inside the program, which Windows takes as well as '\'.

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <random>
#include <vector>

#include "platform/Files.h"
#include "platform/FilesDetail.h"
#include "platform/FolderListing.h"
#include "platform/FolderTree.h"
#include "platform/TempNames.h"
#include "platform/Utf.h"
#include "platform/windows/Services.h"

// Windows' headers come last: they define names (VK_RETURN, ...) the program's own headers use.
#include <windows.h>
#include <io.h>
#include <shlobj.h>

namespace platform {
namespace {

// The UTF-16 form of a native path, with Windows' own separators.
std::wstring Wide(const std::string& p) {
    std::wstring w = WideFromUtf8(p.empty() ? std::string(".") : p);
    std::replace(w.begin(), w.end(), L'/', L'\\');
    return w;
}

std::string Slashes(const std::wstring& path) {
    std::string p = Utf8FromWide(path);
    std::replace(p.begin(), p.end(), '\\', '/');
    return p;
}

DWORD Attributes(const std::string& p) { return ::GetFileAttributesW(Wide(p).c_str()); }

bool IsFolderAttr(DWORD a) { return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY); }

// Characters Windows does not allow in a name, and ':' that would name a hidden stream of
// another file instead of a file of its own.
bool PlainName(const std::wstring& name) {
    if (name.empty() || name == L"." || name == L"..") return false;
    for (wchar_t c : name)
        if (c < 0x20 || std::wcschr(L"\\/:*?\"<>|", c)) return false;
    return true;
}

// Opens a file for reading as a C runtime descriptor. Others may still rename or replace the
// file meanwhile (the program's own saves do so), which the descriptor does not notice.
int OpenForReading(const std::wstring& path, DWORD flags = 0) {
    HANDLE h = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | flags, nullptr);
    if (h == INVALID_HANDLE_VALUE) return -1;
    const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(h), _O_RDONLY | _O_BINARY);
    if (fd < 0) ::CloseHandle(h);
    return fd;
}

bool RegularFileWithin(int fd, long long maxBytes, long long* size = nullptr) {
    HANDLE h = reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
    BY_HANDLE_FILE_INFORMATION info{};
    if (h == INVALID_HANDLE_VALUE || !::GetFileInformationByHandle(h, &info)) return false;
    if (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) return false;
    const long long n = (static_cast<long long>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    if (size) *size = n;
    return n <= maxBytes;
}

bool ReadOpenFile(int fd, long long maxBytes, std::string& bytes) {
    bytes.clear();
    long long size = 0;
    if (!RegularFileWithin(fd, maxBytes, &size)) return false;
    bytes.reserve(static_cast<size_t>(size));
    char buf[65536];
    for (;;) {
        const int n = ::_read(fd, buf, sizeof buf);
        if (n < 0 || static_cast<long long>(bytes.size()) + n > maxBytes) {
            bytes.clear();
            return false;
        }
        if (n == 0) return true;
        bytes.append(buf, static_cast<size_t>(n));
    }
}

// Gives the file the target's name with the file system's POSIX rules: an old file still
// open for reading is replaced all the same. False where the system lacks the rule (before
// Windows 10, FAT drives, Wine), and the caller falls back to MoveFileExW.
bool RenameOverOpenFile(const std::wstring& from, const std::wstring& to) {
    HANDLE h = ::CreateFileW(from.c_str(), DELETE | GENERIC_WRITE | SYNCHRONIZE,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    const wchar_t* full = to.c_str();
    std::wstring absolute(MAX_PATH * 4, L'\0');
    const DWORD n = ::GetFullPathNameW(to.c_str(), static_cast<DWORD>(absolute.size()), absolute.data(), nullptr);
    if (n > 0 && n < absolute.size()) {
        absolute.resize(n);
        full = absolute.c_str();
    }
    const size_t nameBytes = std::wcslen(full) * sizeof(wchar_t);
    std::vector<unsigned char> buffer(sizeof(FILE_RENAME_INFO) + nameBytes);
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    constexpr DWORD kReplaceIfExists = 0x1, kPosixSemantics = 0x2;  // FILE_RENAME_FLAG_*
    constexpr auto kFileRenameInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(22);
    info->Flags = kReplaceIfExists | kPosixSemantics;
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>(nameBytes);
    std::memcpy(info->FileName, full, nameBytes);
    const bool ok = ::SetFileInformationByHandle(h, kFileRenameInfoEx, info, static_cast<DWORD>(buffer.size())) != 0;
    if (ok) ::FlushFileBuffers(h);
    ::CloseHandle(h);
    return ok;
}

std::wstring KnownFolder(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    std::wstring out;
    if (SUCCEEDED(::SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path)) && path) {
        out = path;
        std::replace(out.begin(), out.end(), L'\\', L'/');
        while (out.size() > 3 && out.back() == L'/') out.pop_back();
    }
    ::CoTaskMemFree(path);
    return IsFolderAttr(::GetFileAttributesW(Wide(Utf8FromWide(out)).c_str())) ? out : std::wstring();
}

}  // namespace

bool IsNativePath(const std::wstring& path) {
    return (path.size() >= 2 && path[1] == L':') ||
           (!path.empty() && (path[0] == L'/' || path.compare(0, 2, L"\\\\") == 0));
}

std::wstring ShownPath(const std::wstring& path) {
    std::wstring shown = path;
    std::replace(shown.begin(), shown.end(), L'/', L'\\');
    return shown;
}

std::wstring FoldCase(const std::wstring& text) {
    if (text.empty()) return text;
    std::wstring out(text.size(), L'\0');
    const int n = ::LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_LOWERCASE, text.c_str(), static_cast<int>(text.size()),
                                  out.data(), static_cast<int>(out.size()), nullptr, nullptr, 0);
    if (n <= 0) return text;
    out.resize(static_cast<size_t>(n));
    return out;
}

// Windows' file systems find names whatever their letter case, so no entry need be looked up.
std::string NativePath(const std::wstring& path) { return Slashes(path); }

bool FileExists(const std::wstring& path) { return Attributes(NativePath(path)) != INVALID_FILE_ATTRIBUTES; }
bool FolderExists(const std::wstring& path) { return IsFolderAttr(Attributes(NativePath(path))); }

bool FileStamp(const std::wstring& folder, const std::wstring& name, long long& size, long long& changed) {
    std::string dir = NativePath(folder);
    if (!dir.empty() && dir.back() != '/') dir += '/';
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(Wide(dir + Utf8FromWide(name)).c_str(), GetFileExInfoStandard, &data)) return false;
    size = (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    const long long ticks =
        (static_cast<long long>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
    changed = ticks * 100;  // 100 ns steps
    return true;
}

ReadResult ReadFileInFolder(const std::wstring& folder, const std::wstring& name, long long maxBytes,
                            std::string& bytes) {
    bytes.clear();
    if (!PlainName(name)) return ReadResult::kRefused;
    std::string dir = NativePath(folder);
    if (!dir.empty() && dir.back() != '/') dir += '/';
    const std::wstring file = Wide(dir + Utf8FromWide(name));
    const DWORD a = ::GetFileAttributesW(file.c_str());
    if (a == INVALID_FILE_ATTRIBUTES) {
        const DWORD e = ::GetLastError();
        return e == ERROR_FILE_NOT_FOUND || e == ERROR_PATH_NOT_FOUND ? ReadResult::kMissing : ReadResult::kRefused;
    }
    // Links and junctions are not followed: a trainee's file is a plain file of the folder.
    if (a & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) return ReadResult::kRefused;
    const int fd = OpenForReading(file, FILE_FLAG_OPEN_REPARSE_POINT);
    if (fd < 0) return ReadResult::kRefused;
    const bool ok = ReadOpenFile(fd, maxBytes, bytes);
    ::_close(fd);
    return ok ? ReadResult::kRead : ReadResult::kRefused;
}

bool FileReader::Open(const std::wstring& path, long long maxBytes) {
    Close();
    const std::string p = NativePath(path);
    const DWORD a = Attributes(p);
    if (a == INVALID_FILE_ATTRIBUTES || (a & FILE_ATTRIBUTE_DIRECTORY)) return false;
    fd_ = OpenForReading(Wide(p));
    if (fd_ < 0) return false;
    if (!RegularFileWithin(fd_, maxBytes)) Close();
    return fd_ >= 0;
}

FileWriter::~FileWriter() { Discard(); }

bool FileWriter::Open(const std::wstring& path) {
    Discard();
    const std::string p = Slashes(path);
    const size_t cut = p.find_last_of('/');
    const std::wstring name = WideFromUtf8(cut == std::string::npos ? p : p.substr(cut + 1));
    if (!PlainName(name)) return false;
    target_ = p;
    if (IsFolderAttr(Attributes(target_))) return false;
    // A writer stopped half-way (the program killed, the machine off) left its temporary
    // beside its target; those of writers that no longer run are cleared away first.
    const std::string folder = cut == std::string::npos ? std::string() : p.substr(0, cut + 1);
    RemoveStaleTemporaries(folder);
    // An unguessable name, created only when no such file exists: nothing planted is written through.
    std::random_device random;
    const char* digits = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 16 && fd_ < 0; ++attempt) {
        std::string suffix;
        for (int i = 0; i < 6; ++i) suffix += digits[random() % 36];
        temp_ = folder + TemporaryFileName(suffix);
        HANDLE h =
            ::CreateFileW(Wide(temp_).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            if (::GetLastError() != ERROR_FILE_EXISTS) break;
            continue;
        }
        fd_ = ::_open_osfhandle(reinterpret_cast<intptr_t>(h), _O_WRONLY | _O_BINARY);
        if (fd_ < 0) {
            ::CloseHandle(h);
            ::DeleteFileW(Wide(temp_).c_str());
        }
    }
    failed_ = fd_ < 0;
    if (fd_ < 0) temp_.clear();
    return fd_ >= 0;
}

bool FileWriter::Commit() {
    if (fd_ < 0) return false;
    bool ok = !failed_ && ::_commit(fd_) == 0;  // to the disk before it takes the name
    ok = (::_close(fd_) == 0) && ok;
    fd_ = -1;
    const std::wstring temp = Wide(temp_), target = Wide(target_);
    if (ok) {
        // Where the system can (Windows 10 and later on NTFS), the new file takes the name even
        // while a reader that lets others delete it (the program's own readers, a search
        // indexer) still has the old one open. A reader that opened the file without letting
        // others replace it (a virus scanner, a spreadsheet) holds it for a moment: the
        // replacement is tried a few times.
        ok = RenameOverOpenFile(temp, target);
        for (int attempt = 0; attempt < 5 && !ok; ++attempt) {
            if (attempt > 0) ::Sleep(20);
            ok = ::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
            const DWORD e = ok ? 0 : ::GetLastError();
            if (!ok && e != ERROR_SHARING_VIOLATION && e != ERROR_ACCESS_DENIED && e != ERROR_LOCK_VIOLATION) break;
        }
    }
    if (!ok) ::DeleteFileW(temp.c_str());
    temp_.clear();
    ForgetFolderListings();
    return ok;
}

void FileWriter::Discard() {
    if (fd_ >= 0) {
        ::_close(fd_);
        fd_ = -1;
        ::DeleteFileW(Wide(temp_).c_str());
    }
    temp_.clear();
}

bool CreateFolder(const std::wstring& path) {
    const std::string p = NativePath(path);
    if (p.empty()) return false;
    ForgetFolderListings();
    return ::CreateDirectoryW(Wide(p).c_str(), nullptr) || IsFolderAttr(Attributes(p));
}

// The folder takes the access rules of the folder it is made in: under the user's own
// profile (Documents, AppData) no one else may enter it.
FolderState CreatePrivateFolder(const std::wstring& path) {
    std::string p = NativePath(path);
    while (p.size() > 3 && p.back() == '/') p.pop_back();
    if (p.empty()) return FolderState::kFailed;
    ForgetFolderListings();
    if (::CreateDirectoryW(Wide(p).c_str(), nullptr)) return FolderState::kMade;
    const DWORD a = Attributes(p);
    if (!IsFolderAttr(a) || (a & FILE_ATTRIBUTE_REPARSE_POINT)) return FolderState::kFailed;
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
    return ::DeleteFileW(Wide(NativePath(path)).c_str()) != 0;
}

std::vector<std::string> FolderRoots() {
    std::vector<std::string> roots;
    const DWORD drives = ::GetLogicalDrives();
    for (int i = 0; i < 26; ++i)
        if (drives & (1u << i)) roots.push_back(std::string(1, static_cast<char>('A' + i)) + ":/");
    return roots;
}

std::wstring DocumentsFolder() { return KnownFolder(FOLDERID_Documents); }

std::wstring DataHomeFolder() { return KnownFolder(FOLDERID_LocalAppData); }

std::wstring RoamingAppDataFolder() { return KnownFolder(FOLDERID_RoamingAppData); }

std::string WindowsUserLocale() {
    wchar_t name[LOCALE_NAME_MAX_LENGTH];
    const int n = ::GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH);
    return n > 1 ? Utf8FromWide(std::wstring(name, static_cast<size_t>(n - 1))) : std::string();
}

std::wstring WorkingFolder() {
    wchar_t buf[MAX_PATH * 4];
    const DWORD n = ::GetCurrentDirectoryW(static_cast<DWORD>(std::size(buf)), buf);
    if (n == 0 || n >= std::size(buf)) return L".";
    std::wstring w(buf, n);
    std::replace(w.begin(), w.end(), L'\\', L'/');
    return w;
}

bool SetWorkingFolder(const std::wstring& path) { return ::SetCurrentDirectoryW(Wide(NativePath(path)).c_str()) != 0; }

std::wstring ExecutableFolder() {
    wchar_t buf[MAX_PATH * 4];
    const DWORD n = ::GetModuleFileNameW(nullptr, buf, static_cast<DWORD>(std::size(buf)));
    if (n == 0 || n >= std::size(buf)) return L".";
    std::wstring w(buf, n);
    std::replace(w.begin(), w.end(), L'\\', L'/');
    const size_t cut = w.find_last_of(L'/');
    return cut == std::wstring::npos ? std::wstring(L".") : w.substr(0, cut);
}

// --- what the shared file services ask of Windows ---------------------------------------------

namespace files_detail {

const wchar_t* const kRealPathSeparators = L"\\/";

FolderStamp StampOf(const std::string& folder) {
    FolderStamp stamp;
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(Wide(folder).c_str(), GetFileExInfoStandard, &data) ||
        !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return stamp;
    stamp.exists = true;
    stamp.values[0] =
        (static_cast<long long>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
    return stamp;
}

std::vector<ListedEntry> ReadEntries(const std::string& folder) {
    std::vector<ListedEntry> entries;
    WIN32_FIND_DATAW found{};
    HANDLE h =
        ::FindFirstFileExW((Wide(folder) + L"\\*").c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
    if (h == INVALID_HANDLE_VALUE) return entries;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        entries.push_back(ListedEntry{name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (::FindNextFileW(h, &found));
    ::FindClose(h);
    return entries;
}

long ReadDescriptor(int fd, void* buffer, size_t size) {
    return ::_read(fd, buffer, static_cast<unsigned>(std::min<size_t>(size, 1u << 30)));
}

long WriteDescriptor(int fd, const void* data, size_t size) {
    return ::_write(fd, data, static_cast<unsigned>(std::min<size_t>(size, 1u << 30)));
}

void CloseDescriptor(int fd) { ::_close(fd); }

}  // namespace files_detail

}  // namespace platform
