#pragma once
// The phases of one trial of an exercise; the numbers are stored and compared as such.
enum ExercisePhase : int {
    WaitStart = 0,   // round laid out, start button blinking
    Starting = 1,    // start sound playing
    Presenting = 2,  // the exercise shows the sequence
    Answering = 3,   // the trainee repeats it
    Correct = 4,     // whole sequence answered; short pause
    Praise = 5,      // spoken praise, then one coin
    Payout = 6,      // session over; coins drop into the bag
    Wrong = 7,       // wrong item or time-out
    NextRound = 8,   // pause before the next round
    Leaving = 9,     // closed bag shown, then the menu
};
