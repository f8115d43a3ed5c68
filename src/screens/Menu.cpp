#include "screens/Menu.h"

#include <string>

#include "graphics/Graphics.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "platform/gfx/ImageCache.h"
#include "profiles/Profile.h"
#include "screens/ScreenParts.h"

namespace {

constexpr int kKeyD = 68;
constexpr int kKeyI = 73;
constexpr int kLastDay = 25;
constexpr int kTextLeaveDay = 88;

}  // namespace

int CMenu::Init(Graphics* back, Graphics* windowG, Bitmap* buffer, Profile* p) {
    CGameBase::Init(back, windowG, buffer, p);
    stop.LoadImage(L"gfx\\buttons\\stop.png", back, 1, 0);
    stop.SetPosition(10, 20);
    options.LoadImage(L"gfx\\buttons\\options.png", back, 1, 0);
    options.SetPosition(800 - options.width - 10, 20);
    bag.LoadImage(L"gfx\\diploma\\bag0.png", back, 1, 700);
    bag.LoadImage(L"gfx\\diploma\\bag1.png", back, 1, 700);
    bag.SetFrame(0);
    bag.SetPosition(800 - bag.width, 600 - bag.height);
    if (profile && profile->options.o8) marker.LoadImage(L"gfx\\interface\\extramarker.png", back, 1, 0);
    marker.SetPosition(810, 610);

    float x = 70, y = 60;
    for (int g = 1; g <= kGames; ++g) {
        CSprite& b = games[static_cast<size_t>(g - 1)];
        const std::wstring base = L"gfx\\menu\\game0" + std::to_wstring(g);
        b.LoadImage(base + L"a.png", back, 1, 0);
        b.LoadImage(base + L"b.png", back, 1, 0);
        b.LoadImage(base + L"c.png", back, 1, 0);
        b.SetFrame(0);
        b.SetPosition(x, y);
        b.SetFont(14, FontStyleBold);
        b.SetTextColor(0xFFFFFFFFu);
        b.SetText(L"");
        b.SetTextPosition(x, y);
        x += b.width + 55;
        if (g % 3 == 0) {
            x = 70;
            y += b.height;
        }
    }
    overlay.LoadImage(L"", back, 1, 0);
    overlay.SetFont(16, FontStyleBold);
    overlay.SetTextColor(0xFFFFFFFFu);
    overlay.SetText(L"");

    if (!profile) return 1;
    // The reward bag: the day is finished and the diploma screen was not opened today.
    bagShown = profile->IsRewardDue(Profile::TodayText());
    if (bagShown) {
        profile->options.o2 = 1;
        if (profile->IsWeekEnd()) bag.Play(1, 0, 0, 0, 1);
    }

    answerScan.SetPress(MousePress());
    answerScan.Clear();
    for (auto& b : games) answerScan.Add(&b);
    if (bagShown) answerScan.Add(&bag);
    if (profile->options.o2) answerScan.Add(&stop);
    if (profile->options.o7) answerScan.SetScanTime(profile->options.o19);

    if (profile->options.o1) {
        music.OpenRandom(L"sfx\\intro\\menu*.wav");
        music.Play(0);
    }
    StartGuide(kMenu);
    return 1;
}

bool CMenu::Playable(int g) const { return profile && profile->IsPlayable(g); }

int CMenu::Look(int g) const {
    if (!Playable(g)) return 1;
    return GameButton(g).hovered ? 2 : 0;
}

int CMenu::Update() {
    CGameBase::Update();
    for (auto& b : games) b.Update();
    if (bagShown) bag.Update();
    return nextScreen;
}

void CMenu::UpdateOverlay() {
    if (!profile) return;
    for (int g = 1; g <= kGames; ++g)
        games[static_cast<size_t>(g - 1)].SetText(L"Dag " +
                                                  std::to_wstring(profile->dayProgress[static_cast<size_t>(g)]));
    const int32_t day = profile->dayProgress[0];
    std::wstring line = L"Systemdag " + std::to_wstring(day) + L" (";
    if (day > kLastDay - 1)
        line += L" SLUT )";
    else if (day >= 0)
        line += profile->dayDates[static_cast<size_t>(day)] + L")";
    else
        line += L")";
    overlay.SetText(line);
    overlay.SetTextPosition(0, 30);
    overlay.CentreTextIn(800);
}

int CMenu::Draw() {
    if (backGraphics) backGraphics->Clear(kBackground);
    if (overlayOn) UpdateOverlay();
    for (int g = 1; g <= kGames; ++g) {
        CSprite& b = games[static_cast<size_t>(g - 1)];
        b.SetFrame(Look(g));
        b.Draw();
        if (overlayOn) b.DrawText();
    }
    if (overlayOn) overlay.DrawText();
    if (profile && profile->options.o2) stop.Draw();
    options.Draw();
    if (bagShown) bag.Draw();
    if (profile && profile->options.o8) marker.Draw();
    Present();
    if (!warmUpStarted) {
        warmUpStarted = true;
        WarmUpExercises();
    }
    return 1;
}

void CMenu::WarmUpExercises() const {
    // While the menu stands, the pictures of the exercises that may be chosen are decoded
    // ahead on the second core, so the chosen one starts without waiting for its files: the
    // exercise display's own first, then each playable exercise's folder and its
    // subfolders, but for the rewards (only one is shown, at the end). The image cache
    // bounds how much is decoded.
    std::vector<std::wstring> pictures;
    auto add = [&pictures](const std::wstring& folder, const std::wstring& pattern) {
        for (const platform::FoundFile& f : platform::FindFiles(folder + pattern))
            if (!f.isFolder) pictures.push_back(folder + f.name);
    };
    add(L"gfx\\interface\\", L"*.png");
    add(L"gfx\\interface\\bag\\", L"*.png");
    add(L"gfx\\interface\\rabbit\\", L"*.png");
    add(L"gfx\\buttons\\", L"startbutton*.png");
    for (int g = 1; g <= kGames; ++g) {
        if (!Playable(g)) continue;
        const std::wstring folder = L"gfx\\" + std::wstring(ScreenName(g)) + L"\\";
        add(folder, L"*.png");
        for (const platform::FoundFile& f : platform::FindFiles(folder + L"*"))
            if (f.isFolder && platform::FoldCase(f.name) != L"rewards") add(folder + f.name + L"\\", L"*.png");
    }
    platform::gfx::WarmUpImages(std::move(pictures));
}

int CMenu::OnMouseMove(unsigned, long lParam) {
    const int x = MouseParamX(lParam), y = MouseParamY(lParam);
    marker.SetPosition(810, 610);
    stop.hovered = options.hovered = 0;
    for (auto& b : games) b.hovered = 0;
    if (!profile) return 1;
    bool active = false;
    if (profile->options.o2 && stop.UpdateHover(x, y)) active = true;
    if (options.UpdateHover(x, y)) active = true;
    if (bagShown && bag.HitTest(x, y)) active = true;
    for (int g = 1; g <= kGames; ++g) {
        CSprite& b = games[static_cast<size_t>(g - 1)];
        // Every button under the pointer is marked (the debug keys act on it); only a
        // playable one is something to click.
        if (profile->options.ExerciseOn(g) && b.UpdateHover(x, y) && Playable(g)) active = true;
    }
    screens::PointerShape(active);
    if (active) marker.SetPosition(static_cast<float>(x) - marker.width / 2, static_cast<float>(y) - marker.height / 2);
    return 1;
}

void CMenu::LeaveDay() {
    // Leaving with an exercise still behind asks first.
    if (profile && profile->LeaveDay(!profile->DayUnfinished() || Ask(kTextLeaveDay))) nextScreen = kLogin;
}

int CMenu::OnMouseDown(unsigned, long lParam) {
    if (!profile) return 1;
    const int x = MouseParamX(lParam), y = MouseParamY(lParam);
    if (profile->options.o2 && stop.HitTest(x, y)) {
        LeaveDay();
        return 1;
    }
    if (options.HitTest(x, y)) {
        nextScreen = kSettings;
        return 1;
    }
    if (bagShown && bag.HitTest(x, y)) {
        nextScreen = kDiploma;
        return 1;
    }
    for (int g = 1; g <= kGames; ++g) {
        if (!profile->options.ExerciseOn(g) || !games[static_cast<size_t>(g - 1)].HitTest(x, y)) continue;
        if (Playable(g)) nextScreen = g;
        break;
    }
    return 1;
}

void CMenu::StepDay(int delta) {
    const auto wrap = [](int32_t v) { return v > kLastDay ? 0 : v < 0 ? kLastDay : v; };
    for (int g = 1; g <= kGames; ++g) {
        if (!games[static_cast<size_t>(g - 1)].hovered) continue;
        auto& days = profile->dayProgress[static_cast<size_t>(g)];
        days = wrap(days + delta);
        return;
    }
    auto& day = profile->dayProgress[0];
    day = wrap(day + delta);
    profile->dayDates[static_cast<size_t>(day)] = Profile::TodayText();
}

int CMenu::OnKeyDown(int virtualKey, int, long) {
    if (keyHeld) return 1;
    keyHeld = 1;
    switch (virtualKey) {
        case platform::VK_ESCAPE: LeaveDay(); return 1;
        case platform::VK_SPACE: answerScan.Step(); return 1;
        case platform::VK_RETURN: answerScan.Press(); return 1;
        case platform::VK_F1: nextScreen = kSettings; return 1;
        default: break;
    }
    if (!debug || !profile) return 1;
    switch (virtualKey) {
        case kKeyD: nextScreen = kDiploma; break;
        case platform::VK_ADD: StepDay(1); break;
        case platform::VK_SUBTRACT: StepDay(-1); break;
        case kKeyI: overlayOn = !overlayOn; break;
        default: break;
    }
    return 1;
}
