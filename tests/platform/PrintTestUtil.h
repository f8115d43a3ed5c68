#pragma once
// For tests that print through the real print server with the PDF printer (scripts/cups-pdf
// makes it the default): the job's PDF file, once the printer has finished writing it.
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

namespace printtest {

inline std::string Capture(const std::string& command) {
    std::string out;
    if (FILE* p = ::popen(command.c_str(), "r")) {
        char buffer[512];
        while (size_t n = std::fread(buffer, 1, sizeof buffer, p)) out.append(buffer, n);
        ::pclose(p);
    }
    return out;
}

// Where the PDF printer puts its files: the "Out" setting of its configuration, with the
// printing user's home and name put in.
inline std::filesystem::path PdfFolder() {
    std::string out = "${HOME}/PDF";
    std::ifstream conf("/etc/cups/cups-pdf.conf");
    for (std::string line; std::getline(conf, line);)
        if (line.rfind("Out ", 0) == 0) out = line.substr(4);
    const passwd* user = ::getpwuid(::getuid());
    const std::string home = user ? user->pw_dir : "/root", name = user ? user->pw_name : "root";
    for (const auto& [key, value] : {std::pair<std::string, std::string>{"${HOME}", home}, {"${USER}", name}})
        for (size_t at; (at = out.find(key)) != std::string::npos;) out.replace(at, key.size(), value);
    while (!out.empty() && (out.back() == ' ' || out.back() == '\r')) out.pop_back();
    return out;
}

// Waits (up to a minute) for the PDF of the job named title and returns it with what pdfinfo
// says of it; an empty path when none appeared.
inline std::filesystem::path WaitForPdf(const std::string& title, std::string& info) {
    namespace fs = std::filesystem;
    const fs::path folder = PdfFolder();
    std::error_code ec;
    fs::path pdf;
    for (int i = 0; i < 600; ++i) {
        for (fs::directory_iterator it(folder, ec), end; pdf.empty() && !ec && it != end; it.increment(ec)) {
            const std::string name = it->path().filename().string();
            if (name.rfind(title, 0) == 0 && it->path().extension() == ".pdf") pdf = it->path();
        }
        if (!pdf.empty()) {
            info = Capture("pdfinfo '" + pdf.string() + "' 2>/dev/null");
            if (info.find("Pages:") != std::string::npos) return pdf;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return {};
}

}  // namespace printtest
