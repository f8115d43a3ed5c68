#include "app/AssetFolder.h"

#include "platform/Files.h"
#include "platform/Utf.h"

bool LooksLikeAssetFolder(const std::wstring& folder) {
    return platform::FolderExists(folder + L"/gfx") && platform::FolderExists(folder + L"/data");
}

std::wstring FindAssetFolder() {
    const std::wstring exe = platform::ExecutableFolder();
    const std::wstring candidates[] = {
        exe,
        exe + L"/assets",
        // Installed: bin/kestrova beside share/kestrova, wherever the tree was unpacked.
        exe + L"/../share/kestrova",
        platform::WideFromUtf8(KESTROVA_DATA_DIR),
        platform::WideFromUtf8(KESTROVA_SOURCE_DIR "/assets"),
    };
    for (const auto& c : candidates)
        if (LooksLikeAssetFolder(c)) return c;
    return L"";
}
