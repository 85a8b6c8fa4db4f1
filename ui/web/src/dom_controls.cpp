#include "web_ui/dom_controls.h"

namespace web_ui {

using emscripten::val;

void SelectListBox::clear() { select_.call<void>("replaceChildren"); }

void SelectListBox::addItem(std::string_view text) {
    val option = select_["ownerDocument"].call<val>("createElement", std::string("option"));
    option.set("textContent", std::string(text));
    select_.call<void>("appendChild", option);
}

std::string SelectListBox::item(int index) const {
    const val options = select_["options"];
    engine::checkItemIndex(index, options["length"].as<std::size_t>());
    // The option's text property would collapse blanks; its text content keeps them.
    return options[index]["textContent"].as<std::string>();
}

}  // namespace web_ui
