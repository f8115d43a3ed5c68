#pragma once
// A fresh folder under /tmp for one test, removed afterwards; optionally the working folder
// while the test runs, so the program's relative paths land inside it.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/Files.h"
#include "platform/Utf.h"

class TempFolder {
public:
    explicit TempFolder(bool makeWorking = false) {
        std::string tmpl = (std::filesystem::temp_directory_path() / "kestrova-text-XXXXXX").string();
        if (::mkdtemp(tmpl.data())) path_ = tmpl;
        if (makeWorking) {
            previous_ = platform::WorkingFolder();
            platform::SetWorkingFolder(platform::WideFromUtf8(path_));
        }
    }
    ~TempFolder() {
        if (!previous_.empty()) platform::SetWorkingFolder(previous_);
        std::error_code ec;
        if (!path_.empty()) std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The path of a file in the folder, in the program's (wide) form.
    std::wstring File(const std::string& name) const { return platform::WideFromUtf8(path_ + "/" + name); }
    std::string Native(const std::string& name) const { return path_ + "/" + name; }

    void Put(const std::string& name, const std::string& bytes) const {
        std::filesystem::create_directories(std::filesystem::path(Native(name)).parent_path());
        platform::WriteFileAtomic(File(name), bytes);
    }
    std::string Get(const std::string& name) const {
        std::string bytes;
        platform::ReadWholeFile(File(name), bytes);
        return bytes;
    }
    void Folder(const std::string& name) const { std::filesystem::create_directories(Native(name)); }

private:
    std::string path_;
    std::wstring previous_;
};
