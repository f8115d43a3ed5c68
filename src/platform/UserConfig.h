#pragma once
// The user's own settings of the program, kept apart from the asset pack in the desktop's
// per-user configuration folder: $XDG_CONFIG_HOME/kestrova (else ~/.config/kestrova).
#include <string>

namespace platform {

// The folder, as a native path; empty when neither XDG_CONFIG_HOME nor HOME gives one.
std::string UserConfigFolder();
// The full path of a file in that folder (empty when there is no folder).
std::wstring UserConfigFile(const char* name);

// The desktop's language for messages: LC_ALL, then LC_MESSAGES, then LANG, the first one
// set and not empty (so "sv_SE.UTF-8"); empty when none is set.
std::string DesktopLocale();

// The first line of a settings file in the folder, without its line end; empty when the
// file is missing or unreadable. Only the first 256 bytes are looked at.
std::string ReadUserSetting(const char* name);
// Replaces a settings file in the folder (created when missing) with one line; false
// when it cannot be written.
bool WriteUserSetting(const char* name, const std::string& line);

// The display the user chose last with F11, kept in "display.txt": one of these words.
inline constexpr const char* kDesktopWindowWord = "window";
inline constexpr const char* kFullScreenWord = "fullscreen";
// Whether the program opens in a normal desktop window: when the user chose one last time
// and the "window" word (the canvas 1:1 on a black backdrop) was not given.
bool StartsInDesktopWindow(bool windowWord, const std::string& remembered);

}  // namespace platform
