#pragma once

#include <emscripten/val.h>

#include <functional>
#include <string>

namespace web_ui {

// Calls a handler with each event of a type on a DOM element, for as long as it lives. It stays
// where it was made (the page holds on to its address), so it can be neither copied nor moved.
class EventListener {
public:
    using Handler = std::function<void(const emscripten::val& event)>;

    EventListener(emscripten::val target, std::string type, Handler handler);
    ~EventListener();
    EventListener(const EventListener&) = delete;
    EventListener& operator=(const EventListener&) = delete;

private:
    static void dispatch(void* listener, emscripten::EM_VAL event);

    emscripten::val target_;
    std::string type_;
    Handler handler_;
    emscripten::val function_;
};

}  // namespace web_ui
