#pragma once
// Reading files whole or in pieces, with a size limit, so a file of any size or kind
// never costs more than the reader asked for.
#include <cstddef>
#include <string>

namespace platform {

// Largest file any reader takes in whole unless it names its own limit; a larger file is
// treated as unreadable, without allocating its size. The biggest file of the asset pack is
// well under 1 MiB.
constexpr long long kMaxReadBytes = 16ll << 20;

bool ReadWholeFile(const std::wstring& path, std::string& bytes, long long maxBytes = kMaxReadBytes);

// Size and change time (ns) of folder + name taken exactly, without following a link; false
// when there is no such file. A picture decoded once is known again by these.
bool FileStamp(const std::wstring& folder, const std::wstring& name, long long& size, long long& changed);

enum class ReadResult { kRead, kMissing, kRefused };
// Reads folder + name, where name is a plain file name taken exactly as given (no lookup
// by letter case beyond the file system's own). Refused: a file above maxBytes, something
// other than a regular file, a link that leads outside the folder, or a read error. bytes
// is empty unless kRead.
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

}  // namespace platform
