#pragma once
// Single-line text fields over the canvas, standing in for the system's edit controls:
// a screen creates one at a canvas rectangle, the frame routes typing to the field that
// has the focus, and the fields are drawn over each presented frame. Accented letters
// arrive as text input; Backspace, Delete, arrows, Home/End, Ctrl+A (select all) and
// Ctrl+V (paste) edit.
//
// No field has the focus until it is clicked or reached with Tab, so on a screen with
// fields Space and Enter still drive the switch-access scan; Escape or a click elsewhere
// gives the keys back to the screen.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace ui {

// The caret shows and hides every this many milliseconds.
constexpr uint32_t kCaretBlinkMs = 530;

class TextField final {
public:
    // Creates a field at the canvas rectangle, without the focus.
    TextField(int x, int y, int width, int height);
    ~TextField();
    TextField(const TextField&) = delete;
    TextField& operator=(const TextField&) = delete;

    const std::wstring& Text() const { return text_; }
    void SetText(const std::wstring& text);
    // The length of the text (the first line's length, as the field holds one line).
    int LineLength() const { return static_cast<int>(text_.size()); }
    size_t Caret() const { return caret_; }
    // The selected text runs from SelectionStart() up to the caret or from the caret up to it.
    size_t SelectionStart() const { return anchor_; }
    bool HasSelection() const { return anchor_ != caret_; }
    void SelectAll();
    // How many keys and texts the field has taken from the keyboard so far.
    int KeysTaken() const { return keysTaken_; }
    bool Focused() const;
    void Focus();
    bool Contains(int x, int y) const;
    int X() const { return x_; }
    int Y() const { return y_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // The most characters the field takes (1000 unless set); while it is full, note is shown
    // under it, so the user sees why typing stops.
    void SetLimit(size_t maxLength, const std::wstring& note);
    bool Full() const { return text_.size() >= limit_; }
    const std::wstring& LimitNote() const { return limitNote_; }

    // Editing (the frame calls these for the focused field). Typing replaces the selection.
    void Insert(const std::wstring& text);
    // Acts on an editing key; true when the key was the field's.
    bool EditKey(int virtualKey, bool control);
    // Counts a key or text the frame routed to the field.
    void CountKey() { ++keysTaken_; }

private:
    void DeleteSelection();

    std::wstring text_;
    size_t caret_ = 0;
    size_t limit_ = 1000;
    std::wstring limitNote_;
    size_t anchor_ = 0;  // the other end of the selection; equal to caret_ when none
    int keysTaken_ = 0;
    int x_, y_, width_, height_;
};

// The fields alive now, in creation order.
const std::vector<TextField*>& LiveTextFields();
// Routes an input event to the fields; true when a field consumed it. A press inside a
// field focuses it; a press elsewhere takes the focus away and goes on to the screen.
// Tab focuses the first field, or moves on to the next one. With a field focused, text
// and editing keys (and Space) are the field's; Escape takes the focus away; Enter and
// function keys go on to the screen.
bool RouteToTextFields(const platform::InputEvent& event);
// Draws every live field over premultiplied ARGB32 pixels of the 800 x 600 canvas.
void DrawTextFields(uint32_t* pixels, int strideBytes, uint32_t nowMs);

}  // namespace ui
