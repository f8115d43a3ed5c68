#pragma once
// Shipped files made to appear in a test's own folder. A symbolic link where the system makes
// one (cheap: one link for a whole folder); where it does not (Windows without developer mode),
// the folder is rebuilt with a hard link for each file, or a copy where even that fails.
// Removing what this made (std::filesystem::remove_all) never touches the shipped files.
#include <filesystem>
#include <system_error>

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

}  // namespace testfiles
