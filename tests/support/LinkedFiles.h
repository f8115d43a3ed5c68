#pragma once
// Shipped files made to appear in a test's own folder. A symbolic link where the system makes
// one (cheap: one link for a whole folder); where it does not (Windows without developer mode),
// the folder is rebuilt with a hard link for each file, or a copy where even that fails.
// Removing what this makes (std::filesystem::remove_all) never touches the shipped files.
#include <filesystem>
#include <map>
#include <string>
#include <system_error>

#include "support/ScratchFolder.h"

namespace testfiles {

inline void Link(const std::filesystem::path& from, const std::filesystem::path& to) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::is_directory(from)) {
        fs::create_directory_symlink(from, to, ec);
        if (!ec) return;
        fs::create_directories(to);
        for (const auto& e : fs::directory_iterator(from)) Link(e.path(), to / e.path().filename());
        return;
    }
    fs::create_symlink(from, to, ec);
    if (!ec) return;
    fs::create_hard_link(from, to, ec);
    if (!ec) return;
    fs::copy_file(from, to);
}

// A folder rebuilt of hard links is slow to make and to remove (about a second for the asset
// pack under Wine): a test gives back such a folder it left as it was, and the next test of
// the run takes that one instead of making another. Symbolic links are never kept.
class KeptFolders {
public:
    static KeptFolders& OfThisRun() {
        static KeptFolders kept;
        return kept;
    }
    // Puts `from` at `to`: a folder given back earlier, else a new one (Link).
    void Take(const std::filesystem::path& from, const std::filesystem::path& to) {
        auto it = kept_.find(from);
        if (it != kept_.end()) {
            std::error_code ec;
            std::filesystem::rename(it->second, to, ec);
            kept_.erase(it);
            if (!ec) return;
        }
        Link(from, to);
    }
    // Keeps the folder at `at`, taken from `from` and left as it was, for the next Take.
    void GiveBack(const std::filesystem::path& from, const std::filesystem::path& at) {
        namespace fs = std::filesystem;
        std::error_code ec;
        if (kept_.count(from) || fs::is_symlink(at, ec) || !fs::is_directory(at, ec)) return;
        const fs::path keep = store_.Path() / std::to_string(++count_);
        fs::rename(at, keep, ec);
        if (!ec) kept_[from] = keep;
    }

private:
    ScratchFolder store_{"kept"};
    std::map<std::filesystem::path, std::filesystem::path> kept_;
    int count_ = 0;
};

}  // namespace testfiles
