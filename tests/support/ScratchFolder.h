#pragma once
// A fresh folder for one test under $KESTROVA_TEST_TMP (else the system's temporary folder),
// removed with everything in it afterwards. Every test that writes files starts from one.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>

class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& prefix = "kestrova") {
        namespace fs = std::filesystem;
        const char* base = std::getenv("KESTROVA_TEST_TMP");
        const fs::path root = base && *base ? fs::path(base) : fs::temp_directory_path();
        std::error_code ec;
        fs::create_directories(root, ec);
        std::string pattern = (root / (prefix + "XXXXXX")).string();
        if (::mkdtemp(pattern.data()))
            path_ = pattern;
        else
            ADD_FAILURE() << "no scratch folder under " << root;
    }
    ~ScratchFolder() {
        std::error_code ec;
        if (!path_.empty()) std::filesystem::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // The folder, or a file in it, as a native path.
    std::string Native(const std::string& name = "") const {
        return name.empty() ? path_.string() : (path_ / name).string();
    }

private:
    std::filesystem::path path_;
};
