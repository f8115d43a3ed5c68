#include "screens/EnterPassword.h"

#include <algorithm>

#include "graphics/Graphics.h"
#include "platform/Platform.h"
#include "profiles/Profile.h"
#include "screens/ScreenParts.h"

namespace {

constexpr uint32_t kTextCancel = 72;
constexpr uint32_t kTextPassword = 60;
constexpr uint32_t kTextWrongPassword = 79;
constexpr uint32_t kTextPasswordLimit = 114;

int screenAfterPassword = kMenu;

}  // namespace

namespace screens {
void SetScreenAfterPassword(int screenId) { screenAfterPassword = screenId; }
}  // namespace screens

int CEnterPassword::Init(Graphics* back, Graphics* windowG, Bitmap* buffer, Profile* p) {
    CGameBase::Init(back, windowG, buffer, p);
    destination = screenAfterPassword;
    screenAfterPassword = kMenu;

    backdrop.LoadImage(L"gfx\\splash\\background.png", back, 1, 0);  // as behind the login
    picture.LoadImage(L"gfx\\login\\password.png", back, 1, 0);
    const float px = static_cast<float>(400 - static_cast<int>(picture.width) / 2);
    const float py = static_cast<float>(300 - static_cast<int>(picture.height) / 2);
    picture.SetPosition(px, py);

    screens::MakeHotBox(cancel, back, px + 260, py + 45, 55, 55);
    screens::SetHoverLabel(cancel, Text(kTextCancel));
    screens::PlaceLabelCentredOn(cancel, 400, 255);
    screens::MakeHotBox(ok, back, px + 325, py + 45, 55, 55);
    screens::SetHoverLabel(ok, L"OK");
    screens::PlaceLabelCentredOn(ok, 400, 255);
    screens::SetCaption(caption, back, Text(kTextPassword), 20, px + 70, py + 60);

    answerScan.SetPress(MousePress());
    answerScan.Clear();
    answerScan.Add(&cancel);
    answerScan.Add(&ok);
    if (profile && profile->options.o7) answerScan.SetScanTime(profile->options.o19);

    field = std::make_unique<platform::TextField>(static_cast<int>(px) + 70, static_cast<int>(py) + 60, 125, 25);
    field->SetLimit(Profile::kMaxPasswordLength, Text(kTextPasswordLimit));
    refusal.LoadImage(L"", back, 1, 0);
    refusal.SetLabel(Text(kTextWrongPassword), 16);
    // Under the picture that holds the field, centred, clear of the buttons.
    refusal.SetTextPosition(std::max(0.0f, 400 - refusal.textBox.width / 2),
                            std::min(picture.y + picture.height + 6, platform::kCanvasHeight - refusal.textBox.height));
    return 1;
}

int CEnterPassword::Update() {
    CGameBase::Update();
    return nextScreen;
}

int CEnterPassword::Draw() {
    if (backGraphics) backGraphics->Clear(0xFF4069B0u);
    backdrop.Draw();
    picture.Draw();
    for (CSprite* b : {&cancel, &ok}) {
        if (!b->hovered) continue;
        screens::DrawHighlight(*b);
        screens::DrawLabel(*b);
    }
    caption.DrawText();
    if (RefusalShown()) screens::DrawLabel(refusal);
    Present();  // the field is drawn over the presented frame
    return 1;
}

int CEnterPassword::OnMouseMove(unsigned, long lParam) {
    const int x = MouseParamX(lParam), y = MouseParamY(lParam);
    const bool overCancel = cancel.UpdateHover(x, y) != 0;
    const bool overOk = ok.UpdateHover(x, y) != 0;
    screens::PointerShape(overCancel || overOk);
    return 1;
}

int CEnterPassword::OnMouseDown(unsigned, long lParam) {
    const int x = MouseParamX(lParam), y = MouseParamY(lParam);
    if (cancel.HitTest(x, y)) {
        nextScreen = kLogin;
        return 1;
    }
    if (ok.HitTest(x, y)) TryPassword();
    return 1;
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

int CEnterPassword::OnKeyDown(int virtualKey, int, long) {
    refused = false;  // any key ends the refusal's showing
    if (keyHeld) return 1;
    keyHeld = 1;
    switch (virtualKey) {
        case platform::VK_ESCAPE: nextScreen = kLogin; break;
        case platform::VK_SPACE: answerScan.Step(); break;
        case platform::VK_RETURN:
            if (field && field->Focused()) {
                TryPassword();
            } else {
                scanPress = true;
                answerScan.Press();
                scanPress = false;
            }
            break;
        default: break;
    }
    return 1;
}
