#pragma once
// Conversions between the program's wide strings and UTF-8 at the platform boundary.
#include <string>

namespace platform {

// Wide strings are UTF-32 on Linux and UTF-16 on Windows; both convert whole letters.
std::string Utf8FromWide(const std::wstring& text);
std::wstring WideFromUtf8(const std::string& text);

}  // namespace platform
