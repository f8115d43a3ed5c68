#pragma once
// The folder chooser drawn on the canvas (where the copy of all trainees goes, when the
// desktop has no folder dialog of its own): the folders of the current folder in a list,
// with Up, the folder's name to open it, OK to take the folder shown, and Cancel. Paths are
// native (UTF-8, '/').
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "ui/Dialog.h"
#include "ui/FolderList.h"

namespace ui {

class FolderChooser final {
public:
    using Result = DialogResult;
    using Box = ui::Box;
    static constexpr int kRows = 12;

    FolderChooser(const platform::FolderDialogTexts& texts, const std::string& startFolder);

    // Acts on one event: a press on a row selects it (a second press on the selected row
    // opens it), Up/Down move the selection, Enter opens the selected folder, Backspace
    // goes up, Escape cancels; the buttons Up, OK (choose the folder shown) and Cancel.
    Result Handle(const platform::InputEvent& event);
    // Draws the chooser over the whole 800 x 600 canvas.
    void Draw(Graphics& g) const;
    void Draw(uint32_t* pixels, int strideBytes) const;

    void Open(int index) { list_.Open(index); }
    void Up() { list_.Up(); }
    const std::string& Current() const { return list_.Current(); }
    std::vector<std::string> Folders() const;
    int Selected() const { return list_.Selected(); }
    int Top() const { return list_.Top(); }

    // The canvas rectangles of the buttons and of row r of the visible list.
    static Box UpBox() { return {120, 500, 120, 36}; }
    static Box OkBox() { return {440, 500, 110, 36}; }
    static Box CancelBox() { return {560, 500, 120, 36}; }
    static Box RowBox(int r) { return {120, 130 + r * kRowHeight, 560, kRowHeight}; }

private:
    static constexpr int kRowHeight = 30;

    platform::FolderDialogTexts texts_;
    FolderList list_;
};

// Runs the chooser until a folder is chosen or the chooser cancelled (or the window
// closed), presenting each frame on the backend. True with the chosen folder.
bool RunFolderChooser(platform::Backend& os, const platform::FolderDialogTexts& texts, const std::string& startFolder,
                      std::wstring& chosen);

}  // namespace ui
