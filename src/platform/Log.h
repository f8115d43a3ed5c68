#pragma once
// Quiet failures. The program shows its users nothing when a file is missing or damaged, a
// picture does not decode, a sound does not open, or a print or a save fails; with
// KESTROVA_LOG=1 in the environment each such failure is written to standard error as one
// line, "kestrova: missing file gfx\x.png", so a trainer or packager can see why.
#include <string>

namespace platform {

// what: a few words ("missing file", "save failed"); subject: the file or document.
void LogQuietFailure(const char* what, const std::wstring& subject);

}  // namespace platform
