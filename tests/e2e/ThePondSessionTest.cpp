// A whole ThePond session on the real frame (headless, shipped assets), with the mouse and with
// the two switches; see ForwardSession.h for the rounds and what they must leave behind.
#include "e2e/ForwardSession.h"
#include "exercises/ThePond.h"

namespace {

using ThePondSession = ForwardSession<CThePond, kThePond>;

TEST_P(ThePondSession, WholeSession) { PlayAndCheck(); }

INSTANTIATE_TEST_SUITE_P(Inputs, ThePondSession, ::testing::Values(Input::Mouse, Input::Switches), InputName);

}  // namespace
