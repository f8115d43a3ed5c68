// Child process of the profile tests. It writes one byte to standard output once it is about
// to do its work, and then works until it is killed.
//   profilesaver FOLDER NAME VERSION   saves one profile over and over, each time with the next
//                                      version of its values ("R" first)
//   profilesaver hold FOLDER NAME      claims the trainee as the login does and keeps it ("R"),
//                                      or says "B" and ends when another program has it
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "../profiles/SaverValues.h"
#include "platform/Utf.h"

namespace {

bool Say(const char* what) { return ::write(STDOUT_FILENO, what, 1) == 1; }

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) return 2;
    auto profile = std::make_unique<Profile>();
    if (std::strcmp(argv[1], "hold") == 0) {
        profile->folder = platform::WideFromUtf8(argv[2]);
        profile->name = platform::WideFromUtf8(argv[3]);
        if (!profile->ClaimTrainee()) return Say("B") ? 5 : 3;
        if (!Say("R")) return 3;
        for (;;) ::pause();
    }
    profile->folder = platform::WideFromUtf8(argv[1]);
    profile->name = platform::WideFromUtf8(argv[2]);
    int version = std::atoi(argv[3]);
    if (!Say("R")) return 3;
    for (;; ++version) {
        FillVersion(*profile, version);
        if (!profile->Save(true, true, true)) return 4;
    }
}
