#pragma once
// The application frame: start-up in its fixed order, the main loop with one input event
// per pass, Update/Draw of the current screen, screen switches between passes, frame
// pacing and the orderly shut-down.
#include <memory>
#include <string>

#include "app/CommandLine.h"
#include "app/DisplayMode.h"
#include "base/FrameTimer.h"
#include "engine/GameBase.h"
#include "platform/Platform.h"

class Bitmap;
class Graphics;
class Profile;

class App {
public:
    // commandLine is the whole command line, program path included.
    explicit App(std::wstring commandLine);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Start-up up to the main loop: profile, random seed, drawing objects, the splash
    // drawn once, the display, the frame timer.
    void Start();
    // One pass of the main loop; false once the loop has ended.
    bool Pass();
    // Shut-down in order; returns the program's exit code.
    int Shutdown();
    // Start, loop until the end, shut down.
    int Run();

    bool Running() const { return running_; }
    CGameBase* Screen() const { return screen_.get(); }
    // The ScreenId of the current screen; -1 for the splash or when there is none.
    int CurrentScreenId() const { return screenId_; }
    const CommandLineOptions& Options() const { return options_; }
    Bitmap& BackBuffer() { return *backBuffer_; }
    Profile& ActiveProfile() { return *profile_; }
    FrameTimer& Timer() { return timer_; }

    // Replaces the current screen as a switch would and calls its Init.
    bool SwitchTo(int screenId);
    // Puts a screen built by the caller on the frame in place of the current one, as a
    // switch would, and calls its Init (tests and tools use it).
    void Adopt(std::unique_ptr<CGameBase> screen, int screenId);

private:
    bool SwitchScreen(int screenId);
    void Dispatch(const platform::InputEvent& event);
    void InitScreen();

    std::wstring commandLine_;
    CommandLineOptions options_;
    DisplayMode display_;
    FrameTimer timer_;
    std::unique_ptr<Profile> profile_;
    std::unique_ptr<Bitmap> backBuffer_;
    std::unique_ptr<Graphics> backGraphics_;
    std::unique_ptr<Graphics> windowGraphics_;
    std::unique_ptr<CGameBase> screen_;
    int screenId_ = -1;
    bool running_ = false;
    int64_t frameDeadline_ = 0;  // perf-counter time the current frame ends
    bool started_ = false;
};
