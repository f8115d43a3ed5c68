#include "ui/TextField.h"

#include <algorithm>
#include <cmath>

#include "graphics/Graphics.h"
#include "ui/Dialog.h"

namespace ui {

using namespace platform;

namespace {

constexpr uint32_t kShadow = 0xFF737373u;     // the sunken edge, top and left
constexpr uint32_t kLight = 0xFFDCDCDCu;      // and bottom and right
constexpr uint32_t kSelection = 0xFFB3D4FFu;  // a pale blue band behind selected letters
constexpr uint32_t kNoteStrip = 0xBF000000u;
constexpr uint32_t kNoteInk = 0xFFFFFFCCu;
constexpr uint32_t kBlack = 0xFF000000u;

std::vector<TextField*>& Fields() {
    static std::vector<TextField*> fields;
    return fields;
}
TextField* focused = nullptr;

void SetFocus(TextField* f) {
    focused = f;
    if (HasBackend()) Os().SetTextInput(f != nullptr);
}

// Where the text before index ends, from the text's left edge.
float AdvanceTo(Graphics& g, const std::wstring& text, size_t index, const Font& font) {
    if (index == 0) return 0;
    const RectF r = g.MeasureString(text.substr(0, index), font, RectF{}, StringFormat{});
    return r.width - font.sizePx / 3;  // the measured width holds a sixth of the size on either side
}

void DrawField(Graphics& g, const TextField& f, uint32_t nowMs) {
    const float x = static_cast<float>(f.X()), y = static_cast<float>(f.Y());
    const float w = static_cast<float>(f.Width()), h = static_cast<float>(f.Height());
    // A sunken white box, as a system edit field looks.
    g.FillRectangle(SolidBrush(kWhite), RectF{x, y, w, h});
    g.FillRectangle(SolidBrush(kShadow), RectF{x, y, 1, h});
    g.FillRectangle(SolidBrush(kShadow), RectF{x, y, w, 1});
    g.FillRectangle(SolidBrush(kLight), RectF{x + w - 1, y + 1, 1, h - 1});
    g.FillRectangle(SolidBrush(kLight), RectF{x + 1, y + h - 1, w - 1, 1});

    // The letters are drawn inside the box's edge only: onto a white bitmap of the inside,
    // which is then put in place. The text scrolls so the caret stays inside the box.
    const Font font(L"Arial", std::max(8.0f, h - 9));
    const float padding = font.sizePx / 6;
    const std::wstring& text = f.Text();
    const float th = g.MeasureString(text.empty() ? L"X" : text, font, RectF{}, StringFormat{}).height;
    const float caretX = AdvanceTo(g, text, f.Caret(), font);
    const float inner = w - 8;
    const float scroll = caretX > inner ? caretX - inner : 0;
    const int insideW = std::max(1, f.Width() - 4), insideH = std::max(1, f.Height() - 4);
    Bitmap inside(insideW, insideH);
    {
        Graphics ig(&inside, DrawMode::Direct);
        ig.Clear(kWhite);
        const float left = 2 - scroll, ty = (h - th) / 2 - 2;
        if (f.HasSelection()) {
            const float otherX = AdvanceTo(ig, text, f.SelectionStart(), font);
            ig.FillRectangle(SolidBrush(kSelection),
                             RectF{left + std::min(caretX, otherX), ty, std::abs(caretX - otherX), th});
        }
        ig.DrawString(text, font, RectF{left - padding, ty, 0, 0}, StringFormat{}, SolidBrush(kBlack));
        if (f.Focused() && (nowMs / kCaretBlinkMs) % 2 == 0)
            ig.FillRectangle(SolidBrush(kBlack), RectF{left + caretX, ty + 1, 1, th - 2});
    }
    g.DrawImage(inside, RectF{x + 2, y + 2, static_cast<float>(insideW), static_cast<float>(insideH)});

    if (f.Full() && !f.LimitNote().empty()) {
        // The note on a dark strip just under the field.
        const Font noteFont(L"Arial", 12);
        const RectF size = g.MeasureString(f.LimitNote(), noteFont, RectF{}, StringFormat{});
        const float nw = size.width - noteFont.sizePx / 3, nh = size.height;
        const float nx = std::min(x, static_cast<float>(kCanvasWidth) - nw - 6);
        g.FillRectangle(SolidBrush(kNoteStrip), RectF{nx, y + h + 2, nw + 6, nh + 4});
        g.DrawString(f.LimitNote(), noteFont, RectF{nx + 3 - noteFont.sizePx / 6, y + h + 4, 0, 0}, StringFormat{},
                     SolidBrush(kNoteInk));
    }
}

}  // namespace

TextField::TextField(int x, int y, int width, int height) : x_(x), y_(y), width_(width), height_(height) {
    Fields().push_back(this);
}

TextField::~TextField() {
    auto& f = Fields();
    f.erase(std::remove(f.begin(), f.end(), this), f.end());
    if (focused == this) SetFocus(nullptr);
}

void TextField::SetText(const std::wstring& text) {
    text_.clear();
    caret_ = anchor_ = 0;
    Insert(text);
}

void TextField::SetLimit(size_t maxLength, const std::wstring& note) {
    limit_ = maxLength;
    limitNote_ = note;
    if (text_.size() > limit_) text_.resize(limit_);
    caret_ = std::min(caret_, text_.size());
    anchor_ = std::min(anchor_, text_.size());
}

void TextField::SelectAll() {
    anchor_ = 0;
    caret_ = text_.size();
}

void TextField::DeleteSelection() {
    const size_t from = std::min(anchor_, caret_), to = std::max(anchor_, caret_);
    text_.erase(from, to - from);
    caret_ = anchor_ = from;
}

bool TextField::Focused() const { return focused == this; }
void TextField::Focus() { SetFocus(this); }

bool TextField::Contains(int x, int y) const { return x >= x_ && y >= y_ && x < x_ + width_ && y < y_ + height_; }

void TextField::Insert(const std::wstring& text) {
    std::wstring clean;
    for (wchar_t c : text)
        if (c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0)) clean += c;  // one line, no control characters
    if (clean.empty()) return;
    DeleteSelection();
    if (text_.size() + clean.size() > limit_) clean.resize(text_.size() < limit_ ? limit_ - text_.size() : 0);
    text_.insert(caret_, clean);
    caret_ += clean.size();
    anchor_ = caret_;
}

bool TextField::EditKey(int vk, bool control) {
    const bool selected = HasSelection();
    switch (vk) {
        case VK_BACK:
        case VK_DELETE:
            if (selected)
                DeleteSelection();
            else if (vk == VK_BACK && caret_ > 0)
                text_.erase(--caret_, 1);
            else if (vk == VK_DELETE && caret_ < text_.size())
                text_.erase(caret_, 1);
            break;
        // Moving the caret ends the selection (at its start or end for Left and Right).
        case VK_LEFT:
            if (selected)
                caret_ = std::min(anchor_, caret_);
            else if (caret_ > 0)
                --caret_;
            break;
        case VK_RIGHT:
            if (selected)
                caret_ = std::max(anchor_, caret_);
            else if (caret_ < text_.size())
                ++caret_;
            break;
        case VK_HOME: caret_ = 0; break;
        case VK_END: caret_ = text_.size(); break;
        case 'A':
            if (!control) return false;
            SelectAll();
            return true;
        case 'V':
            if (!control) return false;
            if (HasBackend()) Insert(Os().ClipboardText());
            return true;
        default: return false;
    }
    anchor_ = caret_;
    return true;
}

const std::vector<TextField*>& LiveTextFields() { return Fields(); }

bool RouteToTextFields(const InputEvent& e) {
    auto& fields = Fields();
    if (fields.empty()) return false;
    switch (e.type) {
        case EventType::MouseDown:
            for (TextField* f : fields)
                if (f->Contains(e.x, e.y)) {
                    SetFocus(f);
                    return true;
                }
            SetFocus(nullptr);
            return false;
        case EventType::MouseUp:
        case EventType::MouseMove: return false;
        case EventType::Text:
            if (!focused) return false;
            focused->CountKey();
            focused->Insert(e.text);
            return true;
        case EventType::KeyDown:
        case EventType::KeyUp: {
            const bool down = e.type == EventType::KeyDown;
            if (e.key == VK_TAB && (focused || down)) {
                if (down) {
                    auto it = std::find(fields.begin(), fields.end(), focused);
                    SetFocus(it == fields.end() || it + 1 == fields.end() ? fields.front() : *(it + 1));
                }
                return true;
            }
            if (!focused) return false;
            if (e.key == VK_ESCAPE) {
                // The keys go back to the screen (its scan, its Escape).
                if (down) SetFocus(nullptr);
                return down;
            }
            if (e.key == VK_RETURN || (e.key >= VK_F1 && e.key < VK_F1 + 12)) return false;
            // Letters, digits and Space arrive again as text; the key itself is the field's.
            if (down) {
                focused->CountKey();
                focused->EditKey(e.key, e.control);
            }
            return true;
        }
        case EventType::Quit: return false;
    }
    return false;
}

void DrawTextFields(uint32_t* pixels, int stride, uint32_t nowMs) {
    if (Fields().empty() || !pixels) return;
    DrawOnPixels(pixels, stride, [nowMs](Graphics& g) {
        for (const TextField* f : Fields()) DrawField(g, *f, nowMs);
    });
}

}  // namespace ui
