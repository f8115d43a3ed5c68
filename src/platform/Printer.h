#pragma once
// Printing the canvas: one page of 8 x 6 inches (576 x 432 points) that the 800 x 600
// picture fills exactly, sent as a PDF document to the default print destination, with a
// document name (the trainee's name). Nothing is printed and nothing is said when there is
// no destination or the job fails.
//
// Screens print through the backend, which the headless backend answers by keeping the page:
//     platform::Os().PrintImage(backBuffer->Pixels(), backBuffer->StrideBytes(), profile->name);
// The desktop backend hands the page to CupsPrinter below; tests may use it directly.
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

constexpr double kPageWidthPoints = 576;   // 8 inches
constexpr double kPageHeightPoints = 432;  // 6 inches

// The page as a PDF document: the 800 x 600 premultiplied ARGB32 picture scaled onto one
// 576 x 432 point page. Empty when the document cannot be made.
std::string CanvasPdf(const uint32_t* pixels, int strideBytes, const std::wstring& documentName);

class CupsPrinter final {
public:
    // server: the print server to ask; empty for the usual one (as the user's settings and
    // CUPS_SERVER name it).
    explicit CupsPrinter(std::string server = {}) : server_(std::move(server)) {}

    // Whether a print server answers at all.
    bool ServerReachable() const;
    // The default destination's name; empty when there is none or no server answers.
    std::string DefaultDestination() const;
    // Prints the page on the default destination; true when the job was accepted.
    bool Print(const uint32_t* pixels, int strideBytes, const std::wstring& documentName) const;
    // Prints a PDF document of A4 pages on the default destination; true when accepted.
    bool PrintDocument(const std::string& pdf, const std::wstring& documentName) const;

private:
    void UseServer() const;
    bool PrintPdf(const std::string& pdf, const std::wstring& documentName, const char* media) const;
    std::string server_;
};

// A document kept by the headless backend instead of being printed.
struct PrintedDocument {
    std::wstring documentName;
    std::string pdf;
};

// A page kept by the headless backend instead of being printed: the document name and a
// copy of the 800 x 600 picture.
struct PrintedPage {
    std::wstring documentName;
    std::vector<uint32_t> pixels;  // 800 x 600, row after row
};

}  // namespace platform
