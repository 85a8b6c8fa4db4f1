#pragma once

#include <string_view>

// Parts of the page written in their own languages, in files beside the sources, which the build
// compiles in as they are (embed_text.cmake).
namespace web_ui::embedded {

// main_form.css: the window's look that its description does not decide.
extern const std::string_view kMainFormStyleSheet;

// error_dialog.html: the message that a command failed, its texts left empty.
extern const std::string_view kErrorDialogMarkup;

}  // namespace web_ui::embedded
