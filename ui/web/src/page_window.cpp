#include "web_ui/page_window.h"

#include <stdexcept>
#include <string>
#include <utility>

#include "web_ui/style_sheet.h"

namespace web_ui {

namespace {

using emscripten::val;

// Enough rows that the browser draws a list box rather than a drop-down; the height comes from
// the style sheet.
constexpr int kListBoxRows = 6;

class ElementFactory {
public:
    explicit ElementFactory(val document) : document_(std::move(document)) {}

    val make(const char* tag) const { return document_.call<val>("createElement", val(tag)); }

    val make(const char* tag, std::string_view text) const {
        val element = make(tag);
        element.set("textContent", std::string(text));
        return element;
    }

private:
    val document_;
};

void setAttribute(val& element, const char* name, std::string_view value) {
    element.call<void>("setAttribute", val(name), std::string(value));
}

val& slot(PageWindow::Elements& elements, const design::ControlId& id) {
    return elements.at(static_cast<std::size_t>(id.index));
}

}  // namespace

PageWindow buildPageWindow(val host, const design::WindowDesign& design) {
    const val document = host["ownerDocument"];
    installStyleSheet(document, design);
    const ElementFactory factory(document);

    PageWindow page;
    page.window = factory.make("div");
    page.window.set("id", std::string(design.designName));
    val frame = val::undefined();
    for (const design::ControlId& id : design.tabOrder) {
        const design::Control& control = design::control(id);
        val element = val::undefined();
        switch (control.kind) {
            case design::ControlKind::Label:
                // The window's heading, as the window's caption bar would be on a desktop.
                element = factory.make("h1", control.caption);
                break;
            case design::ControlKind::Frame: {
                element = factory.make("fieldset");
                val legend = factory.make("legend", control.caption);
                legend.set("id", elementId(id) + "_caption");
                element.call<void>("appendChild", legend);
                if (!control.accessibleDescription.empty()) {
                    setAttribute(element, "aria-describedby", elementId(id) + "_caption");
                }
                frame = element;
                break;
            }
            case design::ControlKind::OptionButton: {
                element = factory.make("label");
                val input = factory.make("input");
                input.set("type", val("radio"));
                input.set("name", std::string(id.name));
                input.set("value", std::string(control.caption));
                setAttribute(input, "aria-label", control.accessibleName);
                element.call<void>("appendChild", input);
                element.call<void>("appendChild", factory.make("span", control.caption));
                slot(page.options, id) = input;
                break;
            }
            case design::ControlKind::CommandButton:
                element = factory.make("button", control.caption);
                element.set("type", val("button"));
                slot(page.commands, id) = element;
                break;
            case design::ControlKind::TextBox:
                element = factory.make("textarea");
                element.set("spellcheck", false);
                page.transcript = element;
                break;
            case design::ControlKind::ListBox:
                element = factory.make("select");
                element.set("size", kListBoxRows);
                slot(page.lists, id) = element;
                break;
        }
        element.set("id", elementId(id));
        element.set("className", std::string(kindClass(control.kind)));
        // An option's name goes on its input, above.
        if (control.kind != design::ControlKind::OptionButton &&
            control.accessibleName != control.caption && !control.accessibleName.empty()) {
            setAttribute(element, "aria-label", control.accessibleName);
        }
        if (control.kind != design::ControlKind::Frame && !control.accessibleDescription.empty()) {
            setAttribute(element, "aria-description", control.accessibleDescription);
        }
        if (control.insideFrame) {
            if (frame.isUndefined()) {
                throw std::logic_error("a control inside the frame comes before the frame");
            }
            frame.call<void>("appendChild", element);
        } else {
            page.window.call<void>("appendChild", element);
        }
    }
    host.call<void>("appendChild", page.window);
    return page;
}

}  // namespace web_ui
