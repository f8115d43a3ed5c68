// The save dialog: how a chosen name is made final (extension, unusable names, replacing),
// the scripted dialog of the headless backend, and the dialog drawn on the canvas.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/Harness.h"
#include "platform/NativeDialogs.h"
#include "ui/SaveDialog.h"
#include "platform/Utf.h"
#include "support/TempFolder.h"

using platform::SaveChoice;

namespace {

class SaveDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.Put("old.png", "x");
        folder.Put("notes.txt", "x");
        folder.Put("pictures/inner.png", "x");
        request.title = L"Save the statistics";
        request.pattern = L"*.png";
        request.filterName = L"Picture (*.png)";
        request.defaultExtension = L"png";
        request.replaceQuestion = L"already exists. Do you want to replace it?";
        request.folder = platform::WideFromUtf8(folder.Native(""));
    }
    platform::HeadlessBackend& Os() { return harness.Os(); }
    platform::InputEvent Press(const ui::SaveDialog::Box& box) {
        platform::InputEvent e;
        e.type = platform::EventType::MouseDown;
        e.x = box.x + 5;
        e.y = box.y + 5;
        return e;
    }
    platform::InputEvent Key(int key) {
        platform::InputEvent e;
        e.type = platform::EventType::KeyDown;
        e.key = key;
        return e;
    }

    HeadlessHarness harness;
    TempFolder folder;
    platform::SaveFileRequest request;
};

}  // namespace

TEST_F(SaveDialogTest, ChosenNamesAreMadeFinal) {
    struct Case {
        std::string chosen;  // "" = empty; a leading "@" is put in the test folder
        int answer;          // to the replace question: -1 none asked, 0 No, 1 Yes
        SaveChoice expected;
        std::string finalName;  // in the test folder
    };
    const Case cases[] = {
        {"@week", -1, SaveChoice::Accepted, "week.png"},
        {"@week.PNG", -1, SaveChoice::Accepted, "week.PNG"},
        {"@table.csv", -1, SaveChoice::Accepted, "table.csv"},
        {"@old", 0, SaveChoice::Refused, ""},  // becomes old.png, which exists
        {"@old.png", 1, SaveChoice::Accepted, "old.png"},
        {"@pictures", -1, SaveChoice::Invalid, ""},  // pictures.png would do, pictures/ is a folder
        {"@missing/week.png", -1, SaveChoice::Invalid, ""},
        {"@..", -1, SaveChoice::Invalid, ""},
        {"week.png", -1, SaveChoice::Invalid, ""},  // relative: would land in the program's folder
        {"", -1, SaveChoice::Invalid, ""},
    };
    folder.Put("pictures.png/x", "x");  // a folder named like the file with its extension
    for (const Case& c : cases) {
        const std::string chosen = c.chosen.rfind('@', 0) == 0 ? folder.Native(c.chosen.substr(1)) : c.chosen;
        if (c.answer >= 0) Os().QueueAnswer(c.answer == 1);
        std::wstring path = L"unchanged";
        const SaveChoice got = platform::FinishSaveChoice(Os(), request, platform::WideFromUtf8(chosen), path);
        EXPECT_EQ(got, c.expected) << c.chosen;
        if (c.expected == SaveChoice::Accepted)
            EXPECT_EQ(path, folder.File(c.finalName)) << c.chosen;
        else
            EXPECT_EQ(path, L"unchanged") << c.chosen;
    }
    // Only the two names of existing files were asked about.
    ASSERT_EQ(Os().Questions().size(), 2u);
    EXPECT_EQ(Os().Questions()[0], L"Save the statistics: old.png already exists. Do you want to replace it?");
}

TEST_F(SaveDialogTest, ScriptedDialogAsksAgainAfterARefusal) {
    Os().QueueSaveFile(folder.File("old"));
    Os().QueueAnswer(false);  // do not replace old.png
    Os().QueueSaveFile(folder.File("pictures/new"));
    std::wstring path;
    ASSERT_TRUE(Os().ChooseSaveFile(request, path));
    EXPECT_EQ(path, folder.File("pictures/new.png"));
    ASSERT_EQ(Os().SaveRequests().size(), 2u);
    // Asked again where the user was, with the name given.
    EXPECT_EQ(Os().SaveRequests()[1].fileName, L"old");
    EXPECT_EQ(Os().SaveRequests()[1].defaultExtension, L"png");

    Os().QueueSaveFile(L"");  // cancelled
    EXPECT_FALSE(Os().ChooseSaveFile(request, path));
    EXPECT_FALSE(Os().ChooseSaveFile(request, path));  // nothing scripted: cancelled as well
}

TEST_F(SaveDialogTest, CanvasDialog) {
    ui::SaveDialog dialog(request);
    using R = ui::SaveDialog::Result;
    using D = ui::SaveDialog;
    // Folders first, then the pictures; other files are not listed.
    ASSERT_EQ(dialog.Entries().size(), 2u);
    EXPECT_EQ(dialog.Entries()[0].name, "pictures");
    EXPECT_TRUE(dialog.Entries()[0].folder);
    EXPECT_EQ(dialog.Entries()[1].name, "old.png");

    // A file row gives its name; pressing it again chooses it.
    EXPECT_EQ(dialog.Handle(Press(D::RowBox(1))), R::Open);
    EXPECT_EQ(dialog.Name(), L"old.png");
    EXPECT_EQ(dialog.Handle(Press(D::RowBox(1))), R::Chosen);
    EXPECT_EQ(dialog.ChosenPath(), folder.File("old.png"));

    // A switch's Space types nothing until the name is entered; then typed text goes to the
    // name; Enter chooses it. Save without a name does nothing.
    dialog.SetName(L"");
    EXPECT_EQ(dialog.Handle(Press(D::SaveBox())), R::Open);
    EXPECT_EQ(dialog.Handle(Key(platform::VK_RETURN)), R::Open);
    platform::InputEvent typed;
    typed.type = platform::EventType::Text;
    typed.text = L" ";
    EXPECT_EQ(dialog.Handle(Key(platform::VK_SPACE)), R::Open);
    EXPECT_EQ(dialog.Handle(typed), R::Open);
    EXPECT_EQ(dialog.Name(), L"");
    EXPECT_EQ(dialog.Handle(Press(D::NameBox())), R::Open);
    typed.text = L"vecka";
    EXPECT_EQ(dialog.Handle(typed), R::Open);
    EXPECT_EQ(dialog.Name(), L"vecka");
    EXPECT_EQ(dialog.Handle(Key(platform::VK_RETURN)), R::Chosen);
    EXPECT_EQ(dialog.ChosenPath(), folder.File("vecka"));

    // A folder row opens on the second press; Up goes back.
    EXPECT_EQ(dialog.Handle(Press(D::RowBox(0))), R::Open);
    EXPECT_EQ(dialog.Entries().size(), 2u);
    EXPECT_EQ(dialog.Handle(Press(D::RowBox(0))), R::Open);
    ASSERT_EQ(dialog.Entries().size(), 1u);
    EXPECT_EQ(dialog.Entries()[0].name, "inner.png");
    EXPECT_EQ(dialog.ChosenPath(), folder.File("pictures/vecka"));
    EXPECT_EQ(dialog.Handle(Press(D::UpBox())), R::Open);
    EXPECT_EQ(dialog.Entries().size(), 2u);

    std::vector<uint32_t> pixels(800 * 600);
    dialog.Draw(pixels.data(), 800 * 4);
    EXPECT_EQ(pixels[0], 0xFF1E3A6Eu);                                    // the backdrop
    EXPECT_EQ(pixels[static_cast<size_t>(45 * 800 + 105)], 0xFFF4F6FBu);  // the panel

    EXPECT_EQ(dialog.Handle(Key(platform::VK_ESCAPE)), R::Cancelled);
    EXPECT_EQ(dialog.Handle(Press(D::CancelBox())), R::Cancelled);
}

// The desktop's own dialog, played by a script of the same name on PATH: it writes down its
// arguments and answers with the name it was offered.
TEST_F(SaveDialogTest, NativeDialogGetsTheRequest) {
    const char* oldPath = std::getenv("PATH");
    const std::string saved = oldPath ? oldPath : "";
    folder.Put("bin/.keep", "");
    ::setenv("PATH", folder.Native("bin").c_str(), 1);
    const auto script = [&](const std::string& name, const std::string& body) {
        folder.Put("bin/" + name, "#!/bin/sh\n" + body + "\n");
        std::filesystem::permissions(folder.Native("bin/" + name), std::filesystem::perms::owner_all);
    };
    request.fileName = L"Maja";
    std::string chosen;
    EXPECT_EQ(platform::RunNativeSaveDialog(request, chosen), -1);  // none installed

    script("kdialog", "echo \"$2\"; printf '%s\\n' \"$@\" > \"${0%/*}/args\"");
    ASSERT_EQ(platform::RunNativeSaveDialog(request, chosen), 1);
    EXPECT_EQ(chosen, folder.Native("Maja"));
    EXPECT_EQ(folder.Get("bin/args"), "--getsavefilename\n" + folder.Native("Maja") +
                                          "\n*.png|Picture (*.png)\n--title\nSave the statistics\n");

    script("zenity", "printf '%s\\n' \"$@\" > \"${0%/*}/args\"; echo /chosen/week");
    ASSERT_EQ(platform::RunNativeSaveDialog(request, chosen), 1);
    EXPECT_EQ(chosen, "/chosen/week");
    EXPECT_EQ(folder.Get("bin/args"), "--file-selection\n--save\n--title=Save the statistics\n--filename=" +
                                          folder.Native("Maja") + "\n--file-filter=Picture (*.png) | *.png\n");
    script("zenity", "exit 1");  // cancelled
    EXPECT_EQ(platform::RunNativeSaveDialog(request, chosen), 0);
    ::setenv("PATH", saved.c_str(), 1);
}
