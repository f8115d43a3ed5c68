// The Windows services of the platform layer, run under Windows (or Wine).
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "platform/Files.h"
#include "platform/FolderTree.h"
#include "platform/PdfDocument.h"
#include "platform/UserConfig.h"
#include "platform/Utf.h"
#include "platform/windows/Services.h"
#include "profiles/Profile.h"
#include "support/TempFolder.h"
#include "ui/FolderList.h"

namespace {

std::vector<std::wstring> Names(const std::wstring& pattern) {
    std::vector<std::wstring> names;
    for (const auto& f : platform::FindFiles(pattern)) names.push_back(f.name);
    return names;
}

TEST(WindowsFolders, DocumentsAndSettingsAreTheUsersOwn) {
    const std::wstring documents = platform::DocumentsFolder();
    ASSERT_FALSE(documents.empty());
    EXPECT_TRUE(platform::IsNativePath(documents));
    EXPECT_TRUE(platform::FolderExists(documents));

    // "USER" in the paths file: the trainees' folder is Documents\<title>, made when missing.
    TempFolder folder(true);
    folder.Put("paths.txt", "USER\r\n");
    bool made = false;
    const std::wstring title = L"KestrovaTest\u00c5";
    const std::wstring profiles = profiles::SettleProfileFolder(folder.File("paths.txt"), title, &made);
    EXPECT_EQ(profiles, documents + L"/" + title + L"/");
    EXPECT_TRUE(platform::FolderExists(profiles));
    EXPECT_TRUE(platform::WriteFileAtomic(profiles + L"Zo\u00eb.pro", "x"));
    EXPECT_TRUE(platform::DeleteFileAt(profiles + L"Zo\u00eb.pro"));
    EXPECT_TRUE(_wrmdir(profiles.c_str()) == 0) << "the folder held only the test's file";

    const std::string settings = platform::UserConfigFolder();
    EXPECT_EQ(settings.substr(settings.size() - 9), "/Kestrova");
    ASSERT_TRUE(platform::WriteUserSetting("windows-test.txt", "window"));
    EXPECT_EQ(platform::ReadUserSetting("windows-test.txt"), "window");
    EXPECT_TRUE(platform::DeleteFileAt(platform::UserConfigFile("windows-test.txt")));
}

TEST(WindowsFiles, NamesKeepEveryLetter) {
    TempFolder folder;
    // Beyond the first 65536 letters a wide string holds a pair on Windows.
    const std::wstring names[] = {L"\u00c5sa", L"Zo\u00eb", L"\u00c5sa\U0001F600"};
    for (const auto& name : names) ASSERT_TRUE(platform::WriteFileAtomic(folder.File("") + name + L".pro", "bytes"));
    EXPECT_EQ(platform::Utf8FromWide(names[2]), "\xC3\x85sa\xF0\x9F\x98\x80");
    EXPECT_EQ(platform::WideFromUtf8("\xC3\x85sa\xF0\x9F\x98\x80"), names[2]);
    EXPECT_EQ(Names(folder.File("*.PRO")),
              (std::vector<std::wstring>{L"Zo\u00eb.pro", L"\u00c5sa.pro", L"\u00c5sa\U0001F600.pro"}));
    EXPECT_EQ(Names(folder.File("\u00e5SA.*")), std::vector<std::wstring>{L"\u00c5sa.pro"});
    std::string bytes;
    EXPECT_EQ(platform::ReadFileInFolder(folder.File(""), L"Zo\u00eb.pro", 100, bytes), platform::ReadResult::kRead);
    EXPECT_EQ(bytes, "bytes");
    // A name with a colon would write into a hidden stream of another file; it is refused.
    EXPECT_FALSE(platform::WriteFileAtomic(folder.File("a:b.pro"), "x"));
    EXPECT_FALSE(platform::FileExists(folder.File("a")));
    EXPECT_EQ(platform::ReadFileInFolder(folder.File(""), L"\u00c5sa.pro:hidden", 100, bytes),
              platform::ReadResult::kRefused);
    // Paths shown to the user are written as Windows writes them.
    EXPECT_EQ(platform::ShownPath(L"C:/Users/\u00c5sa/Documents/Kestrova/"),
              L"C:\\Users\\\u00c5sa\\Documents\\Kestrova\\");
}

TEST(WindowsFiles, ReplacingAFileThatIsOpen) {
    TempFolder folder;
    const std::wstring target = folder.File("Kim.pro");
    ASSERT_TRUE(platform::WriteFileAtomic(target, "old"));
    {
        // The program's own readers let a save replace the file under them.
        platform::FileReader reader;
        ASSERT_TRUE(reader.Open(target));
        EXPECT_TRUE(platform::WriteFileAtomic(target, "new"));
        char buffer[8] = {};
        EXPECT_EQ(reader.Read(buffer, sizeof buffer), 3);
        EXPECT_EQ(std::string(buffer), "old");
    }
    EXPECT_EQ(folder.Get("Kim.pro"), "new");
    {
        // Another program holds it without letting it be replaced: the save fails, the file
        // keeps its content and no temporary file is left behind.
        std::ifstream holder(folder.Native("Kim.pro"));
        ASSERT_TRUE(holder.is_open());
        EXPECT_FALSE(platform::WriteFileAtomic(target, "newer"));
    }
    EXPECT_EQ(folder.Get("Kim.pro"), "new");
    EXPECT_EQ(Names(folder.File("*")), std::vector<std::wstring>{L"Kim.pro"});
}

// The canvas on one page, and a document's A4 pages (text, lines, fills) played back on the
// printer.
TEST(WindowsPrinting, PictureAndDocumentOnTheDefaultPrinter) {
    if (platform::DefaultPrinterName().empty())
        GTEST_SKIP() << "no default printer: Wine offers printers only from a running CUPS server";
    std::vector<uint32_t> pixels(800 * 600, 0xFF3366CCu);
    EXPECT_TRUE(platform::PrintOnDefaultPrinter(pixels.data(), 800 * 4, L"\u00c5sa"));

    platform::PdfDocument doc(L"\u00c5sa pages");
    for (int page = 1; page <= 2; ++page) {
        doc.NewPage();
        doc.Text(L"Page " + std::to_wstring(page) + L" \u00e5\u00e4\u00f6", 60, 60, 24, true);
        doc.FillRect(0xFF3366CCu, 60, 120, 200, 100);
        doc.Line(0xFF000000u, 2, 60, 260, 535, 260);
    }
    const platform::PrintableDocument printable = doc.Finish();
    ASSERT_TRUE(printable.pages);
    EXPECT_EQ(printable.pdf.compare(0, 5, "%PDF-"), 0);  // the Windows libraries make PDF as well
    EXPECT_TRUE(platform::PrintPagesOnDefaultPrinter(*printable.pages, L"\u00c5sa pages"));
}

// The program's own chooser walks up from a drive's top to the list of drives and back down.
TEST(WindowsFolders, ChoosersWalkAcrossDrives) {
    const std::vector<std::string> roots = platform::FolderRoots();
    ASSERT_FALSE(roots.empty());
    EXPECT_NE(std::find(roots.begin(), roots.end(), "C:/"), roots.end());
    EXPECT_EQ(platform::ParentFolder("C:/Users"), "C:/");
    EXPECT_EQ(platform::ParentFolder("C:/"), "");
    EXPECT_EQ(platform::JoinFolder("C:/Users", "D:\\pictures\\x.png"), "D:\\pictures\\x.png");

    ui::FolderList list(ui::FolderList::Style{8, 40, 18, false, L"", true}, "C:/");
    list.Up();
    EXPECT_EQ(list.Current(), "");
    ASSERT_EQ(list.Entries().size(), roots.size());
    EXPECT_EQ(list.Entries()[static_cast<size_t>(list.Selected())].name, "C:/");  // where the walk came from
    list.Open(list.Selected());
    EXPECT_EQ(list.Current(), "C:/");
}

}  // namespace
