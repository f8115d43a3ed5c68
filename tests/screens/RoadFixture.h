#pragma once
// The screens of a training day on the real frame, headless. Each test gets its own asset
// root: the shipped pictures, sounds and texts linked in (support/LinkedFiles.h), and a paths file that puts the
// profile folder into a fresh temporary folder, so no test touches a real trainee.
#include "support/TestPaths.h"
#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <string>
#include <thread>

#include "app/Harness.h"
#include "graphics/Sprite.h"
#include "platform/Utf.h"
#include "platform/Utf8Path.h"
#include "profiles/Profile.h"
#include "support/LinkedFiles.h"
#include "support/ScratchFolder.h"

// Runs the frame's passes, waiting a little between them, until done() holds (an outcome
// arriving from another thread, as a print's); false when it has not within four seconds.
template <class Done>
bool RunUntil(HeadlessHarness& harness, Done done) {
    for (int i = 0; i < 400 && !done(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        harness.RunPasses(1);
    }
    return done();
}

class RoadRoot {
public:
    RoadRoot() {
        namespace fs = std::filesystem;
        const fs::path assets = fs::path(testpaths::SourceDir()) / "assets";
        for (const char* part : kParts) testfiles::KeptFolders::OfThisRun().Take(assets / part, root_ / part);
        fs::create_directories(root_ / "data");
        for (const auto& e : fs::directory_iterator(assets / "data"))
            if (e.path().filename() != "paths.txt") testfiles::Link(e.path(), root_ / "data" / e.path().filename());
        fs::create_directories(root_ / "profiles");
        std::ofstream(root_ / "data" / "paths.txt", std::ios::binary) << (root_ / "profiles").string() << "/\r\n";
    }

    ~RoadRoot() {
        const std::filesystem::path assets = std::filesystem::path(testpaths::SourceDir()) / "assets";
        for (const char* part : kParts)
            if (!owned_.count(part)) testfiles::KeptFolders::OfThisRun().GiveBack(assets / part, root_ / part);
    }
    RoadRoot(const RoadRoot&) = delete;
    RoadRoot& operator=(const RoadRoot&) = delete;

    // The test's own empty folder in place of the shipped part ("gfx"), for the test to fill.
    std::filesystem::path Own(const std::string& part) {
        std::filesystem::remove_all(root_ / part);
        std::filesystem::create_directories(root_ / part);
        owned_.insert(part);
        return root_ / part;
    }

    std::wstring Assets() const { return platform::WideFromUtf8(platform::Utf8FromPath(root_)); }
    std::filesystem::path Profiles() const { return root_ / "profiles"; }
    std::wstring ProfileFolder() const { return platform::WideFromUtf8(platform::Utf8FromPath(Profiles())) + L"/"; }
    // file: a name in UTF-8, such as "Åsa.pro"
    bool Has(const std::string& file) const {
        return std::filesystem::exists(Profiles() / platform::PathFromUtf8(file));
    }
    size_t FileCount() const {
        size_t n = 0;
        for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(Profiles())) ++n;
        return n;
    }
    std::string Read(const std::string& file) const {
        std::ifstream in(Profiles() / platform::PathFromUtf8(file), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    static constexpr const char* kParts[] = {"gfx", "sfx", "speech"};
    ScratchFolder scratch_{"road"};
    std::set<std::string> owned_;
    std::filesystem::path root_ = scratch_.Path();
};

class RoadTest : public ::testing::Test {
protected:
    void SetUp() override { harness = std::make_unique<HeadlessHarness>(commandLine, root.Assets()); }
    void TearDown() override { harness.reset(); }

    HeadlessHarness& H() { return *harness; }
    platform::HeadlessBackend& Os() { return harness->Os(); }
    Profile& P() { return harness->Frame().ActiveProfile(); }
    template <class Screen>
    Screen& As() {
        auto* s = dynamic_cast<Screen*>(harness->Screen());
        if (!s) throw std::runtime_error("not the expected screen");
        return *s;
    }

    // Writes a trainee's three files with the defaults and what change makes of them.
    template <class Change>
    void AddTrainee(const std::wstring& name, Change change) {
        Profile p;
        p.folder = root.ProfileFolder();
        p.name = name;
        change(p);
        ASSERT_TRUE(p.Save(true, true, true));
    }
    void AddTrainee(const std::wstring& name) {
        AddTrainee(name, [](Profile&) {});
    }

    // Presses and moves through the frame's input, as the window would deliver them.
    void ClickOn(const CSprite& s, int dx = -1, int dy = -1) {
        const int x = static_cast<int>(s.x) + (dx < 0 ? static_cast<int>(s.width) / 2 : dx);
        const int y = static_cast<int>(s.y) + (dy < 0 ? static_cast<int>(s.height) / 2 : dy);
        harness->Click(x, y);
    }
    void MoveTo(int x, int y) {
        platform::InputEvent e;
        e.type = platform::EventType::MouseMove;
        e.x = x;
        e.y = y;
        Os().QueueEvent(e);
        harness->Drain();
    }
    void Type(const std::wstring& text) {
        Os().QueueTyping(text);
        harness->Drain();
    }
    void Go(int screenId) { ASSERT_TRUE(harness->Frame().SwitchTo(screenId)); }
    void Shot(const std::string& name) {
        if (const char* out = std::getenv("KESTROVA_SHOTS"))
            harness->SaveCanvas(platform::WideFromUtf8(std::string(out) + "/" + name));
    }

    std::wstring commandLine = L"kestrova window";
    RoadRoot root;
    std::unique_ptr<HeadlessHarness> harness;
};
