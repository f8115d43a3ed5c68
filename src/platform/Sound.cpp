#include "platform/Sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include "platform/Files.h"
#include "platform/MissingFiles.h"
#include "platform/Platform.h"
#include "platform/Utf.h"

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <string>

namespace platform {

struct SoundDevice::Device {
    Mix_Chunk* chunk = nullptr;
    Mix_Chunk* tail = nullptr;  // the part after a seek position, sharing chunk's samples
    uint32_t position = 0;      // ms where the next play starts
    uint32_t length = 0;        // ms
    int channel = -1;
    Mix_Chunk* playing = nullptr;
    // Silent mode: the platform time the current play began, and whether it runs.
    uint32_t startedAt = 0;
    bool silentPlaying = false;

    ~Device() {
        if (tail) Mix_FreeChunk(tail);
        if (chunk) Mix_FreeChunk(chunk);
    }
};

SoundDevice::SoundDevice(bool silent) : silent_(silent) {}

SoundDevice::~SoundDevice() {
    if (audioStarted_) Mix_HaltChannel(-1);
    devices_.clear();
    if (audioStarted_) {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

bool SoundDevice::StartAudio() {
    if (audioStarted_) return true;
    if (audioFailed_) return false;
    auto open = [] {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
        if (Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) != 0) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return false;
        }
        return true;
    };
    // Without a sound card (or in silent mode) the dummy driver still decodes and times
    // every sound, so lengths and the exercises' pacing stay right. After a rest the output
    // is taken up again the way it was found the first time.
    bool ok = false;
    if (!silent_) {
        // The sound libraries describe a missing card in a screen of their own messages;
        // the user gets one line instead.
#ifdef _WIN32
        ok = open();  // a Windows program has no console for them to fill
        const std::string why = ok ? "" : SDL_GetError();
#else
        std::fflush(stderr);
        const int saved = ::dup(STDERR_FILENO);
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved >= 0 && null >= 0) ::dup2(null, STDERR_FILENO);
        ok = open();
        const std::string why = ok ? "" : SDL_GetError();
        std::fflush(stderr);
        if (saved >= 0 && null >= 0) ::dup2(saved, STDERR_FILENO);
        if (null >= 0) ::close(null);
        if (saved >= 0) ::close(saved);
#endif
        if (!ok)
            std::fprintf(stderr, "kestrova: no sound device could be opened (%s); running without sound\n",
                         why.empty() ? "no audio driver" : why.c_str());
    }
    if (!ok) {
        SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
        ok = open();
    }
    if (!ok) {
        audioFailed_ = true;
        return false;
    }
    Mix_AllocateChannels(32);
    // Several loud sounds mixed together would clip at full volume.
    Mix_Volume(-1, MIX_MAX_VOLUME * 3 / 4);
    int freq = 0, channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&freq, &format, &channels);
    if (freq_ == 0) {
        freq_ = freq;
        channels_ = channels;
        format_ = format;
    }
    audioStarted_ = true;
    silenceNoted_ = false;
    return true;
}

bool SoundDevice::AnyPlaying() const {
    if (silent_) {
        for (const auto& entry : devices_)
            if (IsPlaying(entry.first)) return true;
        return false;
    }
    return Mix_Playing(-1) > 0;
}

void SoundDevice::RestIfSilent() {
    if (!audioStarted_) return;
    const uint32_t now = Os().TimeGetTime();
    if (AnyPlaying()) {
        silenceNoted_ = false;
        return;
    }
    if (!silenceNoted_) {
        silenceNoted_ = true;
        silentSince_ = now;
        return;
    }
    if (now - silentSince_ < kRestMs) return;
    // Nothing plays: every device is stopped already. The decoded sounds stay, in the
    // output's format, for the next start.
    for (auto& entry : devices_) {
        entry.second->channel = -1;
        entry.second->playing = nullptr;
        entry.second->silentPlaying = false;
    }
    Mix_HaltChannel(-1);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    audioStarted_ = false;
}

void SoundDevice::Record(const std::wstring& entry) {
    // KESTROVA_SOUND_LOG=1 prints every sound command, to check what a user hears.
    static const bool print = std::getenv("KESTROVA_SOUND_LOG") != nullptr;
    if (print) std::fprintf(stderr, "sound: %s\n", Utf8FromWide(entry).c_str());
    if (log_.size() >= 20000) log_.erase(log_.begin(), log_.begin() + 10000);
    log_.push_back(entry);
}

unsigned SoundDevice::Open(const std::wstring& path, const std::wstring& type) {
    Record(L"open " + path);
    if (devices_.count(path)) return kSoundAliasInUse;
    if (type != L"Waveaudio" && type != L"mpegvideo") return kSoundUnknownType;
    if (!FileExists(path) || FolderExists(path)) {
        NoteMissingFile(path);
        return kSoundFileNotFound;
    }
    if (!StartAudio()) return kSoundNoAudio;
    // Decoded from the file's bytes in memory: the mixer's own file reader stays open after a
    // file it cannot decode, which on Windows would keep that file from being replaced or
    // deleted while the program runs.
    std::string bytes;
    Mix_Chunk* chunk = nullptr;
    if (ReadWholeFile(path, bytes)) {
        if (SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()))) {
            chunk = Mix_LoadWAV_RW(rw, 0);
            SDL_RWclose(rw);
        }
    }
    if (!chunk) {
        NoteMissingFile(path, "sound did not open");
        return kSoundCannotDecode;
    }
    const int freq = freq_;
    const int bytesPerFrame = channels_ * (SDL_AUDIO_BITSIZE(format_) / 8);
    auto d = std::make_unique<Device>();
    d->chunk = chunk;
    d->length = bytesPerFrame > 0 && freq > 0
                    ? static_cast<uint32_t>(static_cast<uint64_t>(chunk->alen) * 1000u /
                                            (static_cast<uint64_t>(bytesPerFrame) * static_cast<uint64_t>(freq)))
                    : 0;
    devices_[path] = std::move(d);
    return kSoundOk;
}

unsigned SoundDevice::Play(const std::wstring& alias) {
    Record(L"play " + alias);
    auto it = devices_.find(alias);
    if (it == devices_.end()) return kSoundNotOpen;
    Device& d = *it->second;
    Mix_Chunk* what = d.position > 0 && d.tail ? d.tail : d.chunk;
    if (!StartAudio()) return kSoundNoAudio;
    silenceNoted_ = false;
    if (silent_) {
        d.silentPlaying = true;
        d.startedAt = Os().TimeGetTime();
        return kSoundOk;
    }
    // A device plays once at a time: a second play starts it again.
    if (d.channel >= 0 && Mix_Playing(d.channel) && Mix_GetChunk(d.channel) == d.playing) Mix_HaltChannel(d.channel);
    d.channel = Mix_PlayChannel(-1, what, 0);
    d.playing = d.channel >= 0 ? what : nullptr;
    return kSoundOk;
}

bool SoundDevice::IsPlaying(const std::wstring& alias) const {
    auto it = devices_.find(alias);
    if (it == devices_.end()) return false;
    const Device& d = *it->second;
    if (silent_) return d.silentPlaying && Os().TimeGetTime() - d.startedAt < d.length - d.position;
    return d.channel >= 0 && Mix_Playing(d.channel) && Mix_GetChunk(d.channel) == d.playing;
}

unsigned SoundDevice::Stop(const std::wstring& alias) {
    Record(L"stop " + alias);
    auto it = devices_.find(alias);
    if (it == devices_.end()) return kSoundNotOpen;
    Device& d = *it->second;
    d.silentPlaying = false;
    if (d.channel >= 0 && Mix_GetChunk(d.channel) == d.playing) Mix_HaltChannel(d.channel);
    d.channel = -1;
    d.playing = nullptr;
    return kSoundOk;
}

unsigned SoundDevice::Seek(const std::wstring& alias, uint32_t ms) {
    Record(L"seek " + alias + L" " + std::to_wstring(ms));
    auto it = devices_.find(alias);
    if (it == devices_.end()) return kSoundNotOpen;
    Device& d = *it->second;
    // Seeking stops the device, as a media device does.
    if (!silent_ && d.channel >= 0 && Mix_GetChunk(d.channel) == d.playing) Mix_HaltChannel(d.channel);
    d.silentPlaying = false;
    d.channel = -1;
    d.playing = nullptr;
    if (d.tail) {
        Mix_FreeChunk(d.tail);
        d.tail = nullptr;
    }
    d.position = ms < d.length ? ms : d.length;
    if (d.position > 0) {
        const uint64_t frame = static_cast<uint64_t>(channels_) * (SDL_AUDIO_BITSIZE(format_) / 8);
        uint64_t offset = static_cast<uint64_t>(d.position) * static_cast<uint64_t>(freq_) / 1000u * frame;
        if (offset < d.chunk->alen)
            d.tail = Mix_QuickLoad_RAW(d.chunk->abuf + offset, static_cast<Uint32>(d.chunk->alen - offset));
    }
    return kSoundOk;
}

unsigned SoundDevice::Length(const std::wstring& alias, uint32_t& ms) {
    ms = 0;
    auto it = devices_.find(alias);
    if (it == devices_.end()) return kSoundNotOpen;
    ms = it->second->length;
    return kSoundOk;
}

unsigned SoundDevice::Close(const std::wstring& alias) {
    Record(L"close " + alias);
    auto it = devices_.find(alias);
    if (it == devices_.end()) return kSoundNotOpen;
    Device& d = *it->second;
    if (!silent_ && d.channel >= 0 && Mix_GetChunk(d.channel) == d.playing) Mix_HaltChannel(d.channel);
    devices_.erase(it);
    return kSoundOk;
}

}  // namespace platform
