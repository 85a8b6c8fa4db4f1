#include "web_core/focus_in_view.h"

namespace web_core {

bool bringsFieldIntoView(double heightBefore, const VisibleArea& now, const FieldBox& field) {
    const bool shrank = now.height < heightBefore;
    const bool inView = field.top >= now.top && field.bottom <= now.top + now.height;
    return shrank && now.scale == 1 && !inView;
}

}  // namespace web_core
