// The folder chooser: the program's own chooser on the canvas (its list, keys, presses and
// modal run on a backend) and the desktop's dialog run as a child process.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "platform/NativeDialogs.h"
#include "ui/FolderChooser.h"
#include "platform/FolderTree.h"
#include "platform/ImageFile.h"
#include "platform/Utf.h"
#include "platform/headless/HeadlessBackend.h"
#include "support/ScratchFolder.h"

namespace {

namespace fs = std::filesystem;
using ui::FolderChooser;

class ChooserFolder {
public:
    ChooserFolder() {
        for (const char* d : {"beta", "Alpha", ".hidden", "beta/inner", "gamma"}) fs::create_directories(path / d);
        std::ofstream(path / "file.txt") << "x";
    }
    ScratchFolder scratch{"chooser"};
    fs::path path = scratch.Path();
};

platform::InputEvent Key(int vk) {
    platform::InputEvent e;
    e.type = platform::EventType::KeyDown;
    e.key = vk;
    return e;
}
platform::InputEvent Press(const FolderChooser::Box& b) {
    platform::InputEvent e;
    e.type = platform::EventType::MouseDown;
    e.x = b.x + b.w / 2;
    e.y = b.y + b.h / 2;
    return e;
}

const platform::FolderDialogTexts kTexts{L"Choose a folder for the copy", L"OK", L"Cancel"};

TEST(FolderChooser, ListsTheVisibleSubFoldersInNameOrder) {
    ChooserFolder f;
    FolderChooser c(kTexts, f.path.string());
    EXPECT_EQ(c.Current(), f.path.string());
    EXPECT_EQ(c.Folders(), (std::vector<std::string>{"Alpha", "beta", "gamma"}));
    EXPECT_EQ(c.Selected(), 0);
    // A start folder that is not there gives the home folder.
    FolderChooser home(kTexts, (f.path / "nowhere").string());
    EXPECT_EQ(home.Current(), platform::HomeFolder());
}

TEST(FolderChooser, KeysMoveOpenAndGoUp) {
    ChooserFolder f;
    FolderChooser c(kTexts, f.path.string());
    EXPECT_EQ(c.Handle(Key(platform::VK_DOWN)), FolderChooser::Result::Open);
    EXPECT_EQ(c.Selected(), 1);
    c.Handle(Key(platform::VK_END));
    EXPECT_EQ(c.Selected(), 2);
    c.Handle(Key(platform::VK_DOWN));  // stays on the last
    EXPECT_EQ(c.Selected(), 2);
    c.Handle(Key(platform::VK_UP));
    c.Handle(Key(platform::VK_RETURN));
    EXPECT_EQ(c.Current(), f.path.string() + "/beta");
    EXPECT_EQ(c.Folders(), std::vector<std::string>{"inner"});
    c.Handle(Key(platform::VK_BACK));
    EXPECT_EQ(c.Current(), f.path.string());
    EXPECT_EQ(c.Selected(), 1);  // the folder we came from
    EXPECT_EQ(c.Handle(Key(platform::VK_ESCAPE)), FolderChooser::Result::Cancelled);
}

TEST(FolderChooser, PressesSelectThenOpenAndTheButtonsDecide) {
    ChooserFolder f;
    FolderChooser c(kTexts, f.path.string());
    c.Handle(Press(FolderChooser::RowBox(2)));
    EXPECT_EQ(c.Selected(), 2);
    EXPECT_EQ(c.Current(), f.path.string());
    c.Handle(Press(FolderChooser::RowBox(2)));
    EXPECT_EQ(c.Current(), f.path.string() + "/gamma");
    EXPECT_TRUE(c.Folders().empty());
    EXPECT_EQ(c.Selected(), -1);
    c.Handle(Press(FolderChooser::RowBox(0)));  // an empty row does nothing
    EXPECT_EQ(c.Current(), f.path.string() + "/gamma");
    c.Handle(Press(FolderChooser::UpBox()));
    EXPECT_EQ(c.Current(), f.path.string());
    EXPECT_EQ(c.Handle(Press(FolderChooser::OkBox())), FolderChooser::Result::Chosen);
    EXPECT_EQ(c.Handle(Press(FolderChooser::CancelBox())), FolderChooser::Result::Cancelled);
    platform::InputEvent quit;
    quit.type = platform::EventType::Quit;
    EXPECT_EQ(c.Handle(quit), FolderChooser::Result::Cancelled);
}

TEST(FolderChooser, UpStopsAtTheRootAndLongListsScroll) {
    // Above a root lies the list of roots where there are several (Windows' drives), else nothing.
    const std::vector<std::string> roots = platform::FolderRoots();
    ASSERT_FALSE(roots.empty());
    const std::string top = roots.size() > 1 ? std::string() : roots.front();
    FolderChooser root(kTexts, roots.front());
    root.Up();
    EXPECT_EQ(root.Current(), top);
    root.Up();
    EXPECT_EQ(root.Current(), top);
    ChooserFolder f;
    for (int i = 0; i < 30; ++i) fs::create_directories(f.path / "many" / ("d" + std::to_string(100 + i)));
    FolderChooser c(kTexts, (f.path / "many").string());
    ASSERT_EQ(c.Folders().size(), 30u);
    for (int i = 0; i < 20; ++i) c.Handle(Key(platform::VK_DOWN));
    EXPECT_EQ(c.Selected(), 20);
    EXPECT_EQ(c.Top(), 20 - FolderChooser::kRows + 1);
    c.Handle(Key(platform::VK_HOME));
    EXPECT_EQ(c.Top(), 0);
}

TEST(FolderChooser, RunsModallyOnTheBackendUntilChosen) {
    ChooserFolder f;
    platform::HeadlessBackend os;
    os.QueueEvent(Key(platform::VK_DOWN));
    os.QueueEvent(Key(platform::VK_RETURN));
    os.QueueEvent(Press(FolderChooser::OkBox()));
    std::wstring chosen;
    ASSERT_TRUE(ui::RunFolderChooser(os, kTexts, f.path.string(), chosen));
    EXPECT_EQ(chosen, platform::WideFromUtf8(f.path.string() + "/beta"));
    EXPECT_GE(os.PresentCount(), 1);
    os.QueueEvent(Key(platform::VK_ESCAPE));
    EXPECT_FALSE(ui::RunFolderChooser(os, kTexts, f.path.string(), chosen));
}

TEST(FolderChooser, DrawsItsPanelListAndButtons) {
    ChooserFolder f;
    FolderChooser c(kTexts, f.path.string());
    c.Handle(Key(platform::VK_DOWN));
    std::vector<uint32_t> pixels(800 * 600);
    c.Draw(pixels.data(), 3200);
    EXPECT_EQ(pixels[5 * 800 + 5], 0xFF1E3A6Eu);  // backdrop
    const FolderChooser::Box row = FolderChooser::RowBox(1);
    EXPECT_EQ(pixels[static_cast<size_t>(row.y + 2) * 800 + row.x + row.w - 3], 0xFFBFD4F5u);  // the selected row
    const FolderChooser::Box ok = FolderChooser::OkBox();
    EXPECT_EQ(pixels[static_cast<size_t>(ok.y + 2) * 800 + ok.x + 2], 0xFF4069B0u);
    if (const char* out = std::getenv("KESTROVA_SHOTS"))
        platform::SavePixelsAsPng(pixels.data(), 800, 600, 3200,
                                  platform::WideFromUtf8(std::string(out) + "/folderchooser.png"));
}

// The desktop dialog, played by a script of the same name on PATH.
class NativeDialog : public ::testing::Test {
protected:
    void SetUp() override {
        const char* p = std::getenv("PATH");
        oldPath = p ? p : "";
        bin = folder.path / "bin";
        fs::create_directories(bin);
        ::setenv("PATH", bin.string().c_str(), 1);
    }
    void TearDown() override { ::setenv("PATH", oldPath.c_str(), 1); }
    void Script(const std::string& name, const std::string& body) {
        const fs::path file = bin / name;
        std::ofstream(file) << "#!/bin/sh\n" << body << "\n";
        fs::permissions(file, fs::perms::owner_all);
    }
    ChooserFolder folder;
    fs::path bin;
    std::string oldPath;
};

TEST_F(NativeDialog, NoneOnThePathLeavesItToTheCanvas) {
    std::string chosen;
    EXPECT_FALSE(platform::HasNativeFolderDialog());
    EXPECT_EQ(platform::RunNativeFolderDialog(kTexts, "/", chosen), -1);
}

TEST_F(NativeDialog, ZenityAnswersWithTheFolderOrCancels) {
    // The script answers with the title it was given, as a folder below the start.
    Script("zenity",
           "for a in \"$@\"; do case \"$a\" in --title=*) t=\"${a#--title=}\";; --filename=*) f=\"${a#--filename=}\";; "
           "esac; done\n"
           "echo \"$f$t\"");
    ASSERT_TRUE(platform::HasNativeFolderDialog());
    std::string chosen;
    ASSERT_EQ(platform::RunNativeFolderDialog(kTexts, "/data/x", chosen), 1);
    EXPECT_EQ(chosen, "/data/x/Choose a folder for the copy");
    Script("zenity", "exit 1");
    chosen.clear();
    EXPECT_EQ(platform::RunNativeFolderDialog(kTexts, "/", chosen), 0);
    EXPECT_TRUE(chosen.empty());
}

TEST_F(NativeDialog, KdialogWhenThereIsNoZenity) {
    Script("kdialog", "echo \"$2/picked\"");
    std::string chosen;
    ASSERT_EQ(platform::RunNativeFolderDialog(kTexts, "/start", chosen), 1);
    EXPECT_EQ(chosen, "/start/picked");
}

}  // namespace
