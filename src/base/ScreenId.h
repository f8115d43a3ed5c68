#pragma once
// Screen numbers. For the nine exercises the number is also the exercise index g of every
// per-exercise table and option.
enum ScreenId : int {
    kMenu = 0,
    kCans = 1,
    kTreasure = 2,
    kParisWheel = 3,
    kTheCircle = 4,
    kThePond = 5,
    kGhostHouse = 6,
    kSpace = 7,
    kPaint = 8,
    kZoo = 9,
    kDiploma = 10,
    kDiplomaPrinter = 11,
    kLogin = 12,
    kNewProfile = 13,
    kEnterPassword = 14,
    kNumberTest = 15,
    kSettings = 16,
    kStats = 17,
    kSelectGame = 18,
    kStayOnScreen = 19,
    kQuitProgram = 20,
    kOverview = 21,  // the trainer's overview of all trainees
};

// Whether a screen number names a screen to switch to (19 stays, 20 ends the program, and
// any other number names no screen).
inline bool IsScreen(int id) { return (id >= 0 && id <= 18) || id == kOverview; }

// The lower-case name of a screen, also its folder name in the asset tree; empty for
// numbers that name no screen.
const wchar_t* ScreenName(int id);
