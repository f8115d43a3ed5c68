#pragma once
// Files, folders and directory listing. The program's own paths (the asset pack, the default
// profile folder) are relative to the working folder and use backslashes; they are converted
// only here. A path that begins with '/' is a real path of this system (a folder the trainer
// chose, the documents folder, a path from "data\paths.txt" written that way) and keeps
// every character, backslashes included.
#include <cstddef>
#include <string>
#include <vector>

namespace platform {

// The native (UTF-8, '/') form of a program path. When a component does not exist with
// that exact case but one entry of the folder matches it case-insensitively, that entry
// is used, so names behave as they do on a case-insensitive file system.
std::string NativePath(const std::wstring& path);
// True for a real path of this system (it begins with '/'): no character of it is converted.
bool IsNativePath(const std::wstring& path);

// Largest file any reader takes in whole unless it names its own limit; a larger file is
// treated as unreadable, without allocating its size. The biggest file of the asset pack is
// well under 1 MiB.
constexpr long long kMaxReadBytes = 16ll << 20;

bool FileExists(const std::wstring& path);    // a file or a folder
bool FolderExists(const std::wstring& path);  // a folder only
bool ReadWholeFile(const std::wstring& path, std::string& bytes, long long maxBytes = kMaxReadBytes);

enum class ReadResult { kRead, kMissing, kRefused };
// Reads folder + name, where name is a plain file name taken exactly as given (no lookup
// by letter case). Refused: a file above maxBytes, something other than a regular file, a
// link that leads outside the folder, or a read error. bytes is empty unless kRead.
// Size and change time (ns) of folder + name taken exactly, without following a link; false
// when there is no such file. A picture decoded once is known again by these.
bool FileStamp(const std::wstring& folder, const std::wstring& name, long long& size, long long& changed);
ReadResult ReadFileInFolder(const std::wstring& folder, const std::wstring& name, long long maxBytes,
                            std::string& bytes);

// Sequential reader, the stand-in for CreateFileW + ReadFile.
class FileReader final {
public:
    FileReader() = default;
    ~FileReader();
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;
    // Fails for folders, missing files and files above maxBytes.
    bool Open(const std::wstring& path, long long maxBytes = kMaxReadBytes);
    // Reads the given bytes as if they were the file's content.
    bool OpenBytes(std::string bytes);
    // Bytes read (0 at the end of the file), or -1 on a read error.
    long Read(void* buffer, size_t size);
    void Close();
    bool IsOpen() const { return fd_ >= 0 || memory_; }

private:
    int fd_ = -1;
    bool memory_ = false;
    std::string bytes_;
    size_t offset_ = 0;
};

// Writer that never leaves a half-written file: bytes go to a temporary file beside the
// target; Commit flushes it to disk and renames it over the target in one step. A writer
// closed or destroyed without a successful Commit leaves the old file untouched.
// The file is written under its exact name (a file whose name differs only in letter case
// is never taken for it). The temporary file gets a name no one can guess and is created
// exclusively, so a planted file or link is never written through. A file that is replaced
// keeps its permissions; a new one follows the umask, and admits no one else when its folder
// admits no one else (the trainees' own folder).
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
enum class FolderState { kMade, kExisted, kFailed };
// A folder for the user alone: made with no access for anyone else. One that exists already
// is taken only when it is a folder of this user that no one else may write into.
FolderState CreatePrivateFolder(const std::wstring& path);
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

// The user's documents folder as the desktop names it: XDG_DOCUMENTS_DIR of user-dirs.dirs
// in $XDG_CONFIG_HOME (else ~/.config), in the user's language; else ~/Documents; else the
// home folder. Empty when there is no home (HOME unset or not a folder). A folder that
// everyone may write into is never returned.
std::wstring DocumentsFolder();
// $XDG_DATA_HOME when it is set to a real folder that no one else may write into; else empty.
std::wstring DataHomeFolder();
// Lower-case form of every letter, independent of the locale, for comparing names the way
// a case-insensitive file system does ("ÅSA" and "åsa" are one name).
std::wstring FoldCase(const std::wstring& text);
std::wstring WorkingFolder();
bool SetWorkingFolder(const std::wstring& path);
std::wstring ExecutableFolder();

}  // namespace platform
