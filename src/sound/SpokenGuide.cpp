#include "sound/SpokenGuide.h"

#include "base/ScreenId.h"
#include "platform/Platform.h"

CSpokenGuide::CSpokenGuide() : nextTime(platform::TimeGetTime() + 1000) {}

int CSpokenGuide::LoadVariant(int screenId, const std::wstring& languageName, int variant) {
    if (screenId < 0 || screenId >= 19 || variant < 0 || variant >= 13) return 0;
    const wchar_t letter = static_cast<wchar_t>(L'a' + variant);
    OpenAll(L"speech\\" + languageName + L"\\intro\\" + ScreenName(screenId) + L"\\" + letter + L"*.wav");
    return 1;
}

void CSpokenGuide::Tick() {
    const uint32_t now = platform::TimeGetTime();
    // "now is before next time", on the wrapping millisecond clock.
    if (static_cast<int32_t>(now - nextTime) < 0) return;
    if (NextIndex() >= Count()) return;
    nextTime = now + NextLength() + 1000;
    PlayNext();
}
