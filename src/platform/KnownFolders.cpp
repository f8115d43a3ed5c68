#include "platform/KnownFolders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "platform/FilePaths.h"
#include "platform/FileRead.h"
#include "platform/FilesDetail.h"
#include "platform/Utf.h"

namespace platform {

using files_detail::IsNative;
using files_detail::StatIs;

namespace {

// Only group and others' write bits: a folder anyone may write into is no place for a
// trainee's files.
bool WorldWritable(const struct stat& st) { return (st.st_mode & S_IWOTH) != 0; }

bool UsableFolder(const std::string& p) {
    struct stat st {};
    return IsNative(p) && ::stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && !WorldWritable(st);
}

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
