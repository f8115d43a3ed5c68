#include "screens/EnterPassword.h"

#include <algorithm>

#include "graphics/Graphics.h"
#include "platform/Platform.h"
#include "profiles/Profile.h"
#include "text/TextIds.h"
#include "ui/Button.h"

namespace {

int screenAfterPassword = kMenu;

}  // namespace

namespace screens {
void SetScreenAfterPassword(int screenId) { screenAfterPassword = screenId; }
}  // namespace screens

int CEnterPassword::Init(Graphics* back, Graphics* windowG, Bitmap* buffer, Profile* p) {
    CGameBase::Init(back, windowG, buffer, p);
    destination = screenAfterPassword;
    escapeScreen = kLogin;
    screenAfterPassword = kMenu;

    backdrop.LoadImage(L"gfx\\splash\\background.png", back, 1, 0);  // as behind the login
    picture.LoadImage(L"gfx\\login\\password.png", back, 1, 0);
    const float px = static_cast<float>(400 - static_cast<int>(picture.width) / 2);
    const float py = static_cast<float>(300 - static_cast<int>(picture.height) / 2);
    picture.SetPosition(px, py);

    ui::MakeHotBox(cancel, back, px + 260, py + 45, 55, 55);
    ui::SetHoverLabel(cancel, Text(text::kCancel));
    ui::PlaceLabelCentredOn(cancel, 400, 255);
    ui::MakeHotBox(ok, back, px + 325, py + 45, 55, 55);
    ui::SetHoverLabel(ok, L"OK");
    ui::PlaceLabelCentredOn(ok, 400, 255);
    ui::SetCaption(caption, back, Text(text::kPassword), 20, px + 70, py + 60);

    BeginScan();
    answerScan.Add(&cancel);
    answerScan.Add(&ok);

    field = std::make_unique<ui::TextField>(static_cast<int>(px) + 70, static_cast<int>(py) + 60, 125, 25);
    field->SetLimit(Profile::kMaxPasswordLength, Text(text::kPasswordLimit));
    refusal.LoadImage(L"", back, 1, 0);
    refusal.SetLabel(Text(text::kWrongPassword), 16);
    // Under the picture that holds the field, centred, clear of the buttons.
    refusal.SetTextPosition(std::max(0.0f, 400 - refusal.textBox.width / 2),
                            std::min(picture.y + picture.height + 6, platform::kCanvasHeight - refusal.textBox.height));
    return 1;
}

int CEnterPassword::Draw() {
    if (backGraphics) backGraphics->Clear(0xFF4069B0u);
    backdrop.Draw();
    picture.Draw();
    ui::DrawHovered({&cancel, &ok});
    caption.DrawText();
    if (RefusalShown()) ui::DrawLabel(refusal);
    Present();  // the field is drawn over the presented frame
    return 1;
}

void CEnterPassword::Hover(int x, int y) { ui::PointerShape(ui::Hover({&cancel, &ok}, x, y)); }

void CEnterPassword::Press(int x, int y) {
    if (cancel.HitTest(x, y))
        nextScreen = kLogin;
    else if (ok.HitTest(x, y))
        TryPassword();
}

void CEnterPassword::TryPassword() {
    if (!field || !profile || field->LineLength() == 0) return;
    // The field takes no more than a password may hold.
    const std::wstring& typed = field->Text();
    if (typed == profile->password) {
        nextScreen = destination;
        return;
    }
    // Refused: the text stays, selected, so the next typing replaces it. A press from the
    // scan leaves the keys with the scan, or a switch user could not step on.
    refused = true;
    if (!scanPress) {
        field->Focus();
        field->SelectAll();
    }
    keysAtRefusal = field->KeysTaken();
}

bool CEnterPassword::RefusalShown() const { return refused && field && field->KeysTaken() == keysAtRefusal; }

int CEnterPassword::OnKeyDown(int virtualKey, int unused, long lParam) {
    refused = false;
    return CPlainScreen::OnKeyDown(virtualKey, unused, lParam);
}

void CEnterPassword::OnKey(int virtualKey) {
    if (virtualKey != platform::VK_RETURN) return CPlainScreen::OnKey(virtualKey);
    if (field && field->Focused()) return TryPassword();
    scanPress = true;
    answerScan.Press();
    scanPress = false;
}
