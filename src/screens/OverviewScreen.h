#pragma once
// The trainer's overview: every trainee of the profile folder in a table, a page at a time,
// sorted by name or, after a click on its heading, by the last training. Read-only: it writes
// no trainee's file. A trainee with a password shows the name and "locked" until the password
// is typed into the field that opens on the trainee's row. From it the selected trainee's
// progress report is printed or saved, and the whole group saved as a table. Reached from the
// login only, and back to it.
#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/GameBase.h"
#include "graphics/Sprite.h"
#include "platform/PrintJob.h"
#include "profiles/TraineeOverview.h"
#include "ui/TextField.h"

class COverviewScreen final : public CPlainScreen {
public:
    static constexpr int kRowsPerPage = 12;

    int Init(Graphics* backGraphics, Graphics* windowGraphics, Bitmap* backBuffer, Profile* profile) override;
    // Shows the outcome of a report's print once it is known.
    int Update() override;
    int Draw() override;

    // Read by tests and tools.
    const std::vector<profiles::TraineeRow>& Rows() const { return rows; }
    int Selected() const { return selected; }
    const CSprite& Row(int i) const { return rowBoxes[static_cast<size_t>(i)]; }
    // The headings that sort the rows, and the order they set.
    const CSprite& NameHeading() const { return nameHeading; }
    const CSprite& DateHeading() const { return dateHeading; }
    profiles::TraineeOrder Order() const { return order; }
    // The page buttons, and the page shown.
    const CSprite& PreviousPage() const { return previousPage; }
    const CSprite& NextPage() const { return nextPage; }
    int Page() const { return page; }
    const CSprite& PrintButton() const { return print; }
    const CSprite& SaveButton() const { return save; }
    const CSprite& TableButton() const { return table; }
    const CSprite& UnlockButton() const { return unlock; }
    // The password field of the selected locked trainee; null while there is none.
    ui::TextField* PasswordField() const { return field.get(); }
    const std::wstring& StatusText() const { return status; }

private:
    void Press(int x, int y) override;
    void Hover(int x, int y) override;
    // Page Up and Page Down turn the pages; Enter in the password field opens the trainee;
    // the rest as on every screen.
    void OnKey(int virtualKey) override;
    void Sort(profiles::TraineeOrder newOrder);
    void ShowPage(int newPage);
    int PageCount() const;
    void Select(int row);
    // The password field and its button on the selected row when that trainee is locked and
    // on the page; gone otherwise. Then the switch-access list anew.
    void PlaceUnlock();
    void RebuildScan();
    void TryPassword();
    // The selected trainee's record, read for the report; null (with the reason shown) when
    // none is selected or the trainee is locked.
    std::unique_ptr<Profile> SelectedTrainee();
    void SaveTable();
    void DrawText(const std::wstring& text, float x, float y, float size, bool bold = false,
                  uint32_t argb = 0xFF000000u);

    std::vector<profiles::TraineeRow> rows;
    profiles::TraineeOrder order = profiles::TraineeOrder::kName;
    int page = 0;
    int selected = -1;  // index into rows
    std::wstring status;
    platform::PrintJob printJob;  // the report's print, one at a time
    // The trainees opened on this visit, with the password that opened them (held only while
    // the screen is open, to check that the files read for a report are still theirs).
    std::map<std::wstring, std::wstring> opened;
    std::unique_ptr<ui::TextField> field;
    bool scanPress = false;  // the press comes from the switch-access scan

    CSprite print;
    CSprite save;
    CSprite table;
    CSprite nameHeading;
    CSprite dateHeading;
    CSprite previousPage;
    CSprite nextPage;
    CSprite unlock;  // opens the locked trainee with the typed password
    std::array<CSprite, kRowsPerPage> rowBoxes;
    std::array<CSprite, 10> icons;
};
