#include "screens/MainSettingsMenu.h"

#include <string>

#include "graphics/Graphics.h"
#include "platform/Platform.h"
#include "profiles/Profile.h"
#include "text/TextIds.h"
#include "ui/Button.h"

namespace {

constexpr const wchar_t* kPictures[CMainSettingsMenu::kButtons] = {
    L"stop.png",     L"stat.png",       L"music.png",     L"sound.png",   L"twocontacts.png", L"onecontact.png",
    L"scantime.png", L"extraframe.png", L"reset.png",     L"about.png",   L"reward.png",      L"showcorrect.png",
    L"usestop.png",  L"visual.png",     L"userabbit.png", L"diploma.png", L"selgame.png",     L"senior.png"};

constexpr float kExplanationSize = 14;
constexpr float kExplanationGap = 6;
constexpr float kCaptionSize = 16;
constexpr float kVersionSize = 12;
constexpr int kLongestScanTime = 5;

// Where button k stands: ten in the first row from x = 10, then a second row at y = 90 whose
// last four buttons sit from x = 490 on; the senior layout takes the first free place between.
void ButtonPosition(int k, float& x, float& y) {
    if (k == CMainSettingsMenu::kSenior) {
        x = 250;
        y = 90;
    } else if (k <= 9) {
        x = 10.0f + 80.0f * static_cast<float>(k);
        y = 10;
    } else if (k <= 12) {
        x = 10.0f + 80.0f * static_cast<float>(k - 10);
        y = 90;
    } else {
        x = 490.0f + 80.0f * static_cast<float>(k - 13);
        y = 90;
    }
}

int32_t Toggled(int32_t v) { return v == 0 ? 1 : 0; }

}  // namespace

CMainSettingsMenu::~CMainSettingsMenu() { SaveOptions(); }

int CMainSettingsMenu::Init(Graphics* back, Graphics* windowG, Bitmap* buffer, Profile* p) {
    CGameBase::Init(back, windowG, buffer, p);
    escapeScreen = kMenu;
    background.LoadImage(L"gfx\\settings\\general.png", back, 1, 0);
    click.Open(L"sfx\\click\\click0.wav");
    BeginScan();
    for (int k = 0; k < kButtons; ++k) {
        CSprite& b = buttons[static_cast<size_t>(k)];
        b.LoadImage(std::wstring(L"gfx\\buttons\\") + kPictures[k], back, 1, 0);
        float x = 0, y = 0;
        ButtonPosition(k, x, y);
        b.SetPosition(x, y);
        ui::SetHighlight(b, 5, 0xFFFFFFFFu, 0);
        b.SetLabel(Text(k == kSenior ? text::kSeniorLayout : text::kSettingCaptions + static_cast<uint32_t>(k)),
                   kCaptionSize);
        b.SetTextPosition(400 - b.textBox.width / 2, kCaptionTop);
        answerScan.Add(&b);
    }
    // A language without pictures of numbers and colours names that button "-": it is left out
    // (it keeps its place in the switch list, where a press on it does nothing).
    visualShown = Text(text::kSettingCaptions + kVisual) != L"-";
    buttons[kOff].LoadImage(L"gfx\\settings\\offbtn.png", back, 1, 0);
    explanation.LoadImage(L"", back, 0, 0);  // binds the line to the back buffer; no image
    explanation.SetLabel(L"", kExplanationSize);
    StartGuide(kSettings);
    return 1;
}

bool CMainSettingsMenu::OverlayOn(int k) const {
    if (!profile) return false;
    const ProfileOptions& o = profile->options;
    switch (k) {
        case kMusic: return o.o1 == 0;
        case kSound: return o.o0 == 0;
        case kTwoSwitches: return o.o7 == 1;
        case kOneSwitch: return o.o7 == 0;
        case kExtraFrame: return o.o8 == 0;
        case kReward: return o.o5 == 0;
        case kShowCorrect: return o.o6 == 0;
        case kUseStop: return o.o2 == 0;
        case kVisual: return o.o21 == 0 && visualShown;
        case kRabbit: return o.o4 == 0;
        case kSenior: return o.o3 == 0;
        default: return false;
    }
}

int CMainSettingsMenu::Draw() {
    CSprite& back = buttons[kBack];
    if (creditsShown) {
        CSprite& credits = buttons[kCredits];
        credits.Draw();
        credits.DrawText();
        back.Draw();
        back.DrawHoverOutline();
        Present();
        return 1;
    }
    background.Draw();
    // The option under the pointer is explained; without one, the option the switch is on.
    explained = -1;
    for (int k = 0; k < kButtons; ++k) {
        CSprite& b = buttons[static_cast<size_t>(k)];
        if (!Shown(k)) continue;
        b.Draw();
        if (b.hovered) {
            ui::DrawHighlight(b);
            explained = k;
        }
    }
    if (explained < 0) {
        const CSprite* scanned = answerScan.Entry(answerScan.Current());
        for (int k = 0; k < kButtons; ++k)
            if (scanned == &buttons[static_cast<size_t>(k)] && Shown(k)) explained = k;
    }
    if (explained >= 0) {
        CSprite& b = buttons[static_cast<size_t>(explained)];
        ui::DrawLabel(b);
        const std::wstring line = Text(text::kSettingExplanations + static_cast<uint32_t>(explained));
        if (explanation.GetText() != line) explanation.SetText(line);
        explanation.SetTextPosition(400 - explanation.textBox.width / 2,
                                    kCaptionTop + b.textBox.height + kExplanationGap);
        ui::DrawLabel(explanation);
    }
    // The scan time is written on its button; the caption returns for the highlight.
    CSprite& scan = buttons[kScanTime];
    scanTimeText = profile ? std::to_wstring(profile->options.o19) : std::wstring();
    scan.SetText(scanTimeText);
    scan.CentreTextOnSprite();
    scan.DrawText();
    scan.SetText(Text(text::kSettingCaptions + kScanTime));
    scan.SetTextPosition(400 - scan.textBox.width / 2, kCaptionTop);
    for (int k = 0; k < kButtons; ++k) {
        if (!OverlayOn(k)) continue;
        const CSprite& b = buttons[static_cast<size_t>(k)];
        buttons[kOff].DrawAt(b.x, b.y);
    }
    Present();
    return 1;
}

void CMainSettingsMenu::Hover(int x, int y) {
    bool hand = buttons[kBack].UpdateHover(x, y) != 0;
    if (!creditsShown) {
        for (int k = 1; k < kButtons; ++k) {
            if (Shown(k) && buttons[static_cast<size_t>(k)].UpdateHover(x, y)) hand = true;
        }
    }
    ui::PointerShape(hand);
}

void CMainSettingsMenu::Click() { click.Play(0); }

void CMainSettingsMenu::SaveOptions() {
    if (profile) profile->Save(false, true, false);
}

void CMainSettingsMenu::ShowCredits() {
    CSprite& credits = buttons[kCredits];
    // The page is written in the trainee's language.
    credits.LoadImage(
        L"gfx\\settings\\" + (profile ? profile->options.GetLanguage() : std::wstring(L"english")) + L"\\credits.png",
        backGraphics, 1, 0);
    credits.SetPosition(0, 0);
    credits.SetFont(kVersionSize, FontStyleRegular);
    credits.SetTextColor(0xFF000000u);
    // The number the build stamps, as the splash shows it.
    credits.SetText(std::wstring(L"Version ") + KESTROVA_WVERSION);
    credits.SetTextPosition(800 - credits.textBox.width - 5, 600 - credits.textBox.height - 5);
    creditsShown = true;
}

void CMainSettingsMenu::LeaveCredits() {
    creditsShown = false;
    buttons[kCredits].FreeImages();
}

void CMainSettingsMenu::ToggleOption(int k) {
    ProfileOptions& o = profile->options;
    switch (k) {
        case kMusic: o.o1 = Toggled(o.o1); break;
        case kSound: o.o0 = Toggled(o.o0); break;
        case kTwoSwitches: o.o7 = 0; break;
        case kOneSwitch:
            if (platform::Os().AskYesNo(Text(text::kProgramName), Text(text::kSettingCaptions + kOneSwitch) + L"?",
                                        o.Question()))
                o.o7 = 1;
            break;
        case kExtraFrame: o.o8 = Toggled(o.o8); break;
        case kReward: o.o5 = Toggled(o.o5); break;
        case kShowCorrect: o.o6 = Toggled(o.o6); break;
        case kUseStop: o.o2 = Toggled(o.o2); break;
        case kVisual: o.o21 = Toggled(o.o21); break;
        case kRabbit: o.o4 = Toggled(o.o4); break;
        case kSenior: o.o3 = Toggled(o.o3); break;
        case kScanTime:
            // 1, 2, 3, 4, 5, 1 ...; a value from a damaged file outside 1..5 starts again at 1.
            o.o19 = o.o19 >= 1 && o.o19 < kLongestScanTime ? o.o19 + 1 : 1;
            break;
        case kReset: o.ResetValues(); break;
        default: break;
    }
}

void CMainSettingsMenu::Press(int x, int y) {
    const auto hit = [&](int k) { return Shown(k) && buttons[static_cast<size_t>(k)].HitTest(x, y) != 0; };
    if (creditsShown) {
        if (!hit(kBack)) return;
        Click();
        return LeaveCredits();
    }
    if (hit(kStatistics)) {
        Click();
        nextScreen = kStats;
    } else if (hit(kBack)) {
        Click();
        SaveOptions();
        nextScreen = kMenu;
    } else if (hit(kAbout)) {
        Click();
        ShowCredits();
    } else if (hit(kDiplomas)) {
        nextScreen = kDiplomaPrinter;
    } else if (hit(kChooseGames)) {
        nextScreen = kSelectGame;
    } else if (profile) {
        for (int k : {kMusic, kSound, kTwoSwitches, kOneSwitch, kExtraFrame, kReward, kShowCorrect, kUseStop, kVisual,
                      kRabbit, kSenior, kScanTime, kReset}) {
            if (!hit(k)) continue;
            Click();
            ToggleOption(k);
        }
    }
}

void CMainSettingsMenu::OnKey(int virtualKey) {
    if (creditsShown)
        LeaveCredits();
    else
        CPlainScreen::OnKey(virtualKey);
}
