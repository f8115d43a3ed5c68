#pragma once
// A screen that has not been built yet: it clears the canvas to its own colour and
// leaves on Escape (the login quits the program, the menu returns to the login, every
// other screen returns to the menu). A click on the login opens the menu, a click on the
// menu opens Cans, so the road can be walked before the real screens exist.
#include "engine/GameBase.h"

class CPlaceholderScreen final : public CPlainScreen {
public:
    explicit CPlaceholderScreen(int screenId) : id_(screenId) {}
    int Update() override;
    int Draw() override;
    int OnMouseDown(unsigned wParam, long lParam) override;
    int OnKeyDown(int virtualKey, int unused, long lParam) override;
    int Id() const { return id_; }

private:
    int id_;
};
