// Sound groups and the spoken guide on the headless backend: files are really opened and
// decoded, nothing reaches a sound card, and the device keeps a log of its commands.
#include "support/ScratchFolder.h"
#include "support/TestPaths.h"
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "platform/Files.h"
#include "platform/Sound.h"
#include "platform/Utf.h"
#include "platform/headless/HeadlessBackend.h"
#include "sound/SoundGroup.h"
#include "sound/SpokenGuide.h"

namespace fs = std::filesystem;

namespace {

// A 16-bit mono PCM WAV of the given length.
void WriteWav(const fs::path& path, unsigned ms, unsigned rate = 22050) {
    const uint32_t samples = rate * ms / 1000, dataBytes = samples * 2;
    std::ofstream out(path, std::ios::binary);
    auto u32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out.write("RIFF", 4);
    u32(36 + dataBytes);
    out.write("WAVEfmt ", 8);
    u32(16);
    u16(1);
    u16(1);
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    out.write("data", 4);
    u32(dataBytes);
    for (uint32_t i = 0; i < samples; ++i) u16(static_cast<uint16_t>((i % 50) * 400));
}

// The process's open files where Linux lists them, else 0 (under Wine the list would be
// Wine's own).
size_t OpenHandles() {
    size_t n = 0;
#ifdef __linux__
    std::error_code ec;
    for (fs::directory_iterator it("/proc/self/fd", ec), end; !ec && it != end; it.increment(ec)) ++n;
#endif
    return n;
}

class SoundFixture : public ::testing::Test {
protected:
    void SetUp() override {
        auto b = std::make_unique<platform::HeadlessBackend>();
        os = b.get();
        platform::InstallBackend(std::move(b));
        scratch = std::make_unique<ScratchFolder>("sound");
        root = scratch->Path();
        fs::create_directories(root / "sfx");
        previous = platform::WorkingFolder();
        platform::SetWorkingFolder(platform::WideFromUtf8(root.string()));
        std::srand(7);
    }
    void TearDown() override {
        platform::SetWorkingFolder(previous);
        platform::InstallBackend(nullptr);
        scratch.reset();
    }
    std::vector<std::wstring> Plays() const {
        std::vector<std::wstring> out;
        for (const auto& l : os->Sound().Log())
            if (l.rfind(L"play ", 0) == 0) out.push_back(l.substr(5));
        return out;
    }

    platform::HeadlessBackend* os = nullptr;
    std::unique_ptr<ScratchFolder> scratch;
    fs::path root;
    std::wstring previous;
};

}  // namespace

TEST_F(SoundFixture, PlayNextWalksTheGroupInTurnAndShuffledPerPass) {
    for (int i = 0; i < 3; ++i) WriteWav(root / "sfx" / ("coin" + std::to_string(i) + ".wav"), 100);
    CSoundGroup coins;
    coins.OpenAll(L"sfx\\coin*.wav");
    ASSERT_EQ(coins.Count(), 3);
    for (int i = 0; i < 6; ++i) coins.PlayNext();
    const std::vector<std::wstring> inTurn = {L"sfx\\coin0.wav", L"sfx\\coin1.wav", L"sfx\\coin2.wav",
                                              L"sfx\\coin0.wav", L"sfx\\coin1.wav", L"sfx\\coin2.wav"};
    EXPECT_EQ(Plays(), inTurn);

    // Shuffled: every pass of three is a permutation, and the passes are not all alike.
    os->Sound().ClearLog();
    coins.Shuffle();
    for (int i = 0; i < 30; ++i) coins.PlayNext();
    auto plays = Plays();
    ASSERT_EQ(plays.size(), 30u);
    std::set<std::vector<std::wstring>> orders;
    for (int pass = 0; pass < 10; ++pass) {
        std::vector<std::wstring> p(plays.begin() + pass * 3, plays.begin() + pass * 3 + 3);
        EXPECT_EQ(std::set<std::wstring>(p.begin(), p.end()).size(), 3u);
        orders.insert(p);
    }
    EXPECT_GT(orders.size(), 1u);
}

TEST_F(SoundFixture, OpenFailuresAreQuiet) {
    WriteWav(root / "sfx" / "LOUD.WAV", 100);
    WriteWav(root / "sfx" / "ok.wav", 100);
    std::ofstream(root / "sfx" / "broken.wav") << "not a sound";
    CSoundGroup g;
    g.Open(L"sfx\\LOUD.WAV");  // the ending is compared case-sensitively: no such device type
    EXPECT_EQ(g.DeviceType(), L".WAV");
    EXPECT_NE(g.LastError(), 0u);
    EXPECT_EQ(g.Count(), 1);  // the file exists, so it is in the group all the same
    EXPECT_EQ(g.Length(0), 0u);
    g.Open(L"sfx\\missing.wav");
    EXPECT_NE(g.LastError(), 0u);
    EXPECT_EQ(g.Count(), 1);  // a missing file is not added
    const size_t handles = OpenHandles();
    g.Open(L"sfx\\broken.wav");
    EXPECT_NE(g.LastError(), 0u);
    EXPECT_EQ(g.Count(), 2);
    // Nothing of the file is held open afterwards: it can be replaced while the program runs.
    EXPECT_EQ(OpenHandles(), handles);
    EXPECT_TRUE(platform::WriteFileAtomic(L"sfx\\broken.wav", "still not a sound"));
    g.Play(1);  // fails without a word
    g.Open(L"sfx\\ok.wav");
    EXPECT_EQ(g.LastError(), 0u);
    EXPECT_EQ(g.Length(2), 100u);
    EXPECT_EQ(g.Length(3), 0u);
    EXPECT_EQ(g.Length(-1), 0u);
    g.Play(7);  // an invalid index does nothing
    EXPECT_EQ(g.LastCommand(), L"Status sfx\\ok.wav length");

    CSoundGroup empty;
    os->Sound().ClearLog();
    EXPECT_EQ(empty.Stop(), 0);
    empty.PlayNext();
    EXPECT_TRUE(os->Sound().Log().empty());
    EXPECT_EQ(empty.NextLength(), 0u);
}

TEST_F(SoundFixture, PlayRestartsFromTheBeginning) {
    WriteWav(root / "sfx" / "start.wav", 1000);
    CSoundGroup g;
    g.Open(L"sfx\\start.wav");
    g.Play(0);
    os->AdvanceTime(600);
    EXPECT_TRUE(os->Sound().IsPlaying(L"sfx\\start.wav"));
    os->Sound().ClearLog();
    g.Play(0);
    EXPECT_EQ(os->Sound().Log(), (std::vector<std::wstring>{L"seek sfx\\start.wav 0", L"play sfx\\start.wav"}));
    os->AdvanceTime(900);  // 1.5 s after the first start, 0.9 s after the restart
    EXPECT_TRUE(os->Sound().IsPlaying(L"sfx\\start.wav"));
    EXPECT_EQ(g.Stop(), 1);
    EXPECT_EQ(g.Stopped(), 1);
    EXPECT_FALSE(os->Sound().IsPlaying(L"sfx\\start.wav"));
}

TEST_F(SoundFixture, TwoGroupsOnOneFileShareItsDevice) {
    WriteWav(root / "sfx" / "click.wav", 300);
    {
        CSoundGroup a, b;
        a.Open(L"sfx\\click.wav");
        EXPECT_EQ(a.LastError(), 0u);
        b.Open(L"sfx\\click.wav");
        EXPECT_EQ(b.LastError(), static_cast<unsigned>(platform::kSoundAliasInUse));
        ASSERT_EQ(b.Count(), 1);
        EXPECT_EQ(b.Length(0), 300u);  // b drives a's device
        b.Play(0);
        EXPECT_TRUE(os->Sound().IsPlaying(L"sfx\\click.wav"));
        a.Stop();  // stopping in one group stops the other's sound
        EXPECT_FALSE(os->Sound().IsPlaying(L"sfx\\click.wav"));
        a.Close();
        EXPECT_FALSE(os->Sound().IsOpen(L"sfx\\click.wav"));
        EXPECT_EQ(b.Length(0), 0u);
    }
    EXPECT_EQ(os->Sound().OpenCount(), 0u);  // destructors close everything
}

TEST_F(SoundFixture, LengthsOfRealFilesAreTrue) {
    WriteWav(root / "sfx" / "a.wav", 1234, 44100);
    const fs::path mp3 = fs::path(testpaths::SourceDir()) / "tests" / "data" / "tone1500.mp3";
    fs::copy_file(mp3, root / "sfx" / "tone.mp3");
    CSoundGroup g;
    g.Open(L"sfx\\a.wav");
    g.Open(L"sfx\\tone.mp3");
    EXPECT_EQ(g.DeviceType(), L"mpegvideo");
    EXPECT_NEAR(static_cast<int>(g.Length(0)), 1234, 3);
    // 1.5 s of tone, which the encoder padded to whole frames: 34552 samples at 22050 Hz
    // (1567 ms) as any decoder reads it.
    EXPECT_NEAR(static_cast<int>(g.Length(1)), 1567, 3);
}

TEST_F(SoundFixture, GuidePacesItsPromptsAndNeverWraps) {
    fs::create_directories(root / "speech" / "english" / "intro" / "cans");
    WriteWav(root / "speech" / "english" / "intro" / "cans" / "a1.wav", 2000);
    WriteWav(root / "speech" / "english" / "intro" / "cans" / "a2.wav", 3000);
    WriteWav(root / "speech" / "english" / "intro" / "cans" / "b1.wav", 500);
    os->SetTime(50000);
    CSpokenGuide guide;
    ASSERT_EQ(guide.LoadVariant(1, L"english", 0), 1);
    ASSERT_EQ(guide.Count(), 2);
    std::vector<uint32_t> starts;
    for (uint32_t t = 0; t <= 12000; t += 10) {
        const size_t before = Plays().size();
        guide.Tick();
        if (Plays().size() > before) starts.push_back(t);
        os->AdvanceTime(10);
    }
    EXPECT_EQ(starts, (std::vector<uint32_t>{1000, 4000}));
    EXPECT_EQ(Plays(), (std::vector<std::wstring>{L"speech\\english\\intro\\cans\\a1.wav",
                                                  L"speech\\english\\intro\\cans\\a2.wav"}));
}

TEST_F(SoundFixture, GuideVariantsRunFromAToM) {
    fs::create_directories(root / "speech" / "english" / "intro" / "menu");
    WriteWav(root / "speech" / "english" / "intro" / "menu" / "m1.wav", 100);
    CSpokenGuide g12, g13, bad;
    EXPECT_EQ(g12.LoadVariant(0, L"english", 12), 1);
    EXPECT_EQ(g12.Count(), 1);
    EXPECT_EQ(g13.LoadVariant(0, L"english", 13), 0);
    EXPECT_EQ(g13.Count(), 0);
    EXPECT_EQ(bad.LoadVariant(19, L"english", 0), 0);
    // An empty guide stays silent.
    os->AdvanceTime(5000);
    g13.Tick();
    EXPECT_TRUE(Plays().empty());
}

TEST_F(SoundFixture, OutputRestsWhileSilentAndSoundsStillStartOnTime) {
    WriteWav(root / "sfx" / "a.wav", 300);
    WriteWav(root / "sfx" / "b.wav", 200);
    auto& device = os->Sound();
    CSoundGroup g;
    g.Open(L"sfx\\a.wav");
    ASSERT_TRUE(device.OutputOpen());
    auto passFor = [&](uint32_t ms) {
        platform::InputEvent e;
        for (uint32_t t = 0; t < ms; t += 10) {
            os->AdvanceTime(10);
            os->PollEvent(e);
        }
    };
    g.Play(0);
    passFor(300 + platform::SoundDevice::kRestMs - 50);
    EXPECT_TRUE(device.OutputOpen());  // playing, then not yet silent for the whole rest time
    passFor(100);
    ASSERT_FALSE(device.OutputOpen());

    // Asked for while the output rests, the sound starts in the same call and lasts its length.
    device.ClearLog();
    g.Play(0);
    EXPECT_TRUE(device.OutputOpen());
    EXPECT_EQ(device.Log(), (std::vector<std::wstring>{L"seek sfx\\a.wav 0", L"play sfx\\a.wav"}));
    EXPECT_TRUE(device.IsPlaying(L"sfx\\a.wav"));
    passFor(290);
    EXPECT_TRUE(device.IsPlaying(L"sfx\\a.wav"));
    passFor(20);
    EXPECT_FALSE(device.IsPlaying(L"sfx\\a.wav"));

    // Opening and seeking while it rests keep lengths and positions in the output's format.
    passFor(platform::SoundDevice::kRestMs + 20);
    ASSERT_FALSE(device.OutputOpen());
    CSoundGroup h;
    h.Open(L"sfx\\b.wav");
    EXPECT_EQ(h.Length(0), 200u);
    passFor(platform::SoundDevice::kRestMs + 20);
    ASSERT_FALSE(device.OutputOpen());
    g.Seek(100, 0);
    EXPECT_EQ(device.Play(L"sfx\\a.wav"), 0u);
    passFor(190);
    EXPECT_TRUE(device.IsPlaying(L"sfx\\a.wav"));
    passFor(20);
    EXPECT_FALSE(device.IsPlaying(L"sfx\\a.wav"));
}
