#pragma once
// A print sent off the frame's thread: a print server that takes the job and then does not
// answer keeps a thread of its own waiting, never the window. The screen asks each pass
// whether the outcome is known.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

struct PrintableDocument;

class PrintJob final {
public:
    enum class Outcome { kNone, kSent, kFailed };

    PrintJob() = default;
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;
    // A job still on its way when its screen goes is left to the frame: its outcome is told,
    // in the words TellWith gave, on whichever screen is shown once it is known.
    ~PrintJob();

    // The words for the outcome, should the screen that starts the next job be gone by then.
    void TellWith(std::wstring sent, std::wstring failed);
    // The words of a left job that has finished, each once; empty while there is none.
    // Called on the frame's thread, as the jobs' screens are made and ended there.
    static std::wstring TakeLeftOutcome();

    // Copies the 800 x 600 picture and prints it through the backend. False, doing nothing,
    // while the previous job is still on its way.
    bool Start(const uint32_t* pixels, int strideBytes, const std::wstring& documentName);
    // The same for a document of A4 pages.
    bool StartDocument(const PrintableDocument& document, const std::wstring& documentName);
    bool Busy() const { return state_->value.load() == kBusy; }
    // The outcome of a job that has finished, given once; kNone while there is none.
    Outcome Take();

private:
    void Run(std::function<bool()> task);
    enum : int { kIdle, kBusy, kSent, kFailed };
    // Shared with the job's thread, which may outlive the screen that started it.
    struct State {
        std::atomic<int> value{kIdle};
    };
    std::shared_ptr<State> state_ = std::make_shared<State>();
    std::wstring sentWords_, failedWords_;

    struct Left;
    static std::vector<Left>& LeftJobs();
};

}  // namespace platform
