#pragma once
// The trainer's overview: every trainee of the profile folder in a table, a page at a time,
// sorted by name or, after a click on its heading, by the last training. Read-only: it writes
// no trainee's file. From it the selected trainee's progress report is printed or saved, and
// the whole group saved as a table. Reached from the login only, and back to it.
#include <array>
#include <string>
#include <vector>

#include "engine/GameBase.h"
#include "graphics/Sprite.h"
#include "platform/Platform.h"
#include "profiles/TraineeOverview.h"

class COverviewScreen final : public CPlainScreen {
public:
    static constexpr int kRowsPerPage = 12;

    int Init(Graphics* backGraphics, Graphics* windowGraphics, Bitmap* backBuffer, Profile* profile) override;
    int Draw() override;

    // Read by tests and tools.
    const std::vector<profiles::TraineeRow>& Rows() const { return rows; }
    int Page() const { return page; }
    int Selected() const { return selected; }
    profiles::TraineeOrder Order() const { return order; }
    const CSprite& Row(int i) const { return rowBoxes[static_cast<size_t>(i)]; }
    const CSprite& NameHeading() const { return nameHeading; }
    const CSprite& DateHeading() const { return dateHeading; }
    const CSprite& PreviousPage() const { return previousPage; }
    const CSprite& NextPage() const { return nextPage; }
    const CSprite& PrintButton() const { return print; }
    const CSprite& SaveButton() const { return save; }
    const CSprite& TableButton() const { return table; }
    const std::wstring& StatusText() const { return status; }

private:
    void Press(int x, int y) override;
    void Hover(int x, int y) override;
    // Page Up and Page Down turn the pages; the rest as on every screen.
    void OnKey(int virtualKey) override;
    void Sort(profiles::TraineeOrder newOrder);
    void ShowPage(int newPage);
    int PageCount() const;
    // The selected trainee's report; empty when none is selected or the trainee is locked.
    std::string SelectedReport();
    void PrintReport();
    void SaveReport();
    void SaveTable();
    platform::SaveFileRequest Request(uint32_t title, uint32_t type, const wchar_t* extension,
                                      const std::wstring& fileName) const;
    void DrawText(const std::wstring& text, float x, float y, float size, bool bold = false,
                  uint32_t argb = 0xFF000000u);

    std::vector<profiles::TraineeRow> rows;
    profiles::TraineeOrder order = profiles::TraineeOrder::kName;
    int page = 0;
    int selected = -1;  // index into rows
    std::wstring status;

    CSprite print;
    CSprite save;
    CSprite table;
    CSprite nameHeading;
    CSprite dateHeading;
    CSprite previousPage;
    CSprite nextPage;
    std::array<CSprite, kRowsPerPage> rowBoxes;
    std::array<CSprite, 10> icons;
};
