// A whole ParisWheel session on the real frame (headless, shipped assets), with the mouse and with
// the two switches; see ForwardSession.h for the rounds and what they must leave behind.
#include "e2e/ForwardSession.h"
#include "exercises/ParisWheel.h"

namespace {

using ParisWheelSession = ForwardSession<CParisWheel, kParisWheel>;

TEST_P(ParisWheelSession, WholeSession) { PlayAndCheck(); }

INSTANTIATE_TEST_SUITE_P(Inputs, ParisWheelSession, ::testing::Values(Input::Mouse, Input::Switches), InputName);

}  // namespace
