#pragma once
// Choosing a folder or a file to save into. A screen asks the backend:
//     platform::SaveFileRequest request;  // title, file type, default extension, words
//     std::wstring path;                  // native path of the chosen file
//     if (platform::Os().ChooseSaveFile(request, path)) { ... write path ... }
// The desktop backend runs the desktop's own dialog when one is installed (zenity, then
// kdialog, as a child process), else the program's own on the canvas (CanvasWidgets.h); the
// headless backend takes the answers a test queued (HeadlessBackend::QueueSaveFile). Every
// backend finishes a save choice the same way (RunSaveChoice): the default extension is
// added to a name that has none, a name that cannot be saved into (a folder, a missing
// folder, a relative path) is asked again, and replacing an existing file needs a Yes (a No
// asks again). The screen redraws in full afterwards: the dialog covered the window.
#include <functional>
#include <string>

#include "platform/Platform.h"

namespace platform {

enum class SaveChoice { Accepted, Refused, Invalid };

// Makes the chosen name final (see above): Accepted with path set; Refused when the user
// would not replace the existing file; Invalid when nothing can be saved under the name.
SaveChoice FinishSaveChoice(Backend& os, const SaveFileRequest& request, const std::wstring& chosen,
                            std::wstring& path);

// The dialog loop every backend runs: ask (false when the user cancelled), finish the
// choice, ask again after a refusal or an invalid name. True with the final path.
bool RunSaveChoice(Backend& os, const SaveFileRequest& request,
                   const std::function<bool(const SaveFileRequest&, std::wstring&)>& ask, std::wstring& path);

// Where a save dialog starts (native): the request's folder, else the documents folder,
// else the home folder.
std::string SaveStartFolder(const SaveFileRequest& request);
// The user's home folder (native), where the folder chooser starts.
std::string HomeFolder();

// The desktop's own dialogs (zenity, then kdialog, found on PATH) as child processes:
// 1 chosen, 0 cancelled, -1 when there is none to run.
int RunNativeFolderDialog(const FolderDialogTexts& texts, const std::string& startFolder, std::string& chosen);
int RunNativeSaveDialog(const SaveFileRequest& request, std::string& chosen);
// Whether the desktop has a dialog of its own to run.
bool HasNativeFolderDialog();

}  // namespace platform
