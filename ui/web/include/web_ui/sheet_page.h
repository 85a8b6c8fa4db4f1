#pragma once

#include <emscripten/val.h>

#include <optional>
#include <string>
#include <string_view>

#include "web_ui/page.h"
#include "worksheets/class_results.h"
#include "worksheets/sheet_settings.h"

namespace web_ui {

// The worksheet page (sheet.html): its settings' controls bound to the sheet they show, and the
// address kept as the link to that sheet. Its elements are those of worksheets/page_ids.h, the
// sheets those of worksheets/sheet_markup.h.
//
// The address is read once, at the start; then every change of a setting writes the address
// afresh (history.replaceState, no reload), so that the address, a bookmark or a copied link
// always opens the sheet shown. While the browser takes the sheet to print, the address has no
// query: a browser prints its address in the page's margin where its headers and footers are on,
// and the code in it would let a pupil open the key.
class SheetPage final : public Page {
public:
    explicit SheetPage(emscripten::val document);

private:
    void problemsTyped();
    void problemsLeft();
    void variantsTyped();
    void variantsLeft();
    // The key's two checkboxes.
    void keyChanged();
    void hintsChanged();
    void choicesChanged();
    void codeTyped();
    void codeLeft();
    void readCode(bool left);
    void drawNewSheet();
    void copyLink();
    void copyPupilsLink();
    // The pupils' link, or the note of what to give them, as the settings say, once asked for.
    void showPupilsLink();
    // Whether the page was opened from a file, whose address opens on this device alone.
    bool fromFile() const;
    void print();
    void printStarts();
    static void printTaken(void* page);
    void printEnded();
    std::string link() const;
    // The class's results: pasted text kept where it is not too long, the table for the sheet
    // shown, its file and its printout; and the sheet as questions for Moodle.
    void resultsPasted(const emscripten::val& event);
    void resultsTyped();
    void showResults();
    void downloadTable();
    void printTable();
    void downloadMoodle();
    void announce(std::string_view text);
    // The controls, the address and the sheets as the settings say.
    void showSettings();
    void showChoices();
    void show();

    worksheets::SheetSettings settings_;
    // The choices shown: the code's, or where there is none yet, what a new sheet gets.
    worksheets::ProblemChoices choices_ = worksheets::kNewSheetChoices;
    // Whether a code that cannot be read is said to be so: once it is complete or left.
    bool codeProblemShown_ = false;
    // What the sheets were last made of, so that a change that alters nothing makes nothing.
    std::optional<std::string> shown_;
    bool pupilsLinkAsked_ = false;
    // The results' text as last taken, and what it gave for the sheet shown.
    std::string resultsText_;
    worksheets::ClassResults results_;
    // The table's print asked for, until the browser starts it.
    bool printingTable_ = false;
};

}  // namespace web_ui
