// The field being typed in is brought back into view when a phone's keyboard covers it, and the
// page is left where the pupil has it otherwise.

#include "page_rules/focus_in_view.h"

#include <gtest/gtest.h>

namespace page_rules {
namespace {

struct ViewRow {
    const char* name;
    double heightBefore;
    VisibleArea now;
    FieldBox field;
    bool brought;
};

TEST(FocusInViewTest, BringsTheFieldBackOnlyWhereTheKeyboardHidIt) {
    for (const ViewRow& row : {
             ViewRow{"keyboard over the field", 740, {0, 370, 1}, {600, 644}, true},
             ViewRow{"keyboard, field above it", 740, {0, 370, 1}, {100, 144}, false},
             ViewRow{"field cut by the keyboard", 740, {0, 370, 1}, {340, 384}, true},
             ViewRow{"visible part moved down", 740, {300, 370, 1}, {600, 644}, false},
             ViewRow{"pinch zoom", 740, {0, 370, 2}, {600, 644}, false},
             ViewRow{"keyboard closing", 370, {0, 740, 1}, {900, 944}, false},
             ViewRow{"same height", 740, {0, 740, 1}, {900, 944}, false},
         }) {
        EXPECT_EQ(bringsFieldIntoView(row.heightBefore, row.now, row.field), row.brought)
            << row.name;
    }
}

}  // namespace
}  // namespace page_rules
