#pragma once
// Files, folders and directory listing. Paths arrive in the program's own form:
// relative to the working folder, with backslashes; they are converted only here.
#include <cstddef>
#include <string>
#include <vector>

namespace platform {

// The native (UTF-8, '/') form of a program path. When a component does not exist with
// that exact case but one entry of the folder matches it case-insensitively, that entry
// is used, so names behave as they do on a case-insensitive file system.
std::string NativePath(const std::wstring& path);

bool FileExists(const std::wstring& path);    // a file or a folder
bool FolderExists(const std::wstring& path);  // a folder only
bool ReadWholeFile(const std::wstring& path, std::string& bytes);

// Sequential reader, the stand-in for CreateFileW + ReadFile.
class FileReader final {
public:
    FileReader() = default;
    ~FileReader();
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;
    bool Open(const std::wstring& path);
    // Bytes read (0 at the end of the file), or -1 on a read error.
    long Read(void* buffer, size_t size);
    void Close();
    bool IsOpen() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

// Writer that never leaves a half-written file: bytes go to a temporary file beside the
// target; Commit flushes it to disk and renames it over the target in one step. A writer
// closed or destroyed without a successful Commit leaves the old file untouched.
class FileWriter final {
public:
    FileWriter() = default;
    ~FileWriter();
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;
    bool Open(const std::wstring& path);
    bool Write(const void* data, size_t size);
    bool Commit();
    void Discard();
    bool IsOpen() const { return fd_ >= 0; }

private:
    int fd_ = -1;
    bool failed_ = false;
    std::string target_;
    std::string temp_;
};

// Writes the whole file through a FileWriter.
bool WriteFileAtomic(const std::wstring& path, const std::string& bytes);

bool CreateFolder(const std::wstring& path);  // true when it exists afterwards
bool CopyFileTo(const std::wstring& from, const std::wstring& to, bool failIfExists);
bool DeleteFileAt(const std::wstring& path);

struct FoundFile {
    std::wstring name;  // the name alone, without its folder
    bool isFolder = false;
};

// Entries of a folder whose names match the last component of pattern ('*' and '?',
// case-insensitive), sorted by name ascending, case-insensitively. "." and ".." are
// never returned. A missing folder gives an empty list.
std::vector<FoundFile> FindFiles(const std::wstring& pattern);
bool WildcardMatch(const std::wstring& pattern, const std::wstring& name);

std::wstring DocumentsFolder();  // XDG documents folder, else ~/Documents, else home
std::wstring WorkingFolder();
bool SetWorkingFolder(const std::wstring& path);
std::wstring ExecutableFolder();

}  // namespace platform
