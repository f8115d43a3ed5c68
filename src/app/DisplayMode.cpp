#include "app/DisplayMode.h"

#include "platform/Platform.h"

int DisplayMode::Change(int width, int height, int, int) {
    if (width != platform::kCanvasWidth || height != platform::kCanvasHeight) return 0;
    if (open_) return changed_ ? 1 : 0;
    platform::DisplayOptions o;
    o.windowed = false;
    o.title = title;
    o.iconPath = iconPath;
    if (!platform::Os().OpenDisplay(o)) return 0;
    open_ = true;
    changed_ = platform::Os().IsFullScreen();
    return changed_ ? 1 : 0;
}

int DisplayMode::OpenWindowed() {
    if (open_) return 1;
    platform::DisplayOptions o;
    o.windowed = true;
    o.title = title;
    o.iconPath = iconPath;
    open_ = platform::Os().OpenDisplay(o);
    return open_ ? 1 : 0;
}

void DisplayMode::Restore() {
    if (!open_) return;
    platform::Os().CloseDisplay();
    open_ = false;
    changed_ = false;
}
