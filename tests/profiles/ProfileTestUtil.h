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
#include "support/ScopedEnv.h"
#include "support/ScratchFolder.h"

class ProfileFolder {
public:
    ProfileFolder() : scratch_("prof") {}

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
    ScratchFolder scratch_;
    std::string path_ = scratch_.Native();
};

// A UTF-8 file with its byte-order mark: the lines, each ended by CR LF.
inline std::string Utf8File(std::initializer_list<std::string> lines) {
    std::string bytes = "\xEF\xBB\xBF";
    for (const auto& l : lines) bytes += l + "\r\n";
    return bytes;
}
