#pragma once
// Hands the program's own canvas widgets (question, folder chooser, save dialog, text
// fields) to the platform layer, whose backends show them. Called by the frame at start-up.
namespace ui {

void InstallWidgets();

}  // namespace ui
