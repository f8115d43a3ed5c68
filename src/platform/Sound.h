#pragma once
// The sound device: one open device per file path (the path is the device's alias), played
// asynchronously from the start, stopped, rewound, measured and closed. Several sounds may
// play at once. Results are 0 on success or one of the error codes below, as the program's
// sound groups keep them.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace platform {

enum SoundError : unsigned {
    kSoundOk = 0,
    kSoundUnknownType = 263,  // the device type is neither "Waveaudio" nor "mpegvideo"
    kSoundFileNotFound = 275,
    kSoundCannotDecode = 278,
    kSoundNotOpen = 363,     // no device with that alias
    kSoundAliasInUse = 289,  // a device with that alias is already open
    kSoundNoAudio = 400,     // the audio system could not start
};

class SoundDevice {
public:
    // silent: decode and keep the state, but send nothing to a sound card (headless).
    explicit SoundDevice(bool silent);
    ~SoundDevice();
    SoundDevice(const SoundDevice&) = delete;
    SoundDevice& operator=(const SoundDevice&) = delete;

    unsigned Open(const std::wstring& path, const std::wstring& type);
    unsigned Play(const std::wstring& alias);
    unsigned Stop(const std::wstring& alias);
    unsigned Seek(const std::wstring& alias, uint32_t ms);
    unsigned Length(const std::wstring& alias, uint32_t& ms);
    unsigned Close(const std::wstring& alias);

    bool IsOpen(const std::wstring& alias) const { return devices_.count(alias) != 0; }
    // Whether the device is playing now (in silent mode: played and not stopped, closed,
    // or rewound since, and its length not yet over on the platform clock).
    bool IsPlaying(const std::wstring& alias) const;
    size_t OpenCount() const { return devices_.size(); }

    // Called once per pass: after kRestMs of silence the audio output is released (no mixing
    // thread, no stream to a sound server), and the next play or open takes it up again.
    void RestIfSilent();
    // Whether the audio output is taken up now (false while it rests).
    bool OutputOpen() const { return audioStarted_; }
    static constexpr uint32_t kRestMs = 1000;

    // Every command, as "open <path>", "play <path>", "stop <path>", "seek <path> <ms>",
    // "close <path>", for tests and diagnostics. Length queries are not logged.
    const std::vector<std::wstring>& Log() const { return log_; }
    void ClearLog() { log_.clear(); }

private:
    struct Device;
    bool StartAudio();
    bool AnyPlaying() const;
    void Record(const std::wstring& entry);

    bool silent_;
    bool audioStarted_ = false;
    bool audioFailed_ = false;
    uint32_t silentSince_ = 0;  // platform time the last sound was seen playing
    bool silenceNoted_ = false;
    // The output format of the first start; kept while the output rests.
    int freq_ = 0;
    int channels_ = 0;
    uint16_t format_ = 0;
    std::map<std::wstring, std::unique_ptr<Device>> devices_;
    std::vector<std::wstring> log_;
};

}  // namespace platform
