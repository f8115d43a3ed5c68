#pragma once
// The save dialog drawn on the canvas, for a desktop without a dialog of its own
// (NativeDialogs.h tells how a choice is asked for and made final): the current folder's
// sub-folders and the files of the requested type in a list, the file name in a text field,
// and Up, Save and Cancel.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "ui/Dialog.h"
#include "ui/FolderList.h"

namespace ui {

class TextField;

class SaveDialog final {
public:
    using Result = DialogResult;
    using Box = ui::Box;
    using Entry = FolderList::Entry;
    static constexpr int kRows = 10;

    explicit SaveDialog(const platform::SaveFileRequest& request);
    ~SaveDialog();
    SaveDialog(const SaveDialog&) = delete;
    SaveDialog& operator=(const SaveDialog&) = delete;

    // Acts on one event (the name field, once entered with Tab or a press on it, takes typing
    // first): a press on a folder row selects it and a second press opens it; a press on a
    // file row takes its name, a second press chooses it; Enter chooses the typed name (or
    // opens the selected folder when the name is empty); Escape and Cancel cancel; Up goes to
    // the parent folder.
    Result Handle(const platform::InputEvent& event);
    // Draws the dialog over the whole 800 x 600 canvas (the name field is drawn by the
    // text fields' own drawing, over the presented frame).
    void Draw(Graphics& g) const;
    void Draw(uint32_t* pixels, int strideBytes) const;

    // The chosen file: the typed name in the folder shown (an absolute name stays as it is).
    std::wstring ChosenPath() const;
    const std::string& Current() const { return list_.Current(); }
    const std::vector<Entry>& Entries() const { return list_.Entries(); }
    std::wstring Name() const;
    void SetName(const std::wstring& name);
    void Open(int index) { list_.Open(index); }
    void Up() { list_.Up(); }

    static Box RowBox(int r) { return {120, 130 + r * kRowHeight, 560, kRowHeight}; }
    static Box NameBox() { return {240, 420, 440, 30}; }
    static Box UpBox() { return {120, 500, 120, 36}; }
    static Box SaveBox() { return {440, 500, 110, 36}; }
    static Box CancelBox() { return {560, 500, 120, 36}; }

private:
    static constexpr int kRowHeight = 28;

    platform::SaveFileRequest request_;
    FolderList list_;
    std::unique_ptr<TextField> field_;  // the file name
};

// Runs the dialog until a name is chosen or the dialog cancelled, presenting each frame on
// the backend. True with the chosen path (not yet finished by FinishSaveChoice).
bool RunCanvasSaveDialog(platform::Backend& os, const platform::SaveFileRequest& request, std::wstring& chosen);

}  // namespace ui
