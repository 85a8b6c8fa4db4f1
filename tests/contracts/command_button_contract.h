#pragma once

#include <gtest/gtest.h>

#include "engine/command_button.h"

// What every command button binding promises the engine (engine/command_button.h), checked once
// for each.
//
// A harness H for this suite is default-constructible, owns a fresh, enabled command button, and
// offers:
//   engine::CommandButton& button();
//   bool looksEnabled();  // what the user sees, read from the toolkit itself
//   bool clickArrives();  // clicks it as the user would; whether the program got the click
template <typename Harness>
class CommandButtonContract : public ::testing::Test {
protected:
    Harness harness_;
};

TYPED_TEST_SUITE_P(CommandButtonContract);

TYPED_TEST_P(CommandButtonContract, DisabledButtonRefusesClicksUntilEnabled) {
    engine::CommandButton& button = this->harness_.button();
    EXPECT_TRUE(this->harness_.clickArrives());

    button.setEnabled(false);
    EXPECT_FALSE(this->harness_.looksEnabled());
    EXPECT_FALSE(this->harness_.clickArrives());

    button.setEnabled(true);
    EXPECT_TRUE(this->harness_.looksEnabled());
    EXPECT_TRUE(this->harness_.clickArrives());
}

TYPED_TEST_P(CommandButtonContract, SettingTheSameStateAgainChangesNothing) {
    engine::CommandButton& button = this->harness_.button();
    button.setEnabled(false);
    button.setEnabled(false);
    EXPECT_FALSE(this->harness_.looksEnabled());
    EXPECT_FALSE(this->harness_.clickArrives());
    button.setEnabled(true);
    button.setEnabled(true);
    EXPECT_TRUE(this->harness_.looksEnabled());
    EXPECT_TRUE(this->harness_.clickArrives());
}

REGISTER_TYPED_TEST_SUITE_P(CommandButtonContract, DisabledButtonRefusesClicksUntilEnabled,
                            SettingTheSameStateAgainChangesNothing);
