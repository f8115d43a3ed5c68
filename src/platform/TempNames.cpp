#include "platform/TempNames.h"

#include <ctime>
#include <vector>

#include "platform/ProcessFiles.h"

namespace platform {
namespace {

const std::string kPrefix = ".kestrova-tmp-";
constexpr size_t kTagLength = 8;
constexpr size_t kSuffixLength = 6;
constexpr long long kForeignAgeSeconds = 60 * 60;  // no write takes an hour

bool IsAlnum(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

const std::string& BootTag() {
    static const std::string tag = [] {
        std::string hex;
        for (char c : ThisBootId())
            if (IsAlnum(c) && hex.size() < kTagLength) hex += c;
        return hex.size() == kTagLength ? hex : std::string(kTagLength, '0');
    }();
    return tag;
}

// A process number is at most ten digits: Linux's stay far below, Windows' fill 32 bits.
constexpr size_t kMaxPidDigits = 10;
constexpr long long kMaxPid = 0xFFFFFFFFLL;

struct Parsed {
    std::string tag;
    long long pid = 0;
};

bool Parse(const std::string& name, Parsed& out) {
    // prefix, tag, '-', pid digits, '-', suffix
    const size_t minimum = kPrefix.size() + kTagLength + 1 + 1 + 1 + kSuffixLength;
    if (name.size() < minimum || name.rfind(kPrefix, 0) != 0) return false;
    out.tag = name.substr(kPrefix.size(), kTagLength);
    const size_t pidAt = kPrefix.size() + kTagLength + 1, dash = name.size() - kSuffixLength - 1;
    if (name[pidAt - 1] != '-' || name[dash] != '-') return false;
    for (char c : out.tag)
        if (!IsAlnum(c)) return false;
    const std::string digits = name.substr(pidAt, dash - pidAt);
    if (digits.empty() || digits.size() > kMaxPidDigits || digits.find_first_not_of("0123456789") != std::string::npos)
        return false;
    for (size_t i = dash + 1; i < name.size(); ++i)
        if (!IsAlnum(name[i])) return false;
    out.pid = std::stoll(digits);
    return out.pid <= kMaxPid;
}

}  // namespace

const std::string& ThisBootId() {
    static const std::string id = os::BootId();
    return id;
}

std::string TemporaryFileName(const std::string& suffix) {
    return kPrefix + BootTag() + "-" + std::to_string(os::ProcessId()) + "-" + suffix;
}

bool IsTemporaryFileName(const std::string& name) {
    Parsed p;
    return Parse(name, p);
}

void RemoveStaleTemporaries(const std::string& folder) {
    const std::string dir = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    const long long now = static_cast<long long>(std::time(nullptr));
    for (const std::string& name : os::FileNamesIn(folder)) {
        Parsed p;
        if (!Parse(name, p)) continue;
        const std::string path = dir + name;
        bool stale = false;
        if (p.tag == BootTag()) {
            stale = p.pid != os::ProcessId() && os::ProcessGone(p.pid);
        } else {
            std::string content;
            long long changed = 0;
            stale = os::ReadSmallFile(path, 0, content, changed) && now - changed > kForeignAgeSeconds;
        }
        if (stale) os::RemoveFile(path);
    }
}

}  // namespace platform
