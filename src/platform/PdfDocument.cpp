#include "platform/PdfDocument.h"

#include <cairo.h>
#ifdef CAIRO_HAS_PDF_SURFACE
#include <cairo-pdf.h>
#endif
#include <pango/pangocairo.h>

#include <cmath>

#include "platform/Utf.h"

namespace platform {

namespace {

cairo_status_t Append(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

void SetColour(cairo_t* cr, uint32_t argb) {
    cairo_set_source_rgba(cr, ((argb >> 16) & 0xFF) / 255.0, ((argb >> 8) & 0xFF) / 255.0, (argb & 0xFF) / 255.0,
                          ((argb >> 24) & 0xFF) / 255.0);
}

bool Finite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

}  // namespace

struct PdfDocument::Impl {
    std::string bytes;
    cairo_surface_t* surface = nullptr;
    cairo_t* cr = nullptr;
    bool finished = false;
    bool noPdf = false;

    PangoLayout* Layout(const std::wstring& text, double size, bool bold) {
        PangoLayout* layout = pango_cairo_create_layout(cr);
        PangoFontDescription* desc = pango_font_description_new();
        pango_font_description_set_family(desc, "Arial");
        pango_font_description_set_absolute_size(desc, std::max(1.0, size) * PANGO_SCALE);
        pango_font_description_set_weight(desc, bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
        pango_layout_set_font_description(layout, desc);
        pango_font_description_free(desc);
        const std::string utf8 = Utf8FromWide(text);
        pango_layout_set_text(layout, utf8.c_str(), static_cast<int>(utf8.size()));
        return layout;
    }
};

PdfDocument::PdfDocument(const std::wstring& title) : impl_(std::make_unique<Impl>()) {
#ifdef CAIRO_HAS_PDF_SURFACE
    impl_->surface = cairo_pdf_surface_create_for_stream(Append, &impl_->bytes, kWidth, kHeight);
    const std::string name = Utf8FromWide(title);
    cairo_pdf_surface_set_metadata(impl_->surface, CAIRO_PDF_METADATA_TITLE, name.empty() ? "Kestrova" : name.c_str());
    cairo_pdf_surface_set_metadata(impl_->surface, CAIRO_PDF_METADATA_CREATOR, "Kestrova");
#else
    // A cairo without its PDF surface (the Windows build's, for now): the drawing goes
    // nowhere and the document cannot be made, as Finish says.
    (void)title;
    (void)Append;
    impl_->surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
    impl_->noPdf = true;
#endif
    impl_->cr = cairo_create(impl_->surface);
}

PdfDocument::~PdfDocument() {
    if (impl_->cr) cairo_destroy(impl_->cr);
    if (impl_->surface) cairo_surface_destroy(impl_->surface);
}

void PdfDocument::NewPage() {
    if (impl_->finished) return;
    if (pages_ > 0) cairo_show_page(impl_->cr);
    ++pages_;
}

void PdfDocument::FillRect(uint32_t argb, double x, double y, double width, double height) {
    if (impl_->finished || !Finite({x, y, width, height})) return;
    SetColour(impl_->cr, argb);
    cairo_rectangle(impl_->cr, x, y, width, height);
    cairo_fill(impl_->cr);
}

void PdfDocument::StrokeRect(uint32_t argb, double penWidth, double x, double y, double width, double height) {
    if (impl_->finished || !Finite({penWidth, x, y, width, height})) return;
    SetColour(impl_->cr, argb);
    cairo_set_line_width(impl_->cr, penWidth);
    cairo_rectangle(impl_->cr, x, y, width, height);
    cairo_stroke(impl_->cr);
}

void PdfDocument::Line(uint32_t argb, double penWidth, double x1, double y1, double x2, double y2) {
    if (impl_->finished || !Finite({penWidth, x1, y1, x2, y2})) return;
    SetColour(impl_->cr, argb);
    cairo_set_line_width(impl_->cr, penWidth);
    cairo_move_to(impl_->cr, x1, y1);
    cairo_line_to(impl_->cr, x2, y2);
    cairo_stroke(impl_->cr);
}

void PdfDocument::Text(const std::wstring& text, double x, double y, double size, bool bold, uint32_t argb) {
    if (impl_->finished || text.empty() || !Finite({x, y, size})) return;
    PangoLayout* layout = impl_->Layout(text, size, bold);
    SetColour(impl_->cr, argb);
    cairo_move_to(impl_->cr, x, y);
    pango_cairo_show_layout(impl_->cr, layout);
    g_object_unref(layout);
}

double PdfDocument::TextWidth(const std::wstring& text, double size, bool bold) {
    if (impl_->finished || text.empty() || !std::isfinite(size)) return 0;
    PangoLayout* layout = impl_->Layout(text, size, bold);
    PangoRectangle logical{};
    pango_layout_get_extents(layout, nullptr, &logical);
    g_object_unref(layout);
    return static_cast<double>(logical.width) / PANGO_SCALE;
}

std::string PdfDocument::Finish() {
    if (impl_->finished) return {};
    impl_->finished = true;
    if (pages_ == 0) pages_ = 1;  // an empty page: a document has at least one
    cairo_show_page(impl_->cr);
    const bool drawn = cairo_status(impl_->cr) == CAIRO_STATUS_SUCCESS;
    cairo_destroy(impl_->cr);
    impl_->cr = nullptr;
    cairo_surface_finish(impl_->surface);
    const bool done = cairo_surface_status(impl_->surface) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(impl_->surface);
    impl_->surface = nullptr;
    if (!drawn || !done || impl_->noPdf) return {};
    return std::move(impl_->bytes);
}

}  // namespace platform
