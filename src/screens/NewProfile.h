#pragma once
// Setting up a new trainee: name and password in two text fields, boy or girl, level 1
// to 3, 8 to 10 rounds per exercise and a plan of 3 to 5 weeks. Create (or Enter in a
// field) checks the name and saves the trainee's three files; cancel or Escape leave
// without a file.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "engine/GameBase.h"
#include "graphics/Sprite.h"
#include "ui/TextField.h"

namespace screens {

// Why a typed name cannot become a trainee (or kNameOk).
enum class NameProblem { kNameOk, kEmpty, kTaken, kTooLong, kBadCharacters };
constexpr size_t kMaxNameLength = 30;

// Checks a typed name against the trainees there are: not empty, not one of them
// (letter case does not count), at most kMaxNameLength characters, and a plain file name
// in the profile folder (no separators, "..", control characters or : * ? " < > |, no
// dot or space at either end).
NameProblem CheckNewName(const std::wstring& name, const std::vector<std::wstring>& existing);

}  // namespace screens

class CNewProfile final : public CPlainScreen {
public:
    int Init(Graphics* backGraphics, Graphics* windowGraphics, Bitmap* backBuffer, Profile* profile) override;
    int Draw() override;

    // The choice buttons, in scanning order.
    enum Button {
        kLevel1,
        kLevel2,
        kLevel3,
        kRounds8,
        kRounds9,
        kRounds10,
        kBoy,
        kGirl,
        kWeeks3,
        kWeeks4,
        kWeeks5,
        kSenior,  // the senior layout, on or off on its own
        kChoiceCount
    };

    // The choices, buttons and fields, read by tests and tools.
    const CSprite& Choice(int i) const { return choices[static_cast<size_t>(i)]; }
    bool Chosen(int i) const { return choices[static_cast<size_t>(i)].GetFrame() == 1; }
    const CSprite& CancelButton() const { return cancel; }
    const CSprite& CreateButton() const { return create; }
    const CSprite& Background() const { return background; }
    ui::TextField* NameField() const { return nameField.get(); }
    ui::TextField* PasswordField() const { return passwordField.get(); }

private:
    void Press(int x, int y) override;
    void Hover(int x, int y) override;
    void OnKey(int virtualKey) override;
    void Choose(int first, int count, int chosen);
    void Create();

    CSprite backdrop;
    CSprite background;
    std::array<CSprite, kChoiceCount> choices;
    CSprite cancel;
    CSprite create;
    CSprite nameCaption;
    CSprite passwordCaption;
    std::unique_ptr<ui::TextField> nameField;
    std::unique_ptr<ui::TextField> passwordField;
    float bx = 0, by = 0;
};
