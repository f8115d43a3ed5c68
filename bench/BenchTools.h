// What the benchmarks that start programs share: starting and stopping a process, and a
// fresh folder holding the shipped asset tree whose paths file keeps the profiles inside it,
// so no real trainee is touched.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace benchtools {

inline bool HaveProgram(const char* name) {
    const char* path = std::getenv("PATH");
    std::stringstream dirs(path ? path : "/usr/bin:/bin");
    std::string d;
    while (std::getline(dirs, d, ':'))
        if (::access((d + "/" + name).c_str(), X_OK) == 0) return true;
    return false;
}

// Starts argv with the current environment, the names in extra ("NAME=value") replaced, its
// output going to quietOutput; -1 on failure.
inline pid_t Spawn(const std::vector<std::string>& argv, const std::vector<std::string>& extra = {},
                   const char* quietOutput = "/dev/null") {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string kv = *e;
        bool replaced = false;
        for (const auto& x : extra)
            if (kv.compare(0, x.find('=') + 1, x, 0, x.find('=') + 1) == 0) replaced = true;
        if (!replaced) env.push_back(kv);
    }
    env.insert(env.end(), extra.begin(), extra.end());
    std::vector<char*> a, e;
    for (const auto& s : argv) a.push_back(const_cast<char*>(s.c_str()));
    a.push_back(nullptr);
    for (const auto& s : env) e.push_back(const_cast<char*>(s.c_str()));
    e.push_back(nullptr);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, quietOutput, O_WRONLY | O_CREAT | O_APPEND, 0644);
    posix_spawn_file_actions_addopen(&files, 2, quietOutput, O_WRONLY | O_CREAT | O_APPEND, 0644);
    pid_t pid = -1;
    const int rc = posix_spawnp(&pid, a[0], &files, nullptr, a.data(), e.data());
    posix_spawn_file_actions_destroy(&files);
    return rc == 0 ? pid : -1;
}

// Asks the process to end, and ends it if it has not within two seconds.
inline void Stop(pid_t pid) {
    if (pid <= 0) return;
    ::kill(pid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return;
        usleep(20000);
    }
    ::kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// A fresh folder named after prefix with the asset tree linked in and an empty profiles
// folder that its paths file names; empty when it cannot be made.
inline std::filesystem::path MakeAssetRoot(const char* prefix) {
    namespace fs = std::filesystem;
    std::string pattern = (fs::temp_directory_path() / (std::string(prefix) + "XXXXXX")).string();
    if (!::mkdtemp(pattern.data())) return {};
    const fs::path dir = pattern;
    const fs::path assets = fs::path(KESTROVA_SOURCE_DIR) / "assets";
    for (const char* part : {"gfx", "sfx", "speech"}) fs::create_directory_symlink(assets / part, dir / part);
    fs::create_directories(dir / "data");
    for (const auto& e : fs::directory_iterator(assets / "data"))
        if (e.path().filename() != "paths.txt") fs::create_symlink(e.path(), dir / "data" / e.path().filename());
    fs::create_directories(dir / "profiles");
    std::ofstream(dir / "data" / "paths.txt", std::ios::binary) << (dir / "profiles").string() << "/\r\n";
    return dir;
}

}  // namespace benchtools
