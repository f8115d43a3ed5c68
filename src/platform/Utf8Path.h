#pragma once
// A path of the standard library from UTF-8 and back, the same on every system (a plain
// std::string would be taken in the ANSI code page on Windows).
#include <filesystem>
#include <string>

namespace platform {

inline std::filesystem::path PathFromUtf8(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

inline std::string Utf8FromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace platform
