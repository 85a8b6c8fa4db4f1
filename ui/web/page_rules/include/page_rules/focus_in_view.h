#pragma once

// Whether a page scrolls the field being typed in back into view as the part of the screen left
// to it changes: when a phone's on-screen keyboard opens, it takes the lower part of the screen,
// and the field may be under it. Pinch zoom changes that part too, and there the pupil moves the
// page as they like: it is left alone, as is a field still in view.
namespace page_rules {

// The visible part of the page (the visual viewport) and the field, in CSS pixels from the top
// of the layout viewport.
struct VisibleArea {
    double top = 0;
    double height = 0;
    double scale = 1;  // 1 where not zoomed in by pinching
};

struct FieldBox {
    double top = 0;
    double bottom = 0;
};

bool bringsFieldIntoView(double heightBefore, const VisibleArea& now, const FieldBox& field);

}  // namespace page_rules
