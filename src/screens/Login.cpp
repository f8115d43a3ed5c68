#include "screens/Login.h"

#include <algorithm>
#include <map>
#include <set>

#include "graphics/Graphics.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "platform/TraineeLock.h"
#include "platform/Utf.h"
#include "profiles/Profile.h"
#include "screens/EnterPassword.h"
#include "text/TextIds.h"
#include "ui/Button.h"

namespace {

constexpr int kKeyF2 = 113;
constexpr float kPictureSide = 50;  // a trainee's picture is drawn at 50 x 50
constexpr float kOffScreen = 900;
constexpr size_t kShownNameLength = 22;  // longer names are cut with an ellipsis

// A text with its "%s" replaced by a folder (a real path, shown as it is).
std::wstring WithFolder(std::wstring text, const std::wstring& folder) {
    const size_t at = text.find(L"%s");
    if (at == std::wstring::npos) return text + L" " + platform::ShownPath(folder);
    return text.replace(at, 2, platform::ShownPath(folder));
}

// Trainee pictures shrunk to their place, kept for the program's run so each is decoded once;
// a picture that changed on disk (size or time) is decoded again.
struct ShrunkPicture {
    long long size = 0, changed = 0;
    std::unique_ptr<Bitmap> picture;  // null: the file did not decode
};
std::map<std::wstring, ShrunkPicture>& PictureCache() {
    static std::map<std::wstring, ShrunkPicture> cache;
    return cache;
}

std::unique_ptr<Bitmap> TraineePicture(const std::wstring& folder, const std::wstring& file) {
    long long size = 0, changed = 0;
    if (!platform::FileStamp(folder, file, size, changed)) return nullptr;
    ShrunkPicture& known = PictureCache()[folder + file];
    if (known.size != size || known.changed != changed || (!known.picture && known.size == 0)) {
        known = ShrunkPicture{size, changed, nullptr};
        std::string bytes;
        if (platform::ReadFileInFolder(folder, file, Profile::kMaxPictureBytes, bytes) == platform::ReadResult::kRead)
            known.picture =
                Bitmap::FromBytesScaled(bytes, static_cast<int>(kPictureSide), static_cast<int>(kPictureSide));
    }
    return known.picture ? known.picture->Clone() : nullptr;
}

}  // namespace

int CLogin::Init(Graphics* back, Graphics* windowG, Bitmap* buffer, Profile* p) {
    CGameBase::Init(back, windowG, buffer, p);
    escapeScreen = kQuitProgram;
    traineeOptions = false;
    // The window stands on the landscape of the splash, so whatever screen came before
    // does not show around it.
    backdrop.LoadImage(L"gfx\\splash\\background.png", back, 1, 0);
    window.LoadImage(L"gfx\\login\\window.png", back, 1, 0);
    wx = static_cast<float>(400 - static_cast<int>(window.width) / 2);
    wy = static_cast<float>(300 - static_cast<int>(window.height) / 2);
    window.SetPosition(wx, wy);

    float y = wy + 20;
    for (int i = 0; i < kTextButtons; ++i) {
        CSprite& b = textButtons[static_cast<size_t>(i)];
        ui::MakeHotBox(b, back, wx + 309, y, 55, 55);
        ui::SetHoverLabel(b, Text(text::kLoginButtons + static_cast<uint32_t>(i)));
        // The label is centred on its button, moved in where it would leave the canvas.
        b.SetTextPosition(std::clamp(b.CentreX() - b.textBox.width / 2, 0.0f,
                                     std::max(0.0f, platform::kCanvasWidth - b.textBox.width)),
                          b.CentreY() - b.textBox.height / 2);
        y += b.height + 14;
    }
    ui::MakeHotBox(previousPage, back, wx + 110, wy + 355, 31, 31);
    ui::MakeHotBox(nextPage, back, wx + 162, wy + 355, 31, 31);
    ui::MakePicture(endButton, back, L"gfx\\login\\end.png", wx + 28, wy + 357);
    ui::SetHoverLabel(endButton, Text(text::kCloseProgram));
    endButton.SetTextPosition(endButton.x, endButton.y + endButton.height + 12);
    ui::MakePicture(exportButton, back, L"gfx\\login\\saveas.png", wx + 248, wy + 357);
    ui::SetHoverLabel(exportButton, Text(text::kExportTrainees));
    exportButton.SetTextPosition(std::min(exportButton.x, 790 - exportButton.textBox.width),
                                 exportButton.y + exportButton.height + 12);
    // The trainer's overview of all trainees, in the free corner under the text buttons.
    ui::MakePicture(overviewButton, back, L"gfx\\login\\overview.png", wx + 314, wy + 357);
    ui::SetHoverLabel(overviewButton, Text(text::kOverviewButton));
    overviewButton.SetTextPosition(std::min(overviewButton.x, 790 - overviewButton.textBox.width),
                                   overviewButton.y + overviewButton.height + 12);
    marker.LoadImage(L"gfx\\login\\selected.png", back, 1, 0);
    status.LoadImage(L"", back, 1, 0);
    status.SetLabel(L"", 18);

    // Back at the login, no trainee is in training here any more.
    if (profile) profile->FreeTrainee();
    BuildEntries();
    page = 0;
    LayOutPage();
    // The first start tells the trainer where the trainees' files are kept.
    if (profile && profile->folder.empty() && !profile->refusedFolder.empty()) {
        SetStatus(WithFolder(Text(text::kFolderRefused), profile->refusedFolder));
    } else if (profile && profile->folder.empty()) {
        SetStatus(Text(text::kNoFolder));
    } else if (profile && profile->folderMade) {
        profile->folderMade = false;
        SetStatus(WithFolder(Text(text::kFolderMade), profile->folder));
    }

    BeginScan();
    FillScanList();
    return 1;
}

void CLogin::BuildEntries() {
    entries.clear();
    if (!profile || profile->folder.empty()) return;
    // One listing of the folder tells the trainees and which of them have a picture; the
    // pictures themselves are read when their page is first shown.
    const std::vector<platform::FoundFile> files = platform::FindFiles(profile->folder + L"*");
    std::set<std::wstring> names;
    for (const auto& f : files)
        if (!f.isFolder) names.insert(f.name);
    for (const auto& f : files) {
        if (f.isFolder || f.name.size() <= 4 || !platform::WildcardMatch(L"*.pro", f.name)) continue;
        ProfileEntry e;
        e.name = f.name.substr(0, f.name.size() - 4);
        e.hasPicture = names.count(e.name + L".png") != 0;
        e.sprite = std::make_unique<CSprite>();
        e.sprite->SetPosition(kOffScreen, 0);
        entries.push_back(std::move(e));
    }
}

void CLogin::PrepareEntry(ProfileEntry& e) {
    if (e.prepared) return;
    e.prepared = true;
    CSprite& s = *e.sprite;
    // The trainee's own picture, shrunk to the picture's place of the row as it is decoded
    // (once per run); the default picture when there is none or it does not read.
    bool own = false;
    if (e.hasPicture) {
        auto picture = TraineePicture(profile->folder, e.name + L".png");
        own = picture && s.LoadImage(std::move(picture), profile->folder + e.name + L".png", backGraphics, 0, 0);
    }
    if (own)
        s.SetSize(kPictureSide, kPictureSide);
    else
        s.LoadImage(L"gfx\\login\\default.png", backGraphics, 1, 0);
    s.SetHitBox(0, 0, 244, 50);
    s.SetFont(20, FontStyleRegular);
    s.SetTextColor(0xFF000000u);
    const std::wstring& name = e.name;
    s.SetText(name.size() > kShownNameLength ? name.substr(0, kShownNameLength - 1) + L"\u2026" : name);
    s.SetPosition(kOffScreen, 0);
}

void CLogin::LayOutPage() {
    const size_t first = static_cast<size_t>(page) * kPageSize;
    float y = wy + 35;
    for (size_t i = 0; i < entries.size(); ++i) {
        CSprite& s = *entries[i].sprite;
        if (i >= first && i < first + kPageSize) PrepareEntry(entries[i]);
        if (i < first || i >= first + kPageSize) {
            s.SetPosition(kOffScreen, s.y);
            s.SetTextPosition(kOffScreen, s.y);
            continue;
        }
        s.SetPosition(wx + 35, y);
        s.SetTextPosition(s.x + s.width + 5, y + s.height / 2 - s.textBox.height / 2);
        y += s.height + 10;
    }
    FillScanList();
    if (first >= entries.size()) {
        marker.SetPosition(20, 610);
        return;
    }
    Select(*entries[first].sprite, entries[first].name);
}

void CLogin::FillScanList() {
    // The trainees shown on the page come first, then the buttons. When the page turns, the
    // scan stays on the entry it rested on (the page buttons), so it can turn again.
    const CSprite* current = answerScan.Entry(answerScan.Current());
    answerScan.Clear();
    for (auto& e : entries)
        if (e.sprite->x < kOffScreen) answerScan.Add(e.sprite.get());
    for (auto& b : textButtons) answerScan.Add(&b);
    for (CSprite* b : {&previousPage, &nextPage, &endButton, &exportButton, &overviewButton}) answerScan.Add(b);
    for (int i = 0; i < answerScan.Count(); ++i)
        if (current && answerScan.Entry(i) == current) answerScan.Select(i, false);
}

void CLogin::Select(const CSprite& entry, const std::wstring& name) {
    if (profile) profile->name = name;
    marker.SetPosition(wx + 20, entry.y - 2);
    if (!profiles::IsSafeName(name))
        SetStatus(Text(text::kDamagedName));
    else if (profile && !profile->folder.empty() && platform::TraineeLock::InUse(profile->folder, name))
        SetStatus(Text(text::kTraineeInUse));
}

int CLogin::Draw() {
    if (backGraphics) backGraphics->Clear(0xFF4069B0u);
    backdrop.Draw();
    window.Draw();
    marker.Draw();
    for (auto& e : entries) {
        if (e.sprite->x >= kOffScreen) continue;
        e.sprite->Draw();
        e.sprite->DrawText();
    }
    // The status line and the switch's highlight first: a hover label always shows whole.
    if (!status.text.empty()) ui::DrawLabel(status);
    DrawScanHighlight();
    ui::DrawHovered({&textButtons[0], &textButtons[1], &textButtons[2], &textButtons[3], &textButtons[4]});
    endButton.Draw();
    exportButton.Draw();
    overviewButton.Draw();
    ui::DrawHovered({&endButton, &exportButton, &overviewButton});
    ui::DrawHighlight(previousPage);
    ui::DrawHighlight(nextPage);
    Present();
    return 1;
}

void CLogin::Hover(int x, int y) {
    bool hand = false;
    for (auto& e : entries) hand = e.sprite->UpdateHover(x, y) || hand;
    hand = ui::Hover(textButtons, x, y) || hand;
    ui::PointerShape(ui::Hover({&previousPage, &nextPage, &endButton, &exportButton, &overviewButton}, x, y) || hand);
}

bool CLogin::LoadSelected() {
    // A trainee whose file name is damaged would log in blank and be saved as a second one.
    if (!profiles::IsSafeName(profile->name)) {
        SetStatus(Text(text::kDamagedName));
        return false;
    }
    // Another program training this trainee would write its record back over anything done
    // here: the trainee is not opened at all.
    if (!profile->ClaimTrainee()) {
        SetStatus(Text(text::kTraineeInUse));
        return false;
    }
    profile->Reset(false, true, true);
    profile->Load(true, true, true);
    return true;
}

void CLogin::StartDay(int screen) {
    if (!LoadSelected()) return;
    profile->AdvanceDay();
    if (!profile->password.empty()) {
        screens::SetScreenAfterPassword(screen);
        nextScreen = kEnterPassword;
        return;
    }
    // The guide trainee hears the spoken guide from the start: no effects, no music,
    // every screen's prompts from their first variant.
    if (profile->name == Text(text::kGuideName)) {
        profile->options.o0 = 0;
        profile->options.o1 = 0;
        profile->speechCounters.fill(0);
    }
    nextScreen = screen;
}

void CLogin::SetStatus(const std::wstring& text) {
    status.SetText(text);
    // Under the end and export buttons' hover labels, which stand below the window too.
    float top = wy + window.height + 6;
    for (const CSprite* b : {&endButton, &exportButton}) top = std::max(top, b->textBox.y + b->textBox.height + 6);
    status.SetTextPosition(400 - status.textBox.width / 2, std::min(top, 600 - status.textBox.height));
}

void CLogin::ExportAll() {
    platform::FolderDialogTexts texts;
    texts.title = Text(text::kChooseExportFolder);
    texts.choose = Text(text::kOk);
    texts.cancel = Text(text::kCancel);
    std::wstring target;
    const bool chosen = platform::Os().ChooseFolder(texts, target);
    // The chooser covered the window: the next frame is presented in full.
    if (backBuffer) backBuffer->Pixels();
    if (!chosen || target.empty()) return;
    // Success only when every file the trainees have arrived whole.
    const Profile::ExportResult result = profile->Export(target);
    SetStatus(WithFolder(Text(result.failed == 0 ? text::kExportedTo : text::kNotAllExportedTo), target));
}

void CLogin::Press(int x, int y) {
    if (!profile) return;
    SetStatus(L"");
    for (auto& e : entries) {
        if (e.sprite->HitTest(x, y)) return Select(*e.sprite, e.name);
    }
    switch (ui::Hit(std::span<const CSprite>(textButtons), x, y)) {
        case 0: return StartDay(kMenu);
        case 1: nextScreen = kNewProfile; return;
        case 2:
            // The number test is taken outside the training plan: the trainee's settings and
            // language, no new training day, and it saves nothing.
            if (LoadSelected()) nextScreen = kNumberTest;
            return;
        case 3: return StartDay(kStats);
        case 4: return StartDay(kSettings);
        default: break;
    }
    switch (ui::Hit({&endButton, &exportButton, &previousPage, &nextPage, &overviewButton}, x, y)) {
        case 0: nextScreen = kQuitProgram; break;
        case 1: ExportAll(); break;
        case 4: nextScreen = kOverview; break;
        case 2:
            if (page > 0) {
                --page;
                LayOutPage();
            }
            break;
        case 3:
            if (kPageSize * page + kPageSize < static_cast<int>(entries.size())) {
                ++page;
                LayOutPage();
            }
            break;
        default: break;
    }
}

void CLogin::OnKey(int virtualKey) {
    if (virtualKey == kKeyF2)
        nextScreen = kOverview;
    else
        CPlainScreen::OnKey(virtualKey);
}
