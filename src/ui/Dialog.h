#pragma once
// What the canvas dialogs share: their boxes, their look (panel, title, buttons), drawing
// onto raw canvas pixels through the graphics API, and the modal loop that runs a dialog on
// the backend until it is decided.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/Platform.h"

class Graphics;

namespace ui {

// A canvas rectangle in whole pixels.
struct Box {
    int x, y, w, h;
    bool Contains(int px, int py) const { return px >= x && px < x + w && py >= y && py < y + h; }
    int CentreX() const { return x + w / 2; }
    int CentreY() const { return y + h / 2; }
};

// The dialogs' colours.
constexpr uint32_t kBackdrop = 0xFF1E3A6Eu;
constexpr uint32_t kPanel = 0xFFF4F6FBu;
constexpr uint32_t kInk = 0xFF1E2A40u;
constexpr uint32_t kFaint = 0xFF505A70u;
constexpr uint32_t kRule = 0xFF9AA8C0u;
constexpr uint32_t kSelectedRow = 0xFFBFD4F5u;
constexpr uint32_t kButton = 0xFF4069B0u;
constexpr uint32_t kWhite = 0xFFFFFFFFu;

// Draws with draw onto the 800 x 600 premultiplied ARGB32 pixels: a bitmap holds them while
// a graphics on it draws, then they are copied back.
void DrawOnPixels(uint32_t* pixels, int strideBytes, const std::function<void(Graphics&)>& draw);

// A solid button with its label centred in bold white letters of size (wrapped inside the
// button when wrap is set).
void DrawButton(Graphics& g, const Box& b, const std::wstring& label, uint32_t colour = kButton, float size = 18,
                bool wrap = false);

// The full-canvas dialog: the backdrop, the panel, the title and the folder shown under it.
void DrawDialogPanel(Graphics& g, const std::wstring& title, const std::wstring& folder);
// A thin rule across the panel at y.
void DrawRule(Graphics& g, float y);

enum class DialogResult { Open, Chosen, Cancelled };

// Runs a dialog modally on os: draws it (draw fills the canvas pixels) and presents it when
// it changed or blinkMs passed (0: never), hands each event to handle, sleeps between polls.
// Returns the first result other than Open.
DialogResult RunDialog(platform::Backend& os, const std::function<void(uint32_t*, int)>& draw,
                       const std::function<DialogResult(const platform::InputEvent&)>& handle, uint32_t blinkMs = 0);

}  // namespace ui
