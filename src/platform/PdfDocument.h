#pragma once
// A printable document of A4 pages, drawn in points from the top left of each page (595 x
// 842) and kept as PDF: the trainer's progress reports. The text stays text in the
// document, so it can be searched and copied. The pages are also kept as drawings that a
// printer which does not take PDF (Windows' printers) plays back at its own resolution.
#include <cstdint>
#include <memory>
#include <string>

namespace platform {

// The pages of a finished document as drawings (known only to the platform layer).
struct DocumentPages;

// A finished document: its PDF and the same pages as drawings.
struct PrintableDocument {
    std::string pdf;  // empty when the document could not be made
    std::shared_ptr<const DocumentPages> pages;
};

class PdfDocument final {
public:
    static constexpr double kWidth = 595.28;  // A4 in points
    static constexpr double kHeight = 841.89;

    // title: the document's title, as viewers and print queues show it.
    explicit PdfDocument(const std::wstring& title);
    ~PdfDocument();
    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;

    // Begins the next page (the first as well): drawing goes onto it until the next call.
    void NewPage();
    int Pages() const { return pages_; }

    void FillRect(uint32_t argb, double x, double y, double width, double height);
    void StrokeRect(uint32_t argb, double penWidth, double x, double y, double width, double height);
    void Line(uint32_t argb, double penWidth, double x1, double y1, double x2, double y2);
    // One line of text with its top left at (x, y); size in points.
    void Text(const std::wstring& text, double x, double y, double size, bool bold = false,
              uint32_t argb = 0xFF000000u);
    double TextWidth(const std::wstring& text, double size, bool bold = false);

    // The finished document (its PDF empty when it could not be made). Drawing ends with it.
    PrintableDocument Finish();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    int pages_ = 0;
};

}  // namespace platform
