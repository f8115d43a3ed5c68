#include "support/TestPaths.h"

namespace testpaths {
std::string SourceDir() { return KESTROVA_SOURCE_DIR; }
}  // namespace testpaths
