#pragma once
// Included ahead of every test file of the Windows build: the few POSIX calls the tests use to
// make scratch folders, in terms of the Windows C runtime.
#ifdef _WIN32
#include <direct.h>
#include <process.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

// A new folder named after the template, its trailing "XXXXXX" replaced; null when none
// could be made.
inline char* mkdtemp(char* pattern) {
    const size_t n = std::strlen(pattern);
    if (n < 6 || std::strcmp(pattern + n - 6, "XXXXXX") != 0) return nullptr;
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        for (size_t i = n - 6; i < n; ++i) pattern[i] = "abcdefghijklmnopqrstuvwxyz0123456789"[random() % 36];
        if (_mkdir(pattern) == 0) return pattern;
        if (errno != EEXIST) return nullptr;
    }
    return nullptr;
}

inline int setenv(const char* name, const char* value, int replace) {
    if (!replace && std::getenv(name)) return 0;
    return _putenv_s(name, value);
}
// A path's own characters (wide on Windows) as the value.
inline int setenv(const char* name, const wchar_t* value, int replace) {
    if (!replace && std::getenv(name)) return 0;
    std::wstring wide;
    for (const char* c = name; *c; ++c) wide += static_cast<wchar_t>(*c);
    return _wputenv_s(wide.c_str(), value);
}
inline int unsetenv(const char* name) { return _putenv_s(name, ""); }
#endif
