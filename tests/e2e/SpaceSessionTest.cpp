// A whole Space session on the real frame (headless, shipped assets), with the mouse and with
// the two switches; see ForwardSession.h for the rounds and what they must leave behind.
#include "e2e/ForwardSession.h"
#include "exercises/Space.h"

namespace {

using SpaceSession = ForwardSession<CSpace, kSpace>;

TEST_P(SpaceSession, WholeSession) { PlayAndCheck(); }

INSTANTIATE_TEST_SUITE_P(Inputs, SpaceSession, ::testing::Values(Input::Mouse, Input::Switches), InputName);

}  // namespace
