#include "sound/SoundGroup.h"

#include "platform/Files.h"
#include "platform/Platform.h"
#include "platform/Sound.h"
#include "text/FileUtil.h"
#include "text/Random.h"

namespace {
platform::SoundDevice& Device() { return platform::Os().Sound(); }
}  // namespace

CSoundGroup::~CSoundGroup() {
    Stop();
    Close();
}

unsigned CSoundGroup::Send(const std::wstring& command, unsigned result) {
    lastCommand = command;
    lastError = result;
    return result;
}

void CSoundGroup::Open(const std::wstring& path) {
    // The type comes from the path's last four characters, compared exactly.
    const std::wstring ending = path.size() >= 4 ? path.substr(path.size() - 4) : path;
    if (ending == L".wav")
        deviceType = L"Waveaudio";
    else if (ending == L".mp3")
        deviceType = L"mpegvideo";
    else
        deviceType = ending;
    Send(L"Open " + path + L" ALIAS " + path + L" TYPE " + deviceType + L" wait", Device().Open(path, deviceType));
    // A file that exists joins the group even when its device did not open (already open
    // by another group, or undecodable): plays on it then fail quietly or drive the shared one.
    if (CFileUtil::Exists(path) && !platform::FolderExists(path)) files.push_back(path);
}

void CSoundGroup::OpenAll(const std::wstring& pattern) {
    CFileUtil list;
    list.AddFiles(pattern);
    for (int i = 0; i < list.Count(); ++i) Open(list.GetPath(i));
}

void CSoundGroup::OpenRandom(const std::wstring& pattern) {
    CFileUtil list;
    if (!list.AddFiles(pattern) || list.Count() == 0) return;
    std::vector<std::wstring> paths;
    for (int i = 0; i < list.Count(); ++i) paths.push_back(list.GetPath(i));
    ShuffleList(paths.begin(), paths.end());
    Open(paths.front());
}

void CSoundGroup::Shuffle() {
    shuffleMode = 1;
    ShuffleList(files.begin(), files.end());
}

unsigned CSoundGroup::Play(int n) {
    if (!Valid(n) || silent) return 0;
    stopped = 0;
    Seek(0, n);
    const std::wstring& path = files[static_cast<size_t>(n)];
    return Send(L"Play " + path, Device().Play(path));
}

void CSoundGroup::PlayNext() {
    if (files.empty()) return;
    if (nextIndex < 0 || nextIndex >= static_cast<int>(files.size())) {
        if (shuffleMode) ShuffleList(files.begin(), files.end());
        nextIndex = 0;
    }
    Play(nextIndex);
    ++nextIndex;
}

void CSoundGroup::Seek(unsigned ms, int n) {
    if (!Valid(n)) return;
    const std::wstring& path = files[static_cast<size_t>(n)];
    Send(L"Seek " + path + L" to " + std::to_wstring(ms), Device().Seek(path, ms));
}

unsigned CSoundGroup::Length(int n) {
    if (!Valid(n)) return 0;
    const std::wstring& path = files[static_cast<size_t>(n)];
    Send(L"Set " + path + L" time format milliseconds", Device().IsOpen(path) ? 0u : platform::kSoundNotOpen);
    uint32_t ms = 0;
    Send(L"Status " + path + L" length", Device().Length(path, ms));
    return lastError == 0 ? ms : 0;
}

unsigned CSoundGroup::NextLength() { return Length(nextIndex); }

int CSoundGroup::Stop() {
    stopped = 1;
    for (const auto& path : files) Send(L"Stop " + path, Device().Stop(path));
    return static_cast<int>(files.size());
}

void CSoundGroup::Close() {
    for (const auto& path : files) Send(L"Close " + path, Device().Close(path));
    files.clear();
    nextIndex = 0;
}

void CSoundGroup::StopAndClose() {
    Stop();
    Close();
}
