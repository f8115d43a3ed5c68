#pragma once
// A finished document's pages as cairo recordings, in points from each page's top left, for
// printers that take drawings rather than PDF. Shared between the frame's thread, which made
// them, and a print job's thread, which plays them back; nothing changes them after that.
#include <cairo.h>

#include <vector>

namespace platform {

struct DocumentPages {
    DocumentPages() = default;
    DocumentPages(const DocumentPages&) = delete;
    DocumentPages& operator=(const DocumentPages&) = delete;
    ~DocumentPages() {
        for (cairo_surface_t* page : recordings) cairo_surface_destroy(page);
    }

    double width = 0, height = 0;  // of every page, in points
    std::vector<cairo_surface_t*> recordings;
};

}  // namespace platform
