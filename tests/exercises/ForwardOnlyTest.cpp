// The exercises that play forward only: a backward direction found in the trainee's file is
// not taken over, so the order is never reversed, the forward instruction is spoken, answers
// count as forward and forward is written back.
#include <gtest/gtest.h>

#include <vector>

#include "exercises/ExerciseFixture.h"
#include "exercises/ParisWheel.h"
#include "exercises/Space.h"
#include "exercises/ThePond.h"

namespace {

template <class T>
class ForwardOnly : public ExerciseFixture<typename T::first_type, T::second_type::value> {};

template <class E, int kId>
using Exercise = std::pair<E, std::integral_constant<int, kId>>;
using ForwardOnlyExercises =
    ::testing::Types<Exercise<CParisWheel, kParisWheel>, Exercise<CThePond, kThePond>, Exercise<CSpace, kSpace>>;
TYPED_TEST_SUITE(ForwardOnly, ForwardOnlyExercises);

TYPED_TEST(ForwardOnly, SavedBackwardPlaysForward) {
    constexpr int g = TypeParam::second_type::value;
    this->P().span[g] = 4;  // span 3
    this->P().direction[g] = 1;
    auto& e = this->Start();
    EXPECT_EQ(e.Direction(), 0);
    const std::vector<int> shown = e.Sequence();
    this->StartAndPresent();
    EXPECT_EQ(e.Sequence(), shown);
    EXPECT_EQ(this->Played(L"instructionf.wav"), 1u);
    EXPECT_EQ(this->Played(L"instructionr.wav"), 0u);
    this->AnswerRight();
    EXPECT_EQ(e.Phase(), Correct);
    EXPECT_EQ(this->P().stats.itemsForward[0][g][3], 3);
    EXPECT_EQ(this->P().stats.itemsBackward[0][g][3], 0);
    this->Leave();
    EXPECT_EQ(this->P().direction[g], 0);
}

}  // namespace
