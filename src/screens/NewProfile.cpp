#include "screens/NewProfile.h"

#include "graphics/Graphics.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "profiles/Profile.h"
#include "text/TextIds.h"
#include "ui/Button.h"

namespace {
// Every letter, not only the plain Latin ones, whatever the locale: "ÅSA" is "åsa".
std::wstring Lower(const std::wstring& s) { return platform::FoldCase(s); }
}  // namespace

namespace screens {

NameProblem CheckNewName(const std::wstring& name, const std::vector<std::wstring>& existing) {
    if (name.empty()) return NameProblem::kEmpty;
    if (name.size() > kMaxNameLength) return NameProblem::kTooLong;
    static const std::wstring kForbidden = L"\\/:*?\"<>|";
    for (wchar_t c : name) {
        if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0) || kForbidden.find(c) != std::wstring::npos)
            return NameProblem::kBadCharacters;
    }
    if (name.front() == L'.' || name.front() == L' ' || name.back() == L'.' || name.back() == L' ' ||
        name.find(L"..") != std::wstring::npos)
        return NameProblem::kBadCharacters;
    const std::wstring lower = Lower(name);
    for (const auto& other : existing)
        if (Lower(other) == lower) return NameProblem::kTaken;
    return NameProblem::kNameOk;
}

}  // namespace screens

namespace {

struct ChoiceLook {
    const wchar_t* picture;  // the name before its 0 / 1
    float dx, dy;
    uint32_t help;
};
// In the order of CNewProfile::Button.
constexpr ChoiceLook kChoices[] = {
    {L"lev1btn", 15, 165, text::kLevelChoices},
    {L"lev2btn", 80, 165, text::kLevelChoices + 1},
    {L"lev3btn", 145, 165, text::kLevelChoices + 2},
    {L"8rounds", 15, 230, text::kRoundsChoices},
    {L"9rounds", 80, 230, text::kRoundsChoices + 1},
    {L"10rounds", 145, 230, text::kRoundsChoices + 2},
    {L"boybtn", 15, 100, text::kBoy},
    {L"girlbtn", 80, 100, text::kGirl},
    {L"3weeks", 210, 100, text::kPlanWeeks},
    {L"4weeks", 270, 100, text::kPlanWeeks + 1},
    {L"5weeks", 330, 100, text::kPlanWeeks + 2},
    {L"seniorbtn", 210, 165, text::kSeniorLayout},
};

}  // namespace

int CNewProfile::Init(Graphics* back, Graphics* windowG, Bitmap* buffer, Profile* p) {
    CGameBase::Init(back, windowG, buffer, p);
    escapeScreen = kLogin;
    traineeOptions = false;
    backdrop.LoadImage(L"gfx\\splash\\background.png", back, 1, 0);  // as behind the login
    background.LoadImage(L"gfx\\newprofile\\background.png", back, 1, 0);
    bx = static_cast<float>(400 - static_cast<int>(background.width) / 2);
    by = static_cast<float>(300 - static_cast<int>(background.height) / 2);
    background.SetPosition(bx, by);

    for (int i = 0; i < kChoiceCount; ++i) {
        CSprite& c = choices[static_cast<size_t>(i)];
        const ChoiceLook& look = kChoices[i];
        const std::wstring base = std::wstring(L"gfx\\newprofile\\") + look.picture;
        c.LoadImage(base + L"0.png", back, 1, 0);
        c.LoadImage(base + L"1.png", back, 1, 0);
        c.SetFrame(0);
        c.SetPosition(bx + look.dx, by + look.dy);
        ui::SetHighlight(c, 3);
    }
    ui::MakeHotBox(cancel, back, bx + 270, by + 230, 55, 55);
    ui::MakeHotBox(create, back, bx + 330, by + 230, 55, 55);
    // Each button's help is written in the box's help line while it is hovered.
    const auto help = [&](CSprite& b, uint32_t text) {
        ui::SetCaption(b, Text(text), 15, 0xFFFFFFFFu);
        b.SetTextPosition(bx + 15, by + 75);
    };
    for (int i = 0; i < kChoiceCount; ++i) help(choices[static_cast<size_t>(i)], kChoices[i].help);
    help(cancel, text::kCancel);
    help(create, text::kCreateTrainee);
    ui::SetCaption(nameCaption, back, Text(text::kName), 16, bx + 13, by + 40);
    ui::SetCaption(passwordCaption, back, Text(text::kPassword), 16, bx + 148, by + 40);

    BeginScan();
    for (auto& c : choices) answerScan.Add(&c);
    answerScan.Add(&cancel);
    answerScan.Add(&create);

    // The first choice of each group matches the profile's defaults ("M", "1", 8, 25).
    Choose(kLevel1, 3, kLevel1);
    Choose(kRounds8, 3, kRounds8);
    Choose(kBoy, 2, kBoy);
    Choose(kWeeks3, 3, kWeeks5);

    nameField = std::make_unique<ui::TextField>(static_cast<int>(bx) + 15, static_cast<int>(by) + 40, 125, 25);
    passwordField = std::make_unique<ui::TextField>(static_cast<int>(bx) + 150, static_cast<int>(by) + 40, 125, 25);
    passwordField->SetLimit(Profile::kMaxPasswordLength, Text(text::kPasswordLimit));

    if (profile) {
        profile->Reset(true, true, true);
        profile->AdvanceDay();
    }
    return 1;
}

void CNewProfile::Choose(int first, int count, int chosen) {
    for (int i = first; i < first + count; ++i) choices[static_cast<size_t>(i)].SetFrame(i == chosen ? 1 : 0);
}

int CNewProfile::Draw() {
    if (backGraphics) backGraphics->Clear(0xFF4069B0u);
    backdrop.Draw();
    background.Draw();
    for (auto& c : choices) c.Draw();
    for (auto& c : choices) {
        if (!c.hovered) continue;
        c.DrawHoverOutline();
        c.DrawText();
    }
    for (CSprite* b : {&cancel, &create}) {
        if (!b->hovered) continue;
        ui::DrawHighlight(*b);
        b->DrawText();
    }
    nameCaption.DrawText();
    passwordCaption.DrawText();
    Present();  // the two fields are drawn over the presented frame
    return 1;
}

void CNewProfile::Hover(int x, int y) {
    const bool overChoice = ui::Hover(choices, x, y);
    ui::PointerShape(ui::Hover({&cancel, &create}, x, y) || overChoice);
}

void CNewProfile::Press(int x, int y) {
    if (!profile) return;
    for (int i = 0; i < 3; ++i) {
        const CSprite& level = choices[static_cast<size_t>(kLevel1 + i)];
        if (level.HitTest(x, y)) {
            Choose(kLevel1, 3, kLevel1 + i);
            profile->level = std::wstring(1, static_cast<wchar_t>(L'1' + i));
            // The level brings its number of rounds along; it can be changed afterwards.
            const CSprite& rounds = choices[static_cast<size_t>(kRounds8 + i)];
            return Press(static_cast<int>(rounds.x) + 5, static_cast<int>(rounds.y) + 5);
        }
        if (choices[static_cast<size_t>(kRounds8 + i)].HitTest(x, y)) {
            Choose(kRounds8, 3, kRounds8 + i);
            profile->roundsPerDay = 8 + i;
            return;
        }
        if (choices[static_cast<size_t>(kWeeks3 + i)].HitTest(x, y)) {
            Choose(kWeeks3, 3, kWeeks3 + i);
            profile->trainingDays = 15 + 5 * i;
            return;
        }
    }
    if (choices[kBoy].HitTest(x, y)) {
        Choose(kBoy, 2, kBoy);
        profile->gender = L"M";
    } else if (choices[kGirl].HitTest(x, y)) {
        Choose(kBoy, 2, kGirl);
        profile->gender = L"F";
    } else if (choices[kSenior].HitTest(x, y)) {
        profile->options.o3 = profile->options.o3 ? 0 : 1;
        choices[kSenior].SetFrame(profile->options.o3);
    } else if (cancel.HitTest(x, y)) {
        nextScreen = kLogin;
    } else if (create.HitTest(x, y)) {
        Create();
    }
}

void CNewProfile::Create() {
    const std::wstring name = nameField ? nameField->Text() : std::wstring();
    const screens::NameProblem problem = screens::CheckNewName(name, profile->ProfileNames());
    uint32_t message = 0;
    switch (problem) {
        case screens::NameProblem::kNameOk: break;
        case screens::NameProblem::kEmpty: message = text::kNameEmpty; break;
        case screens::NameProblem::kTaken: message = text::kNameTaken; break;
        case screens::NameProblem::kTooLong: message = text::kNameTooLong; break;
        case screens::NameProblem::kBadCharacters: message = text::kNameBad; break;
    }
    // A trainee's files that exist without the profile file (left from an earlier
    // trainee of that name) would be taken over: the name counts as taken.
    if (!message) {
        const std::wstring folded = Lower(name);
        for (const auto& f : platform::FindFiles(profile->folder + L"*"))
            for (const wchar_t* ext : {L".pro", L".opt", L".sta"})
                if (Lower(f.name) == folded + ext) message = text::kNameTaken;
    }
    if (message) {
        platform::Os().ShowError(Text(text::kProgramName), Text(message));
        return;
    }
    profile->name = name;
    profile->password = passwordField ? passwordField->Text() : std::wstring();
    if (!profile->Save(true, true, true)) {
        // Half a trainee would be listed with default files: take back what was written.
        for (const wchar_t* ext : {L".pro", L".opt", L".sta"}) platform::DeleteFileAt(profile->FilePath(ext));
        platform::Os().ShowError(Text(text::kProgramName), Text(text::kTraineeNotSaved));
        return;
    }
    nextScreen = kLogin;
}

void CNewProfile::OnKey(int virtualKey) {
    // Enter in a field creates the trainee; otherwise it presses the scanned button.
    const bool inField = (nameField && nameField->Focused()) || (passwordField && passwordField->Focused());
    if (virtualKey != platform::VK_RETURN || !inField) return CPlainScreen::OnKey(virtualKey);
    if (profile) Create();
}
