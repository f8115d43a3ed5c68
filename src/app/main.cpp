// Kestrova: entry point. Finds the asset folder, makes it the working folder, opens the
// desktop backend and runs the frame.
#include <cstdio>
#include <string>

#include "app/App.h"
#include "app/AssetFolder.h"
#include "platform/Files.h"
#include "platform/Utf.h"
#include "platform/desktop/DesktopBackend.h"

int main(int argc, char** argv) {
    std::string line;
    for (int i = 0; i < argc; ++i) {
        if (i) line += ' ';
        line += argv[i];
    }

    const std::wstring assets = FindAssetFolder();
    if (assets.empty() || !platform::SetWorkingFolder(assets)) {
        std::fputs(
            "kestrova: the asset folder (gfx, sfx, speech, data) was not found beside the program,\n"
            "in the installed data folder, or as assets/ of the source checkout.\n",
            stderr);
        return 1;
    }

    std::wstring error;
    auto backend = platform::CreateDesktopBackend(error);
    if (!backend) {
        std::fprintf(stderr, "kestrova: cannot open the display: %s\n", platform::Utf8FromWide(error).c_str());
        return 1;
    }
    platform::InstallBackend(std::move(backend));

    int code;
    {
        App app(platform::WideFromUtf8(line));
        code = app.Run();
    }
    platform::InstallBackend(nullptr);
    return code;
}
