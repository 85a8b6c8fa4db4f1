#pragma once

#include <emscripten/val.h>

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "web_ui/event_listener.h"

namespace web_ui {

// What the worksheet page and the pupils' practice page share in the browser: their elements
// found by id, their events handed to their own member functions, a field marked invalid, and
// text copied to the clipboard, with a way round a browser that will not.
class Page {
public:
    Page(const Page&) = delete;
    Page& operator=(const Page&) = delete;

protected:
    // name says which page an error is about ("the worksheet page"); ids are those of every
    // element the page binds (worksheets/page_ids.h), each looked for at once.
    Page(emscripten::val document, std::string_view name, std::span<const std::string_view> ids);
    ~Page() = default;

    const emscripten::val& document() const { return document_; }

    // The element of that id. std::logic_error where the page has none: its HTML and the program
    // take their ids from one place, so that is a fault of the build.
    emscripten::val element(std::string_view id) const;

    // Calls one of the page's own member functions, with the event or without, at each event of
    // that type on the target, for the page's life.
    template <typename OwnPage>
    void listen(emscripten::val target, std::string type,
                void (OwnPage::*action)(const emscripten::val& event)) {
        OwnPage* page = static_cast<OwnPage*>(this);
        listen(std::move(target), std::move(type),
               [page, action](const emscripten::val& event) { (page->*action)(event); });
    }
    template <typename OwnPage>
    void listen(emscripten::val target, std::string type, void (OwnPage::*action)()) {
        OwnPage* page = static_cast<OwnPage*>(this);
        listen(std::move(target), std::move(type),
               [page, action](const emscripten::val&) { (page->*action)(); });
    }

    // Marks a field as holding what cannot be taken, for screen readers and, through the style
    // sheets, for the eye; or as not.
    static void markInvalid(const emscripten::val& field, bool invalid);

    // Puts text on the clipboard, then calls then(true). Where the browser has no clipboard for
    // the page or refuses it, shows the field, which holds the text, puts the focus there and
    // selects the text for copying by hand, then calls then(false).
    void copy(const std::string& text, emscripten::val field, std::function<void(bool)> then);

private:
    void listen(emscripten::val target, std::string type, EventListener::Handler handler);
    static void copyEnded(void* pending, int copied);

    emscripten::val document_;
    std::string name_;
    std::vector<std::unique_ptr<EventListener>> listeners_;
};

}  // namespace web_ui
