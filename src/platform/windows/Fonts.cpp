// Fonts on Windows: Windows has "Arial" and a symbol font for the arrows and list marks, but
// the text engine does not look beyond the families it is given. Where Windows' own fonts are
// missing (a minimal Windows, Wine) the metric twin of Arial and a wide-coverage family are
// next in line, so text never draws as empty boxes.
#include "platform/FontFamilies.h"

namespace platform {

std::string FontFamilies(const std::string& family) {
    return family + ",Liberation Sans,Segoe UI,Segoe UI Symbol,DejaVu Sans,Tahoma";
}

}  // namespace platform
