// Child process of the profile tests. It writes one byte to standard output once it is about
// to do its work, and then works until it is killed.
//   profilesaver FOLDER NAME VERSION   saves one profile over and over, each time with the next
//                                      version of its values ("R" first)
//   profilesaver hold FOLDER NAME      claims the trainee as the login does and keeps it ("R"),
//                                      or says "B" and ends when another program has it
//   profilesaver exercise FOLDER NAME VERSION
//                                      leaves an exercise over and over: version v's values,
//                                      then the day counted and ".sta" and ".pro" saved ("R")
//   profilesaver files FOLDER NAME VERSION
//                                      saves version v of a diploma's stickers, the options, the
//                                      statistics table and picture and a diploma bitmap ("R")
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "../profiles/SaverValues.h"
#include "graphics/Graphics.h"
#include "profiles/DiplomaPlacements.h"
#include "platform/Utf.h"
#include "profiles/StatisticsTable.h"

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
    const bool exercise = std::strcmp(argv[1], "exercise") == 0, files = std::strcmp(argv[1], "files") == 0;
    if ((exercise || files) && argc < 5) return 2;
    const int first = exercise || files ? 2 : 1;
    profile->folder = platform::WideFromUtf8(argv[first]);
    profile->name = platform::WideFromUtf8(argv[first + 1]);
    int version = std::atoi(argv[first + 2]);
    if (exercise) {
        if (!Say("R")) return 3;
        for (;; ++version) {
            FillVersion(*profile, version);
            if (!profile->FinishExercise(1, version % 10, version % 2)) return 4;
        }
    }
    if (files) {
        const std::wstring base = profile->folder + profile->name;
        auto picture = std::make_unique<Bitmap>(800, 600);
        if (!Say("R")) return 3;
        for (;; ++version) {
            FillVersion(*profile, version);
            const bool saved = profiles::WritePlacements(base + L".0dp", {PlacementOf(version)}) &&
                               profile->Save(false, true, false) &&
                               platform::WriteFileAtomic(base + L"-table.csv", StatisticsCsv(*profile)) &&
                               (std::fill_n(picture->Pixels(), 800 * 600, PictureColour(version)),
                                picture->SavePng(base + L"-chart.png")) &&
                               picture->SaveBmp(base + L"-diploma.bmp");
            if (!saved) return 4;
        }
    }
    if (!Say("R")) return 3;
    for (;; ++version) {
        FillVersion(*profile, version);
        if (!profile->Save(true, true, true)) return 4;
    }
}
