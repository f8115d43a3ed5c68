#include "platform/TraineeLock.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <random>

#include "platform/Files.h"
#include "platform/ProcessFiles.h"
#include "platform/TempNames.h"
#include "platform/Utf.h"

namespace platform {
namespace {

constexpr size_t kMaxLockBytes = 4096;
constexpr long long kFarFutureSeconds = 24 * 60 * 60;  // a heartbeat this far ahead is nonsense

struct Holder {
    bool ok = false;
    std::string host, boot, token;
    long long pid = 0, time = 0;
};

const std::string& HostName() {
    static const std::string name = os::ComputerName();
    return name;
}

std::string Value(const std::string& content, const std::string& key) {
    const std::string mark = "\n" + key + " ";
    const size_t at = content.find(mark);
    if (at == std::string::npos) return {};
    const size_t start = at + mark.size(), end = content.find('\n', start);
    return end == std::string::npos ? std::string() : content.substr(start, end - start);
}

long long Number(const std::string& text) {
    if (text.empty() || text.size() > 20 || text.find_first_not_of("0123456789") != std::string::npos) return -1;
    return std::stoll(text);
}

Holder Parse(const std::string& content) {
    Holder h;
    if (content.rfind("kestrova trainee lock\n", 0) != 0) return h;
    h.host = Value(content, "host");
    h.boot = Value(content, "boot");
    h.token = Value(content, "token");
    h.pid = Number(Value(content, "pid"));
    h.time = Number(Value(content, "time"));
    h.ok = !h.token.empty() && h.pid > 0 && h.time >= 0;
    return h;
}

long long Now() { return static_cast<long long>(std::time(nullptr)); }

// The lock file's bytes and change time, without following a link. False when it is gone;
// an unreadable one is judged by its age alone.
bool ReadLock(const std::string& path, std::string& content, long long& changed) {
    return os::ReadSmallFile(path, kMaxLockBytes, content, changed);
}

bool Stale(const std::string& content, long long changed) {
    const long long now = Now();
    const Holder h = Parse(content);
    if (!h.ok) return now - changed > TraineeLock::kStaleSeconds;
    if (!h.boot.empty() && h.boot == ThisBootId() && h.host == HostName() && os::ProcessGone(h.pid)) return true;
    const long long age = now - h.time;
    return age > TraineeLock::kStaleSeconds || age < -kFarFutureSeconds;
}

std::string RandomToken() {
    std::random_device device;
    char buf[17];
    std::snprintf(buf, sizeof buf, "%08x%08x", device(), device());
    return buf;
}

// Moves a stale lock out of the way. Only the one program whose rename finds the very lock it
// judged removes it; a program that finds a newer one (another took the stale lock over in
// between) puts that back and stays out.
bool TakeAway(const std::string& path, const std::string& judged) {
    const size_t cut = path.find_last_of('/');
    const std::string aside = (cut == std::string::npos ? std::string() : path.substr(0, cut + 1)) +
                              TemporaryFileName(RandomToken().substr(0, 6));
    if (!os::MoveAside(path, aside)) return false;
    std::string content;
    long long changed = 0;
    ReadLock(aside, content, changed);
    if (content != judged) {
        if (!os::MoveToFreeName(aside, path)) os::RemoveFile(aside);
        return false;
    }
    os::RemoveFile(aside);
    return true;
}

std::string LockPath(const std::wstring& folder, const std::wstring& name) {
    std::string dir = NativePath(folder);
    if (!dir.empty() && dir.back() != '/') dir += '/';
    return dir + Utf8FromWide(TraineeLock::FileName(name));
}

}  // namespace

TraineeLock::~TraineeLock() { Release(); }

std::string TraineeLock::Content(long long now) const {
    char time[32];
    std::snprintf(time, sizeof time, "%020lld", now);  // fixed width: a heartbeat rewrites in place
    return "kestrova trainee lock\nhost " + HostName() + "\nboot " + ThisBootId() + "\npid " +
           std::to_string(os::ProcessId()) + "\ntoken " + token_ + "\ntime " + time + "\n";
}

TraineeLock::Result TraineeLock::Acquire(const std::wstring& folder, const std::wstring& name) {
    Release();
    const std::string path = LockPath(folder, name);
    for (int attempt = 0; attempt < 3; ++attempt) {
        bool taken = false;
        const os::FileHandle file = os::CreateNewFile(path, taken);
        if (file != os::kNoFile) {
            path_ = path;
            token_ = RandomToken();
            file_ = file;
            if (!os::RewriteFile(file_, Content(Now()))) {
                Release();
                return Result::kFailed;
            }
            stop_ = false;
            heartbeat_ = std::thread([this] { Beat(); });
            return Result::kHeld;
        }
        if (!taken) return Result::kFailed;
        std::string content;
        long long changed = 0;
        if (!ReadLock(path, content, changed)) continue;  // released meanwhile: try again
        if (!Stale(content, changed) || !TakeAway(path, content)) return Result::kInUse;
    }
    return Result::kInUse;
}

void TraineeLock::Release() {
    if (heartbeat_.joinable()) {
        {
            std::lock_guard<std::mutex> hold(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        heartbeat_.join();
    }
    if (file_ != os::kNoFile) {
        if (Held()) os::RemoveFile(path_);
        os::CloseFile(file_);
        file_ = os::kNoFile;
    }
    path_.clear();
    token_.clear();
}

bool TraineeLock::Held() const {
    if (file_ == os::kNoFile) return false;
    std::string content;
    long long changed = 0;
    if (!ReadLock(path_, content, changed)) return false;
    const Holder h = Parse(content);
    return h.ok && h.token == token_ && h.pid == os::ProcessId();
}

void TraineeLock::Beat() {
    std::unique_lock<std::mutex> hold(mutex_);
    while (!wake_.wait_for(hold, std::chrono::seconds(kRefreshSeconds), [this] { return stop_; })) {
        if (!Held()) continue;  // taken over: this program no longer writes into it
        os::RewriteFile(file_, Content(Now()));
    }
}

bool TraineeLock::InUse(const std::wstring& folder, const std::wstring& name) {
    std::string content;
    long long changed = 0;
    return ReadLock(LockPath(folder, name), content, changed) && !Stale(content, changed);
}

}  // namespace platform
