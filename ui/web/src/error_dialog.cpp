#include "web_ui/error_dialog.h"

#include <string>

#include "design/runtime_error_texts.h"
#include "web_ui/style_sheet.h"

namespace web_ui {

using emscripten::val;

namespace {

val makeElement(const val& document, const char* tag, const char* id, std::string_view text) {
    val element = document.call<val>("createElement", val(tag));
    element.set("id", val(id));
    element.set("textContent", std::string(text));
    return element;
}

}  // namespace

ErrorDialog::ErrorDialog(val host)
    : dialog_(host["ownerDocument"].call<val>("createElement", val("dialog"))),
      title_(makeElement(host["ownerDocument"], "h2", "RuntimeErrorTitle", "")),
      text_(makeElement(host["ownerDocument"], "p", "RuntimeErrorText", "")),
      advice_(makeElement(host["ownerDocument"], "p", "RuntimeErrorAdvice", "")) {
    const val document = host["ownerDocument"];
    dialog_.set("id", val("RuntimeErrorBox"));
    dialog_.set("className", std::string(kMessageClass));
    dialog_.call<void>("setAttribute", val("role"), val("alertdialog"));
    dialog_.call<void>("setAttribute", val("aria-labelledby"), val("RuntimeErrorTitle"));
    dialog_.call<void>("setAttribute", val("aria-describedby"), val("RuntimeErrorText"));
    // A form of method "dialog" closes the dialog when its button is pressed, Escape too.
    val form = document.call<val>("createElement", val("form"));
    form.set("method", val("dialog"));
    form.call<void>("appendChild", makeElement(document, "button", "RuntimeErrorDismiss",
                                               design::runtimeErrorDismissCaption()));
    dialog_.call<void>("appendChild", title_);
    dialog_.call<void>("appendChild", text_);
    dialog_.call<void>("appendChild", advice_);
    dialog_.call<void>("appendChild", form);
    host.call<void>("appendChild", dialog_);
}

void ErrorDialog::show(const presenter::ErrorMessage& message) {
    title_.set("textContent", std::string(message.title));
    text_.set("textContent", std::string(message.text));
    advice_.set("textContent", std::string(message.advice));
    if (!dialog_["open"].as<bool>()) {
        dialog_.call<void>("showModal");
    }
}

}  // namespace web_ui
