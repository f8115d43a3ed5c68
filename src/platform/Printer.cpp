#include "platform/Printer.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include "platform/Platform.h"
#include "platform/Utf.h"

#ifdef KESTROVA_HAVE_CUPS
#include <cups/cups.h>
#endif

namespace platform {

namespace {

cairo_status_t AppendToString(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

std::string JobTitle(const std::wstring& documentName) {
    std::string title = Utf8FromWide(documentName);
    return title.empty() ? std::string("Kestrova") : title;
}

}  // namespace

std::string CanvasPdf(const uint32_t* pixels, int strideBytes, const std::wstring& documentName) {
    if (!pixels || strideBytes < kCanvasWidth * 4) return {};
    std::string pdf;
    cairo_surface_t* page =
        cairo_pdf_surface_create_for_stream(AppendToString, &pdf, kPageWidthPoints, kPageHeightPoints);
    cairo_pdf_surface_set_metadata(page, CAIRO_PDF_METADATA_TITLE, JobTitle(documentName).c_str());
    cairo_pdf_surface_set_metadata(page, CAIRO_PDF_METADATA_CREATOR, "Kestrova");
    // cairo only reads the pixels; the surface is gone before this function returns.
    cairo_surface_t* image =
        cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(const_cast<uint32_t*>(pixels)),
                                            CAIRO_FORMAT_ARGB32, kCanvasWidth, kCanvasHeight, strideBytes);
    cairo_t* cr = cairo_create(page);
    cairo_scale(cr, kPageWidthPoints / kCanvasWidth, kPageHeightPoints / kCanvasHeight);
    cairo_set_source_surface(cr, image, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_show_page(cr);
    const bool drawn = cairo_status(cr) == CAIRO_STATUS_SUCCESS;
    cairo_destroy(cr);
    cairo_surface_destroy(image);
    cairo_surface_finish(page);
    const bool finished = cairo_surface_status(page) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(page);
    if (!drawn || !finished) return {};
    return pdf;
}

#ifdef KESTROVA_HAVE_CUPS

void CupsPrinter::UseServer() const { cupsSetServer(server_.empty() ? nullptr : server_.c_str()); }

bool CupsPrinter::ServerReachable() const {
    UseServer();
    http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 5000, nullptr);
    if (!http) return false;
    httpClose(http);
    return true;
}

std::string CupsPrinter::DefaultDestination() const {
    UseServer();
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (!dest) return {};
    std::string name = dest->name ? dest->name : "";
    cupsFreeDests(1, dest);
    return name;
}

bool CupsPrinter::Print(const uint32_t* pixels, int strideBytes, const std::wstring& documentName) const {
    // The page keeps its own size: 8 x 6 inches, not the printer's default paper.
    return PrintPdf(CanvasPdf(pixels, strideBytes, documentName), documentName, "Custom.576x432");
}

bool CupsPrinter::PrintDocument(const std::string& pdf, const std::wstring& documentName) const {
    return PrintPdf(pdf, documentName, "iso_a4_210x297mm");
}

bool CupsPrinter::PrintPdf(const std::string& pdf, const std::wstring& documentName, const char* media) const {
    if (pdf.empty()) return false;
    const std::string destination = DefaultDestination();
    if (destination.empty()) return false;
    const std::string title = JobTitle(documentName);

    cups_option_t* options = nullptr;
    int optionCount = cupsAddOption("media", media, 0, &options);
    optionCount = cupsAddOption("fit-to-page", "false", optionCount, &options);
    const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, destination.c_str(), title.c_str(), optionCount, options);
    cupsFreeOptions(optionCount, options);
    if (job <= 0) return false;
    bool sent = cupsStartDocument(CUPS_HTTP_DEFAULT, destination.c_str(), job, title.c_str(), CUPS_FORMAT_PDF, 1) ==
                HTTP_STATUS_CONTINUE;
    if (sent) sent = cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.data(), pdf.size()) == HTTP_STATUS_CONTINUE;
    // The document is finished in every case, so the connection is ready for the next request.
    const bool finished = cupsFinishDocument(CUPS_HTTP_DEFAULT, destination.c_str()) == IPP_STATUS_OK;
    if (!sent || !finished) {
        cupsCancelJob2(CUPS_HTTP_DEFAULT, destination.c_str(), job, 0);
        return false;
    }
    return true;
}

#else

void CupsPrinter::UseServer() const {}
bool CupsPrinter::ServerReachable() const { return false; }
std::string CupsPrinter::DefaultDestination() const { return {}; }
bool CupsPrinter::Print(const uint32_t*, int, const std::wstring&) const { return false; }
bool CupsPrinter::PrintDocument(const std::string&, const std::wstring&) const { return false; }
bool CupsPrinter::PrintPdf(const std::string&, const std::wstring&, const char*) const { return false; }

#endif

}  // namespace platform
