#pragma once
// Writing files so that a save either replaces the old file whole or leaves it untouched.
#include <cstddef>
#include <string>

namespace platform {

// Writer that never leaves a half-written file: bytes go to a temporary file beside the
// target; Commit flushes it to disk and renames it over the target in one step. A writer
// closed or destroyed without a successful Commit leaves the old file untouched.
// The file is written under its exact name (a file whose name differs only in letter case
// is never taken for it). The temporary file gets a name no one can guess (TempNames.h) and is created
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
    bool OpenTemporary(const std::wstring& path);

    int fd_ = -1;
    bool failed_ = false;
    std::string target_;
    std::string temp_;
};

// Writes the whole file through a FileWriter.
bool WriteFileAtomic(const std::wstring& path, const std::string& bytes);

}  // namespace platform
