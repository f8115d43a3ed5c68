#include "platform/FolderTree.h"

#include <filesystem>
#include <system_error>

#include "platform/Utf8Path.h"

namespace platform {

namespace fs = std::filesystem;

std::string ParentFolder(const std::string& folder) {
    fs::path p = PathFromUtf8(folder);
    // "a/b/" names the same folder as "a/b".
    while (p.has_relative_path() && !p.has_filename()) p = p.parent_path();
    if (!p.has_relative_path()) return {};
    return Utf8FromPath(p.parent_path());
}

std::string JoinFolder(const std::string& folder, const std::string& name) {
    if (folder.empty() || IsFullPath(name)) return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

bool IsFullPath(const std::string& path) { return !path.empty() && PathFromUtf8(path).is_absolute(); }

bool IsFolder(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(PathFromUtf8(path), ec);
}

}  // namespace platform
