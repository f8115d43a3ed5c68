#pragma once
// Walking the folder tree in the program's own folder chooser and save dialog. Paths are
// native: UTF-8 with '/' between folders ("/home/asa", "C:/Users/Åsa"), and every system's
// own idea of a full path and a root holds.
#include <string>
#include <vector>

namespace platform {

// The tops of the folder tree: "/" on Linux; on Windows every drive that is there ("C:/", "D:/").
std::vector<std::string> FolderRoots();
// The folder that holds folder; empty for a root (or an empty folder).
std::string ParentFolder(const std::string& folder);
// name inside folder; a full path given as name stands as it is, and an empty folder (the
// list of roots) gives name itself.
std::string JoinFolder(const std::string& folder, const std::string& name);
// Whether path is a full path of this system (a relative one would land in the working folder).
bool IsFullPath(const std::string& path);
// Whether path names an existing folder.
bool IsFolder(const std::string& path);

}  // namespace platform
