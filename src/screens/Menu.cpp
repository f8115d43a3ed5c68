#include "screens/Menu.h"

#include <string>

#include "graphics/Graphics.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "platform/gfx/ImageCache.h"
#include "profiles/Profile.h"
#include "text/TextIds.h"
#include "ui/Button.h"

namespace {

constexpr int kKeyD = 68;
constexpr int kKeyI = 73;
constexpr int kLastDay = 25;

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

    LoadGames();
    for (auto& b : games) {
        // The debug overlay writes each exercise's day on its button.
        ui::SetCaption(b, L"", 14, 0xFFFFFFFFu, FontStyleBold);
        b.SetTextPosition(b.x, b.y);
    }
    overlay.LoadImage(L"", back, 1, 0);
    ui::SetCaption(overlay, L"", 16, 0xFFFFFFFFu, FontStyleBold);

    if (!profile) return 1;
    // The reward bag: the day is finished and the diploma screen was not opened today.
    bagShown = profile->IsRewardDue(Profile::TodayText());
    if (bagShown) {
        profile->options.o2 = 1;
        if (profile->IsWeekEnd()) bag.Play(1, 0, 0, 0, 1);
    }

    BeginScan();
    for (auto& b : games) answerScan.Add(&b);
    if (bagShown) answerScan.Add(&bag);
    if (profile->options.o2) answerScan.Add(&stop);

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
    CPlainScreen::Update();
    for (auto& b : games) b.Update();
    if (bagShown) bag.Update();
    return nextScreen;
}

void CMenu::UpdateOverlay() {
    if (!profile) return;
    for (int g = 1; g <= kGames; ++g)
        Game(g).SetText(L"Dag " + std::to_wstring(profile->dayProgress[static_cast<size_t>(g)]));
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
    DrawGames();
    if (overlayOn) {
        UpdateOverlay();
        for (auto& b : games) b.DrawText();
        overlay.DrawText();
    }
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

void CMenu::Hover(int x, int y) {
    marker.SetPosition(810, 610);
    stop.hovered = options.hovered = 0;
    for (auto& b : games) b.hovered = 0;
    if (!profile) return;
    bool active = false;
    if (profile->options.o2 && stop.UpdateHover(x, y)) active = true;
    if (options.UpdateHover(x, y)) active = true;
    if (bagShown && bag.HitTest(x, y)) active = true;
    for (int g = 1; g <= kGames; ++g) {
        CSprite& b = Game(g);
        // Every button under the pointer is marked (the debug keys act on it); only a
        // playable one is something to click.
        if (profile->options.ExerciseOn(g) && b.UpdateHover(x, y) && Playable(g)) active = true;
    }
    ui::PointerShape(active);
    if (active) marker.SetPosition(static_cast<float>(x) - marker.width / 2, static_cast<float>(y) - marker.height / 2);
}

void CMenu::LeaveDay() {
    // Leaving with an exercise still behind asks first.
    if (profile && profile->LeaveDay(!profile->DayUnfinished() || Ask(text::kLeaveDay))) nextScreen = kLogin;
}

void CMenu::Press(int x, int y) {
    if (!profile) return;
    if (profile->options.o2 && stop.HitTest(x, y)) return LeaveDay();
    if (options.HitTest(x, y)) {
        nextScreen = kSettings;
    } else if (bagShown && bag.HitTest(x, y)) {
        nextScreen = kDiploma;
    } else {
        for (int g = 1; g <= kGames; ++g) {
            if (!profile->options.ExerciseOn(g) || !Game(g).HitTest(x, y)) continue;
            if (Playable(g)) nextScreen = g;
            break;
        }
    }
}

void CMenu::StepDay(int delta) {
    const auto wrap = [](int32_t v) { return v > kLastDay ? 0 : v < 0 ? kLastDay : v; };
    for (int g = 1; g <= kGames; ++g) {
        if (!Game(g).hovered) continue;
        auto& days = profile->dayProgress[static_cast<size_t>(g)];
        days = wrap(days + delta);
        return;
    }
    auto& day = profile->dayProgress[0];
    day = wrap(day + delta);
    profile->dayDates[static_cast<size_t>(day)] = Profile::TodayText();
}

void CMenu::OnKey(int virtualKey) {
    switch (virtualKey) {
        case platform::VK_ESCAPE: return LeaveDay();
        case platform::VK_SPACE:
        case platform::VK_RETURN: return CPlainScreen::OnKey(virtualKey);
        case platform::VK_F1: nextScreen = kSettings; return;
        default: break;
    }
    if (!debug || !profile) return;
    switch (virtualKey) {
        case kKeyD: nextScreen = kDiploma; break;
        case platform::VK_ADD: StepDay(1); break;
        case platform::VK_SUBTRACT: StepDay(-1); break;
        case kKeyI: overlayOn = !overlayOn; break;
        default: break;
    }
}
