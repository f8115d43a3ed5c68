#pragma once
// The diploma printer: the five diploma designs as thumbnails, those the trainee has reached
// filled in with the stickers placed on them; one can be shown large, and the screen (without
// its buttons) printed on the default printer or saved as a bitmap file. Reached from the
// settings and returns there.
#include <array>

#include "engine/GameBase.h"
#include "graphics/Sprite.h"
#include "platform/PrintJob.h"
#include "ui/Notice.h"
#include "screens/Diploma.h"

class CDiplomaPrinter final : public CPlainScreen {
public:
    static constexpr uint32_t kOutline = 0xFF428AFFu;

    int Init(Graphics* backGraphics, Graphics* windowGraphics, Bitmap* backBuffer, Profile* profile) override;
    // Shows the outcome of a print once it is known.
    int Update() override;
    int Draw() override;

    void ShowOverview();
    void ShowLarge(int i);

    // The thumbnails and buttons, read by tests and tools.
    bool Zoomed() const { return zoomed; }
    bool Filled(int i) const { return filled[static_cast<size_t>(i)]; }
    const CSprite& Thumbnail(int i) const { return thumbnails[static_cast<size_t>(i)]; }
    const CSprite& Stop() const { return stop; }
    const CSprite& PrintButton() const { return print; }
    const CSprite& SaveButton() const { return save; }
    const ScanList& Scan() const { return answerScan; }
    // What became of the last print or save, while it is shown.
    std::wstring NoticeText() const { return notice.Shown(); }

private:
    // The thumbnails or the large view, and with withButtons the buttons and the notice; the
    // page that is printed and saved is drawn without them (and without the switch frame).
    void DrawPage(bool withButtons);
    void Press(int x, int y) override;
    void Hover(int x, int y) override;
    // Draws the screen without its buttons and prints or saves what it shows.
    void PrintImage();
    void SaveImage();

    CDiploma diploma{true};
    std::array<CSprite, CDiploma::kDesigns> thumbnails;
    std::array<bool, CDiploma::kDesigns> filled{};
    CSprite stop;
    CSprite print;
    CSprite save;
    bool zoomed = false;
    int shownLarge = -1;  // the design shown large, -1 in the overview
    platform::PrintJob printJob;
    ui::Notice notice;
};
