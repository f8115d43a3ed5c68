#pragma once
// Choosing a file to save into. A screen fills a SaveFileRequest (Platform.h) and asks the
// backend:
//     platform::SaveFileRequest request;  // title, file type, default extension, words
//     std::wstring path;                  // native path of the chosen file
//     if (platform::Os().ChooseSaveFile(request, path)) { ... write path ... }
// The desktop backend runs the desktop's own dialog when one is installed (zenity, then
// kdialog), else the canvas dialog below; the headless backend takes the answers a test
// queued (HeadlessBackend::QueueSaveFile). Every backend finishes the choice the same way
// (RunSaveChoice): the default extension is added to a name that has none, a name that
// cannot be saved into (a folder, a missing folder, a relative path) is asked again, and
// replacing an existing file needs a Yes (a No asks again). The screen redraws in full
// afterwards: the dialog covered the window.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace platform {

class TextField;

enum class SaveChoice { Accepted, Refused, Invalid };

// Makes the chosen name final (see above): Accepted with path set; Refused when the user
// would not replace the existing file; Invalid when nothing can be saved under the name.
SaveChoice FinishSaveChoice(Backend& os, const SaveFileRequest& request, const std::wstring& chosen,
                            std::wstring& path);

// The dialog loop every backend runs: ask (false when the user cancelled), finish the
// choice, ask again after a refusal or an invalid name. True with the final path.
bool RunSaveChoice(Backend& os, const SaveFileRequest& request,
                   const std::function<bool(const SaveFileRequest&, std::wstring&)>& ask, std::wstring& path);

// The dialog drawn on the canvas: the current folder's sub-folders and the files of the
// requested type in a list, the file name in a text field, and Up, Save and Cancel.
class SaveDialog final {
public:
    enum class Result { Open, Chosen, Cancelled };
    static constexpr int kRows = 10;

    explicit SaveDialog(const SaveFileRequest& request);
    ~SaveDialog();
    SaveDialog(const SaveDialog&) = delete;
    SaveDialog& operator=(const SaveDialog&) = delete;

    // Acts on one event (the name field, once entered with Tab or a press on it, takes typing
    // first): a press on a folder row selects
    // it and a second press opens it; a press on a file row takes its name, a second press
    // chooses it; Enter chooses the typed name (or opens the selected folder when the name is
    // empty); Escape and Cancel cancel; Up goes to the parent folder.
    Result Handle(const InputEvent& event);
    // Draws the dialog over the whole 800 x 600 canvas (the name field is drawn by the
    // text fields' own drawing, over the presented frame).
    void Draw(uint32_t* pixels, int strideBytes) const;

    // The chosen file: the typed name in the folder shown (an absolute name stays as it is).
    std::wstring ChosenPath() const;
    const std::string& Current() const { return current_; }
    struct Entry {
        std::string name;
        bool folder;
    };
    const std::vector<Entry>& Entries() const { return entries_; }
    std::wstring Name() const;
    void SetName(const std::wstring& name);
    void Open(int index);
    void Up();

    struct Box {
        int x, y, w, h;
        bool Contains(int px, int py) const { return px >= x && px < x + w && py >= y && py < y + h; }
    };
    static Box RowBox(int r) { return {120, 130 + r * 28, 560, 28}; }
    static Box NameBox() { return {240, 420, 440, 30}; }
    static Box UpBox() { return {120, 500, 120, 36}; }
    static Box SaveBox() { return {440, 500, 110, 36}; }
    static Box CancelBox() { return {560, 500, 120, 36}; }

private:
    void List();
    void Select(int index);

    SaveFileRequest request_;
    std::string current_;
    std::vector<Entry> entries_;  // sub-folders first, then the matching files, each sorted
    int selected_ = -1;
    int top_ = 0;
    std::unique_ptr<TextField> field_;  // the file name
};

// Runs the canvas dialog until a name is chosen or the dialog cancelled, presenting each
// frame on the backend. True with the chosen path (not yet finished by FinishSaveChoice).
bool RunCanvasSaveDialog(Backend& os, const SaveFileRequest& request, std::wstring& chosen);

// The desktop's own save dialog (zenity, then kdialog) as a child process: 1 chosen,
// 0 cancelled, -1 when there is none to run.
int RunNativeSaveDialog(const SaveFileRequest& request, std::string& chosen);

}  // namespace platform
