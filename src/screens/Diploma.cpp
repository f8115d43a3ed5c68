#include "screens/Diploma.h"

#include <algorithm>
#include <cmath>

#include "graphics/Graphics.h"
#include "platform/Platform.h"
#include "profiles/DiplomaPlacements.h"
#include "profiles/Profile.h"
#include "text/FileUtil.h"

namespace {

constexpr unsigned kLeftButton = 0x0001;
constexpr float kShelfWidth = 150;
constexpr float kShelfX = 720;
constexpr float kPriceCoinX = 614;
constexpr float kParkX = 810, kParkY = 610;
constexpr float kBagTextX = 42, kBagTextY = 85;

void CentreTextAt(CSprite& s, float cx, float cy) {
    s.textBox.x = cx - s.textBox.width / 2;
    s.textBox.y = cy - s.textBox.height / 2;
}

}  // namespace

int CDiploma::PriceFor(const std::wstring& level, int coins) {
    int p = level == L"3" ? 21 : level == L"2" ? 19 : 17;
    if (coins < 2 * p) p = std::max(coins / 2, 1);
    return p;
}

CDiploma::~CDiploma() {
    ShowMouseCursor(true);
    if (platform::HasBackend()) platform::Os().SetCursor(platform::CursorShape::Wait);
    if (!embedded && profile) {
        profile->Save(true, false, false);
        SavePlacements();
    }
}

int CDiploma::Init(Graphics* back, Graphics* window, Bitmap* buffer, Profile* p) {
    CGameBase::Init(back, window, buffer, p);
    answerScan.SetPress(MousePress());
    if (profile && profile->options.o7) answerScan.SetScanTime(profile->options.o19);
    for (int d = 0; d < kDesigns; ++d) {
        designFolders[static_cast<size_t>(d)] = L"gfx\\diploma\\" + std::to_wstring(d) + L"\\";
        if (profile) diplomaFiles[static_cast<size_t>(d)] = profile->FilePath(L"." + std::to_wstring(d) + L"dp");
    }
    design = profile ? profile->DiplomaStage() : 0;
    if (embedded || !profile) return 1;

    LoadDesign(design);
    if (profile->options.o8) marker.LoadImage(L"gfx\\interface\\extramarker.png", back, 1, 0);
    marker.SetPosition(kParkX, kParkY);
    startSound.Open(L"sfx\\start.wav");
    correctSound.Open(L"sfx\\correct.wav");
    wrongSound.Open(L"sfx\\wrong.wav");
    coinSound.OpenAll(L"sfx\\coin*.wav");
    praiseSound.OpenAll(L"speech\\" + profile->options.GetLanguage() + L"\\rewards\\*.wav");
    praiseSound.Shuffle();

    stopButton.LoadImage(L"gfx\\buttons\\stop.png", back, 1, 0);
    stopButton.SetPosition(10, 20);
    bag.LoadImage(L"gfx\\diploma\\bag0.png", back, 1, 0);
    bag.SetPosition(0, 475);
    bag.SetTextColor(0xFF000000u);
    UpdateBagText();
    priceCoin.LoadImage(L"gfx\\diploma\\coin.png", back, 1, 0);
    priceCoin.SetTextColor(0xFF000000u);
    priceCoin.SetFont(18, FontStyleBold);
    CreateDebugText();
    StartGuide(kDiploma);
    profile->rewardDate = Profile::TodayText();
    return 1;
}

void CDiploma::UpdateBagText() {
    bag.SetNumber(profile ? profile->coins : 0);
    CentreTextAt(bag, bag.x + kBagTextX, bag.y + kBagTextY);
}

void CDiploma::FreeDesign() {
    page.FreeImages();
    stickers.clear();
    stickerFiles.clear();
    dragged = -1;
}

void CDiploma::LoadDesign(int d) {
    FreeDesign();
    d = std::clamp(d, 0, kDesigns - 1);
    design = d;
    price = PriceFor(profile ? profile->level : L"1", profile ? profile->coins : 0);
    const std::wstring& folder = designFolders[static_cast<size_t>(d)];
    page.LoadImage(folder + L"background.png", backGraphics, 0, 0);
    page.SetPosition(400 - page.width / 2, 300 - page.height / 2);
    page.SetOutlineColor(0xFF000000u);

    CFileUtil files;
    files.AddFiles(folder + L"item*.png");
    for (int32_t i = 0; i < files.Count(); ++i) {
        auto s = std::make_unique<CSprite>();
        if (!s->LoadImage(files.GetPath(i), backGraphics, 0, 0)) continue;
        s->SetOutlineColor(0xFF000000u);
        s->SetOutlineWidth(4);
        s->user[kIndex] = static_cast<int>(stickers.size());
        s->user[kPrice] = price;
        s->user[kNaturalWidth] = static_cast<int>(s->naturalWidth);
        s->user[kNaturalHeight] = static_cast<int>(s->naturalHeight);
        s->user[kPlaced] = 0;
        const std::wstring path = files.GetPath(i);
        stickerFiles.push_back(path.substr(path.find_last_of(L"\\/") + 1));
        stickers.push_back(std::move(s));
    }
    LoadPlacements();
    Arrange();
}

void CDiploma::LoadPlacements() {
    const std::wstring& file = diplomaFiles[static_cast<size_t>(design)];
    if (file.empty()) return;
    for (const auto& placed : profiles::ReadPlacements(file)) {
        // A sticker whose picture is no longer in the design is skipped.
        for (size_t i = 0; i < stickers.size(); ++i) {
            CSprite& s = *stickers[i];
            if (s.user[kPlaced] || stickerFiles[i] != placed.file) continue;
            s.SetSize(static_cast<float>(s.user[kNaturalWidth]), static_cast<float>(s.user[kNaturalHeight]));
            s.SetPosition(static_cast<float>(placed.x), static_cast<float>(placed.y));
            s.user[kPlaced] = 1;
            break;
        }
    }
}

void CDiploma::SavePlacements() const {
    const std::wstring& file = diplomaFiles[static_cast<size_t>(design)];
    if (file.empty() || page.FrameCount() == 0) return;
    std::vector<profiles::StickerPlacement> placed;
    for (size_t i = 0; i < stickers.size(); ++i) {
        const CSprite& s = *stickers[i];
        if (s.user[kPlaced]) placed.push_back({stickerFiles[i], static_cast<int>(s.x), static_cast<int>(s.y)});
    }
    profiles::WritePlacements(file, placed);
}

void CDiploma::Arrange() {
    float y = 0;
    for (auto& sp : stickers) {
        CSprite& s = *sp;
        if (!s.visible || s.user[kPlaced]) continue;
        if (s.naturalWidth >= kShelfWidth) {
            s.SetSize(kShelfWidth, s.naturalHeight * kShelfWidth / s.naturalWidth);
            s.SetPosition(page.x + page.width + 5, y);
        } else {
            s.SetSize(s.naturalWidth, s.naturalHeight);
            s.SetPosition(kShelfX - s.width / 2, y);
        }
        y += s.height + 10;
    }

    answerScan.Clear();
    const float pageBottom = page.y + page.height;
    const int coins = profile ? profile->coins : 0;
    if (!stickers.empty() && coins >= price)
        for (auto& s : stickers)
            if (s->visible && !s->user[kPlaced] && s->y < pageBottom) answerScan.Add(s.get());
    for (auto& s : stickers)
        if (s->visible && s->user[kPlaced] && s->y < pageBottom) answerScan.Add(s.get());
    if (profile && profile->options.o2) answerScan.Add(&stopButton);
}

int CDiploma::Update() {
    CGameBase::Update();
    UpdateCursor();
    return nextScreen;
}

void CDiploma::UpdateCursor() {
    platform::Os().GetCursorPos(mousePos.x, mousePos.y);
    bool hand = false;
    marker.SetPosition(kParkX, kParkY);
    if (dragged >= 0) {
        hand = true;
    } else {
        for (auto& s : stickers) s->hovered = 0;
        for (auto& s : stickers) {
            if (!s->UpdateHover(mousePos.x, mousePos.y)) continue;
            hand = true;
            marker.SetPosition(static_cast<float>(mousePos.x) - marker.width / 2,
                               static_cast<float>(mousePos.y) - marker.height / 2);
            break;
        }
    }
    platform::Os().SetCursor(hand ? platform::CursorShape::Hand : platform::CursorShape::Arrow);
}

int CDiploma::Draw() {
    if (backGraphics) backGraphics->Clear(kBackground);
    page.Draw();
    page.DrawOutline(0);
    stopButton.Draw();
    bag.Draw();
    bag.DrawText();
    for (size_t i = 0; i < stickers.size(); ++i) {
        if (static_cast<int>(i) == dragged) continue;
        CSprite& s = *stickers[i];
        s.Draw();
        s.DrawHoverOutline();
        if (s.hovered && !s.user[kPlaced]) {
            priceCoin.SetPosition(kPriceCoinX, s.CentreY() - priceCoin.height / 2);
            priceCoin.SetNumber(s.user[kPrice]);
            CentreTextAt(priceCoin, priceCoin.CentreX(), priceCoin.CentreY());
            priceCoin.Draw();
            priceCoin.DrawText();
        }
    }
    if (dragged >= 0) {
        CSprite& s = *stickers[static_cast<size_t>(dragged)];
        s.DrawAt(static_cast<float>(mousePos.x) - s.width / 2, static_cast<float>(mousePos.y) - s.height / 2);
    }
    if (profile && profile->options.o8) marker.Draw();
    Present();
    return 1;
}

CSprite* CDiploma::StickerUnder(int x, int y) {
    for (auto& s : stickers)
        if (s->visible && s->HitTest(x, y)) return s.get();
    return nullptr;
}

int CDiploma::OnMouseDown(unsigned, long lParam) {
    const int x = MouseParamX(lParam), y = MouseParamY(lParam);
    if (stopButton.HitTest(x, y)) {
        nextScreen = kMenu;
        return 1;
    }
    if (dragged >= 0) {
        CSprite& s = *stickers[static_cast<size_t>(dragged)];
        if (OnPage(x)) {
            // Whole pixels: the sticker is drawn crisp and its place is kept exactly.
            s.SetPosition(std::round(static_cast<float>(x) - s.width / 2),
                          std::round(static_cast<float>(y) - s.height / 2));
            if (!s.user[kPlaced] && profile) {
                coinSound.Play(0);
                profile->coins = std::max(profile->coins - s.user[kPrice], 0);
                UpdateBagText();
                s.user[kPlaced] = 1;
            }
        }
        dragged = -1;
        Arrange();
        return 1;
    }
    CSprite* s = StickerUnder(x, y);
    if (!s) return 1;
    const int coins = profile ? profile->coins : 0;
    if (x > page.x + page.width && !s->user[kPlaced] && coins < s->user[kPrice]) {
        wrongSound.Play(0);
        return 1;
    }
    startSound.Play(0);
    s->SetSize(static_cast<float>(s->user[kNaturalWidth]), static_cast<float>(s->user[kNaturalHeight]));
    keyX = -1;
    keyY = page.y;
    dragged = s->user[kIndex];
    return 1;
}

void CDiploma::PlaceKeyCursor() {
    const CSprite& s = *stickers[static_cast<size_t>(dragged)];
    const float w = s.width, h = s.height;
    const float first = page.x + w / 2, top = page.y + h / 2;
    if (keyX < 0) {
        keyX = first;
        keyY = top;
    } else {
        keyX += w;
        if (keyX + w / 4 > page.x + page.width) {
            keyX = first;
            keyY += h;
        }
        if (keyY + h / 2 > page.y + page.height) {
            keyX = first;
            keyY = top;
        }
    }
    platform::Os().SetCursorPos(static_cast<int>(keyX), static_cast<int>(keyY));
}

int CDiploma::OnKeyDown(int key, int, long) {
    if (keyHeld) return 1;
    keyHeld = 1;
    switch (key) {
        case platform::VK_RETURN:
            if (dragged < 0) {
                answerScan.Press();
            } else {
                platform::Os().GetCursorPos(mousePos.x, mousePos.y);
                OnMouseDown(kLeftButton, MakeMouseParam(mousePos.x, mousePos.y));
            }
            return 1;
        case platform::VK_ESCAPE: nextScreen = kMenu; return 1;
        case platform::VK_SPACE:
            if (dragged < 0)
                answerScan.Step();
            else
                PlaceKeyCursor();
            return 1;
        default: break;
    }
    if (debug && profile && (key == platform::VK_ADD || key == platform::VK_SUBTRACT)) {
        profile->coins = std::max(profile->coins + (key == platform::VK_ADD ? 1 : -1), 0);
        UpdateBagText();
    }
    return 1;
}

int CDiploma::RenderTo(Graphics* graphics) {
    if (!graphics) return 0;
    Graphics* previous = page.GetGraphics();
    page.SetGraphics(graphics);
    page.DrawAt(0, page.y);
    page.SetGraphics(previous);
    for (auto& s : stickers) {
        if (!s->user[kPlaced]) continue;
        Graphics* own = s->GetGraphics();
        s->SetGraphics(graphics);
        s->DrawAt(s->x - page.x, s->y);
        s->SetGraphics(own);
    }
    return 1;
}
