#include "page_rules/focus_in_view.h"

namespace page_rules {

bool bringsFieldIntoView(double heightBefore, const VisibleArea& now, const FieldBox& field) {
    const bool shrank = now.height < heightBefore;
    const bool inView = field.top >= now.top && field.bottom <= now.top + now.height;
    return shrank && now.scale == 1 && !inView;
}

}  // namespace page_rules
