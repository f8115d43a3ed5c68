// The exercise display of CGameBase: the frame of controls around every exercise's scene
// (border, start, stop and help buttons, coin bar, bag, round lamps, direction arrow,
// markers, visual cue, reward, debug line) and the pointer feedback.
#include <algorithm>

#include "engine/GameBase.h"
#include "engine/Difficulty.h"
#include "platform/Platform.h"
#include "profiles/Profile.h"

namespace {
constexpr float kParkX = 810;
constexpr float kParkY = 610;
constexpr float kLampY = 585;
constexpr uint32_t kStopHoverColour = 0xFFFF0000u;
// The visual cue's card stands in the play area left of the helper (rabbit or help button),
// clear of the bottom bar and of the items of every exercise.
constexpr float kCueFrameX = 530;
constexpr float kCueFrameY = 492;
constexpr float kCueInset = 6;

// The rate as the debug line shows it: at most four significant digits, "3.0" for 3.
std::wstring RateText(float rate) {
    std::string s = ClassicGcvt(rate, 4);
    if (!s.empty() && s.back() == '.') s += '0';
    return std::wstring(s.begin(), s.end());
}
}  // namespace

void CGameBase::LoadHud() {
    Graphics* g = backGraphics;
    const bool extraFrame = profile && profile->options.o8;
    const bool rabbit = profile && profile->options.o4 && !profile->options.o3;

    stopButton.LoadImage(L"gfx\\buttons\\stop.png", g, 1, 0);
    stopButton.SetPosition(10, 20);
    stopButton.SetOutlineColor(kStopHoverColour);
    stopButton.SetOutlineWidth(10);

    border.LoadImage(L"gfx\\interface\\borders.png", g, 1, 0);
    border.SetPosition(0, 0);
    coinBar.LoadImage(L"gfx\\interface\\coinbar.png", g, 1, 0);
    coinBar.SetPosition(5, 185);
    coin.LoadImage(L"gfx\\interface\\coin.png", g, 1, 0);
    coinBarCover.LoadImage(L"gfx\\interface\\coinbarno.png", g, 1, 0);
    coinBarCover.SetPosition(28, coinBar.y + 34);

    bagOpen.LoadSequence(L"gfx\\interface\\bag\\bagopen*.png", g, 1, 300);
    bagOpen.SetPosition(0, 400);
    bagMoney.LoadSequence(L"gfx\\interface\\bag\\bagmoney*.png", g, 1, 65);
    bagMoney.SetPosition(0, 400);

    roundLamps.LoadSequence(L"gfx\\interface\\roundled*.png", g, 1, 0);
    roundLamps.SetPosition(
        400 - (roundLamps.width * static_cast<float>(roundCount) + 10.0f * static_cast<float>(roundCount)) / 2, kLampY);

    directionArrow.LoadImage(L"gfx\\interface\\fwdir.png", g, 1, 0);
    directionArrow.LoadImage(L"gfx\\interface\\bwdir.png", g, 1, 0);
    directionArrow.SetPosition(560 - directionArrow.width / 2, kLampY);
    directionArrow.SetFrame(direction);

    startButton.LoadImage(L"gfx\\buttons\\startbutton0.png", g, 1, 500);
    startButton.LoadImage(L"gfx\\buttons\\startbutton1.png", g, 1, 500);
    startButton.SetPosition(10, 523);

    if (rabbit) {
        help.LoadSequence(L"gfx\\interface\\rabbit\\rabbit*.png", g, 1, 250);
        help.SetPosition(638, 600 - help.height);
    } else {
        help.LoadImage(L"gfx\\interface\\help.png", g, 1, 0);
        help.SetPosition(710 - help.width / 2, startButton.y);
    }

    showCorrect.LoadSequence(L"gfx\\interface\\showcorrect*.png", g, 1, 500);
    showCorrect.Play(1, 0, 0, 0, 1);
    if (extraFrame) {
        extraMarker.LoadImage(L"gfx\\interface\\extramarker.png", g, 1, 0);
        extraMarker.SetPosition(kParkX, kParkY);
    }

    bagOpen.visible = 0;
    bagMoney.visible = 0;
    bagMoney.SetTextColor(0xFF000000u);
    bagMoney.SetText(L"0");
}

void CGameBase::LoadVisualCue(const std::wstring& name, bool framed) {
    Graphics* g = backGraphics;
    const std::wstring folder =
        L"gfx\\visual\\" + (profile ? profile->options.GetLanguage() : std::wstring(L"english")) + L"\\";
    visualFrame.LoadImage(framed ? L"gfx\\visual\\visualframe.png" : L"gfx\\visual\\visualframeb.png", g, 1, 0);
    visualFrame.SetPosition(kCueFrameX, kCueFrameY);
    visualCue.LoadSequence(folder + name + L"\\*.png", g, 1, 1000);
    visualCue.LoadImage(folder + L"yourturn.png", g, 1, 1500);
    visualCue.LoadImage(L"gfx\\visual\\fw.png", g, 1, 1000);
    visualCue.LoadImage(L"gfx\\visual\\bw.png", g, 1, 1000);
    visualCue.SetPosition(visualFrame.CentreX() - visualCue.width / 2, kCueFrameY + kCueInset);
    visualCue.visible = 0;
}

void CGameBase::DrawHud(int) {
    border.Draw();
    coinBar.Draw();
    help.Draw();
    bagOpen.Draw();
    bagMoney.Draw();

    if (bagOpen.visible || bagMoney.visible) {
        bagMoney.SetNumber(profile ? profile->coins : 0);
        bagMoney.SetTextPosition(bagMoney.x + 45 - bagMoney.textBox.width / 2,
                                 bagMoney.y + 154 - bagMoney.textBox.height / 2);
        bagMoney.DrawText();
    }

    // The session's coins stack upwards, each a third of a coin above the last.
    for (int i = 0; i < sessionCoins; ++i) {
        coin.DrawAt(coinBar.x + 1, coinBar.y + coinBar.height - 32 - static_cast<float>(i) * coin.height / 3);
    }
    coinBarCover.Draw();

    for (int i = 0; i < roundCount; ++i) {
        roundLamps.SetFrame(i < round - 1 ? 2 : i == round - 1 ? 1 : 0);
        roundLamps.DrawAt(roundLamps.x + static_cast<float>(i) * (roundLamps.width + 10), kLampY);
    }

    const bool stopOption = profile && profile->options.o2;
    if (phase == WaitStart) {
        if (stopOption) {
            stopButton.Draw();
            stopButton.DrawHoverOutline();
        }
        startButton.Draw();
    }
    if (profile && profile->options.o6 && phase == Wrong) showCorrect.Draw();
    if (profile && profile->options.o8 && (phase == WaitStart || phase == Answering)) extraMarker.Draw();
    // No empty card while there is nothing to show.
    if (profile && profile->options.o21 && visualCue.visible) {
        visualFrame.Draw();
        visualCue.Draw();
    }
    directionArrow.Draw();
    if (rewardDue) reward.Draw();
    if (debugPanel) debugText.DrawText();
}

void CGameBase::CreateDebugText() {
    debugText.LoadImage(L"", backGraphics, 0, 0);  // binds the label to the back buffer; no image
    debugText.SetFont(10, FontStyleRegular);
    debugText.SetTextColor(0xFFFFFFFFu);
    debugText.SetText(L"Info");
    debugText.SetTextPosition(250, 2);
}

void CGameBase::BuildDebugText() {
    if (!profile) return;
    // The frame rate of the last whole second: the passes counted over it (this runs once
    // per pass while the panel is on).
    const uint32_t now = Now();
    if (rateFrames < 0) {
        rateStart = now;
        rateFrames = 0;
    } else if (++rateFrames, now - rateStart >= 1000) {
        frameRate = static_cast<float>(rateFrames) * 1000.0f / static_cast<float>(now - rateStart);
        rateStart = now;
        rateFrames = 0;
    }
    const int day = game >= 0 && game < Profile::kExercises ? profile->dayProgress[static_cast<size_t>(game)] : 0;
    std::wstring items;
    for (size_t i = 0; i < sequence.size(); ++i) {
        if (i) items += L",";
        items += std::to_wstring(sequence[i]);
    }
    debugLine = L"Dag: " + std::to_wstring(day + 1) + L"   Svårighetsgrad: " + profile->level + L"   Omgång: " +
                std::to_wstring(round) + L" / " + std::to_wstring(roundCount) + L"   Antal: " + std::to_wstring(span) +
                L"   Synliga: " + std::to_wstring(visibleCount) + L"   Riktning: " +
                (direction == 1 ? L"Bakåt" : L"Framåt") + L"   Rätt: " + std::to_wstring(correctStreak) + L" / " +
                std::to_wstring(neededCorrect) + L"   Fel: " + std::to_wstring(wrongStreak) + L" / 2" +
                L"   Spelpoäng: " + std::to_wstring(engine::DayPoints(profile->stats, day, game)) + L"   FPS: " +
                RateText(frameRate) + L"  (" + items + L")";
    debugText.SetText(debugLine);
    debugText.SetTextPosition(400 - debugText.textBox.width / 2, 2);
}

void CGameBase::HoverFeedback() {
    cursorHand = true;
    extraMarker.SetPosition(static_cast<float>(mousePos.x) - extraMarker.width / 2,
                            static_cast<float>(mousePos.y) - extraMarker.height / 2);
}

void CGameBase::UpdateCursor() {
    PointerFeedback();
    ApplyCursor();
}

void CGameBase::ApplyCursor() {
    platform::Os().SetCursor(cursorHand ? platform::CursorShape::Hand : platform::CursorShape::Arrow);
}

void CGameBase::PointerFeedback() {
    platform::Os().GetCursorPos(mousePos.x, mousePos.y);
    cursorHand = false;
    extraMarker.SetPosition(kParkX, kParkY);
    stopButton.hovered = 0;
    if (phase == WaitStart) {
        if (profile && profile->options.o2 && stopButton.UpdateHover(mousePos.x, mousePos.y)) HoverFeedback();
        if (startButton.HitTest(mousePos.x, mousePos.y)) HoverFeedback();
    }
    if (help.HitTest(mousePos.x, mousePos.y)) HoverFeedback();
}
