#pragma once

#include <emscripten/val.h>

#include <functional>
#include <string>

namespace web_ui {

// Calls a handler for each event of a type on a DOM element, for as long as it lives. It stays
// where it was made (the page holds on to its address), so it can be neither copied nor moved.
class EventListener {
public:
    EventListener(emscripten::val target, std::string type, std::function<void()> handler);
    ~EventListener();
    EventListener(const EventListener&) = delete;
    EventListener& operator=(const EventListener&) = delete;

private:
    static void dispatch(void* listener);

    emscripten::val target_;
    std::string type_;
    std::function<void()> handler_;
    emscripten::val function_;
};

}  // namespace web_ui
