#include "platform/PrintJob.h"

#include <thread>

#include "platform/Platform.h"

namespace platform {

struct PrintJob::Left {
    std::shared_ptr<State> state;
    std::wstring sent, failed;
};

std::vector<PrintJob::Left>& PrintJob::LeftJobs() {
    static std::vector<Left> jobs;
    return jobs;
}

PrintJob::~PrintJob() {
    if (Busy() && !(sentWords_.empty() && failedWords_.empty()))
        LeftJobs().push_back({state_, std::move(sentWords_), std::move(failedWords_)});
}

void PrintJob::TellWith(std::wstring sent, std::wstring failed) {
    sentWords_ = std::move(sent);
    failedWords_ = std::move(failed);
}

std::wstring PrintJob::TakeLeftOutcome() {
    auto& jobs = LeftJobs();
    for (auto it = jobs.begin(); it != jobs.end(); ++it) {
        const int value = it->state->value.load();
        if (value == kBusy) continue;
        std::wstring words = value == kSent ? std::move(it->sent) : std::move(it->failed);
        jobs.erase(it);
        return words;
    }
    return {};
}

bool PrintJob::Start(const uint32_t* pixels, int strideBytes, const std::wstring& documentName) {
    if (Busy()) return false;
    Run(Os().PreparePrint(pixels, strideBytes, documentName));
    return true;
}

bool PrintJob::StartDocument(const PrintableDocument& document, const std::wstring& documentName) {
    if (Busy()) return false;
    Run(Os().PrepareDocumentPrint(document, documentName));
    return true;
}

void PrintJob::Run(std::function<bool()> task) {
    state_->value = kBusy;
    // The task owns all it uses; the thread is left to finish on its own, however long the
    // server takes, and reports through the shared state.
    std::thread([task = std::move(task), state = state_] { state->value = task() ? kSent : kFailed; }).detach();
}

PrintJob::Outcome PrintJob::Take() {
    int finished = kSent;
    if (state_->value.compare_exchange_strong(finished, kIdle)) return Outcome::kSent;
    finished = kFailed;
    if (state_->value.compare_exchange_strong(finished, kIdle)) return Outcome::kFailed;
    return Outcome::kNone;
}

}  // namespace platform
