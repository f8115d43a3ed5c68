#pragma once
// An ordered group of sound files, each opened as its own device (the path is the device's
// alias), played by index, in turn, or in shuffled order. Failures stay quiet: they are kept
// as the last error and never shown.
#include <string>
#include <vector>

class CSoundGroup {
public:
    CSoundGroup() = default;
    virtual ~CSoundGroup();
    CSoundGroup(const CSoundGroup&) = delete;
    CSoundGroup& operator=(const CSoundGroup&) = delete;

    void Open(const std::wstring& path);
    void OpenAll(const std::wstring& pattern);
    void OpenRandom(const std::wstring& pattern);
    void Shuffle();
    unsigned Play(int n);
    void PlayNext();
    void Seek(unsigned ms, int n);
    unsigned Length(int n);
    unsigned NextLength();
    int Stop();
    void Close();
    void StopAndClose();
    // While silent, plays send nothing to the device; lengths and the order of turns stay,
    // so whatever is timed by the sounds keeps its pace.
    void SetSilent(bool on) { silent = on; }

    int Count() const { return static_cast<int>(files.size()); }
    const std::wstring& File(int n) const { return files[static_cast<size_t>(n)]; }
    const std::wstring& LastCommand() const { return lastCommand; }
    unsigned LastError() const { return lastError; }
    const std::wstring& DeviceType() const { return deviceType; }
    int Stopped() const { return stopped; }
    int NextIndex() const { return nextIndex; }

private:
    bool Valid(int n) const { return n >= 0 && n < static_cast<int>(files.size()); }
    unsigned Send(const std::wstring& command, unsigned result);

    std::vector<std::wstring> files;
    std::wstring deviceType;
    std::wstring lastCommand;
    unsigned lastError = 0;
    int stopped = 0;
    int shuffleMode = 0;
    int nextIndex = 0;
    bool silent = false;
};
