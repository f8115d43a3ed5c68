#pragma once
// The folders the program starts from: the user's documents and data folders, the working
// folder and the executable's own folder.
#include <string>

namespace platform {

// The user's documents folder as the desktop names it: XDG_DOCUMENTS_DIR of user-dirs.dirs
// in $XDG_CONFIG_HOME (else ~/.config), in the user's language; else ~/Documents; else the
// home folder. Empty when there is no home (HOME unset or not a folder). A folder that
// everyone may write into is never returned.
std::wstring DocumentsFolder();
// $XDG_DATA_HOME when it is set to a real folder that no one else may write into; else empty.
std::wstring DataHomeFolder();
std::wstring WorkingFolder();
bool SetWorkingFolder(const std::wstring& path);
std::wstring ExecutableFolder();

}  // namespace platform
