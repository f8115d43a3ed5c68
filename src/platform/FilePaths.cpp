#include "platform/FilePaths.h"

#include <dirent.h>
#include <locale.h>
#include <sys/stat.h>
#include <wctype.h>

#include <algorithm>

#include "platform/FilesDetail.h"
#include "platform/Utf.h"

namespace platform {
namespace files_detail {

bool StatIs(const std::string& p, bool wantFolder, bool any) {
    struct stat st {};
    if (::stat(p.c_str(), &st) != 0) return false;
    if (any) return true;
    return wantFolder ? S_ISDIR(st.st_mode) : S_ISREG(st.st_mode);
}

bool IsNative(const std::string& p) { return !p.empty() && p[0] == '/'; }

const wchar_t* const kRealPathSeparators = L"/";

std::string Slashes(const std::wstring& path) {
    std::string p = Utf8FromWide(path);
    if (!IsNative(p)) std::replace(p.begin(), p.end(), '\\', '/');
    return p;
}

}  // namespace files_detail

using namespace files_detail;

namespace {

// Case folding without the program's locale: the UTF-8 C locale knows every letter; where it
// is missing, the Latin, Greek and Cyrillic letters are folded by their code ranges.
wchar_t FoldChar(wchar_t c) {
    static const locale_t utf8 = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    if (c < 0x80) return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 32) : c;
    if (utf8) return static_cast<wchar_t>(::towlower_l(static_cast<wint_t>(c), utf8));
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3AB && c != 0x3A2) || (c >= 0x410 && c <= 0x42F))
        return static_cast<wchar_t>(c + 32);
    if (c >= 0x400 && c <= 0x40F) return static_cast<wchar_t>(c + 80);
    if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x138 && c != 0x149 && c != 0x178) {
        const bool oddLower = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        return oddLower ? ((c & 1) ? static_cast<wchar_t>(c + 1) : c) : static_cast<wchar_t>(c | 1);
    }
    if (c == 0x178) return 0xFF;
    return c;
}

// Finds an entry of folder whose name equals name case-insensitively.
bool FindCaseless(const std::string& folder, const std::string& name, std::string& found) {
    DIR* d = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!d) return false;
    const std::wstring want = FoldCase(WideFromUtf8(name));
    bool ok = false;
    while (dirent* e = ::readdir(d)) {
        if (FoldCase(WideFromUtf8(e->d_name)) == want) {
            found = e->d_name;
            ok = true;
            break;
        }
    }
    ::closedir(d);
    return ok;
}

}  // namespace

bool IsNativePath(const std::wstring& path) { return !path.empty() && path[0] == L'/'; }

std::wstring ShownPath(const std::wstring& path) { return path; }

std::wstring FoldCase(const std::wstring& text) {
    std::wstring out = text;
    for (auto& c : out) c = FoldChar(c);
    return out;
}

std::string NativePath(const std::wstring& path) { return Resolve(Slashes(path)); }

namespace files_detail {

// A program path with a component in the wrong letter case finds the entry that exists:
// the asset pack is named as on a case-insensitive file system. Real paths are taken as
// they are.
std::string Resolve(const std::string& p) {
    if (p.empty() || IsNative(p) || StatIs(p, false, true)) return p;
    // Resolve component by component, case-insensitively where the exact name is absent.
    std::string out;
    size_t pos = 0;
    if (p[0] == '/') {
        out = "/";
        pos = 1;
    }
    while (pos <= p.size()) {
        size_t next = p.find('/', pos);
        if (next == std::string::npos) next = p.size();
        std::string part = p.substr(pos, next - pos);
        if (!part.empty()) {
            std::string candidate = out.empty() ? part : (out.back() == '/' ? out + part : out + "/" + part);
            if (!StatIs(candidate, false, true) && part != "." && part != "..") {
                std::string found;
                std::string folder = out.empty() ? "." : out;
                if (FindCaseless(folder, part, found))
                    candidate = out.empty() ? found : (out.back() == '/' ? out + found : out + "/" + found);
            }
            out = candidate;
        }
        pos = next + 1;
    }
    if (!p.empty() && p.back() == '/' && (out.empty() || out.back() != '/')) out += '/';
    return out;
}

}  // namespace files_detail

bool FileExists(const std::wstring& path) { return StatIs(NativePath(path), false, true); }
bool FolderExists(const std::wstring& path) { return StatIs(NativePath(path), true, false); }

}  // namespace platform
