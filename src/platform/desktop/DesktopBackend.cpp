#include "platform/desktop/DesktopBackend.h"

#include <SDL.h>
#include <cairo.h>

#include <time.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "platform/FolderChooser.h"
#include "platform/Sound.h"
#include "platform/TextField.h"
#include "platform/Utf.h"

namespace platform {
namespace {

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
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "1");
        SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
        if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
            error = WideFromUtf8(SDL_GetError());
            return false;
        }
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
        // One sleep to the frame's deadline: a still screen wakes once per frame. (Waiting on
        // SDL's event queue instead polls it every millisecond where the video driver cannot
        // wait, and costs more per frame where it can.)
        if (micros <= 0) return;
        timespec rest{static_cast<time_t>(micros / 1000000), static_cast<long>(micros % 1000000) * 1000};
        while (nanosleep(&rest, &rest) != 0) {
        }
    }

    bool OpenDisplay(const DisplayOptions& options) override {
        if (window_) return true;
        options_ = options;
        // The window covers the whole screen from the start, so it does so also where no
        // window manager acts on the full-screen request.
        SDL_DisplayMode desktop{};
        int w = kCanvasWidth, h = kCanvasHeight;
        if (SDL_GetDesktopDisplayMode(0, &desktop) == 0 && desktop.w > 0 && desktop.h > 0) {
            w = desktop.w;
            h = desktop.h;
        }
        window_ = SDL_CreateWindow(Utf8FromWide(options.title).c_str(), 0, 0, w, h,
                                   SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS);
        if (!window_) return false;
        fullScreen_ = (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
        SetIcon(options.iconPath);
        renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
        if (!renderer_) {
            SDL_DestroyWindow(window_);
            window_ = nullptr;
            return false;
        }
        texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, kCanvasWidth,
                                     kCanvasHeight);
        SDL_SetTextureBlendMode(texture_, SDL_BLENDMODE_NONE);
        SDL_SetTextureScaleMode(texture_, SDL_ScaleModeLinear);
        ComputePlacement();
        SDL_RaiseWindow(window_);
        ApplyCursor();
        if (!last_.empty()) Show();
        return true;
    }

    bool IsFullScreen() const override { return window_ && fullScreen_ && !options_.windowed; }

    void Present(const uint32_t* pixels, int strideBytes) override {
        // A frame presented before the window opens (the splash's first drawing) is kept
        // and shown when it opens.
        const size_t count = static_cast<size_t>(kCanvasWidth) * kCanvasHeight;
        last_.resize(count);
        for (int row = 0; row < kCanvasHeight; ++row)
            std::copy_n(reinterpret_cast<const uint8_t*>(pixels) + static_cast<size_t>(row) * strideBytes,
                        kCanvasWidth * 4,
                        reinterpret_cast<uint8_t*>(last_.data() + static_cast<size_t>(row) * kCanvasWidth));
        if (renderer_ && texture_) Show();
    }

    // Puts the last presented frame on the screen, with the text fields drawn over it.
    void Show() {
        const uint32_t* pixels = last_.data();
        if (!LiveTextFields().empty()) {
            composite_ = last_;
            DrawTextFields(composite_.data(), kCanvasWidth * 4, SDL_GetTicks());
            pixels = composite_.data();
        }
        fieldState_ = FieldState();
        ComputePlacement();
        SDL_UpdateTexture(texture_, nullptr, pixels, kCanvasWidth * 4);
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderClear(renderer_);
        SDL_RenderCopy(renderer_, texture_, nullptr, &dest_);
        SDL_RenderPresent(renderer_);
    }

    void CloseDisplay() override {
        if (texture_) SDL_DestroyTexture(texture_);
        if (renderer_) SDL_DestroyRenderer(renderer_);
        if (window_) SDL_DestroyWindow(window_);
        texture_ = nullptr;
        renderer_ = nullptr;
        window_ = nullptr;
    }

    // What the text fields show: text, caret, focus and the caret's blink phase.
    std::wstring FieldState() const {
        std::wstring state;
        for (const TextField* f : LiveTextFields())
            state += f->Text() + L'\x1' + std::to_wstring(f->Caret()) + (f->Focused() ? L"f" : L"-") + L'\x2';
        if (!state.empty()) state += std::to_wstring(SDL_GetTicks() / 530 % 2);
        return state;
    }

    bool PollEvent(InputEvent& event) override {
        sound_->RestIfSilent();
        // Typing changes no drawing of the screen's, so the fields are shown again here.
        if (renderer_ && !last_.empty() && (!LiveTextFields().empty() || !fieldState_.empty()) &&
            FieldState() != fieldState_)
            Show();
        SDL_Event e;
        while (SDL_PollEvent(&e)) {
            switch (e.type) {
                case SDL_QUIT: event.type = EventType::Quit; return true;
                case SDL_KEYDOWN:
                case SDL_KEYUP: {
                    int vk = VirtualKeyOf(e.key.keysym.sym);
                    if (vk == 0) continue;
                    event.type = e.type == SDL_KEYDOWN ? EventType::KeyDown : EventType::KeyUp;
                    event.key = vk;
                    event.control = (e.key.keysym.mod & KMOD_CTRL) != 0;
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
                        renderer_ && !last_.empty())
                        Show();
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

    bool AskYesNo(const std::wstring& caption, const std::wstring& text) override {
        const std::string c = Utf8FromWide(caption), t = Utf8FromWide(text);
        SDL_MessageBoxButtonData buttons[2] = {
            {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 0, "No"},
            {0, 1, "Yes"},
        };
        SDL_MessageBoxData data{};
        data.flags = SDL_MESSAGEBOX_INFORMATION;
        data.window = window_;
        data.title = c.c_str();
        data.message = t.c_str();
        data.numbuttons = 2;
        data.buttons = buttons;
        int pressed = 0;
        if (SDL_ShowMessageBox(&data, &pressed) != 0) return false;
        return pressed == 1;
    }

    void ShowError(const std::wstring& caption, const std::wstring& text) override {
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, Utf8FromWide(caption).c_str(), Utf8FromWide(text).c_str(),
                                 window_);
    }

    bool ChooseFolder(const FolderDialogTexts& texts, std::wstring& folder) override {
        const std::string start = HomeFolder();
        if (HasNativeFolderDialog()) {
            // The program's window would cover the dialog: it steps aside meanwhile.
            if (window_) SDL_MinimizeWindow(window_);
            std::string chosen;
            const int result = RunNativeFolderDialog(texts, start, chosen);
            if (window_) {
                SDL_RestoreWindow(window_);
                SDL_RaiseWindow(window_);
            }
            if (result == 1) folder = WideFromUtf8(chosen);
            if (result >= 0) return result == 1;
        }
        return RunFolderChooser(*this, texts, start, folder);
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
    void ApplyCursor() {
        SDL_Cursor* c = cursors_[static_cast<int>(shape_)];
        if (c) SDL_SetCursor(c);
    }

    void SetIcon(const std::wstring& iconPath) {
        if (iconPath.empty()) return;
        cairo_surface_t* png = cairo_image_surface_create_from_png(NativePath(iconPath).c_str());
        if (cairo_surface_status(png) == CAIRO_STATUS_SUCCESS) {
            cairo_surface_flush(png);
            SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(
                cairo_image_surface_get_data(png), cairo_image_surface_get_width(png),
                cairo_image_surface_get_height(png), 32, cairo_image_surface_get_stride(png), SDL_PIXELFORMAT_ARGB8888);
            if (s) {
                SDL_SetWindowIcon(window_, s);
                SDL_FreeSurface(s);
            }
        }
        cairo_surface_destroy(png);
    }

    // Output pixels per window coordinate (differs on high-density displays).
    void RenderToWindowScale(float& sx, float& sy) {
        int ww = 1, wh = 1, ow = 1, oh = 1;
        SDL_GetWindowSize(window_, &ww, &wh);
        SDL_GetRendererOutputSize(renderer_, &ow, &oh);
        sx = ww > 0 ? static_cast<float>(ow) / ww : 1.0f;
        sy = wh > 0 ? static_cast<float>(oh) / wh : 1.0f;
    }

    void ComputePlacement() {
        if (!renderer_) return;
        int ow = kCanvasWidth, oh = kCanvasHeight;
        SDL_GetRendererOutputSize(renderer_, &ow, &oh);
        if (options_.windowed && ow >= kCanvasWidth && oh >= kCanvasHeight) {
            dest_ = {(ow - kCanvasWidth) / 2, (oh - kCanvasHeight) / 2, kCanvasWidth, kCanvasHeight};
            return;
        }
        // Scale to fit, keeping the 4:3 shape, with black bars.
        double scale = std::min(static_cast<double>(ow) / kCanvasWidth, static_cast<double>(oh) / kCanvasHeight);
        int w = static_cast<int>(kCanvasWidth * scale), h = static_cast<int>(kCanvasHeight * scale);
        dest_ = {(ow - w) / 2, (oh - h) / 2, w, h};
    }

    void ToCanvasUnclipped(int wx, int wy, int& cx, int& cy) {
        if (!renderer_ || dest_.w <= 0 || dest_.h <= 0) {
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

    DisplayOptions options_;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    SDL_Rect dest_{0, 0, kCanvasWidth, kCanvasHeight};
    bool fullScreen_ = false;
    SDL_Cursor* cursors_[3] = {nullptr, nullptr, nullptr};
    CursorShape shape_ = CursorShape::Arrow;
    int count_ = 0;
    std::vector<uint32_t> last_;
    std::vector<uint32_t> composite_;
    std::wstring fieldState_;
    std::unique_ptr<SoundDevice> sound_ = std::make_unique<SoundDevice>(false);
};

}  // namespace

std::unique_ptr<Backend> CreateDesktopBackend(std::wstring& error) {
    auto b = std::make_unique<DesktopBackend>();
    if (!b->Start(error)) return nullptr;
    return b;
}

}  // namespace platform
