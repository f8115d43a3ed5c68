#include "platform/gfx/Canvas.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <future>
#include <string>
#include <unordered_map>

#include "platform/FontFamilies.h"
#include "platform/Utf.h"

namespace platform::gfx {
namespace {

void SetColour(cairo_t* cr, uint32_t argb) {
    cairo_set_source_rgba(cr, ((argb >> 16) & 0xFF) / 255.0, ((argb >> 8) & 0xFF) / 255.0, (argb & 0xFF) / 255.0,
                          (argb >> 24) / 255.0);
}

bool Finite(float a, float b, float c, float d) {
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

// Lines of an odd whole width sit on pixel centres, so one-pixel frames stay crisp (the
// pixel grid puts centres at half coordinates); even widths sit on pixel edges.
double StrokeOffset(float penWidth) {
    const long w = std::lround(penWidth);
    return (w % 2) != 0 ? 0.5 : 0.0;
}

// ---- text ---------------------------------------------------------------------------

// Text is laid out with one font map and fixed font options, so measuring does not
// depend on any target and the pixels are the same on every machine with the same fonts.
struct TextEngine {
    PangoFontMap* fontMap = nullptr;
    PangoContext* context = nullptr;
    std::unordered_map<std::string, PangoLayout*> layouts;

    TextEngine() {
        fontMap = pango_cairo_font_map_new();
        context = pango_font_map_create_context(fontMap);
        cairo_font_options_t* options = cairo_font_options_create();
        cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
        pango_cairo_context_set_font_options(context, options);
        cairo_font_options_destroy(options);
        pango_cairo_context_set_resolution(context, 96.0);
    }
    void Clear() {
        for (auto& entry : layouts) g_object_unref(entry.second);
        layouts.clear();
    }

    // A laid-out text, cached by text, font and wrapping width.
    PangoLayout* Layout(const std::wstring& text, const FontSpec& font, int wrapWidth) {
        std::string utf8 = Utf8FromWide(text);
        std::string key = Utf8FromWide(font.family);
        key += '\x1F';
        key += std::to_string(font.sizePx) + '\x1F' + std::to_string(font.style) + '\x1F' + std::to_string(wrapWidth) +
               '\x1F';
        key += utf8;
        auto it = layouts.find(key);
        if (it != layouts.end()) return it->second;
        if (layouts.size() >= 512) Clear();

        PangoLayout* layout = pango_layout_new(context);
        PangoFontDescription* desc = pango_font_description_new();
        pango_font_description_set_family(desc, FontFamilies(Utf8FromWide(font.family)).c_str());
        pango_font_description_set_absolute_size(desc, std::max(1.0f, font.sizePx) * PANGO_SCALE);
        pango_font_description_set_weight(desc, (font.style & 1) ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
        pango_font_description_set_style(desc, (font.style & 2) ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
        pango_layout_set_font_description(layout, desc);
        pango_font_description_free(desc);
        if (font.style & (4 | 8)) {
            PangoAttrList* attrs = pango_attr_list_new();
            if (font.style & 4) pango_attr_list_insert(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
            if (font.style & 8) pango_attr_list_insert(attrs, pango_attr_strikethrough_new(TRUE));
            pango_layout_set_attributes(layout, attrs);
            pango_attr_list_unref(attrs);
        }
        if (wrapWidth > 0) {
            pango_layout_set_width(layout, wrapWidth);
            pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
        }
        // Invalid UTF-8 cannot arise from our conversion, but a stray zero would end the text.
        pango_layout_set_text(layout, utf8.c_str(), static_cast<int>(std::strlen(utf8.c_str())));
        layouts.emplace(std::move(key), layout);
        return layout;
    }
};

// Set up on a thread of its own when WarmUpFonts was called, so that reading the font
// configuration and loading the first font overlap the rest of the start-up.
std::future<TextEngine*>& EngineUnderWay() {
    static std::future<TextEngine*> underWay;
    return underWay;
}

// Kept for the whole run and never torn down: fontconfig keeps state that outlives any
// font map, and destroying ours at exit only loses that state's last reference. The first
// caller waits for the warm-up, if one was started; the engine is then only used by the
// program's own thread.
TextEngine& Engine() {
    static TextEngine* engine = [] {
        std::future<TextEngine*>& underWay = EngineUnderWay();
        return underWay.valid() ? underWay.get() : new TextEngine;
    }();
    return *engine;
}

// Text keeps a padding of one sixth of the font size on either side, as the layouts of
// the screens expect from their measured label boxes.
float Padding(const FontSpec& font) { return std::max(1.0f, font.sizePx) / 6.0f; }

// The wrapping width in layout units for a layout box width; 0 = no wrapping. One pixel of
// slack keeps a box that was measured from the same text from wrapping it.
int WrapWidth(const FontSpec& font, float layoutWidth) {
    if (!(layoutWidth > 0) || !std::isfinite(layoutWidth)) return 0;
    const float inner = layoutWidth - 2 * Padding(font) + 1.0f;
    if (inner <= 1.0f) return 1;
    return static_cast<int>(std::min(inner, 1e6f) * PANGO_SCALE);
}

}  // namespace

TextSize MeasureText(const std::wstring& text, const FontSpec& font, float layoutWidth) {
    if (text.empty()) return {};
    PangoLayout* layout = Engine().Layout(text, font, WrapWidth(font, layoutWidth));
    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout, nullptr, &logical);
    return {static_cast<float>(logical.width) + 2 * Padding(font), static_cast<float>(logical.height)};
}

void ClearTextCache() { Engine().Clear(); }

void WarmUpFonts() {
    std::future<TextEngine*>& underWay = EngineUnderWay();
    if (underWay.valid()) return;
    underWay = std::async(std::launch::async, [] {
        // Held from a global as well, so that an engine the program never came to use (a run
        // that ends before it shows any text) is still kept for the run, as the engine is.
        static std::atomic<TextEngine*> kept{nullptr};
        auto* engine = new TextEngine;
        kept = engine;
        // Laying out a text loads the font configuration and the program's font; the
        // layout stays in the cache like any other.
        PangoLayout* layout = engine->Layout(L"Kestrova", FontSpec{}, 0);
        PangoRectangle logical;
        pango_layout_get_pixel_extents(layout, nullptr, &logical);
        return engine;
    });
}

// ---- canvas -------------------------------------------------------------------------

struct Canvas::Impl {
    uint32_t* pixels;
    int width, height, stride;
    cairo_surface_t* surface = nullptr;
    cairo_t* cr = nullptr;
    Affine transform;

    void Open() {
        surface = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(pixels), CAIRO_FORMAT_ARGB32,
                                                      width, height, stride);
        cr = cairo_create(surface);
        ApplyTransform();
    }
    void Close() {
        if (cr) cairo_destroy(cr);
        if (surface) {
            cairo_surface_flush(surface);
            cairo_surface_destroy(surface);
        }
        cr = nullptr;
        surface = nullptr;
    }
    void ApplyTransform() {
        cairo_matrix_t m;
        cairo_matrix_init(&m, transform.xx, transform.yx, transform.xy, transform.yy, transform.x0, transform.y0);
        cairo_set_matrix(cr, &m);
    }
    // A drawing error leaves a cairo context unusable for good; start a fresh one.
    void Heal() {
        if (cairo_status(cr) == CAIRO_STATUS_SUCCESS) return;
        Close();
        transform = Affine{};
        Open();
    }
    // The colour of a stroke or fill, and the line settings of a pen.
    void Pen(uint32_t argb, float penWidth) {
        SetColour(cr, argb);
        cairo_set_line_width(cr, std::max(0.0f, penWidth));
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    }
};

Canvas::Canvas(uint32_t* pixels, int width, int height, int strideBytes) : impl_(std::make_unique<Impl>()) {
    impl_->pixels = pixels;
    impl_->width = width;
    impl_->height = height;
    impl_->stride = strideBytes;
    impl_->Open();
}

Canvas::~Canvas() { impl_->Close(); }

void Canvas::Clear(uint32_t argb) {
    cairo_t* cr = impl_->cr;
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_reset_clip(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    SetColour(cr, argb);
    cairo_paint(cr);
    cairo_restore(cr);
    impl_->Heal();
}

void Canvas::SetTransform(const Affine& t) {
    const double det = t.xx * t.yy - t.xy * t.yx;
    if (!std::isfinite(det) || det == 0 || !std::isfinite(t.x0) || !std::isfinite(t.y0)) return;
    impl_->transform = t;
    impl_->ApplyTransform();
    impl_->Heal();
}

void Canvas::DrawImage(const ImageRef& image, float x, float y, float width, float height) {
    if (!image.pixels || image.width <= 0 || image.height <= 0 || width == 0 || height == 0) return;
    if (!Finite(x, y, width, height)) return;
    // An unscaled image lands on whole pixels: a fraction of a pixel would blur the whole
    // image and make drawing it several times dearer.
    if (width == static_cast<float>(image.width) && height == static_cast<float>(image.height) &&
        impl_->transform.IsIdentity()) {
        x = std::round(x);
        y = std::round(y);
    }
    cairo_t* cr = impl_->cr;
    cairo_surface_t* src = cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(const_cast<uint32_t*>(image.pixels)),
        image.opaque ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32, image.width, image.height, image.strideBytes);
    cairo_save(cr);
    const bool unscaled = width == static_cast<float>(image.width) && height == static_cast<float>(image.height) &&
                          x == std::floor(x) && y == std::floor(y);
    if (unscaled && !impl_->transform.IsIdentity()) {
        // A turned image (a wheel that spins) is painted without an edge mask: the mask of a
        // turned rectangle costs twice the painting, and such images end in transparent edges.
        cairo_set_source_surface(cr, src, x, y);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
        cairo_paint(cr);
        cairo_restore(cr);
        cairo_surface_destroy(src);
        impl_->Heal();
        return;
    }
    if (unscaled) {
        cairo_set_source_surface(cr, src, x, y);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
        cairo_rectangle(cr, x, y, width, height);
    } else {
        cairo_translate(cr, x, y);
        cairo_scale(cr, width / image.width, height / image.height);
        cairo_set_source_surface(cr, src, 0, 0);
        // Edge pixels are repeated outwards so a scaled image keeps clean edges.
        cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
        cairo_rectangle(cr, 0, 0, image.width, image.height);
    }
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_surface_destroy(src);
    impl_->Heal();
}

void Canvas::StrokeRect(uint32_t argb, float penWidth, float x, float y, float width, float height) {
    if (!Finite(x, y, width, height) || !std::isfinite(penWidth) || penWidth <= 0) return;
    cairo_t* cr = impl_->cr;
    const double o = StrokeOffset(penWidth);
    impl_->Pen(argb, penWidth);
    cairo_rectangle(cr, x + o, y + o, width, height);
    cairo_stroke(cr);
    impl_->Heal();
}

void Canvas::StrokeEllipse(uint32_t argb, float penWidth, float x, float y, float width, float height) {
    if (!Finite(x, y, width, height) || !std::isfinite(penWidth) || penWidth <= 0) return;
    if (width == 0 || height == 0) {
        Line(argb, penWidth, x, y, x + width, y + height);
        return;
    }
    cairo_t* cr = impl_->cr;
    const double o = StrokeOffset(penWidth);
    impl_->Pen(argb, penWidth);
    cairo_save(cr);
    cairo_translate(cr, x + o + width / 2.0, y + o + height / 2.0);
    cairo_scale(cr, width / 2.0, height / 2.0);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_close_path(cr);
    cairo_restore(cr);  // stroke with the unscaled pen
    cairo_stroke(cr);
    impl_->Heal();
}

void Canvas::FillRect(uint32_t argb, float x, float y, float width, float height) {
    if (!Finite(x, y, width, height)) return;
    cairo_t* cr = impl_->cr;
    SetColour(cr, argb);
    cairo_rectangle(cr, x, y, width, height);
    cairo_fill(cr);
    impl_->Heal();
}

void Canvas::Line(uint32_t argb, float penWidth, float x1, float y1, float x2, float y2) {
    if (!Finite(x1, y1, x2, y2) || !std::isfinite(penWidth) || penWidth <= 0) return;
    cairo_t* cr = impl_->cr;
    const double o = StrokeOffset(penWidth);
    impl_->Pen(argb, penWidth);
    cairo_move_to(cr, x1 + o, y1 + o);
    cairo_line_to(cr, x2 + o, y2 + o);
    cairo_stroke(cr);
    impl_->Heal();
}

void Canvas::Text(const std::wstring& text, const FontSpec& font, uint32_t argb, float x, float y, float width,
                  float height) {
    if (text.empty() || !Finite(x, y, width, height)) return;
    cairo_t* cr = impl_->cr;
    PangoLayout* layout = Engine().Layout(text, font, WrapWidth(font, width));
    SetColour(cr, argb);
    cairo_move_to(cr, x + Padding(font), y);
    pango_cairo_show_layout(cr, layout);
    cairo_new_path(cr);
    impl_->Heal();
}

void Canvas::Flush() { cairo_surface_flush(impl_->surface); }

}  // namespace platform::gfx
