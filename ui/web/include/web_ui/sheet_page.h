#pragma once

#include <emscripten/val.h>

#include <optional>
#include <string>
#include <string_view>

#include "web_core/sheet_settings.h"
#include "web_ui/event_listener.h"

namespace web_ui {

// The worksheet page (sheet.html): its settings' controls bound to the sheet they show, and the
// address kept as the link to that sheet. The page's markup holds the controls, by these ids:
// "sheet-code" (the code's field), "sheet-code-problem" (what is wrong with it), "sheet-problems"
// and "sheet-variants" (number fields), "sheet-key" (the key's checkbox), the buttons
// "sheet-new", "sheet-copy", "sheet-pupils" and "sheet-print", "sheet-link-box" with the field
// "sheet-link" (the link, shown where it cannot be copied), "sheet-pupils-box" with the field
// "sheet-pupils-link" (the pupils' link to practice.html, once asked for) and "sheet-pupils-note"
// (what to give the pupils instead, where the page is a file), "sheet-status" (a polite live
// region) and "sheets", where the sheets go (web_core/sheet_markup.h).
//
// The address is read once, at the start; then every change of a setting writes the address
// afresh (history.replaceState, no reload), so that the address, a bookmark or a copied link
// always opens the sheet shown. While the browser takes the sheet to print, the address has no
// query: a browser prints its address in the page's margin where its headers and footers are on,
// and the code in it would let a pupil open the key.
class SheetPage {
public:
    explicit SheetPage(emscripten::val document);
    SheetPage(const SheetPage&) = delete;
    SheetPage& operator=(const SheetPage&) = delete;

private:
    emscripten::val byId(const char* id) const;
    // A handler calling one of the page's own: one type for every event, whose code WebAssembly
    // then holds once.
    EventListener::Handler calling(void (SheetPage::*action)());
    void problemsTyped();
    void problemsLeft();
    void variantsTyped();
    void variantsLeft();
    void keyChanged();
    void codeTyped();
    void codeLeft();
    void readCode(bool left);
    void drawNewSheet();
    void copyLink();
    void copyPupilsLink();
    // The pupils' link, or the note of what to give them, as the settings say, once asked for.
    void showPupilsLink();
    void print();
    void printStarts();
    static void printTaken(void* page);
    void printEnded();
    static void linkCopied(void* page, int copied);
    static void pupilsLinkCopied(void* page, int copied);
    // Says the link was copied, or shows it selected in its field for copying by hand.
    void sayCopied(bool copied, emscripten::val& field, std::string_view said);
    std::string link() const;
    void announce(std::string_view text);
    // The controls, the address and the sheets as the settings say.
    void showSettings();
    void show();

    emscripten::val document_;
    emscripten::val codeField_;
    emscripten::val codeProblem_;
    emscripten::val problemsField_;
    emscripten::val variantsField_;
    emscripten::val keyBox_;
    emscripten::val linkBox_;
    emscripten::val linkField_;
    emscripten::val pupilsBox_;
    emscripten::val pupilsField_;
    emscripten::val pupilsNote_;
    emscripten::val status_;
    emscripten::val sheets_;
    web_core::SheetSettings settings_;
    // Whether a code that cannot be read is said to be so: once it is complete or left.
    bool codeProblemShown_ = false;
    // What the sheets were last made of, so that a change that alters nothing makes nothing.
    std::optional<std::string> shown_;
    bool pupilsLinkAsked_ = false;
    EventListener problemsTyped_;
    EventListener problemsLeft_;
    EventListener variantsTyped_;
    EventListener variantsLeft_;
    EventListener keyChanged_;
    EventListener codeTyped_;
    EventListener codeLeft_;
    EventListener newClicked_;
    EventListener copyClicked_;
    EventListener pupilsClicked_;
    EventListener printClicked_;
    EventListener printStarts_;
    EventListener printEnded_;
};

}  // namespace web_ui
