#include "web_ui/error_dialog.h"

#include <stdexcept>
#include <string>
#include <string_view>

#include "design/runtime_error_texts.h"
#include "embedded_texts.h"

namespace web_ui {

using emscripten::val;

namespace {

val parseDialog(const val& document) {
    val holder = document.call<val>("createElement", std::string("template"));
    holder.set("innerHTML", std::string(embedded::kErrorDialogMarkup));
    return holder["content"]["firstElementChild"];
}

val part(const val& dialog, const char* id) {
    val element = dialog.call<val>("querySelector", "#" + std::string(id));
    if (element.isNull()) {
        throw std::logic_error("error_dialog.html has no element " + std::string(id));
    }
    return element;
}

void setText(val& element, std::string_view text) { element.set("textContent", std::string(text)); }

}  // namespace

ErrorDialog::ErrorDialog(val host)
    : dialog_(parseDialog(host["ownerDocument"])),
      title_(part(dialog_, "RuntimeErrorTitle")),
      text_(part(dialog_, "RuntimeErrorText")),
      advice_(part(dialog_, "RuntimeErrorAdvice")) {
    val dismiss = part(dialog_, "RuntimeErrorDismiss");
    setText(dismiss, design::runtimeErrorDismissCaption());
    host.call<void>("appendChild", dialog_);
}

void ErrorDialog::show(const presenter::ErrorMessage& message) {
    setText(title_, message.title);
    setText(text_, message.text);
    setText(advice_, message.advice);
    if (!dialog_["open"].as<bool>()) {
        dialog_.call<void>("showModal");
    }
}

}  // namespace web_ui
