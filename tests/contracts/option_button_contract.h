#pragma once

#include <gtest/gtest.h>

#include "engine/form_controls.h"
#include "engine/option_button.h"

// What every option button binding promises the engine (engine/option_button.h), checked once
// for each.
//
// A harness H for this suite is default-constructible, owns the window's group of kOptionCount
// option buttons with none marked, and offers:
//   engine::OptionButton& option(int index);
//   int marked();  // the index of the button the user sees marked, or -1 when none is
template <typename Harness>
class OptionButtonContract : public ::testing::Test {
protected:
    Harness harness_;
};

TYPED_TEST_SUITE_P(OptionButtonContract);

TYPED_TEST_P(OptionButtonContract, SelectMarksThatButtonAndClearsTheOthers) {
    EXPECT_EQ(this->harness_.marked(), -1);
    for (const int index : {1, 0, 5, 3, 4, 2}) {
        this->harness_.option(index).select();
        EXPECT_EQ(this->harness_.marked(), index);
    }
}

TYPED_TEST_P(OptionButtonContract, SelectingTheMarkedButtonAgainChangesNothing) {
    this->harness_.option(4).select();
    this->harness_.option(4).select();
    EXPECT_EQ(this->harness_.marked(), 4);
}

REGISTER_TYPED_TEST_SUITE_P(OptionButtonContract, SelectMarksThatButtonAndClearsTheOthers,
                            SelectingTheMarkedButtonAgainChangesNothing);
