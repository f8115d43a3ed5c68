#include "app/App.h"

#include <cstdlib>
#include <ctime>

#include "graphics/Graphics.h"
#include "platform/FolderListing.h"
#include "platform/Platform.h"
#include "platform/gfx/ImageCache.h"
#include "profiles/Profile.h"
#include "screens/ScreenFactory.h"
#include "screens/Splash.h"
#include "ui/TextField.h"
#include "ui/Widgets.h"

namespace {
constexpr unsigned kLeftButton = 0x0001;   // MK_LBUTTON
constexpr unsigned kRightButton = 0x0002;  // MK_RBUTTON
}  // namespace

App::App(std::wstring commandLine) : commandLine_(std::move(commandLine)) { options_ = ParseCommandLine(commandLine_); }

App::~App() {
    if (started_) Shutdown();
}

void App::Start() {
    auto& os = platform::Os();
    ui::InstallWidgets();  // the backend shows the program's own question, dialogs and fields
    os.SetCursor(platform::CursorShape::Wait);
    profile_ = std::make_unique<Profile>();
    std::srand(static_cast<unsigned>(std::time(nullptr)));

    backBuffer_ = std::make_unique<Bitmap>(platform::kCanvasWidth, platform::kCanvasHeight);
    backGraphics_ = std::make_unique<Graphics>(backBuffer_.get());
    windowGraphics_ = std::make_unique<Graphics>(Graphics::ForWindow());

    // The splash has no ScreenId; it is drawn once before the window is shown.
    auto splash = std::make_unique<CSplash>();
    splash->SetDebug(options_.debug);
    CSplash* s = splash.get();
    screen_ = std::move(splash);
    screenId_ = -1;
    platform::FolderListingScope listing;  // a screen's set-up reads each folder once
    s->Init(backGraphics_.get(), windowGraphics_.get(), backBuffer_.get(), profile_.get());
    s->SetupNotice();
    s->Draw();

    display_.title = L"Kestrova";
    display_.iconPath = L"gfx\\icons\\memory.png";
    if (options_.windowed || !display_.OpenFullScreen()) display_.OpenWindowed();

    timer_.Start();
    running_ = true;
    started_ = true;
}

void App::Dispatch(const platform::InputEvent& e) {
    if (!screen_) return;  // input during a switch is dropped
    if (ui::RouteToTextFields(e)) return;
    using platform::EventType;
    const long lp = MakeMouseParam(e.x, e.y);
    const unsigned wp = e.button == platform::MouseButton::Right ? kRightButton : kLeftButton;
    switch (e.type) {
        case EventType::KeyDown: screen_->OnKeyDown(e.key, 0, 0); break;
        case EventType::KeyUp: screen_->OnKeyUp(e.key, 0, 0); break;
        case EventType::MouseMove: screen_->OnMouseMove(0, lp); break;
        case EventType::MouseDown: screen_->OnMouseDown(wp, lp); break;
        case EventType::MouseUp: screen_->OnMouseUp(0, lp); break;
        case EventType::Text:
        case EventType::Quit: break;
    }
}

bool App::Pass() {
    if (!running_) return false;
    auto& os = platform::Os();
    const int64_t passStart = os.PerfCounter();

    platform::InputEvent event;
    if (os.PollEvent(event)) {
        if (event.type == platform::EventType::Quit) {
            running_ = false;
            return false;
        }
        Dispatch(event);
    }

    const bool hadScreen = screen_ != nullptr;
    if (screen_) {
        int result = screen_->Update();
        // The number test is open without the trainee's password: it leads back to the
        // login only, never on to a screen of the trainee's own.
        if (screenId_ == kNumberTest && IsScreen(result)) result = kLogin;
        // The trainer's overview shows every trainee: it opens from the login only, never
        // from inside a trainee's day.
        if (result == kOverview && screenId_ != kLogin) result = kLogin;
        if (result == kStayOnScreen) {
            screen_->Draw();
        } else {
            os.SetCursor(platform::CursorShape::Wait);
            if (SwitchScreen(result))
                InitScreen();
            else
                running_ = false;
            os.SetCursor(platform::CursorShape::Arrow);
        }
    }

    if (hadScreen && !options_.fullSpeed) {
        timer_.Tick();
        // Rest for what is left of the frame time after this pass's own work, to the frame's
        // deadline: frames follow each other every frame time exactly, and a pass that ran
        // late (or an early wake-up by input) does not shift the ones after it.
        const int64_t freq = os.PerfFrequency();
        if (freq > 0) {
            const int64_t frame = static_cast<int64_t>(options_.frameTime) * freq / 1000;
            const int64_t now = os.PerfCounter();
            if (frameDeadline_ == 0 || now - frameDeadline_ > frame || frameDeadline_ - passStart > 2 * frame)
                frameDeadline_ = passStart;  // the first pass, or far behind: start again from here
            frameDeadline_ += frame;
            if (frameDeadline_ > now) os.SleepMicros((frameDeadline_ - now) * 1000000 / freq);
        }
    }
    return running_;
}

bool App::SwitchScreen(int id) {
    // Pictures decoded ahead for the old screen's choices are of no more use once one was made.
    platform::gfx::StopImageWarmUp();
    screen_.reset();  // the old screen's destructor saves what it must
    screenId_ = -1;
    auto next = CreateScreen(id);
    if (!next) return false;
    next->SetDebug(options_.debug);
    screen_ = std::move(next);
    screenId_ = id;
    return true;
}

void App::InitScreen() {
    platform::FolderListingScope listing;  // a screen's set-up reads each folder once
    screen_->Init(backGraphics_.get(), windowGraphics_.get(), backBuffer_.get(), profile_.get());
}

bool App::SwitchTo(int screenId) {
    if (!SwitchScreen(screenId)) return false;
    InitScreen();
    return true;
}

void App::Adopt(std::unique_ptr<CGameBase> screen, int screenId) {
    screen_.reset();
    screen->SetDebug(options_.debug);
    screen_ = std::move(screen);
    screenId_ = screenId;
    InitScreen();
}

int App::Shutdown() {
    if (!started_) return 0;
    started_ = false;
    running_ = false;
    platform::gfx::FinishImageWarmUp();
    screen_.reset();
    screenId_ = -1;
    backBuffer_.reset();
    backGraphics_.reset();
    windowGraphics_.reset();
    display_.Restore();
    profile_.reset();
    return 0;
}

int App::Run() {
    Start();
    while (Pass()) {
    }
    return Shutdown();
}
