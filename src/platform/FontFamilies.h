#pragma once
// The font families a text is drawn with, as one comma-separated list: the family the program
// asks for ("Arial"), then the ones that stand in for it where the system lacks it or lacks a
// character of the text (arrows, the list marks).
#include <string>

namespace platform {

std::string FontFamilies(const std::string& family);

}  // namespace platform
