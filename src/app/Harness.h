#pragma once
// Runs the real frame on the headless backend for tests and tools: queue presses, moves
// and keys, advance the virtual clock or run passes, read the current screen and the
// cursor, answer questions, save the canvas as PNG.
#include <memory>
#include <string>

#include "app/App.h"
#include "platform/headless/HeadlessBackend.h"

// Only one harness may live at a time: it installs the process-wide backend.
class HeadlessHarness {
public:
    // Installs a fresh headless backend. assetFolder, when not empty, becomes the working
    // folder; commandLine is the whole command line the frame reads its words from.
    explicit HeadlessHarness(const std::wstring& commandLine = L"kestrova window",
                             const std::wstring& assetFolder = L"");
    ~HeadlessHarness();

    App& Frame() { return *app_; }
    platform::HeadlessBackend& Os() { return *backend_; }

    // Runs one pass; each pass that sleeps moves the virtual clock by its sleep, and a
    // pass that does not sleep ("fullfps") moves it by the frame time.
    bool Pass();
    void RunPasses(int count);
    // Runs passes until the virtual clock has moved by ms (or the loop ends).
    void RunFor(uint32_t ms);
    // Runs until the pending input is consumed and one more pass has run.
    void Drain();

    void Click(int x, int y, platform::MouseButton button = platform::MouseButton::Left);
    void Key(int virtualKey);

    int ScreenId() const { return app_->CurrentScreenId(); }
    CGameBase* Screen() const { return app_->Screen(); }
    bool SaveCanvas(const std::wstring& path);

private:
    platform::HeadlessBackend* backend_;
    std::unique_ptr<App> app_;
    std::wstring previousFolder_;
};
