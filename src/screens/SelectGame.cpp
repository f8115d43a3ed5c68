#include "screens/SelectGame.h"

#include <string>

#include "graphics/Graphics.h"
#include "platform/Platform.h"
#include "profiles/Profile.h"
#include "text/TextIds.h"
#include "ui/Button.h"

namespace {
constexpr uint32_t kOffShade = 0xA0283040u;
// The card inside an exercise's picture (its shadow and transparent margin left out), and
// how much of each corner the shade leaves out so it follows the card's rounded corners.
constexpr float kCardLeft = 4, kCardTop = 3, kCardRight = 5, kCardBottom = 6, kCorner = 5;

// Dims the card of button b: three bands that together leave its corners out.
void ShadeCard(Graphics& g, const CSprite& b) {
    const float x = b.x + kCardLeft, y = b.y + kCardTop;
    const float w = b.width - kCardLeft - kCardRight, h = b.height - kCardTop - kCardBottom;
    const SolidBrush shade(kOffShade);
    g.FillRectangle(shade, RectF{x + kCorner, y, w - 2 * kCorner, h});
    g.FillRectangle(shade, RectF{x, y + kCorner, kCorner, h - 2 * kCorner});
    g.FillRectangle(shade, RectF{x + w - kCorner, y + kCorner, kCorner, h - 2 * kCorner});
}
}  // namespace

int CSelectGame::Init(Graphics* back, Graphics* windowG, Bitmap* buffer, Profile* p) {
    CGameBase::Init(back, windowG, buffer, p);
    stop.LoadImage(L"gfx\\buttons\\stop.png", back, 1, 0);
    stop.SetPosition(10, 20);
    escapeScreen = kSettings;
    LoadGames();
    offMark.LoadImage(L"gfx\\settings\\offbtn.png", back, 1, 0);
    offWord.LoadImage(L"", back, 0, 0);  // binds the word to the back buffer; no image
    offWord.SetFont(18, FontStyleBold);
    offWord.SetTextColor(0xFFFFFFFFu);
    offWord.SetText(Text(text::kExerciseOff));
    // The title above the cards tells this screen from the menu.
    title.LoadImage(L"", back, 0, 0);
    title.SetFont(24, FontStyleBold);
    title.SetTextColor(0xFFFFFFFFu);
    title.SetText(Text(text::kChooseExercisesTitle));
    title.SetTextPosition(400 - title.textBox.width / 2, 30 - title.textBox.height / 2);
    BeginScan();
    for (auto& b : games) answerScan.Add(&b);
    answerScan.Add(&stop);
    StartGuide(kSelectGame);
    return 1;
}

int CSelectGame::Look(int g) const {
    if (!profile || !profile->options.ExerciseOn(g)) return kOffLook;
    return GameButton(g).hovered ? 2 : 0;
}

int CSelectGame::Draw() {
    if (backGraphics) backGraphics->Clear(kBackground);
    title.DrawText();
    for (int g = 1; g <= kGames; ++g) {
        CSprite& b = Game(g);
        const int look = Look(g);
        b.SetFrame(look == kOffLook ? 0 : look);
        b.Draw();
        if (look != kOffLook || !backGraphics) continue;
        ShadeCard(*backGraphics, b);
        offMark.DrawAt(b.CentreX() - offMark.width / 2, b.CentreY() - offMark.height / 2 - 10);
        offWord.SetTextPosition(b.CentreX() - offWord.textBox.width / 2, b.CentreY() + offMark.height / 2 - 6);
        offWord.DrawText();
    }
    stop.Draw();
    Present();
    return 1;
}

void CSelectGame::Hover(int x, int y) {
    const bool overGame = ui::Hover(games, x, y);
    ui::PointerShape(overGame || stop.HitTest(x, y));
}

void CSelectGame::Press(int x, int y) {
    if (stop.HitTest(x, y)) nextScreen = kSettings;
    const int g = ui::Hit(std::span<const CSprite>(games), x, y) + 1;
    // Switching off asks first; switching on joins the plan at the last completed day.
    if (profile && g > 0)
        profile->ToggleExercise(g, profile->options.ExerciseOn(g) != 0 && Ask(text::kSwitchOffQuestion));
}
