#pragma once
// Where the tests find the checkout (its assets and test data). Kept in one translation unit
// so that the other test files compile the same wherever the checkout lies.
#include <string>

namespace testpaths {
std::string SourceDir();
inline std::string AssetDir() { return SourceDir() + "/assets"; }
}  // namespace testpaths
