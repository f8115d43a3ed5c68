#pragma once
// The password of a trainee who has one: typed into a text field, compared exactly with
// the stored password; right opens the menu (or the screen the login asked for), wrong
// shows the refusal under the field; cancel or Escape returns to the login. Enter in the
// field acts as OK; Enter otherwise presses the button the scan rests on.
#include <memory>

#include "engine/GameBase.h"
#include "graphics/Sprite.h"
#include "platform/TextField.h"

class CEnterPassword final : public CPlainScreen {
public:
    int Init(Graphics* backGraphics, Graphics* windowGraphics, Bitmap* backBuffer, Profile* profile) override;
    int Update() override;
    int Draw() override;
    int OnMouseDown(unsigned wParam, long lParam) override;
    int OnMouseMove(unsigned wParam, long lParam) override;
    int OnKeyDown(int virtualKey, int unused, long lParam) override;

    // Read by tests and tools.
    const CSprite& CancelButton() const { return cancel; }
    const CSprite& OkButton() const { return ok; }
    const CSprite& Picture() const { return picture; }
    const CSprite& Caption() const { return caption; }
    platform::TextField* Field() const { return field.get(); }
    int Destination() const { return destination; }
    // Whether the refusal of a wrong password shows under the field.
    bool RefusalShown() const;
    const CSprite& Refusal() const { return refusal; }

private:
    // OK: the typed password opens the destination, or is refused.
    void TryPassword();

    CSprite backdrop;
    CSprite picture;
    CSprite cancel;
    CSprite ok;
    CSprite caption;
    CSprite refusal;  // the language's refusal, under the field until the next key
    std::unique_ptr<platform::TextField> field;
    int destination = kMenu;
    bool refused = false;
    int keysAtRefusal = 0;   // the field's key count when the password was refused
    bool scanPress = false;  // the press comes from the switch-access scan
};

namespace screens {
// The screen a right password opens: the menu, unless the login asked for another one
// (the trainee's statistics or settings). The password screen takes it once, in its Init.
void SetScreenAfterPassword(int screenId);
}  // namespace screens
