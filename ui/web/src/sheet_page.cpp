#include "web_ui/sheet_page.h"

#include <emscripten/eventloop.h>

#include <cstdint>

#include "web_ui/page_address.h"
#include "worksheets/class_results.h"
#include "worksheets/moodle_export.h"
#include "worksheets/page_ids.h"
#include "worksheets/page_words.h"
#include "worksheets/practice_link.h"
#include "worksheets/problem_set.h"
#include "worksheets/query_text.h"
#include "worksheets/results_table.h"
#include "worksheets/sheet_link.h"
#include "worksheets/sheet_markup.h"
#include "worksheets/typed_text.h"

namespace web_ui {

using emscripten::val;
namespace ids = worksheets::ids;
namespace words = worksheets::words;

namespace {

// The pupils' page, beside this one.
constexpr std::string_view kPracticePage = "practice.html";

// A new sheet's code, from the browser's generator of random numbers for cryptography: every
// sheet as likely as another, and two teachers' sheets different.
worksheets::SheetCode drawnCode(worksheets::ProblemChoices choices) {
    val number = val::global("Uint32Array").new_(1);
    val::global("crypto").call<val>("getRandomValues", number);
    return worksheets::SheetCode::fromNumber(number[0].as<std::uint32_t>(), choices);
}

}  // namespace

SheetPage::SheetPage(val document)
    : Page(std::move(document), "the worksheet page", ids::kSheetPage),
      settings_(
          worksheets::readSheetQuery(this->document()["location"]["search"].as<std::string>())) {
    const val window = this->document()["defaultView"];
    listen(element(ids::kSheetProblems), "input", &SheetPage::problemsTyped);
    listen(element(ids::kSheetProblems), "change", &SheetPage::problemsLeft);
    listen(element(ids::kSheetVariants), "input", &SheetPage::variantsTyped);
    listen(element(ids::kSheetVariants), "change", &SheetPage::variantsLeft);
    listen(element(ids::kSheetKey), "change", &SheetPage::keyChanged);
    listen(element(ids::kSheetSolutions), "change", &SheetPage::keyChanged);
    listen(element(ids::kSheetHints), "change", &SheetPage::hintsChanged);
    listen(element(ids::kSheetWholeAnswers), "change", &SheetPage::choicesChanged);
    listen(element(ids::kSheetSought), "change", &SheetPage::choicesChanged);
    listen(element(ids::kSheetCode), "input", &SheetPage::codeTyped);
    listen(element(ids::kSheetCode), "change", &SheetPage::codeLeft);
    listen(element(ids::kSheetNew), "click", &SheetPage::drawNewSheet);
    listen(element(ids::kSheetCopy), "click", &SheetPage::copyLink);
    listen(element(ids::kSheetPupils), "click", &SheetPage::copyPupilsLink);
    listen(element(ids::kSheetPrint), "click", &SheetPage::print);
    listen(element(ids::kSheetMoodle), "click", &SheetPage::downloadMoodle);
    listen(element(ids::kResultsPaste), "paste", &SheetPage::resultsPasted);
    listen(element(ids::kResultsPaste), "input", &SheetPage::resultsTyped);
    listen(element(ids::kResultsDownload), "click", &SheetPage::downloadTable);
    listen(element(ids::kResultsPrint), "click", &SheetPage::printTable);
    listen(window, "beforeprint", &SheetPage::printStarts);
    listen(window, "afterprint", &SheetPage::printEnded);
    element(ids::kSheetCodeProblem).set("textContent", std::string(words::kNoSuchSheetCode));
    // Opened without a code, the page makes a sheet of its own; a code it cannot read is said
    // to be so at once, as nobody is typing it.
    if (settings_.codeText.empty()) {
        settings_.code = drawnCode(choices_);
        settings_.codeText = settings_.code->text();
    }
    codeProblemShown_ = !settings_.code.has_value();
    showSettings();
    show();
}

namespace {

// A count as typed so far; what is not yet a number leaves it as it was.
int typedCount(const val& field, int count, worksheets::CountRange range) {
    return worksheets::nearestAllowed(field["value"].as<std::string>(),
                                      {range.least, range.most, count});
}

}  // namespace

void SheetPage::problemsTyped() {
    settings_.problems =
        typedCount(element(ids::kSheetProblems), settings_.problems, worksheets::kProblemsPerPupil);
    show();
}

// Once a field is left, it shows the count the sheet has.
void SheetPage::problemsLeft() {
    element(ids::kSheetProblems).set("value", std::to_string(settings_.problems));
}

void SheetPage::variantsTyped() {
    settings_.variants =
        typedCount(element(ids::kSheetVariants), settings_.variants, worksheets::kVariantCount);
    show();
}

void SheetPage::variantsLeft() {
    element(ids::kSheetVariants).set("value", std::to_string(settings_.variants));
}

void SheetPage::keyChanged() {
    settings_.key = element(ids::kSheetKey)["checked"].as<bool>();
    settings_.solutions = element(ids::kSheetSolutions)["checked"].as<bool>();
    showSettings();
    show();
}

void SheetPage::hintsChanged() {
    settings_.hints = element(ids::kSheetHints)["checked"].as<bool>();
    show();
}

// The choices are the code's: another choice is the same sheet's other code.
void SheetPage::choicesChanged() {
    const int sought = worksheets::nearestAllowed(
        element(ids::kSheetSought)["value"].as<std::string>(),
        {static_cast<int>(worksheets::Sought::kAny), static_cast<int>(worksheets::Sought::kAmount),
         static_cast<int>(worksheets::Sought::kAny)});
    choices_ = {element(ids::kSheetWholeAnswers)["checked"].as<bool>(),
                static_cast<worksheets::Sought>(sought)};
    if (settings_.code) {
        settings_.code = settings_.code->withChoices(choices_);
        settings_.codeText = settings_.code->text();
        element(ids::kSheetCode).set("value", settings_.codeText);
    }
    show();
}

void SheetPage::codeTyped() { readCode(false); }

void SheetPage::codeLeft() { readCode(true); }

void SheetPage::readCode(bool left) {
    const std::string typed = element(ids::kSheetCode)["value"].as<std::string>();
    const bool wasShown = codeProblemShown_ && !settings_.code;
    worksheets::setTypedCode(settings_, typed);
    // A code being typed is judged once it is as long as the longest codes, or is left: six
    // characters may be the start of eight.
    codeProblemShown_ = left || worksheets::SheetCode::typedLength(typed) >=
                                    worksheets::SheetCode::kLengthWithChoices;
    if (settings_.code) {
        choices_ = settings_.code->choices();
        showChoices();
    }
    if (left && settings_.code) {
        element(ids::kSheetCode).set("value", settings_.codeText);
    }
    show();
    if (!settings_.code && codeProblemShown_ && !wasShown) {
        announce(words::kNoSuchSheetCode);
    }
}

void SheetPage::print() { document()["defaultView"].call<void>("print"); }

namespace {

// Text whose length in UTF-16 units is over the most read: refused before it is copied into
// the program, so that a stray paste of megabytes costs nothing.
bool tooLong(const val& text) {
    return text["length"].as<double>() > static_cast<double>(worksheets::kLongestPaste);
}

// Offers text as a file, byte for byte: a string handed to JavaScript would lose a byte order
// mark at its start. Whether the browser took it.
bool save(const std::string& name, std::string_view type, const std::string& text) {
    const val bytes(emscripten::typed_memory_view(
        text.size(), reinterpret_cast<const unsigned char*>(text.data())));
    return web_ui_save_file(val(name).as_handle(), val(std::string(type)).as_handle(),
                            bytes.as_handle()) != 0;
}

}  // namespace

void SheetPage::resultsPasted(const val& event) {
    const val clipboard = event["clipboardData"];
    if (clipboard.isUndefined() || clipboard.isNull() ||
        !tooLong(clipboard.call<val>("getData", std::string("text")))) {
        return;
    }
    event.call<void>("preventDefault");
    element(ids::kResultsStatus).set("textContent", std::string(words::kResultsTooLong));
}

void SheetPage::resultsTyped() {
    val field = element(ids::kResultsPaste);
    if (tooLong(field["value"])) {
        // Dropped in or typed past the most: the text as it was stays.
        field.set("value", resultsText_);
        element(ids::kResultsStatus).set("textContent", std::string(words::kResultsTooLong));
        return;
    }
    resultsText_ = field["value"].as<std::string>();
    showResults();
}

void SheetPage::showResults() {
    std::string said;
    std::string table;
    results_ = {};
    if (settings_.code && !worksheets::TypedText(resultsText_).trim().empty()) {
        results_ = worksheets::classResults(resultsText_, *settings_.code, settings_.problems,
                                            settings_.variants);
        table = worksheets::resultsMarkup(results_);
        said = results_.rows.empty() && results_.apart.empty()
                   ? std::string(words::kNoResultsFound)
                   : words::resultsSaid(static_cast<int>(results_.rows.size()),
                                        static_cast<int>(results_.apart.size()));
    }
    element(ids::kResultsShown).set("innerHTML", table);
    element(ids::kResultsStatus).set("textContent", said);
    element(ids::kResultsDownload).set("disabled", results_.rows.empty());
    element(ids::kResultsPrint).set("disabled", results_.rows.empty());
}

void SheetPage::downloadTable() {
    if (results_.rows.empty()) {
        return;
    }
    if (!save(words::tableFileName(settings_.codeText), "text/csv;charset=utf-8",
              worksheets::resultsCsv(results_))) {
        element(ids::kResultsStatus).set("textContent", std::string(words::kFileNotSaved));
    }
}

void SheetPage::printTable() {
    // Only the table goes to paper (sheet.css).
    document()["body"]["dataset"].set("print", std::string("results"));
    printingTable_ = true;
    document()["defaultView"].call<void>("print");
}

void SheetPage::downloadMoodle() {
    if (!settings_.code) {
        announce(words::kNoSuchSheetCode);
        return;
    }
    std::string name = settings_.codeText;
    name += ".xml";
    if (!save(name, "application/xml",
              worksheets::moodleXml(worksheets::ProblemSet(*settings_.code), settings_.problems,
                                    settings_.variants))) {
        announce(words::kFileNotSaved);
    }
}

void SheetPage::printStarts() {
    // The table alone only when its own button asked; Ctrl+P and "Печат" print the sheets.
    if (!printingTable_) {
        document()["body"]["dataset"].delete_("print");
    }
    printingTable_ = false;
    web_ui_replace_query(document()["location"]["pathname"].as_handle());
    // The browser takes what it prints as the event ends; the address has its code back at the
    // next turn, not only at "afterprint", which some browsers never send.
    emscripten_set_timeout(&SheetPage::printTaken, 0, this);
}

void SheetPage::printTaken(void* page) { static_cast<SheetPage*>(page)->printEnded(); }

void SheetPage::printEnded() {
    web_ui_replace_query(val(worksheets::sheetQuery(settings_)).as_handle());
}

void SheetPage::drawNewSheet() {
    settings_.code = drawnCode(choices_);
    settings_.codeText = settings_.code->text();
    element(ids::kSheetCode).set("value", settings_.codeText);
    show();
    announce(words::newSheetSaid(settings_.codeText));
}

std::string SheetPage::link() const {
    // The page's own address, whatever the browser let the page write into it.
    std::string address(worksheets::withoutQuery(document()["location"]["href"].as<std::string>()));
    address += worksheets::sheetQuery(settings_);
    return address;
}

void SheetPage::copyLink() {
    const std::string shown = link();
    val field = element(ids::kSheetLink);
    field.set("value", shown);
    copy(shown, field, [this](bool copied) {
        // The link shows only where the browser would not copy it, ready for Ctrl+C.
        element(ids::kSheetLinkBox).set("hidden", copied);
        announce(!copied      ? words::kCopyByHand
                 : fromFile() ? words::kFileLinkCopied
                              : words::kLinkCopied);
    });
}

void SheetPage::copyPupilsLink() {
    if (!settings_.code) {
        announce(words::kNoSuchSheetCode);
        return;
    }
    pupilsLinkAsked_ = true;
    showPupilsLink();
    if (!element(ids::kSheetPupilsNote)["hidden"].as<bool>()) {
        announce(words::kNoPupilsLinkFromFile);
        return;
    }
    const val field = element(ids::kSheetPupilsLink);
    copy(field["value"].as<std::string>(), field,
         [this](bool copied) { announce(copied ? words::kPupilsLinkCopied : words::kCopyByHand); });
}

bool SheetPage::fromFile() const {
    // A link to a file (file:, or content: on Android) opens on this device alone.
    const std::string protocol = document()["location"]["protocol"].as<std::string>();
    return protocol != "http:" && protocol != "https:";
}

void SheetPage::showPupilsLink() {
    const bool fromFile = this->fromFile();
    const bool shown = pupilsLinkAsked_ && settings_.code.has_value();
    element(ids::kSheetPupilsBox).set("hidden", !shown || fromFile);
    element(ids::kSheetPupilsNote).set("hidden", !shown || !fromFile);
    if (!shown) {
        return;
    }
    if (fromFile) {
        element(ids::kSheetPupilsNote)
            .set("textContent", words::pupilsOffFileNote(settings_.codeText, settings_.problems));
        return;
    }
    std::string address =
        worksheets::addressBeside(document()["location"]["href"].as<std::string>(), kPracticePage);
    address += worksheets::pupilsQuery(settings_);
    element(ids::kSheetPupilsLink).set("value", address);
}

void SheetPage::announce(std::string_view text) {
    element(ids::kSheetStatus).set("textContent", std::string(text));
}

void SheetPage::showSettings() {
    element(ids::kSheetCode).set("value", settings_.codeText);
    element(ids::kSheetProblems).set("value", std::to_string(settings_.problems));
    element(ids::kSheetVariants).set("value", std::to_string(settings_.variants));
    element(ids::kSheetKey).set("checked", settings_.key);
    element(ids::kSheetSolutions).set("checked", settings_.solutions);
    // Solutions go with the answers, at the end.
    element(ids::kSheetSolutions).set("disabled", !settings_.key);
    element(ids::kSheetHints).set("checked", settings_.hints);
    if (settings_.code) {
        choices_ = settings_.code->choices();
    }
    showChoices();
}

void SheetPage::showChoices() {
    element(ids::kSheetWholeAnswers).set("checked", choices_.wholeAnswers);
    element(ids::kSheetSought).set("value", std::to_string(static_cast<int>(choices_.sought)));
}

void SheetPage::show() {
    const std::string query = worksheets::sheetQuery(settings_);
    web_ui_replace_query(val(query).as_handle());
    element(ids::kSheetLink).set("value", link());
    showPupilsLink();
    const bool problem = !settings_.code && codeProblemShown_;
    element(ids::kSheetCodeProblem).set("hidden", !problem);
    markInvalid(element(ids::kSheetCode), problem);
    // A code that cannot be read shows no sheet at all, rather than some other one. The sheets
    // are the same with hints or without.
    worksheets::SheetSettings printed = settings_;
    printed.hints = worksheets::kHintsAtFirst;
    const std::string made = settings_.code ? worksheets::sheetQuery(printed) : std::string();
    if (made == shown_) {
        return;
    }
    // The results are marked against the sheet: read again only when it is another.
    showResults();
    element(ids::kSheets)
        .set("innerHTML", settings_.code
                              ? worksheets::sheetMarkup(worksheets::ProblemSet(*settings_.code),
                                                        settings_.problems, settings_.variants,
                                                        settings_.key, settings_.solutions)
                              : std::string());
    shown_ = made;
}

}  // namespace web_ui
