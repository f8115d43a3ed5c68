#pragma once
// A fresh folder per test for profile files, removed afterwards, and small file helpers.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Utf.h"

class ProfileFolder {
public:
    ProfileFolder() {
        const char* base = std::getenv("KESTROVA_TEST_TMP");
        std::filesystem::path root = base && *base ? base : std::filesystem::temp_directory_path().string();
        std::filesystem::create_directories(root);
        std::string pattern = (root / "profXXXXXX").string();
        if (!::mkdtemp(pattern.data())) ADD_FAILURE() << "mkdtemp failed";
        path_ = pattern;
    }
    ~ProfileFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ProfileFolder(const ProfileFolder&) = delete;
    ProfileFolder& operator=(const ProfileFolder&) = delete;

    const std::string& Native() const { return path_; }
    // The folder in the program's form, ending in a separator, as Profile::folder holds it.
    std::wstring Folder() const { return platform::WideFromUtf8(path_) + L"/"; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

    void Put(const std::string& name, const std::string& bytes) const {
        std::filesystem::create_directories(std::filesystem::path(File(name)).parent_path());
        std::ofstream out(File(name), std::ios::binary);
        out << bytes;
    }
    std::string Get(const std::string& name) const {
        std::ifstream in(File(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    bool Has(const std::string& name) const { return std::filesystem::exists(File(name)); }

private:
    std::string path_;
};

// Environment variables set (an empty value: unset) for one test, and put back afterwards.
class ScopedEnv {
public:
    ScopedEnv(std::initializer_list<std::pair<std::string, std::string>> values) {
        for (const auto& [name, value] : values) {
            const char* old = std::getenv(name.c_str());
            saved_.push_back({name, old ? std::optional<std::string>(old) : std::nullopt});
            Set(name, value.empty() ? std::nullopt : std::optional<std::string>(value));
        }
    }
    ~ScopedEnv() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) Set(it->first, it->second);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    static void Set(const std::string& name, const std::optional<std::string>& value) {
        if (value)
            ::setenv(name.c_str(), value->c_str(), 1);
        else
            ::unsetenv(name.c_str());
    }
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

// A UTF-8 file with its byte-order mark: the lines, each ended by CR LF.
inline std::string Utf8File(std::initializer_list<std::string> lines) {
    std::string bytes = "\xEF\xBB\xBF";
    for (const auto& l : lines) bytes += l + "\r\n";
    return bytes;
}
