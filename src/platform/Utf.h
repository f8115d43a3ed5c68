#pragma once
// Conversions between the program's wide strings and UTF-8 at the platform boundary.
#include <string>

namespace platform {

// wchar_t is 32 bits here; surrogate pairs arriving from UTF-16 data are combined by callers.
std::string Utf8FromWide(const std::wstring& text);
std::wstring WideFromUtf8(const std::string& text);

}  // namespace platform
