#pragma once
// One program at a time per trainee. While a trainee trains, the program holds the file
// "<name>.lock" in the trainees' folder, so that a second program (a second start, another
// desktop session, another computer on a shared network folder) does not load the record and
// later write it back over this one's results.
//
// What it relies on: creating a file exclusively (made only when its name is free) succeeds for exactly one
// of several programs, on local disks and on network folders alike (NFS from version 3, SMB);
// advisory locks (flock, fcntl) are not relied on, because many network folders do not share
// them between computers. The file names its holder (computer, this boot of it, process) and
// carries a heartbeat time, rewritten every kRefreshSeconds while the trainee is held. A lock
// is stale, and is taken over, when its holder ran in this boot of this computer and the
// process is gone (a killed program frees its trainee at once), or when its heartbeat is older
// than kStaleSeconds (a computer that crashed or lost the network frees it after that time),
// or, for a file that does not read as a lock, when the file itself is that old.
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

namespace platform {

class TraineeLock final {
public:
    static constexpr int kRefreshSeconds = 20;
    static constexpr int kStaleSeconds = 120;

    enum class Result { kHeld, kInUse, kFailed };

    TraineeLock() = default;
    ~TraineeLock();
    TraineeLock(const TraineeLock&) = delete;
    TraineeLock& operator=(const TraineeLock&) = delete;

    // Takes the lock of trainee name in folder (a profile folder, ending in its separator).
    // kInUse: a live program holds it. kFailed: the lock file could not be made at all (a
    // folder that cannot be written to); nothing is held then.
    Result Acquire(const std::wstring& folder, const std::wstring& name);
    // Gives the trainee free again (removes the file when it is still this program's).
    void Release();
    // The lock file on disk is still this program's (not taken over while this program was
    // stopped or cut off for longer than kStaleSeconds).
    bool Held() const;
    // Another live program holds the trainee. Takes nothing.
    static bool InUse(const std::wstring& folder, const std::wstring& name);
    // The lock file's name for a trainee.
    static std::wstring FileName(const std::wstring& name) { return name + L".lock"; }

private:
    void Beat();
    std::string Content(long long now) const;
    std::string path_;
    std::string token_;
    intptr_t file_ = -1;  // the open lock file (os::FileHandle)
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    std::thread heartbeat_;
};

}  // namespace platform
