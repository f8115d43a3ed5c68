#pragma once
// Windows services the shared parts of the platform layer call where Linux has its own.
#include <cstdint>
#include <string>

namespace platform {

// Folders of the user's profile (real paths, '/' between folders; empty when missing).
std::wstring RoamingAppDataFolder();  // %APPDATA%: the user's settings follow the user
// The language of the user's Windows, as "sv-SE"; empty when it cannot be read.
std::string WindowsUserLocale();

// Sleeps the given microseconds with the system's finest timer, so a frame of 1000/60 ms
// keeps its pace (a plain Sleep rounds up to the 15.6 ms tick).
void SleepPrecisely(int64_t micros);

// The default printer's name; empty when there is none.
std::wstring DefaultPrinterName();
// Prints the 800 x 600 premultiplied ARGB32 picture on one page of the default printer,
// scaled to the printable area with its proportions kept, under the document name. False when
// there is no default printer or the job fails.
bool PrintOnDefaultPrinter(const uint32_t* pixels, int strideBytes, const std::wstring& documentName);
// Prints a document's A4 pages on the default printer at its own resolution, each page placed
// where it stands on the paper. False when there is no default printer or the job fails.
struct DocumentPages;
bool PrintPagesOnDefaultPrinter(const DocumentPages& pages, const std::wstring& documentName);

}  // namespace platform
