#include "web_ui/event_listener.h"

#include <utility>

extern "C" {
// From event_listener.js: a JavaScript function that calls callback(context, event).
emscripten::EM_VAL web_ui_make_listener(void (*callback)(void*, emscripten::EM_VAL), void* context);
}

namespace web_ui {

using emscripten::val;

EventListener::EventListener(val target, std::string type, Handler handler)
    : target_(std::move(target)),
      type_(std::move(type)),
      handler_(std::move(handler)),
      function_(val::take_ownership(web_ui_make_listener(&EventListener::dispatch, this))) {
    target_.call<void>("addEventListener", type_, function_);
}

EventListener::~EventListener() { target_.call<void>("removeEventListener", type_, function_); }

void EventListener::dispatch(void* listener, emscripten::EM_VAL event) {
    static_cast<EventListener*>(listener)->handler_(val::take_ownership(event));
}

}  // namespace web_ui
