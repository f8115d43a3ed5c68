#pragma once
// Names of the program's temporary files. Every file is written beside its target under such
// a name and renamed over the target once complete. The names begin with a dot and end without
// an extension, so none of them is ever a trainee's file (those are a name followed by one of
// the trainee extensions, and a trainee name never begins with a dot). A writer killed half-way
// leaves one behind; the next writer in that folder removes it once its process is gone. The
// name says which boot of which computer wrote it, so a program never takes the temporary of
// a program running on another computer of a shared folder for a dead one's: those are
// removed only when they are older than any write takes.
#include <string>

namespace platform {

// ".kestrova-tmp-<this boot>-<this process>-<suffix>"; suffix "XXXXXX" makes an mkstemp
// template.
std::string TemporaryFileName(const std::string& suffix);
// A name TemporaryFileName (with six letters or digits as suffix) can produce.
bool IsTemporaryFileName(const std::string& name);
// Removes the temporaries of writers that no longer run from a folder ("" for the working one).
void RemoveStaleTemporaries(const std::string& folder);
// This boot of this computer (empty where the system does not tell): a process number means
// something only within it.
const std::string& ThisBootId();

}  // namespace platform
