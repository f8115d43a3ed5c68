#pragma once
// The login: every trainee of the profile folder as a picture with the name, five to a
// page, and the buttons to start the day, set up a new trainee, take the number test,
// open the trainee's statistics or settings, save a copy of all trainees, open the trainer's
// overview of all trainees (also F2), or close the program.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "engine/GameBase.h"
#include "graphics/Sprite.h"

class CLogin final : public CPlainScreen {
public:
    static constexpr int kPageSize = 5;
    static constexpr int kTextButtons = 5;

    int Init(Graphics* backGraphics, Graphics* windowGraphics, Bitmap* backBuffer, Profile* profile) override;
    int Draw() override;

    // The page of trainees shown and what stands on it, read by tests and tools.
    int Page() const { return page; }
    int EntryCount() const { return static_cast<int>(entries.size()); }
    const std::wstring& EntryName(int i) const { return entries[static_cast<size_t>(i)].name; }
    const CSprite& Entry(int i) const { return *entries[static_cast<size_t>(i)].sprite; }
    const CSprite& TextButton(int i) const { return textButtons[static_cast<size_t>(i)]; }
    const CSprite& PreviousPage() const { return previousPage; }
    const CSprite& NextPage() const { return nextPage; }
    const CSprite& EndButton() const { return endButton; }
    const CSprite& ExportButton() const { return exportButton; }
    const CSprite& OverviewButton() const { return overviewButton; }
    const CSprite& Marker() const { return marker; }
    const CSprite& Window() const { return window; }
    const std::wstring& StatusText() const { return status.text; }
    const CSprite& StatusLine() const { return status; }

private:
    struct ProfileEntry {
        std::wstring name;
        std::unique_ptr<CSprite> sprite;
        bool hasPicture = false;  // the folder holds name + ".png"
        bool prepared = false;    // picture and label loaded (when its page was first shown)
    };

    void Press(int x, int y) override;
    void Hover(int x, int y) override;
    // F2 opens the trainer's overview; the rest as on every screen.
    void OnKey(int virtualKey) override;
    void BuildEntries();
    void PrepareEntry(ProfileEntry& e);
    void LayOutPage();
    // The switch-access list: the shown trainees, then the buttons.
    void FillScanList();
    void Select(const CSprite& entry, const std::wstring& name);
    // Claims the selected trainee, resets options and statistics and loads its files; false
    // (and said on the login) while another program trains the trainee.
    bool LoadSelected();
    // Start of the day for the selected trainee, then on to the password or to screen.
    void StartDay(int screen);
    void ExportAll();
    void SetStatus(const std::wstring& text);

    CSprite backdrop;  // the landscape the login's windows stand on
    CSprite window;
    std::array<CSprite, kTextButtons> textButtons;
    CSprite previousPage;
    CSprite nextPage;
    CSprite endButton;
    CSprite exportButton;
    CSprite overviewButton;  // the trainer's overview of all trainees
    CSprite marker;
    CSprite status;  // one line under the window after an export
    std::vector<ProfileEntry> entries;
    int page = 0;
    float wx = 0, wy = 0;
};
