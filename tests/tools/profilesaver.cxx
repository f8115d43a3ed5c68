// Child process of the profile crash test: saves one profile over and over, each time with
// the next version of its values, until it is killed. Arguments: folder, name, first version.
// It writes one byte to standard output once the first save is about to begin.
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "../profiles/SaverValues.h"
#include "platform/Utf.h"

int main(int argc, char** argv) {
    if (argc < 4) return 2;
    auto profile = std::make_unique<Profile>();
    profile->folder = platform::WideFromUtf8(argv[1]);
    profile->name = platform::WideFromUtf8(argv[2]);
    int version = std::atoi(argv[3]);
    if (::write(STDOUT_FILENO, "R", 1) != 1) return 3;
    for (;; ++version) {
        FillVersion(*profile, version);
        if (!profile->Save(true, true, true)) return 4;
    }
}
