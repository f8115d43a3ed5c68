// Checks the shipped asset pack against assets/manifest.txt and checks the
// formats the program relies on: WAV files it can play, PNG files it can
// decode, language files with every text the screens ask for, and position
// and number lists the exercises can draw their sequences from.
#include "support/TestPaths.h"
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <regex>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

fs::path AssetRoot() { return fs::path(testpaths::SourceDir()) / "assets"; }

std::string ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// Wildcard match as the program's file search does it, without regard to case.
bool Match(const std::string& pat, const std::string& name) {
    size_t p = 0, n = 0, star = std::string::npos, mark = 0;
    while (n < name.size()) {
        if (p < pat.size() && (pat[p] == '?' || std::tolower(static_cast<unsigned char>(pat[p])) ==
                                                    std::tolower(static_cast<unsigned char>(name[n])))) {
            ++p;
            ++n;
        } else if (p < pat.size() && pat[p] == '*') {
            star = p++;
            mark = n;
        } else if (star != std::string::npos) {
            p = star + 1;
            n = ++mark;
        } else {
            return false;
        }
    }
    while (p < pat.size() && pat[p] == '*') ++p;
    return p == pat.size();
}

std::vector<std::string> SplitBackslash(const std::string& s) {
    std::vector<std::string> parts;
    std::string cur;
    for (char c : s) {
        if (c == '\\') {
            parts.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    parts.push_back(cur);
    return parts;
}

// Files matching a program path: folders are taken with their exact case
// (the pack is case-sensitive on disk), the last part may hold wildcards.
std::vector<std::string> Glob(const std::string& programPath) {
    std::vector<std::string> parts = SplitBackslash(programPath);
    fs::path dir = AssetRoot();
    for (size_t i = 0; i + 1 < parts.size(); ++i) dir /= parts[i];
    std::vector<std::string> names;
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) return names;
    for (const auto& e : fs::directory_iterator(dir)) {
        if (!e.is_regular_file()) continue;
        std::string name = e.path().filename().string();
        bool wild = parts.back().find_first_of("*?") != std::string::npos;
        if (wild ? Match(parts.back(), name) : name == parts.back()) names.push_back(name);
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return Lower(a) < Lower(b); });
    return names;
}

std::vector<std::string> Languages() {
    std::vector<std::string> langs;
    for (const auto& e : fs::directory_iterator(AssetRoot() / "data" / "lang"))
        if (e.path().extension() == ".txt") langs.push_back(e.path().stem().string());
    std::sort(langs.begin(), langs.end());
    return langs;
}

// Lines of a text file as the program's reader delivers them: byte-order
// mark dropped, CR LF / CR / LF each end a line, a final break gives one
// more empty line.
std::vector<std::string> Lines(const fs::path& p) {
    std::string s = ReadAll(p);
    if (s.compare(0, 3, "\xEF\xBB\xBF") == 0) s.erase(0, 3);
    std::vector<std::string> lines;
    std::string cur;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' || s[i] == '\n') {
            lines.push_back(cur);
            cur.clear();
            if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
        } else {
            cur += s[i];
        }
    }
    lines.push_back(cur);
    return lines;
}

std::vector<fs::path> FilesWithExtension(const std::string& ext) {
    std::vector<fs::path> out;
    for (const auto& e : fs::recursive_directory_iterator(AssetRoot()))
        if (e.is_regular_file() && Lower(e.path().extension().string()) == ext) out.push_back(e.path());
    return out;
}

uint32_t U32(const std::string& s, size_t at) {
    return uint32_t(uint8_t(s[at])) | uint32_t(uint8_t(s[at + 1])) << 8 | uint32_t(uint8_t(s[at + 2])) << 16 |
           uint32_t(uint8_t(s[at + 3])) << 24;
}
uint16_t U16(const std::string& s, size_t at) { return uint16_t(uint8_t(s[at]) | uint8_t(s[at + 1]) << 8); }
uint32_t Be32(const std::string& s, size_t at) {
    return uint32_t(uint8_t(s[at])) << 24 | uint32_t(uint8_t(s[at + 1])) << 16 | uint32_t(uint8_t(s[at + 2])) << 8 |
           uint32_t(uint8_t(s[at + 3]));
}

struct ManifestEntry {
    int line;
    int minimum;
    std::string path;
};

std::vector<ManifestEntry> Manifest() {
    std::vector<ManifestEntry> entries;
    std::ifstream in(AssetRoot() / "manifest.txt");
    std::string line;
    int n = 0;
    while (std::getline(in, line)) {
        ++n;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        std::istringstream ls(line);
        ManifestEntry e{n, 0, {}};
        ls >> e.minimum >> e.path;
        entries.push_back(e);
    }
    return entries;
}

std::string Expand(std::string path, const std::string& lang) {
    const std::string key = "{lang}";
    for (size_t at; (at = path.find(key)) != std::string::npos;) path.replace(at, key.size(), lang);
    return path;
}

}  // namespace

TEST(AssetPack, ManifestEntriesAreSatisfied) {
    std::vector<ManifestEntry> entries = Manifest();
    ASSERT_GT(entries.size(), 50u) << "manifest missing or nearly empty";
    std::vector<std::string> langs = Languages();
    ASSERT_GE(langs.size(), 2u);
    for (const ManifestEntry& e : entries) {
        ASSERT_GE(e.minimum, 1) << "manifest line " << e.line;
        std::vector<std::string> variants;
        if (e.path.find("{lang}") != std::string::npos)
            for (const std::string& l : langs) variants.push_back(Expand(e.path, l));
        else
            variants.push_back(e.path);
        for (const std::string& p : variants) {
            EXPECT_EQ(p.find('/'), std::string::npos) << "use backslashes: " << p;
            size_t found = Glob(p).size();
            EXPECT_GE(found, size_t(e.minimum)) << p << " (manifest line " << e.line << ")";
        }
    }
}

// Frames of a sequence are loaded in name order, compared without case; the
// numbers in the names must come out in counting order (frame10 after frame9).
TEST(AssetPack, NumberedSequencesSortInCountingOrder) {
    for (const ManifestEntry& e : Manifest()) {
        if (e.path.find('*') == std::string::npos) continue;
        std::string pat = Expand(e.path, "english");
        std::string last = SplitBackslash(pat).back();
        size_t star = last.find('*');
        std::string prefix = last.substr(0, star), suffix = last.substr(star + 1);
        std::vector<long> numbers;
        bool allNumbers = true;
        for (const std::string& name : Glob(pat)) {
            std::string middle = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
            if (middle.empty() || !std::all_of(middle.begin(), middle.end(), ::isdigit)) {
                allNumbers = false;
                break;
            }
            numbers.push_back(std::stol(middle));
        }
        if (!allNumbers || numbers.size() < 2) continue;
        EXPECT_TRUE(std::is_sorted(numbers.begin(), numbers.end())) << pat;
        EXPECT_EQ(numbers.front(), numbers.front() == 0 ? 0 : 1) << pat << " starts at " << numbers.front();
    }
}

TEST(AssetPack, EveryWavIsMono16Bit22050) {
    std::vector<fs::path> wavs = FilesWithExtension(".wav");
    ASSERT_GT(wavs.size(), 20u);
    for (const fs::path& p : wavs) {
        SCOPED_TRACE(p.string());
        EXPECT_EQ(p.extension().string(), ".wav") << "the sound player takes only lower-case .wav";
        std::string s = ReadAll(p);
        ASSERT_GE(s.size(), 44u);
        ASSERT_EQ(s.substr(0, 4), "RIFF");
        ASSERT_EQ(s.substr(8, 4), "WAVE");
        EXPECT_EQ(U32(s, 4), s.size() - 8);
        bool fmt = false;
        uint32_t dataBytes = 0;
        for (size_t at = 12; at + 8 <= s.size();) {
            std::string id = s.substr(at, 4);
            uint32_t size = U32(s, at + 4);
            ASSERT_LE(at + 8 + size, s.size()) << "chunk " << id << " runs past the end";
            if (id == "fmt ") {
                fmt = true;
                EXPECT_EQ(U16(s, at + 8), 1) << "PCM";
                EXPECT_EQ(U16(s, at + 10), 1) << "mono";
                EXPECT_EQ(U32(s, at + 12), 22050u);
                EXPECT_EQ(U16(s, at + 22), 16) << "bits";
            } else if (id == "data") {
                dataBytes = size;
            }
            at += 8 + size + (size & 1);
        }
        EXPECT_TRUE(fmt);
        EXPECT_GT(dataBytes, 22050u * 2 / 20) << "shorter than 0.05 s";
        EXPECT_LT(dataBytes, 22050u * 2 * 30) << "longer than 30 s";
    }
}

TEST(AssetPack, EveryPictureDecodesToASaneSize) {
    std::vector<fs::path> pngs = FilesWithExtension(".png");
    ASSERT_GT(pngs.size(), 50u);
    const std::string sig("\x89PNG\r\n\x1a\n", 8);
    for (const fs::path& p : pngs) {
        SCOPED_TRACE(p.string());
        std::string s = ReadAll(p);
        ASSERT_GE(s.size(), 33u);
        ASSERT_EQ(s.substr(0, 8), sig);
        ASSERT_EQ(s.substr(12, 4), "IHDR");
        uint32_t w = Be32(s, 16), h = Be32(s, 20);
        EXPECT_GE(w, 4u);
        EXPECT_GE(h, 4u);
        EXPECT_LE(w, 1200u);
        EXPECT_LE(h, 1200u);
        EXPECT_NE(s.find("IEND"), std::string::npos) << "truncated";
    }
    for (const fs::path& p : FilesWithExtension(".gif")) {
        std::string s = ReadAll(p);
        EXPECT_TRUE(s.compare(0, 6, "GIF89a") == 0 || s.compare(0, 6, "GIF87a") == 0) << p;
    }
}

TEST(AssetPack, LanguageFilesHoldEveryTextTheScreensUse) {
    std::vector<int> ids;
    for (int i = 0; i <= 18; ++i) ids.push_back(i);
    for (int i = 20; i <= 39; ++i) ids.push_back(i);
    for (int i = 50; i <= 88; ++i) ids.push_back(i);
    ids.push_back(105);  // the splash notice
    std::vector<std::string> langs = Languages();
    ASSERT_NE(std::find(langs.begin(), langs.end(), "english"), langs.end());
    ASSERT_NE(std::find(langs.begin(), langs.end(), "swedish"), langs.end());
    size_t count = 0;
    for (const std::string& lang : langs) {
        SCOPED_TRACE(lang);
        std::vector<std::string> t = Lines(AssetRoot() / "data" / "lang" / (lang + ".txt"));
        if (count == 0) count = t.size();
        EXPECT_EQ(t.size(), count) << "languages differ in length, so the numbers drift";
        for (int id : ids) {
            ASSERT_LT(size_t(id), t.size()) << "text " << id;
            EXPECT_FALSE(t[id].empty()) << "text " << id;
        }
        EXPECT_EQ(t[0], "Kestrova");
        EXPECT_TRUE(fs::is_regular_file(AssetRoot() / "gfx" / "splash" / t[80])) << "logo " << t[80];
        // one text per line: a stray line break would shift every later number
        std::string raw = ReadAll(AssetRoot() / "data" / "lang" / (lang + ".txt"));
        EXPECT_EQ(raw.compare(0, 3, "\xEF\xBB\xBF"), 0) << "UTF-8 with its byte-order mark";
        // The version comes from the build alone; a number in a text would drift from it.
        for (size_t n = 0; n < t.size(); ++n)
            EXPECT_FALSE(std::regex_search(t[n], std::regex("[0-9]+\\.[0-9]+"))) << "text " << n << ": " << t[n];
    }
    // The pack leaves the language to the user's choice and the desktop's.
    EXPECT_FALSE(fs::exists(AssetRoot() / "data" / "lang.txt"));
    EXPECT_EQ(Lines(AssetRoot() / "data" / "paths.txt").at(0), "USER");
}

// data\pos\<exercise>\<N>pos\<span><list>.txt: groups of span lines, each a
// place from 0 to N - 1, distinct within a group, at least 40 groups.
TEST(AssetPack, PositionListsGiveValidSequences) {
    size_t files = 0;
    for (const auto& e : fs::recursive_directory_iterator(AssetRoot() / "data" / "pos")) {
        if (!e.is_regular_file()) continue;
        SCOPED_TRACE(e.path().string());
        ++files;
        std::string folder = e.path().parent_path().filename().string();
        ASSERT_GE(folder.size(), 4u);
        int places = std::stoi(folder.substr(0, folder.size() - 3));
        int span = std::stoi(e.path().filename().string());
        ASSERT_GE(span, 1);
        ASSERT_LE(span, places);
        std::vector<std::string> lines = Lines(e.path());
        if (!lines.empty() && lines.back().empty()) lines.pop_back();
        ASSERT_EQ(lines.size() % span, 0u);
        size_t groups = lines.size() / span;
        EXPECT_GE(groups, 40u);
        std::set<std::vector<int>> distinct;
        for (size_t g = 0; g < groups; ++g) {
            std::vector<int> seq;
            for (int k = 0; k < span; ++k) {
                const std::string& l = lines[g * span + k];
                ASSERT_FALSE(l.empty());
                ASSERT_TRUE(std::all_of(l.begin(), l.end(), ::isdigit)) << l;
                seq.push_back(std::stoi(l));
                EXPECT_LT(seq.back(), places);
            }
            EXPECT_EQ(std::set<int>(seq.begin(), seq.end()).size(), seq.size()) << "group " << g;
            distinct.insert(seq);
        }
        EXPECT_GE(distinct.size(), std::min<size_t>(groups / 2, 12)) << "too little variety";
    }
    EXPECT_GE(files, 7u);
}

// The number test reads every line as a digit; a final line break would add
// a 0 that no key can answer.
TEST(AssetPack, NumberListsHoldDigitsOneToNine) {
    for (const char* dir : {"fw", "bw"}) {
        for (int n = 1; n <= 5; ++n) {
            for (const char* trial : {"a", "b"}) {
                fs::path p =
                    AssetRoot() / "data" / "testnumbers" / (std::string(dir) + std::to_string(n) + trial + ".txt");
                SCOPED_TRACE(p.string());
                ASSERT_TRUE(fs::is_regular_file(p));
                std::vector<std::string> lines = Lines(p);
                EXPECT_EQ(lines.size(), size_t(n + 1));
                for (const std::string& l : lines) {
                    ASSERT_EQ(l.size(), 1u);
                    EXPECT_TRUE(l[0] >= '1' && l[0] <= '9');
                }
            }
        }
    }
}

TEST(AssetPack, PackStaysSmall) {
    uintmax_t total = 0;
    for (const auto& e : fs::recursive_directory_iterator(AssetRoot()))
        if (e.is_regular_file()) total += e.file_size();
    EXPECT_LT(total, uintmax_t(25) * 1024 * 1024);
}

namespace {
std::vector<std::string> Stems(const std::string& pattern) {
    std::vector<std::string> stems;
    for (const std::string& name : Glob(pattern)) stems.push_back(Lower(fs::path(name).stem().string()));
    return stems;
}
}  // namespace

// Lists the exercises pair up entry by entry: picture i with sound i, pot i
// with spoken colour i and cue picture i.
TEST(AssetPack, PairedListsLineUp) {
    EXPECT_EQ(Stems("gfx\\thecircle\\animals\\*.png"), Stems("sfx\\thecircle\\animals\\*.wav"));
    EXPECT_EQ(Stems("gfx\\senior\\thecircle\\instruments\\*.png"), Stems("sfx\\thecircle\\instruments\\*.wav"));
    EXPECT_GE(Stems("gfx\\thecircle\\animals\\*.png").size(), 8u);
    size_t pots = Glob("gfx\\paint\\colors\\color*.png").size();
    EXPECT_EQ(pots % 2, 0u) << "pot pictures come in pairs: at rest, lit";
    for (const std::string& lang : Languages()) {
        SCOPED_TRACE(lang);
        EXPECT_EQ(Glob("speech\\" + lang + "\\paint\\colors\\*.wav").size() * 2, pots);
        EXPECT_EQ(Glob("gfx\\visual\\" + lang + "\\colors\\*.png").size() * 2, pots);
        EXPECT_EQ(Glob("gfx\\visual\\" + lang + "\\animals\\*.png").size(),
                  Glob("gfx\\thecircle\\animals\\*.png").size());
        EXPECT_EQ(Glob("gfx\\visual\\" + lang + "\\numbers\\*.png").size(),
                  Glob("speech\\" + lang + "\\numbers\\*.wav").size());
        // entry n of the numbers says n
        std::vector<std::string> numbers = Stems("speech\\" + lang + "\\numbers\\*.wav");
        for (size_t n = 0; n < numbers.size(); ++n) EXPECT_EQ(numbers[n], std::to_string(n));
    }
}

// The circle hides ten animals (instruments) and plays entry i of the sounds for picture i;
// Paint's pot i is colours 2i (at rest) and 2i + 1 (lit) and is named by spoken colour i. The
// program pairs them by search order only, so the names must carry the same order.
TEST(AssetPack, TheCircleAndPaintPairEveryPictureWithItsSound) {
    const auto number = [](const std::string& stem) {
        std::string digits;
        for (char c : stem)
            if (std::isdigit(static_cast<unsigned char>(c))) digits += c;
        return digits.empty() ? -1 : std::stoi(digits);
    };
    for (const char* list : {"gfx\\thecircle\\animals\\*.png", "gfx\\senior\\thecircle\\instruments\\*.png"}) {
        const std::vector<std::string> pictures = Stems(list);
        ASSERT_EQ(pictures.size(), 10u) << list;
        for (size_t i = 0; i < pictures.size(); ++i) EXPECT_EQ(number(pictures[i]), int(i)) << pictures[i];
    }
    const std::vector<std::string> pots = Stems("gfx\\paint\\colors\\color*.png");
    ASSERT_EQ(pots.size(), 16u);
    for (size_t i = 0; i < pots.size(); ++i) EXPECT_EQ(number(pots[i]), int(i)) << pots[i];
    for (const std::string& lang : Languages()) {
        for (const std::string& folder :
             {"speech\\" + lang + "\\paint\\colors\\*.wav", "gfx\\visual\\" + lang + "\\colors\\*.png"}) {
            const std::vector<std::string> colours = Stems(folder);
            ASSERT_EQ(colours.size(), 8u) << folder;
            for (size_t i = 0; i < colours.size(); ++i) EXPECT_EQ(number(colours[i]), int(i)) << folder;
        }
    }
}
