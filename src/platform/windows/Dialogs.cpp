// Windows' own save dialog and folder chooser (the common item dialogs), and the home folder
// the choosers start from.

#include <algorithm>

#include "platform/Files.h"
#include "platform/NativeDialogs.h"
#include "platform/Utf.h"

// Windows' headers come last: they define names (VK_RETURN, ...) the program's own headers use.
#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

namespace platform {
namespace {

// COM for the calling thread while a dialog is open; the program's thread may have it already.
class ComScope final {
public:
    ComScope() : hr_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
    ~ComScope() {
        if (SUCCEEDED(hr_)) ::CoUninitialize();
    }
    bool Usable() const { return SUCCEEDED(hr_) || hr_ == RPC_E_CHANGED_MODE; }

private:
    HRESULT hr_;
};

std::wstring WindowsForm(const std::string& native) {
    std::wstring w = WideFromUtf8(native);
    std::replace(w.begin(), w.end(), L'/', L'\\');
    return w;
}

std::string ProgramForm(const wchar_t* path) {
    std::wstring w = path;
    std::replace(w.begin(), w.end(), L'\\', L'/');
    return Utf8FromWide(w);
}

void StartIn(IFileDialog* dialog, const std::string& folder) {
    if (folder.empty()) return;
    IShellItem* item = nullptr;
    if (SUCCEEDED(::SHCreateItemFromParsingName(WindowsForm(folder).c_str(), nullptr, IID_PPV_ARGS(&item)))) {
        dialog->SetFolder(item);
        item->Release();
    }
}

// Shows the dialog over the program's window: 1 with the chosen file-system path, 0 when the
// user cancelled, -1 when the dialog could not be shown.
int Show(IFileDialog* dialog, std::string& chosen) {
    const HRESULT shown = dialog->Show(::GetActiveWindow());
    if (shown == HRESULT_FROM_WIN32(ERROR_CANCELLED)) return 0;
    if (FAILED(shown)) return -1;
    IShellItem* result = nullptr;
    if (FAILED(dialog->GetResult(&result))) return 0;
    PWSTR path = nullptr;
    const bool ok = SUCCEEDED(result->GetDisplayName(SIGDN_FILESYSPATH, &path)) && path;
    if (ok) chosen = ProgramForm(path);
    ::CoTaskMemFree(path);
    result->Release();
    return ok ? 1 : 0;
}

}  // namespace

std::string HomeFolder() {
    PWSTR path = nullptr;
    std::string home;
    if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_Profile, KF_FLAG_DEFAULT, nullptr, &path)) && path)
        home = ProgramForm(path);
    ::CoTaskMemFree(path);
    return home.empty() ? std::string("C:/") : home;
}

bool HasNativeFolderDialog() { return true; }

int RunNativeFolderDialog(const FolderDialogTexts& texts, const std::string& startFolder, std::string& chosen) {
    ComScope com;
    if (!com.Usable()) return -1;
    IFileOpenDialog* dialog = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&dialog))))
        return -1;
    DWORD options = 0;
    dialog->GetOptions(&options);
    // The working folder is the asset pack's: the dialog must not move it.
    dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST | FOS_NOCHANGEDIR);
    if (!texts.title.empty()) dialog->SetTitle(texts.title.c_str());
    if (!texts.choose.empty()) dialog->SetOkButtonLabel(texts.choose.c_str());
    StartIn(dialog, startFolder);
    const int result = Show(dialog, chosen);
    dialog->Release();
    return result;
}

int RunNativeSaveDialog(const SaveFileRequest& request, std::string& chosen) {
    ComScope com;
    if (!com.Usable()) return -1;
    IFileSaveDialog* dialog = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_FileSaveDialog, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&dialog))))
        return -1;
    DWORD options = 0;
    dialog->GetOptions(&options);
    // Replacing a file is asked by the program itself (in its own words), after the dialog.
    dialog->SetOptions((options | FOS_FORCEFILESYSTEM | FOS_NOCHANGEDIR) & ~FOS_OVERWRITEPROMPT);
    if (!request.title.empty()) dialog->SetTitle(request.title.c_str());
    const std::wstring pattern = request.pattern.empty() ? std::wstring(L"*.*") : request.pattern;
    const std::wstring filterName = request.filterName.empty() ? pattern : request.filterName;
    const COMDLG_FILTERSPEC filter{filterName.c_str(), pattern.c_str()};
    dialog->SetFileTypes(1, &filter);
    if (!request.defaultExtension.empty()) dialog->SetDefaultExtension(request.defaultExtension.c_str());
    if (!request.fileName.empty()) dialog->SetFileName(request.fileName.c_str());
    if (!request.fileNameLabel.empty()) dialog->SetFileNameLabel(request.fileNameLabel.c_str());
    if (!request.save.empty()) dialog->SetOkButtonLabel(request.save.c_str());
    std::string start = Utf8FromWide(request.folder);
    if (start.empty()) start = Utf8FromWide(DocumentsFolder());
    StartIn(dialog, start);
    const int result = Show(dialog, chosen);
    dialog->Release();
    return result;
}

}  // namespace platform
