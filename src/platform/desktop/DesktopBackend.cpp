#include "platform/desktop/DesktopBackend.h"

#include <SDL.h>
#include <cairo.h>
#include <errno.h>
#include <time.h>
#ifdef _WIN32
#include "platform/windows/Services.h"
#else
#include <poll.h>
#endif

#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/CanvasWidgets.h"
#include "platform/Files.h"
#include "platform/Log.h"
#include "platform/NativeDialogs.h"
#include "platform/PdfDocument.h"
#include "platform/Printer.h"
#include "platform/Sound.h"
#include "platform/UserConfig.h"
#include "platform/Utf.h"
#include "platform/desktop/FullScreenState.h"
#include "platform/desktop/WindowPicture.h"
#include "platform/desktop/XConnection.h"

namespace platform {
namespace {

constexpr const char* kDesktopId = "org.kestrova.Kestrova";

int VirtualKeyOf(SDL_Keycode k) {
    if (k >= SDLK_a && k <= SDLK_z) return 'A' + (k - SDLK_a);
    if (k >= SDLK_0 && k <= SDLK_9) return '0' + (k - SDLK_0);
    if (k >= SDLK_F1 && k <= SDLK_F12) return VK_F1 + (k - SDLK_F1);
    if (k >= SDLK_KP_1 && k <= SDLK_KP_9) return 97 + (k - SDLK_KP_1);
    switch (k) {
        case SDLK_RETURN:
        case SDLK_KP_ENTER: return VK_RETURN;
        case SDLK_ESCAPE: return VK_ESCAPE;
        case SDLK_SPACE: return VK_SPACE;
        case SDLK_BACKSPACE: return VK_BACK;
        case SDLK_TAB: return VK_TAB;
        case SDLK_LEFT: return VK_LEFT;
        case SDLK_RIGHT: return VK_RIGHT;
        case SDLK_UP: return VK_UP;
        case SDLK_DOWN: return VK_DOWN;
        case SDLK_HOME: return VK_HOME;
        case SDLK_END: return VK_END;
        case SDLK_PAGEUP: return VK_PRIOR;
        case SDLK_PAGEDOWN: return VK_NEXT;
        case SDLK_DELETE: return VK_DELETE;
        case SDLK_KP_PLUS: return VK_ADD;
        case SDLK_KP_MINUS: return VK_SUBTRACT;
        case SDLK_KP_0: return 96;
        case SDLK_LSHIFT:
        case SDLK_RSHIFT: return VK_SHIFT;
        case SDLK_LCTRL:
        case SDLK_RCTRL: return VK_CONTROL;
        default: return 0;
    }
}

// One page on the default printer. May run on a print job's own thread: it touches nothing of
// the window's.
bool PrintOnPrinter(const uint32_t* pixels, int strideBytes, const std::wstring& documentName) {
#ifdef _WIN32
    if (PrintOnDefaultPrinter(pixels, strideBytes, documentName)) return true;
#else
    if (CupsPrinter().Print(pixels, strideBytes, documentName)) return true;
#endif
    LogQuietFailure("print failed", documentName);
    return false;
}

bool PrintDocumentOnPrinter(const PrintableDocument& document, const std::wstring& documentName) {
#ifdef _WIN32
    // Windows' printers take drawings: the pages are played back at the printer's resolution.
    if (document.pages && PrintPagesOnDefaultPrinter(*document.pages, documentName)) return true;
#else
    if (CupsPrinter().PrintDocument(document.pdf, documentName)) return true;
#endif
    LogQuietFailure("print failed", documentName);
    return false;
}

class DesktopBackend final : public Backend {
public:
    ~DesktopBackend() override {
        CloseDisplay();
        sound_.reset();
        for (auto* c : cursors_)
            if (c) SDL_FreeCursor(c);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    bool Start(std::wstring& error) {
        // Without a display SDL would fall back to drawing off screen and the program would
        // run unseen; a video driver asked for by name (SDL_VIDEODRIVER) is taken as meant.
        const char* asked = SDL_getenv("SDL_VIDEODRIVER");
        const bool named = asked && *asked;
#ifndef _WIN32  // Windows always has its desktop
        if (!named && !SDL_getenv("DISPLAY") && !SDL_getenv("WAYLAND_DISPLAY")) {
            error = L"no display to show the program on (neither DISPLAY nor WAYLAND_DISPLAY is set)";
            return false;
        }
        // Only an X display: trying Wayland as well would only add its own complaint.
        if (!named && !SDL_getenv("WAYLAND_DISPLAY")) SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
#endif
        // The window's class names the desktop entry, so docks and task bars show its
        // name and icon.
        SDL_setenv("SDL_VIDEO_X11_WMCLASS", kDesktopId, 0);
        SDL_setenv("SDL_VIDEO_WAYLAND_WMCLASS", kDesktopId, 0);
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "1");
        SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
        if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
            const char* display = SDL_getenv("DISPLAY");
            error = (!named && display ? L"the display " + WideFromUtf8(display) + L" could not be reached (" : L"(") +
                    WideFromUtf8(SDL_GetError()) + L")";
            return false;
        }
        const std::string driver = SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "";
        if (!named && (driver == "offscreen" || driver == "dummy")) {
            error = L"no display could be reached";
            return false;
        }
        // SDL starts taking typed text as its video starts; the program takes it only while a
        // text field has the keys (SetTextInput), so no input method acts on other screens.
        SDL_StopTextInput();
        if (driver == "x11") EndWhenDisplayIsLost();
        cursors_[0] = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
        cursors_[1] = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
        cursors_[2] = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_WAIT);
        return true;
    }

    uint32_t TimeGetTime() override { return SDL_GetTicks(); }
    int64_t PerfCounter() override { return static_cast<int64_t>(SDL_GetPerformanceCounter()); }
    int64_t PerfFrequency() override { return static_cast<int64_t>(SDL_GetPerformanceFrequency()); }
    void Sleep(uint32_t ms) override { SDL_Delay(ms); }

    void SleepMicros(int64_t micros) override {
        // One sleep to the frame's deadline: a still screen wakes once per frame. On X the
        // sleep watches the display connection as well, so the next pass knows whether
        // anything arrived meanwhile and need not ask the X server (see NextSdlEvent).
        // Input that arrives early is taken into SDL's queue and the sleep goes on: passes
        // keep their pace and the input is handled by the next pass. (Waiting on SDL's event
        // queue instead polls it every millisecond where the video driver cannot wait.)
        if (micros <= 0) return;
#ifdef _WIN32
        SleepPrecisely(micros);
#else
        timespec rest{static_cast<time_t>(micros / 1000000), static_cast<long>(micros % 1000000) * 1000};
        if (x_.fd < 0) {
            while (nanosleep(&rest, &rest) != 0) {
            }
            return;
        }
        timespec end{};
        clock_gettime(CLOCK_MONOTONIC, &end);
        end.tv_sec += rest.tv_sec;
        end.tv_nsec += rest.tv_nsec;
        if (end.tv_nsec >= 1000000000) {
            end.tv_nsec -= 1000000000;
            ++end.tv_sec;
        }
        for (;;) {
            pollfd x{x_.fd, POLLIN, 0};
            const int ready = ppoll(&x, 1, &rest, nullptr);
            if (ready == 0) {
                quietSleep_ = true;  // slept to the deadline and nothing came
                return;
            }
            if ((ready < 0 && errno != EINTR) || (ready > 0 && (x.revents & (POLLERR | POLLHUP | POLLNVAL)))) {
                // The connection cannot be watched (or the server has gone): sleep plainly.
                x_.fd = -1;
                while (nanosleep(&rest, &rest) != 0) {
                }
                return;
            }
            // Input (or a signal, which SDL turns into a quit request when it pumps).
            SDL_PumpEvents();
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            const int64_t left = (end.tv_sec - now.tv_sec) * 1000000000LL + (end.tv_nsec - now.tv_nsec);
            if (left <= 0) return;
            rest = {static_cast<time_t>(left / 1000000000), static_cast<long>(left % 1000000000)};
        }
#endif
    }

    bool OpenDisplay(const DisplayOptions& options) override {
        if (window_) return true;
        options_ = options;
        desktopWindow_ = StartsInDesktopWindow(options.windowed, ReadUserSetting(kWindowSetting));
        if (desktopWindow_) {
            window_ = SDL_CreateWindow(Utf8FromWide(options.title).c_str(), SDL_WINDOWPOS_CENTERED,
                                       SDL_WINDOWPOS_CENTERED, kCanvasWidth, kCanvasHeight, SDL_WINDOW_RESIZABLE);
        } else {
            // The window covers the whole screen from the start, so it does so also where no
            // window manager acts on the full-screen request. It is made borderless at the
            // screen's size rather than with SDL's full-screen flag, whose creation waits
            // for a window manager's answer (0.1 s where none runs) before the splash shows.
            // Resizable, so that no window manager refuses it full screen for a fixed size.
            int w = kCanvasWidth, h = kCanvasHeight;
            ScreenSize(w, h);
            window_ = SDL_CreateWindow(Utf8FromWide(options.title).c_str(), 0, 0, w, h,
                                       SDL_WINDOW_BORDERLESS | SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN);
        }
        if (!window_) return false;
        SDL_SetWindowMinimumSize(window_, kCanvasWidth / 2, kCanvasHeight / 2);
        // On X the full-screen state is set before the window is shown, so a window manager
        // shows it full screen from the first frame; elsewhere it is asked for below, once
        // the splash is on the screen.
        fullScreen_ = !desktopWindow_ && TellFullScreenState(window_, true);
        SetIcon(options.iconPath);
        SDL_ShowWindow(window_);
        ComputePlacement();
        x_ = XConnectionOf(window_);  // watched by the frame's sleep
        SDL_RaiseWindow(window_);
        ApplyCursor();
        if (!last_.empty()) Show();
        if (!desktopWindow_ && !fullScreen_)
            fullScreen_ = SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
        return true;
    }

    bool IsFullScreen() const override { return window_ && fullScreen_ && !options_.windowed && !desktopWindow_; }

    void Present(const uint32_t* pixels, int strideBytes) override {
        // A frame presented before the window opens (the splash's first drawing) is kept
        // and shown when it opens.
        const size_t count = static_cast<size_t>(kCanvasWidth) * kCanvasHeight;
        last_.resize(count);
        for (int row = 0; row < kCanvasHeight; ++row)
            std::copy_n(reinterpret_cast<const uint8_t*>(pixels) + static_cast<size_t>(row) * strideBytes,
                        kCanvasWidth * 4,
                        reinterpret_cast<uint8_t*>(last_.data() + static_cast<size_t>(row) * kCanvasWidth));
        if (window_) Show();
    }

    // Puts the last presented frame on the screen, with the text fields drawn over it. Only
    // what changed since the last showing is drawn and sent to the display.
    void Show() {
        const uint32_t* pixels = last_.data();
        CanvasWidgets* widgets = Widgets();
        if (widgets && widgets->Overlaid()) {
            composite_ = last_;
            widgets->DrawOverlay(composite_.data(), kCanvasWidth * 4, SDL_GetTicks());
            pixels = composite_.data();
        }
        fieldState_ = FieldState();
        ComputePlacement();
        SDL_Surface* surface = SDL_GetWindowSurface(window_);
        if (!surface || surface->format->BytesPerPixel != 4) return;
        if (SDL_MUSTLOCK(surface)) SDL_LockSurface(surface);
        const WindowPixels target{static_cast<uint32_t*>(surface->pixels), surface->w, surface->h, surface->pitch};
        const PixelRect area = picture_.Show(pixels, target, PixelRect{dest_.x, dest_.y, dest_.w, dest_.h});
        if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
        if (area.Empty()) return;
        const SDL_Rect rect{area.x, area.y, area.w, area.h};
        SDL_UpdateWindowSurfaceRects(window_, &rect, 1);
    }

    void CloseDisplay() override {
        x_ = {};
        if (window_) SDL_DestroyWindow(window_);
        window_ = nullptr;
        picture_.Forget();
    }

    // What the text fields over the frame show (empty when there are none).
    static std::wstring FieldState() {
        CanvasWidgets* widgets = Widgets();
        return widgets ? widgets->OverlayState(SDL_GetTicks()) : std::wstring();
    }

    bool PollEvent(InputEvent& event) override {
        sound_->RestIfSilent();
        // Typing changes no drawing of the screen's, so the fields are shown again here.
        if (window_ && !last_.empty() && FieldState() != fieldState_) Show();
        if (!owed_.empty()) {
            event = owed_.front();
            owed_.pop_front();
            return true;
        }
        // Whether anything may have come since the last look; at most one pump per call.
        bool mayPump = !quietSleep_ || XEventsQueued(x_) || ++quietPasses_ >= kFullPumpEvery;
        quietSleep_ = false;
        SDL_Event e;
        while (NextSdlEvent(e, mayPump)) {
            switch (e.type) {
                case SDL_QUIT: event.type = EventType::Quit; return true;
                case SDL_KEYDOWN:
                case SDL_KEYUP: {
                    // F11 belongs to the desktop, not to the screens.
                    if (e.key.keysym.sym == SDLK_F11) {
                        if (e.type == SDL_KEYDOWN && !e.key.repeat) ToggleDesktopWindow();
                        continue;
                    }
                    if (!KeyEvent(e, event) || keys_.Filter(event)) continue;
                    return true;
                }
                case SDL_TEXTINPUT:
                    event.type = EventType::Text;
                    event.text = WideFromUtf8(e.text.text);
                    return true;
                case SDL_MOUSEMOTION:
                    if (!ToCanvas(e.motion.x, e.motion.y, event.x, event.y)) continue;
                    event.type = EventType::MouseMove;
                    return true;
                case SDL_MOUSEBUTTONDOWN:
                case SDL_MOUSEBUTTONUP:
                    if (e.button.button != SDL_BUTTON_LEFT && e.button.button != SDL_BUTTON_RIGHT) continue;
                    // Presses on the black bars or backdrop are dropped.
                    if (!ToCanvas(e.button.x, e.button.y, event.x, event.y)) continue;
                    event.type = e.type == SDL_MOUSEBUTTONDOWN ? EventType::MouseDown : EventType::MouseUp;
                    event.button = e.button.button == SDL_BUTTON_RIGHT ? MouseButton::Right : MouseButton::Left;
                    return true;
                case SDL_WINDOWEVENT:
                    // Still screens are not drawn again, so an uncovered window shows the last frame.
                    if ((e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED || e.window.event == SDL_WINDOWEVENT_EXPOSED) &&
                        window_ && !last_.empty()) {
                        picture_.Forget();
                        Show();
                    }
                    continue;
                default: continue;
            }
        }
        return false;
    }

    int ShowCursor(bool show) override {
        const bool wasShown = count_ >= 0;
        count_ += show ? 1 : -1;
        if ((count_ >= 0) != wasShown) SDL_ShowCursor(count_ >= 0 ? SDL_ENABLE : SDL_DISABLE);
        return count_;
    }

    void GetCursorPos(int& x, int& y) override {
        int wx = 0, wy = 0;
        SDL_GetMouseState(&wx, &wy);
        ToCanvasUnclipped(wx, wy, x, y);
    }

    void SetCursorPos(int x, int y) override {
        if (!window_ || dest_.w <= 0) return;
        int wx = dest_.x + x * dest_.w / kCanvasWidth;
        int wy = dest_.y + y * dest_.h / kCanvasHeight;
        float sx = 1, sy = 1;
        RenderToWindowScale(sx, sy);
        SDL_WarpMouseInWindow(window_, static_cast<int>(wx / sx), static_cast<int>(wy / sy));
    }

    using Backend::AskYesNo;
    // The question is drawn in the program's own window, over its last frame, so it cannot
    // open behind a full-screen window or without the keyboard, and switches reach it.
    bool AskYesNo(const std::wstring& caption, const std::wstring& text, const QuestionOptions& options) override {
        if (!window_) return false;
        const std::vector<uint32_t> base = last_;
        std::vector<InputEvent> releases;
        bool quit = false;
        const bool yes = AskOnCanvas(
            *this, keys_, base, caption, text, options, [] { return false; }, [this] { DropPendingInput(); }, releases,
            quit);
        if (!base.empty()) Present(base.data(), kCanvasWidth * 4);
        owed_.insert(owed_.begin(), releases.begin(), releases.end());
        if (quit) owed_.push_front(InputEvent{});  // a default event is a quit request
        return yes;
    }

    void ShowError(const std::wstring& caption, const std::wstring& text) override {
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, Utf8FromWide(caption).c_str(), Utf8FromWide(text).c_str(),
                                 window_);
    }

    bool ChooseFolder(const FolderDialogTexts& texts, std::wstring& folder) override {
        const std::string start = HomeFolder();
        const int native =
            RunNative([&](std::string& chosen) { return RunNativeFolderDialog(texts, start, chosen); }, folder);
        if (native >= 0) return native == 1;
        CanvasWidgets* widgets = Widgets();
        return widgets && widgets->ChooseFolder(*this, texts, start, folder);
    }

    bool ChooseSaveFile(const SaveFileRequest& request, std::wstring& path) override {
        return RunSaveChoice(
            *this, request,
            [this](const SaveFileRequest& shown, std::wstring& chosen) {
                const int native =
                    RunNative([&](std::string& named) { return RunNativeSaveDialog(shown, named); }, chosen);
                if (native >= 0) return native == 1;
                CanvasWidgets* widgets = Widgets();
                return widgets && widgets->ChooseSaveFile(*this, shown, chosen);
            },
            path);
    }

    // Runs one of the desktop's own dialogs, when it has them: 1 with chosen set, 0 when it
    // was cancelled, -1 when there is none to run. The program's window would cover the
    // dialog: it steps aside meanwhile.
    int RunNative(const std::function<int(std::string&)>& dialog, std::wstring& chosen) {
        if (!HasNativeFolderDialog()) return -1;
        if (window_) SDL_MinimizeWindow(window_);
        std::string native;
        const int result = dialog(native);
        if (window_) {
            SDL_RestoreWindow(window_);
            SDL_RaiseWindow(window_);
        }
        if (result == 1) chosen = WideFromUtf8(native);
        return result;
    }

    bool PrintImage(const uint32_t* pixels, int strideBytes, const std::wstring& documentName) override {
        return PrintOnPrinter(pixels, strideBytes, documentName);
    }

    std::function<bool()> PreparePrint(const uint32_t* pixels, int strideBytes,
                                       const std::wstring& documentName) override {
        if (!pixels || strideBytes < kCanvasWidth * 4) return [] { return false; };
        auto picture = std::make_shared<std::vector<uint32_t>>(static_cast<size_t>(kCanvasWidth) * kCanvasHeight);
        for (int y = 0; y < kCanvasHeight; ++y) {
            const auto* row =
                reinterpret_cast<const uint32_t*>(reinterpret_cast<const unsigned char*>(pixels) +
                                                  static_cast<size_t>(y) * static_cast<size_t>(strideBytes));
            std::copy(row, row + kCanvasWidth, picture->begin() + static_cast<std::ptrdiff_t>(y) * kCanvasWidth);
        }
        return [picture, documentName] { return PrintOnPrinter(picture->data(), kCanvasWidth * 4, documentName); };
    }
    bool PrintDocument(const PrintableDocument& document, const std::wstring& documentName) override {
        return PrintDocumentOnPrinter(document, documentName);
    }
    std::function<bool()> PrepareDocumentPrint(const PrintableDocument& document,
                                               const std::wstring& documentName) override {
        return [document, documentName] { return PrintDocumentOnPrinter(document, documentName); };
    }

    SoundDevice& Sound() override { return *sound_; }

    std::wstring ClipboardText() override {
        char* text = SDL_GetClipboardText();
        std::wstring out = text ? WideFromUtf8(text) : std::wstring();
        SDL_free(text);
        return out;
    }

    void SetTextInput(bool on) override {
        if (on)
            SDL_StartTextInput();
        else
            SDL_StopTextInput();
    }

protected:
    void ApplyCursorShape(CursorShape shape) override {
        shape_ = shape;
        ApplyCursor();
    }

private:
    // The next event of SDL's queue. The queue is filled by pumping, which asks the X server
    // for news (several system calls); a pass whose sleep saw nothing arrive, with nothing
    // left in the X library's queue either, need not pump. A full pump still runs every
    // quarter second for what SDL does there besides input (keeping the screen saver off).
    bool NextSdlEvent(SDL_Event& e, bool& mayPump) {
        if (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) return true;
        if (!mayPump) return false;
        mayPump = false;
        quietPasses_ = 0;
        SDL_PumpEvents();
        return SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0;
    }

    // The program's key event for an SDL key event; false for keys the program has no code for.
    static bool KeyEvent(const SDL_Event& e, InputEvent& event) {
        const int vk = VirtualKeyOf(e.key.keysym.sym);
        if (vk == 0) return false;
        event.type = e.type == SDL_KEYDOWN ? EventType::KeyDown : EventType::KeyUp;
        event.key = vk;
        event.control = (e.key.keysym.mod & KMOD_CTRL) != 0;
        return true;
    }

    // Input that arrived while a question was up is not handed to the screen afterwards;
    // the keys it pressed or released are still noted, so held keys stay known.
    void DropPendingInput() {
        SDL_PumpEvents();
        SDL_Event e;
        while (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_KEYDOWN, SDL_MULTIGESTURE) > 0) {
            InputEvent key;
            if ((e.type == SDL_KEYDOWN || e.type == SDL_KEYUP) && KeyEvent(e, key)) keys_.Filter(key);
        }
    }

    static constexpr const char* kWindowSetting = "display.txt";

    void ScreenSize(int& w, int& h) {
        SDL_DisplayMode desktop{};
        const int index = window_ ? std::max(0, SDL_GetWindowDisplayIndex(window_)) : 0;
        if (SDL_GetDesktopDisplayMode(index, &desktop) == 0 && desktop.w > 0 && desktop.h > 0) {
            w = desktop.w;
            h = desktop.h;
        }
    }

    // Full screen (or the backdrop of "window") and a normal, resizable desktop window in
    // which the canvas is scaled to fit; the user's choice is kept for the next start.
    void ToggleDesktopWindow() {
        if (!window_) return;
        desktopWindow_ = !desktopWindow_;
        if (desktopWindow_) {
            if (!TellFullScreenState(window_, false)) SDL_SetWindowFullscreen(window_, 0);
            SDL_SetWindowBordered(window_, SDL_TRUE);
            SDL_SetWindowResizable(window_, SDL_TRUE);
            SDL_SetWindowSize(window_, kCanvasWidth, kCanvasHeight);
            SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
        } else {
            int w = kCanvasWidth, h = kCanvasHeight;
            ScreenSize(w, h);
            SDL_SetWindowBordered(window_, SDL_FALSE);
            SDL_SetWindowPosition(window_, 0, 0);
            SDL_SetWindowSize(window_, w, h);
            fullScreen_ = TellFullScreenState(window_, true) ||
                          SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
        }
        if (desktopWindow_) fullScreen_ = false;
        WriteUserSetting(kWindowSetting, desktopWindow_ ? kDesktopWindowWord : kFullScreenWord);
        picture_.Forget();
        if (!last_.empty()) Show();
    }

    void ApplyCursor() {
        SDL_Cursor* c = cursors_[static_cast<int>(shape_)];
        if (c) SDL_SetCursor(c);
    }

    static uint32_t Unpremultiplied(uint32_t argb) {
        const uint32_t a = argb >> 24;
        if (a == 0 || a == 255) return argb;
        auto straight = [a](uint32_t c) { return std::min<uint32_t>(255, (c * 255 + a / 2) / a); };
        return a << 24 | straight(argb >> 16 & 0xff) << 16 | straight(argb >> 8 & 0xff) << 8 | straight(argb & 0xff);
    }

    void SetIcon(const std::wstring& iconPath) {
        if (iconPath.empty()) return;
        cairo_surface_t* png = cairo_image_surface_create_from_png(NativePath(iconPath).c_str());
        if (cairo_surface_status(png) == CAIRO_STATUS_SUCCESS) {
            cairo_surface_flush(png);
            // cairo keeps the colours multiplied by their alpha; the window manager wants them
            // straight, or the icon's soft edges come out dark.
            const int w = cairo_image_surface_get_width(png), h = cairo_image_surface_get_height(png);
            const int stride = cairo_image_surface_get_stride(png);
            const unsigned char* data = cairo_image_surface_get_data(png);
            std::vector<uint32_t> pixels(static_cast<size_t>(w) * static_cast<size_t>(h));
            for (int y = 0; y < h; ++y) {
                const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
                for (int x = 0; x < w; ++x)
                    pixels[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)] =
                        Unpremultiplied(row[x]);
            }
            SDL_Surface* s =
                SDL_CreateRGBSurfaceWithFormatFrom(pixels.data(), w, h, 32, w * 4, SDL_PIXELFORMAT_ARGB8888);
            if (s) {
                SDL_SetWindowIcon(window_, s);
                SDL_FreeSurface(s);
            }
        }
        cairo_surface_destroy(png);
    }

    // Window pixels per window coordinate (differs on high-density displays).
    void RenderToWindowScale(float& sx, float& sy) {
        int ww = 1, wh = 1, ow = 1, oh = 1;
        SDL_GetWindowSize(window_, &ww, &wh);
        SDL_GetWindowSizeInPixels(window_, &ow, &oh);
        sx = ww > 0 ? static_cast<float>(ow) / ww : 1.0f;
        sy = wh > 0 ? static_cast<float>(oh) / wh : 1.0f;
    }

    void ComputePlacement() {
        if (!window_) return;
        int ow = kCanvasWidth, oh = kCanvasHeight;
        SDL_GetWindowSizeInPixels(window_, &ow, &oh);
        if (options_.windowed && !desktopWindow_ && ow >= kCanvasWidth && oh >= kCanvasHeight) {
            dest_ = {(ow - kCanvasWidth) / 2, (oh - kCanvasHeight) / 2, kCanvasWidth, kCanvasHeight};
            return;
        }
        // Scale to fit, keeping the 4:3 shape, with black bars.
        double scale = std::min(static_cast<double>(ow) / kCanvasWidth, static_cast<double>(oh) / kCanvasHeight);
        int w = static_cast<int>(kCanvasWidth * scale), h = static_cast<int>(kCanvasHeight * scale);
        dest_ = {(ow - w) / 2, (oh - h) / 2, w, h};
    }

    void ToCanvasUnclipped(int wx, int wy, int& cx, int& cy) {
        if (!window_ || dest_.w <= 0 || dest_.h <= 0) {
            cx = wx;
            cy = wy;
            return;
        }
        float sx = 1, sy = 1;
        RenderToWindowScale(sx, sy);
        const double px = wx * sx, py = wy * sy;
        cx = static_cast<int>((px - dest_.x) * kCanvasWidth / dest_.w);
        cy = static_cast<int>((py - dest_.y) * kCanvasHeight / dest_.h);
        if (px < dest_.x) cx = -1;
        if (py < dest_.y) cy = -1;
    }

    bool ToCanvas(int wx, int wy, int& cx, int& cy) {
        ToCanvasUnclipped(wx, wy, cx, cy);
        return cx >= 0 && cy >= 0 && cx < kCanvasWidth && cy < kCanvasHeight;
    }

    static constexpr int kFullPumpEvery = 25;  // passes

    DisplayOptions options_;
    XConnection x_;
    bool quietSleep_ = false;  // the last frame's sleep ran to its end with nothing arriving
    int quietPasses_ = 0;      // passes since the last pump
    SDL_Window* window_ = nullptr;
    WindowPicture picture_;
    SDL_Rect dest_{0, 0, kCanvasWidth, kCanvasHeight};
    bool fullScreen_ = false;
    bool desktopWindow_ = false;  // a normal desktop window (F11) rather than the whole screen
    SDL_Cursor* cursors_[3] = {nullptr, nullptr, nullptr};
    CursorShape shape_ = CursorShape::Arrow;
    int count_ = 0;
    std::vector<uint32_t> last_;
    std::vector<uint32_t> composite_;
    std::wstring fieldState_;
    HeldKeys keys_;
    std::deque<InputEvent> owed_;  // key releases a question took from the screen, or its quit
    std::unique_ptr<SoundDevice> sound_ = std::make_unique<SoundDevice>(false);
};

}  // namespace

std::unique_ptr<Backend> CreateDesktopBackend(std::wstring& error) {
    auto b = std::make_unique<DesktopBackend>();
    if (!b->Start(error)) return nullptr;
    return b;
}

}  // namespace platform
