#include "web_ui/page.h"

#include <memory>
#include <stdexcept>
#include <utility>

#include "web_ui/page_address.h"

namespace web_ui {

using emscripten::val;

namespace {

// One copy under way: each has its own, however many buttons are pressed before the browser
// answers.
struct PendingCopy {
    val field;
    std::function<void(bool)> then;
};

}  // namespace

Page::Page(val document, std::string_view name, std::span<const std::string_view> ids)
    : document_(std::move(document)), name_(name) {
    for (const std::string_view id : ids) {
        element(id);
    }
}

val Page::element(std::string_view id) const {
    val found = document_.call<val>("getElementById", std::string(id));
    if (found.isNull()) {
        throw std::logic_error(name_ + " has no element " + std::string(id));
    }
    return found;
}

void Page::listen(val target, std::string type, EventListener::Handler handler) {
    listeners_.push_back(
        std::make_unique<EventListener>(std::move(target), std::move(type), std::move(handler)));
}

void Page::markInvalid(const val& field, bool invalid) {
    field.call<void>("setAttribute", std::string("aria-invalid"),
                     std::string(invalid ? "true" : "false"));
}

void Page::copy(const std::string& text, val field, std::function<void(bool)> then) {
    auto* pending = new PendingCopy{std::move(field), std::move(then)};
    web_ui_copy_text(val(text).as_handle(), &Page::copyEnded, pending);
}

void Page::copyEnded(void* pending, int copied) {
    const std::unique_ptr<PendingCopy> copy(static_cast<PendingCopy*>(pending));
    if (copied == 0) {
        // The field shows, whatever hid it, so that the focus can go there.
        val hidden = copy->field.call<val>("closest", std::string("[hidden]"));
        if (!hidden.isNull()) {
            hidden.set("hidden", false);
        }
        copy->field.call<void>("focus");
        copy->field.call<void>("select");
    }
    copy->then(copied != 0);
}

}  // namespace web_ui
