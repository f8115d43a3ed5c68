#include "app/DisplayMode.h"

#include "platform/Platform.h"

bool DisplayMode::OpenFullScreen() {
    if (open_) return platform::Os().IsFullScreen();
    platform::DisplayOptions o;
    o.windowed = false;
    o.title = title;
    o.iconPath = iconPath;
    if (!platform::Os().OpenDisplay(o)) return false;
    open_ = true;
    return platform::Os().IsFullScreen();
}

bool DisplayMode::OpenWindowed() {
    if (open_) return true;
    platform::DisplayOptions o;
    o.windowed = true;
    o.title = title;
    o.iconPath = iconPath;
    open_ = platform::Os().OpenDisplay(o);
    return open_;
}

void DisplayMode::Restore() {
    if (!open_) return;
    platform::Os().CloseDisplay();
    open_ = false;
}
