// A language choice and a language file from outside: the input's bytes up to the first
// 0x00 0xFF pair are "data\lang.txt", the rest is "data\lang\english.txt". A Swedish file is
// always present, so names that select it (in any case) are followed too. The loader must
// settle on a language with a file and hand out texts without fault.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/Files.h"
#include "platform/Utf.h"
#include "text/Language.h"

namespace {

// The fuzzer's own working folder, so the program's relative paths land there.
void EnterWorkFolder() {
    static bool done = false;
    if (done) return;
    done = true;
    // In memory where the system has a RAM folder: each input is written as two files.
    static const std::string folder = std::string(platform::FolderExists(L"/dev/shm") ? "/dev/shm" : "/tmp") +
                                      "/kestrova-fuzz-language-" + std::to_string(::getpid());
    const std::wstring root = platform::WideFromUtf8(folder);
    std::atexit([] {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    });
    if (!platform::CreateFolder(root) || !platform::SetWorkingFolder(root) || !platform::CreateFolder(L"data") ||
        !platform::CreateFolder(L"data\\lang") ||
        !platform::WriteFileAtomic(L"data\\lang\\swedish.txt", "Minnestr\xE4ning\r\nLjud\r\n"))
        std::abort();
}

// A plain write: the atomic one flushes to disk, which would slow every run down.
bool Put(const std::wstring& path, const std::string& bytes) {
    std::FILE* f = std::fopen(platform::NativePath(path).c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EnterWorkFolder();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const size_t cut = bytes.find(std::string("\0\xFF", 2));
    const std::string choice = bytes.substr(0, cut);
    const std::string texts = cut == std::string::npos ? std::string() : bytes.substr(cut + 2);
    if (!Put(L"data\\lang.txt", choice) || !Put(L"data\\lang\\english.txt", texts)) return 0;

    LanguageTexts language;
    language.ChooseLanguage();
    language.ApplyLocale();
    language.LoadTexts();
    const std::wstring name = language.GetLanguage();
    if (name != L"english" && name != L"swedish") std::abort();
    if (name == L"swedish" && language.GetText(1) != L"Ljud") std::abort();
    for (uint32_t n : {0u, 1u, 2u, 50u, 88u, 0xFFFFFFFFu}) {
        const std::wstring text = language.GetText(n);
        if (text.find_first_of(L"\r\n") != std::wstring::npos) std::abort();
    }
    return 0;
}
