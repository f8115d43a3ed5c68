#pragma once
// Choosing a folder (where the copy of all trainees goes). Where the desktop has a
// native folder dialog (zenity or kdialog), it runs as a child process; otherwise the
// program's own chooser is drawn on the canvas: the folders of the current folder in a
// list, with Up, the folder's name to open it, OK to take the folder shown, and Cancel.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace platform {

// The chooser drawn on the canvas: its state, its handling of one input event and its
// picture. Paths are native (UTF-8, '/').
class FolderChooser final {
public:
    enum class Result { Open, Chosen, Cancelled };
    static constexpr int kRows = 12;

    FolderChooser(const FolderDialogTexts& texts, const std::string& startFolder);

    // Acts on one event: a press on a row selects it (a second press on the selected row
    // opens it), Up/Down move the selection, Enter opens the selected folder, Backspace
    // goes up, Escape cancels; the buttons Up, OK (choose the folder shown) and Cancel.
    Result Handle(const InputEvent& event);
    // Draws the chooser over the whole 800 x 600 canvas.
    void Draw(uint32_t* pixels, int strideBytes) const;

    void Open(int index);
    void Up();
    const std::string& Current() const { return current_; }
    const std::vector<std::string>& Folders() const { return folders_; }
    int Selected() const { return selected_; }
    int Top() const { return top_; }

    // The canvas rectangles of the buttons and of row r of the visible list.
    struct Box {
        int x, y, w, h;
        bool Contains(int px, int py) const { return px >= x && px < x + w && py >= y && py < y + h; }
    };
    static Box UpBox() { return {120, 500, 120, 36}; }
    static Box OkBox() { return {440, 500, 110, 36}; }
    static Box CancelBox() { return {560, 500, 120, 36}; }
    static Box RowBox(int r) { return {120, 130 + r * 30, 560, 30}; }

private:
    void List();
    void Select(int index);

    FolderDialogTexts texts_;
    std::string current_;
    std::vector<std::string> folders_;  // names of the visible sub-folders, sorted
    int selected_ = -1;
    int top_ = 0;  // first row shown
};

// Runs the canvas chooser until a folder is chosen or the chooser cancelled (or the
// window closed), presenting each frame on the backend. True with the chosen folder.
bool RunFolderChooser(Backend& os, const FolderDialogTexts& texts, const std::string& startFolder,
                      std::wstring& chosen);

// The desktop's own folder dialog (zenity, then kdialog, found on PATH), run as a child
// process: 1 chosen, 0 cancelled, -1 when there is none to run.
int RunNativeFolderDialog(const FolderDialogTexts& texts, const std::string& startFolder, std::string& chosen);
// Whether RunNativeFolderDialog has a dialog to run.
bool HasNativeFolderDialog();

// The user's home folder (native), the chooser's starting point.
std::string HomeFolder();

// The desktop dialogs run as child processes (the save dialog uses these as well).
// The program's full path when it is on PATH and executable, else empty.
std::string FindOnPath(const char* program);
// Runs the program with the arguments and reads what it writes to its output: its exit
// status, or -1 when it could not be started.
int RunAndRead(const std::string& program, const std::vector<std::string>& args, std::string& out);

}  // namespace platform
