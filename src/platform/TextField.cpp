#include "platform/TextField.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>

#include "platform/Utf.h"

namespace platform {
namespace {

std::vector<TextField*>& Fields() {
    static std::vector<TextField*> fields;
    return fields;
}
TextField* focused = nullptr;

void SetFocus(TextField* f) {
    focused = f;
    if (HasBackend()) Os().SetTextInput(f != nullptr);
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
    cairo_surface_t* s = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(pixels),
                                                             CAIRO_FORMAT_ARGB32, kCanvasWidth, kCanvasHeight, stride);
    cairo_t* cr = cairo_create(s);
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* font = pango_font_description_from_string("Arial");
    for (TextField* f : Fields()) {
        const double x = f->X(), y = f->Y(), w = f->Width(), h = f->Height();
        // A sunken white box, as a system edit field looks.
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_rectangle(cr, x, y, w, h);
        cairo_fill(cr);
        cairo_set_line_width(cr, 1);
        cairo_set_source_rgb(cr, 0.45, 0.45, 0.45);
        cairo_move_to(cr, x + 0.5, y + h);
        cairo_line_to(cr, x + 0.5, y + 0.5);
        cairo_line_to(cr, x + w, y + 0.5);
        cairo_stroke(cr);
        cairo_set_source_rgb(cr, 0.86, 0.86, 0.86);
        cairo_move_to(cr, x + w - 0.5, y + 1);
        cairo_line_to(cr, x + w - 0.5, y + h - 0.5);
        cairo_line_to(cr, x + 1, y + h - 0.5);
        cairo_stroke(cr);

        pango_font_description_set_absolute_size(font, std::max(8.0, h - 9) * PANGO_SCALE);
        pango_layout_set_font_description(layout, font);
        const std::string utf8 = Utf8FromWide(f->Text());
        pango_layout_set_text(layout, utf8.c_str(), -1);
        int tw = 0, th = 0;
        pango_layout_get_pixel_size(layout, &tw, &th);
        // Caret position in pixels; the text scrolls so the caret stays inside the box.
        const std::string before = Utf8FromWide(f->Text().substr(0, f->Caret()));
        PangoRectangle pos{};
        pango_layout_index_to_pos(layout, static_cast<int>(before.size()), &pos);
        const double caretX = pos.x / static_cast<double>(PANGO_SCALE);
        const double inner = w - 8;
        const double scroll = caretX > inner ? caretX - inner : 0;
        cairo_save(cr);
        cairo_rectangle(cr, x + 2, y + 2, w - 4, h - 4);
        cairo_clip(cr);
        const double ty = y + (h - th) / 2.0;
        if (f->HasSelection()) {
            // The selection lies on a pale blue band behind its letters.
            const size_t other = f->SelectionStart();
            PangoRectangle end{};
            pango_layout_index_to_pos(layout, static_cast<int>(Utf8FromWide(f->Text().substr(0, other)).size()), &end);
            const double otherX = end.x / static_cast<double>(PANGO_SCALE);
            cairo_set_source_rgb(cr, 0.70, 0.83, 1.0);
            cairo_rectangle(cr, x + 4 - scroll + std::min(caretX, otherX), ty, std::abs(caretX - otherX), th);
            cairo_fill(cr);
        }
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_move_to(cr, x + 4 - scroll, ty);
        pango_cairo_show_layout(cr, layout);
        if (f->Focused() && (nowMs / 530) % 2 == 0) {
            cairo_rectangle(cr, x + 4 - scroll + caretX, ty + 1, 1, th - 2);
            cairo_fill(cr);
        }
        cairo_restore(cr);

        if (f->Full() && !f->LimitNote().empty()) {
            // The note on a dark strip just under the field.
            pango_font_description_set_absolute_size(font, 12 * PANGO_SCALE);
            pango_layout_set_font_description(layout, font);
            const std::string note = Utf8FromWide(f->LimitNote());
            pango_layout_set_text(layout, note.c_str(), -1);
            int nw = 0, nh = 0;
            pango_layout_get_pixel_size(layout, &nw, &nh);
            const double nx = std::min(x, static_cast<double>(kCanvasWidth - nw - 6));
            cairo_set_source_rgba(cr, 0, 0, 0, 0.75);
            cairo_rectangle(cr, nx, y + h + 2, nw + 6, nh + 4);
            cairo_fill(cr);
            cairo_set_source_rgb(cr, 1, 1, 0.8);
            cairo_move_to(cr, nx + 3, y + h + 4);
            pango_cairo_show_layout(cr, layout);
        }
    }
    pango_font_description_free(font);
    g_object_unref(layout);
    cairo_destroy(cr);
    cairo_surface_flush(s);
    cairo_surface_destroy(s);
}

}  // namespace platform
