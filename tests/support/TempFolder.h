#pragma once
// A scratch folder with the program's file functions: optionally the working folder while
// the test runs, so the program's relative paths land inside it.
#include <filesystem>
#include <string>

#include "platform/Files.h"
#include "platform/Utf.h"
#include "support/ScratchFolder.h"

class TempFolder {
public:
    explicit TempFolder(bool makeWorking = false) {
        if (makeWorking) {
            previous_ = platform::WorkingFolder();
            platform::SetWorkingFolder(platform::WideFromUtf8(path_));
        }
    }
    ~TempFolder() {
        if (!previous_.empty()) platform::SetWorkingFolder(previous_);
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
    ScratchFolder scratch_{"text"};
    std::string path_ = scratch_.Native();
    std::wstring previous_;
};
