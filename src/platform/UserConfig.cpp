#include "platform/UserConfig.h"

#include <cstdlib>
#include <filesystem>

#include "platform/Files.h"
#include "platform/Utf.h"
#ifdef _WIN32
#include "platform/windows/Services.h"
#endif

namespace platform {

std::string UserConfigFolder() {
#ifdef _WIN32
    const std::wstring appData = RoamingAppDataFolder();
    return appData.empty() ? std::string() : Utf8FromWide(appData) + "/Kestrova";
#endif
    // A relative XDG_CONFIG_HOME is invalid by the desktop's rules and is ignored.
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/') return std::string(xdg) + "/kestrova";
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return std::string(home) + "/.config/kestrova";
    return "";
}

std::wstring UserConfigFile(const char* name) {
    const std::string folder = UserConfigFolder();
    if (folder.empty()) return L"";
    return WideFromUtf8(folder + "/" + name);
}

std::string DesktopLocale() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* v = std::getenv(name);
        if (v && *v) return v;
    }
#ifdef _WIN32
    return WindowsUserLocale();
#endif
    return "";
}

std::string ReadUserSetting(const char* name) {
    const std::wstring path = UserConfigFile(name);
    if (path.empty()) return "";
    FileReader in;
    if (!in.Open(path)) return "";
    char buf[256];
    const long n = in.Read(buf, sizeof buf);
    if (n <= 0) return "";
    std::string line(buf, static_cast<size_t>(n));
    const size_t end = line.find_first_of("\r\n");
    if (end != std::string::npos) line.resize(end);
    return line;
}

bool WriteUserSetting(const char* name, const std::string& line) {
    const std::string folder = UserConfigFolder();
    if (folder.empty()) return false;
#ifdef _WIN32
    CreateFolder(WideFromUtf8(folder));  // %APPDATA% exists: one level to make
#else
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
#endif
    return WriteFileAtomic(WideFromUtf8(folder + "/" + name), line + "\n");
}

bool StartsInDesktopWindow(bool windowWord, const std::string& remembered) {
    return !windowWord && remembered == kDesktopWindowWord;
}

}  // namespace platform
