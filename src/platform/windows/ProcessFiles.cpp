// The trainee lock's and the temporaries' system calls on Windows. Handles travel as the
// integer form of a HANDLE.
#include <cstdio>
#include <ctime>

#include "platform/ProcessFiles.h"
#include "platform/Utf.h"

// Windows' headers come last: they define names (VK_RETURN, ...) the program's own headers use.
#include <windows.h>

namespace platform::os {
namespace {

std::wstring Wide(const std::string& path) {
    std::wstring w = WideFromUtf8(path.empty() ? std::string(".") : path);
    for (wchar_t& c : w)
        if (c == L'/') c = L'\\';
    return w;
}

HANDLE AsHandle(FileHandle file) { return reinterpret_cast<HANDLE>(file); }

long long UnixSeconds(const FILETIME& t) {
    const unsigned long long ticks = (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    return static_cast<long long>(ticks / 10000000ULL) - 11644473600LL;  // 100 ns ticks since 1601
}

}  // namespace

long long ProcessId() { return static_cast<long long>(::GetCurrentProcessId()); }

bool ProcessGone(long long pid) {
    if (pid <= 0 || pid > 0xFFFFFFFFLL) return false;
    HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
    if (!process) return ::GetLastError() == ERROR_INVALID_PARAMETER;  // no such process
    DWORD code = 0;
    const bool ended = ::GetExitCodeProcess(process, &code) && code != STILL_ACTIVE;
    ::CloseHandle(process);
    return ended;
}

std::string ComputerName() {
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 256] = {};
    DWORD size = static_cast<DWORD>(sizeof name / sizeof name[0]);
    if (!::GetComputerNameExW(ComputerNameDnsHostname, name, &size) || size == 0) return "?";
    return Utf8FromWide(std::wstring(name, size));
}

std::string BootId() {
    // Windows names no boot; the minute it began (now less the time since it began) and the
    // computer's name stand for it. A clock that is set later may shift it to the next
    // minute: then this computer's locks and temporaries count as another's, which only makes
    // them wait for their age.
    const long long since = static_cast<long long>(::GetTickCount64() / 1000ULL);
    const long long minute = (static_cast<long long>(std::time(nullptr)) - since + 30) / 60;
    const std::string key = ComputerName() + "/" + std::to_string(minute);
    unsigned long long hash = 1469598103934665603ULL;  // FNV-1a
    for (unsigned char c : key) hash = (hash ^ c) * 1099511628211ULL;
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", hash);
    return hex;
}

FileHandle CreateNewFile(const std::string& path, bool& nameTaken) {
    HANDLE h = ::CreateFileW(Wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                             nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    const DWORD error = h == INVALID_HANDLE_VALUE ? ::GetLastError() : 0;
    nameTaken = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
    return h == INVALID_HANDLE_VALUE ? kNoFile : reinterpret_cast<FileHandle>(h);
}

bool RewriteFile(FileHandle file, const std::string& bytes) {
    HANDLE h = AsHandle(file);
    OVERLAPPED at{};  // offset 0
    DWORD written = 0;
    if (!::WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, &at) || written != bytes.size())
        return false;
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    ::SetFileTime(h, nullptr, nullptr, &now);
    return ::FlushFileBuffers(h) != 0;
}

void CloseFile(FileHandle file) {
    if (file != kNoFile) ::CloseHandle(AsHandle(file));
}

bool ReadSmallFile(const std::string& path, size_t maxBytes, std::string& content, long long& changed) {
    content.clear();
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &data)) return false;
    changed = UnixSeconds(data.ftLastWriteTime);
    if (maxBytes == 0 || (data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
        return true;
    HANDLE h = ::CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h == INVALID_HANDLE_VALUE) return true;
    char buf[4096];
    DWORD n = 0;
    while (content.size() < maxBytes && ::ReadFile(h, buf, sizeof buf, &n, nullptr) && n > 0) content.append(buf, n);
    if (content.size() > maxBytes) content.resize(maxBytes);
    ::CloseHandle(h);
    return true;
}

// Without MOVEFILE_REPLACE_EXISTING a move never replaces a file: both moves are the same.
bool MoveAside(const std::string& from, const std::string& to) {
    return ::MoveFileExW(Wide(from).c_str(), Wide(to).c_str(), MOVEFILE_WRITE_THROUGH) != 0;
}

bool MoveToFreeName(const std::string& from, const std::string& to) { return MoveAside(from, to); }

bool RemoveFile(const std::string& path) { return ::DeleteFileW(Wide(path).c_str()) != 0; }

std::vector<std::string> FileNamesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found{};
    std::wstring pattern = Wide(folder);
    while (pattern.size() > 1 && pattern.back() == L'\\') pattern.pop_back();
    HANDLE find = ::FindFirstFileW((pattern + L"\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(Utf8FromWide(found.cFileName));
    } while (::FindNextFileW(find, &found));
    ::FindClose(find);
    return names;
}

}  // namespace platform::os
