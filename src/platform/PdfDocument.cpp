#include "platform/PdfDocument.h"

#include <cairo.h>
#ifdef CAIRO_HAS_PDF_SURFACE
#include <cairo-pdf.h>
#endif
#include <pango/pangocairo.h>

#include <cmath>

#include "platform/DocumentPages.h"
#include "platform/FontFamilies.h"
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
    std::string title;
    std::shared_ptr<DocumentPages> pages = std::make_shared<DocumentPages>();
    cairo_t* cr = nullptr;  // on the last page's recording
    bool finished = false;

    // A fresh page to draw on.
    void Record() {
        if (cr) cairo_destroy(cr);
        const cairo_rectangle_t page{0, 0, kWidth, kHeight};
        pages->recordings.push_back(cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, &page));
        cr = cairo_create(pages->recordings.back());
    }

    // The recorded pages played back onto a PDF; empty when it cannot be made.
    std::string Pdf() const {
#ifdef CAIRO_HAS_PDF_SURFACE
        std::string bytes;
        cairo_surface_t* surface = cairo_pdf_surface_create_for_stream(Append, &bytes, kWidth, kHeight);
        cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_TITLE, title.empty() ? "Kestrova" : title.c_str());
        cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATOR, "Kestrova");
        cairo_t* pdf = cairo_create(surface);
        for (cairo_surface_t* page : pages->recordings) {
            cairo_set_source_surface(pdf, page, 0, 0);
            cairo_paint(pdf);
            cairo_show_page(pdf);
        }
        const bool drawn = cairo_status(pdf) == CAIRO_STATUS_SUCCESS;
        cairo_destroy(pdf);
        cairo_surface_finish(surface);
        const bool done = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
        cairo_surface_destroy(surface);
        return drawn && done ? bytes : std::string();
#else
        // A cairo without its PDF surface: the pages can be printed, not kept as PDF.
        (void)Append;
        return {};
#endif
    }

    PangoLayout* Layout(const std::wstring& text, double size, bool bold) {
        PangoLayout* layout = pango_cairo_create_layout(cr);
        PangoFontDescription* desc = pango_font_description_new();
        pango_font_description_set_family(desc, FontFamilies("Arial").c_str());
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
    impl_->title = Utf8FromWide(title);
    impl_->pages->width = kWidth;
    impl_->pages->height = kHeight;
    impl_->Record();  // drawing before the first NewPage lands on the first page
}

PdfDocument::~PdfDocument() {
    if (impl_->cr) cairo_destroy(impl_->cr);
}

void PdfDocument::NewPage() {
    if (impl_->finished) return;
    if (pages_ > 0) impl_->Record();
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

PrintableDocument PdfDocument::Finish() {
    if (impl_->finished) return {};
    impl_->finished = true;
    if (pages_ == 0) pages_ = 1;  // an empty page: a document has at least one
    const bool drawn = cairo_status(impl_->cr) == CAIRO_STATUS_SUCCESS;
    cairo_destroy(impl_->cr);
    impl_->cr = nullptr;
    bool recorded = drawn;
    for (cairo_surface_t* page : impl_->pages->recordings) {
        cairo_surface_flush(page);
        recorded = recorded && cairo_surface_status(page) == CAIRO_STATUS_SUCCESS;
    }
    if (!recorded) return {};
    return {impl_->Pdf(), std::move(impl_->pages)};
}

}  // namespace platform
