// Printing on Windows' default printer through GDI: the canvas on one page, the picture 8
// inches wide (as on Linux), smaller where the printable area is smaller, centred; and a
// document's A4 pages, played back through cairo at the printer's resolution.

#include <algorithm>
#include <vector>

#include "platform/DocumentPages.h"
#include "platform/Platform.h"
#include "platform/windows/Services.h"

// Windows' headers come last: they define names (VK_RETURN, ...) the program's own headers use.
#include <cairo-win32.h>
#include <windows.h>

namespace platform {

std::wstring DefaultPrinterName() {
    DWORD size = 0;
    ::GetDefaultPrinterW(nullptr, &size);
    if (size == 0) return {};
    std::wstring printer(size, L'\0');
    if (!::GetDefaultPrinterW(printer.data(), &size)) return {};
    printer.resize(wcslen(printer.c_str()));
    return printer;
}

namespace {

// A printer's device context for the default printer, closed with the object.
class PrinterDc {
public:
    PrinterDc() {
        const std::wstring printer = DefaultPrinterName();
        if (!printer.empty()) dc_ = ::CreateDCW(L"WINSPOOL", printer.c_str(), nullptr, nullptr);
    }
    ~PrinterDc() {
        if (dc_) ::DeleteDC(dc_);
    }
    PrinterDc(const PrinterDc&) = delete;
    PrinterDc& operator=(const PrinterDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_ = nullptr;
};

}  // namespace

bool PrintPagesOnDefaultPrinter(const DocumentPages& pages, const std::wstring& documentName) {
    if (pages.recordings.empty()) return false;
    PrinterDc printer;
    HDC dc = printer.Get();
    if (!dc) return false;
    const std::wstring name = documentName.empty() ? std::wstring(L"Kestrova") : documentName;
    DOCINFOW doc{};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = name.c_str();
    if (::StartDocW(dc, &doc) <= 0) return false;

    // Points to the printer's dots; the device's origin is the printable area's corner, which
    // lies the physical offset into the paper.
    const double dotsX = ::GetDeviceCaps(dc, LOGPIXELSX) / 72.0, dotsY = ::GetDeviceCaps(dc, LOGPIXELSY) / 72.0;
    const double offsetX = ::GetDeviceCaps(dc, PHYSICALOFFSETX), offsetY = ::GetDeviceCaps(dc, PHYSICALOFFSETY);
    bool ok = dotsX > 0 && dotsY > 0;
    for (cairo_surface_t* page : pages.recordings) {
        if (!ok || ::StartPage(dc) <= 0) {
            ok = false;
            break;
        }
        cairo_surface_t* surface = cairo_win32_printing_surface_create(dc);
        cairo_t* cr = cairo_create(surface);
        cairo_translate(cr, -offsetX, -offsetY);
        cairo_scale(cr, dotsX, dotsY);
        cairo_set_source_surface(cr, page, 0, 0);
        cairo_paint(cr);
        cairo_show_page(cr);
        ok = cairo_status(cr) == CAIRO_STATUS_SUCCESS;
        cairo_destroy(cr);
        cairo_surface_finish(surface);
        ok = ok && cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
        cairo_surface_destroy(surface);
        ok = ::EndPage(dc) > 0 && ok;
    }
    if (ok)
        ok = ::EndDoc(dc) > 0;
    else
        ::AbortDoc(dc);
    return ok;
}

bool PrintOnDefaultPrinter(const uint32_t* pixels, int strideBytes, const std::wstring& documentName) {
    if (!pixels || strideBytes < kCanvasWidth * 4) return false;
    const std::wstring printer = DefaultPrinterName();
    if (printer.empty()) return false;
    HDC dc = ::CreateDCW(L"WINSPOOL", printer.c_str(), nullptr, nullptr);
    if (!dc) return false;

    // The picture row by row, top first, as GDI takes 32-bit pixels (blue, green, red, unused).
    std::vector<uint32_t> rows(static_cast<size_t>(kCanvasWidth) * kCanvasHeight);
    for (int y = 0; y < kCanvasHeight; ++y)
        std::copy_n(reinterpret_cast<const uint32_t*>(reinterpret_cast<const uint8_t*>(pixels) +
                                                      static_cast<size_t>(y) * strideBytes),
                    kCanvasWidth, rows.begin() + static_cast<ptrdiff_t>(y) * kCanvasWidth);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = kCanvasWidth;
    info.bmiHeader.biHeight = -kCanvasHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;

    const int pageW = ::GetDeviceCaps(dc, HORZRES), pageH = ::GetDeviceCaps(dc, VERTRES);
    const int dpi = std::max(1, ::GetDeviceCaps(dc, LOGPIXELSX));
    int w = std::min(8 * dpi, pageW);
    int h = w * kCanvasHeight / kCanvasWidth;
    if (h > pageH) {
        h = pageH;
        w = h * kCanvasWidth / kCanvasHeight;
    }
    const std::wstring name = documentName.empty() ? std::wstring(L"Kestrova") : documentName;
    DOCINFOW doc{};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = name.c_str();
    bool ok = w > 0 && h > 0 && ::StartDocW(dc, &doc) > 0;
    if (ok) {
        ok = ::StartPage(dc) > 0;
        if (ok) {
            ::SetStretchBltMode(dc, HALFTONE);
            ::SetBrushOrgEx(dc, 0, 0, nullptr);
            ok = ::StretchDIBits(dc, (pageW - w) / 2, (pageH - h) / 2, w, h, 0, 0, kCanvasWidth, kCanvasHeight,
                                 rows.data(), &info, DIB_RGB_COLORS, SRCCOPY) > 0;
            ok = ::EndPage(dc) > 0 && ok;
        }
        if (ok)
            ok = ::EndDoc(dc) > 0;
        else
            ::AbortDoc(dc);
    }
    ::DeleteDC(dc);
    return ok;
}

}  // namespace platform
