#include "app/Harness.h"

#include "graphics/Graphics.h"
#include "platform/Files.h"
#include "platform/ImageFile.h"
#include "ui/TextField.h"

#include <vector>

HeadlessHarness::HeadlessHarness(const std::wstring& commandLine, const std::wstring& assetFolder) {
    auto backend = std::make_unique<platform::HeadlessBackend>();
    backend->SetSleepAdvancesTime(true);
    backend_ = backend.get();
    platform::InstallBackend(std::move(backend));
    if (!assetFolder.empty()) {
        previousFolder_ = platform::WorkingFolder();
        platform::SetWorkingFolder(assetFolder);
    }
    app_ = std::make_unique<App>(commandLine);
    app_->Start();
}

HeadlessHarness::~HeadlessHarness() {
    app_.reset();
    if (!previousFolder_.empty()) platform::SetWorkingFolder(previousFolder_);
    platform::InstallBackend(nullptr);
}

bool HeadlessHarness::Pass() {
    const uint32_t before = backend_->TimeGetTime();
    bool running = app_->Pass();
    if (backend_->TimeGetTime() == before) backend_->AdvanceTime(static_cast<uint32_t>(app_->Options().frameTime));
    return running;
}

void HeadlessHarness::RunPasses(int count) {
    for (int i = 0; i < count && Pass(); ++i) {
    }
}

void HeadlessHarness::RunFor(uint32_t ms) {
    const uint32_t start = backend_->TimeGetTime();
    while (backend_->TimeGetTime() - start < ms && Pass()) {
    }
}

void HeadlessHarness::Drain() {
    while (backend_->PendingEvents() > 0 && Pass()) {
    }
    Pass();
}

void HeadlessHarness::Click(int x, int y, platform::MouseButton button) {
    backend_->QueueClick(x, y, button);
    Drain();
}

void HeadlessHarness::Key(int virtualKey) {
    backend_->QueueKey(virtualKey);
    Drain();
}

bool HeadlessHarness::SaveCanvas(const std::wstring& path) {
    // The canvas as the window shows it: the back buffer with the text fields over it.
    const Bitmap& b = app_->BackBuffer();
    std::vector<uint32_t> copy(b.Pixels(), b.Pixels() + static_cast<size_t>(b.Width()) * b.Height());
    ui::DrawTextFields(copy.data(), b.StrideBytes(), backend_->TimeGetTime());
    return platform::SavePixelsAsPng(copy.data(), b.Width(), b.Height(), b.StrideBytes(), path);
}
