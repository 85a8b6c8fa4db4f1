#pragma once

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "engine/list_box.h"
#include "engine/runtime_error.h"

// What every list box binding promises the engine (engine/list_box.h), checked once for each.
//
// A harness H for this suite is default-constructible, owns a fresh, empty list box, and offers:
//   engine::ListBox& box();
//   std::vector<std::string> shownItems();  // what the user sees, read from the toolkit itself
template <typename Harness>
class ListBoxContract : public ::testing::Test {
protected:
    Harness harness_;
};

TYPED_TEST_SUITE_P(ListBoxContract);

TYPED_TEST_P(ListBoxContract, ItemsComeBackInOrderExactlyAsAdded) {
    const std::vector<std::string> items = {
        " крана за ", "11", "", " декара. ", "„Задача“ — 5 €, … №", std::string(4096, 'x')};
    engine::ListBox& box = this->harness_.box();
    for (const std::string& item : items) {
        box.addItem(item);
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(box.item(static_cast<int>(i)), items[i]) << "item " << i;
    }
    EXPECT_EQ(this->harness_.shownItems(), items);
}

TYPED_TEST_P(ListBoxContract, ClearRemovesEveryItem) {
    engine::ListBox& box = this->harness_.box();
    box.addItem("11");
    box.addItem("12");
    box.clear();
    EXPECT_TRUE(this->harness_.shownItems().empty());
    EXPECT_THROW(box.item(0), engine::RuntimeError);
    box.addItem("7");
    EXPECT_EQ(box.item(0), "7");
}

// Never a made-up item: the engine's run-time error, with the list left as it was.
TYPED_TEST_P(ListBoxContract, ItemOutsideTheListIsTheEnginesRuntimeError) {
    engine::ListBox& box = this->harness_.box();
    box.addItem("11");
    box.addItem("12");
    for (const int index : {-1, 2, 3, INT_MIN, INT_MAX}) {
        try {
            (void)box.item(index);
            ADD_FAILURE() << "item(" << index << ") returned";
        } catch (const engine::RuntimeError& error) {
            EXPECT_EQ(error.kind(), engine::ErrorKind::IndexOutOfRange) << "item(" << index << ")";
        }
    }
    EXPECT_EQ(this->harness_.shownItems(), (std::vector<std::string>{"11", "12"}));
}

REGISTER_TYPED_TEST_SUITE_P(ListBoxContract, ItemsComeBackInOrderExactlyAsAdded,
                            ClearRemovesEveryItem, ItemOutsideTheListIsTheEnginesRuntimeError);
