#pragma once
// The list the folder chooser and the save dialog share: the entries of one folder (its
// visible sub-folders, then, for the save dialog, the files of the wanted type), each group
// sorted by name, a selection, and the rows shown of it. Paths are native (UTF-8, '/').
#include <string>
#include <vector>

#include "ui/Dialog.h"

class Graphics;

namespace ui {

class FolderList final {
public:
    struct Entry {
        std::string name;
        bool folder;
    };
    struct Style {
        int rows;              // rows shown
        int rowHeight;         // from y = 130 down
        float fontSize;        // of the names
        bool files;            // files are listed too (folders bold, behind a mark)
        std::wstring pattern;  // the files listed (empty: all)
        bool alwaysSelected;   // a listing selects its first entry, and Up the folder left
    };

    FolderList(const Style& style, const std::string& folder);

    const std::string& Current() const { return current_; }
    const std::vector<Entry>& Entries() const { return entries_; }
    int Selected() const { return selected_; }
    int Top() const { return top_; }
    int Rows() const { return style_.rows; }

    // Selects entry index (clamped to the list), scrolling it into view.
    void Select(int index);
    // Opens the sub-folder of entry index; nothing for a file or a folder that went away.
    void Open(int index);
    void Up();
    // The entry shown in the row under (x, y), or -1.
    int EntryAt(int x, int y) const;
    Box RowBox(int r) const { return {120, 130 + r * style_.rowHeight, 560, style_.rowHeight}; }

    // The rows shown, the selected one on a pale band.
    void Draw(Graphics& g) const;
    // The folder shown, as it fits on one line of the panel: its end, behind an ellipsis.
    std::wstring ShortPath() const;

private:
    void List();

    Style style_;
    std::string current_;
    std::vector<Entry> entries_;
    int selected_ = -1;
    int top_ = 0;  // first row shown
};

}  // namespace ui
