#include "web_ui/sheet_page.h"

#include <emscripten/eventloop.h>

#include <cstdint>
#include <stdexcept>

#include "web_core/practice_link.h"
#include "web_core/query_text.h"
#include "web_core/sheet_markup.h"
#include "web_ui/page_address.h"
#include "worksheets/problem_set.h"

namespace web_ui {

using emscripten::val;

namespace {

constexpr std::string_view kLinkCopied = "Връзката е копирана.";
constexpr std::string_view kCopyByHand = "Връзката е избрана: копирайте я с Ctrl+C.";
constexpr std::string_view kPupilsLinkCopied = "Връзката за учениците е копирана.";
constexpr std::string_view kNoPupilsLinkFromFile =
    "Страница от файл не дава връзка за учениците: вижте бележката под бутоните.";
// The pupils' page, beside this one.
constexpr std::string_view kPracticePage = "practice.html";

// A new sheet's code, from the browser's generator of random numbers for cryptography: every
// code as likely as another, and two teachers' sheets different.
worksheets::SheetCode drawnCode() {
    val number = val::global("Uint32Array").new_(1);
    val::global("crypto").call<val>("getRandomValues", number);
    return worksheets::SheetCode::fromNumber(number[0].as<std::uint32_t>());
}

}  // namespace

SheetPage::SheetPage(val document)
    : document_(std::move(document)),
      codeField_(byId("sheet-code")),
      codeProblem_(byId("sheet-code-problem")),
      problemsField_(byId("sheet-problems")),
      variantsField_(byId("sheet-variants")),
      keyBox_(byId("sheet-key")),
      linkBox_(byId("sheet-link-box")),
      linkField_(byId("sheet-link")),
      pupilsBox_(byId("sheet-pupils-box")),
      pupilsField_(byId("sheet-pupils-link")),
      pupilsNote_(byId("sheet-pupils-note")),
      status_(byId("sheet-status")),
      sheets_(byId("sheets")),
      settings_(web_core::readSheetQuery(document_["location"]["search"].as<std::string>())),
      problemsTyped_(problemsField_, "input", calling(&SheetPage::problemsTyped)),
      problemsLeft_(problemsField_, "change", calling(&SheetPage::problemsLeft)),
      variantsTyped_(variantsField_, "input", calling(&SheetPage::variantsTyped)),
      variantsLeft_(variantsField_, "change", calling(&SheetPage::variantsLeft)),
      keyChanged_(keyBox_, "change", calling(&SheetPage::keyChanged)),
      codeTyped_(codeField_, "input", calling(&SheetPage::codeTyped)),
      codeLeft_(codeField_, "change", calling(&SheetPage::codeLeft)),
      newClicked_(byId("sheet-new"), "click", calling(&SheetPage::drawNewSheet)),
      copyClicked_(byId("sheet-copy"), "click", calling(&SheetPage::copyLink)),
      pupilsClicked_(byId("sheet-pupils"), "click", calling(&SheetPage::copyPupilsLink)),
      printClicked_(byId("sheet-print"), "click", calling(&SheetPage::print)),
      printStarts_(document_["defaultView"], "beforeprint", calling(&SheetPage::printStarts)),
      printEnded_(document_["defaultView"], "afterprint", calling(&SheetPage::printEnded)) {
    codeProblem_.set("textContent", std::string(worksheets::kNoSuchSheetCode));
    // Opened without a code, the page makes a sheet of its own; a code it cannot read is said
    // to be so at once, as nobody is typing it.
    if (settings_.codeText.empty()) {
        settings_.code = drawnCode();
        settings_.codeText = settings_.code->text();
    }
    codeProblemShown_ = !settings_.code.has_value();
    showSettings();
    show();
}

val SheetPage::byId(const char* id) const {
    val element = document_.call<val>("getElementById", std::string(id));
    if (element.isNull()) {
        throw std::logic_error(std::string("the worksheet page has no element ") + id);
    }
    return element;
}

EventListener::Handler SheetPage::calling(void (SheetPage::*action)()) {
    return [this, action](const val&) { (this->*action)(); };
}

namespace {

// A count as typed so far; what is not yet a number leaves it as it was.
int typedCount(const val& field, int count, web_core::CountRange range) {
    return web_core::nearestAllowed(field["value"].as<std::string>(),
                                    {range.least, range.most, count});
}

}  // namespace

void SheetPage::problemsTyped() {
    settings_.problems =
        typedCount(problemsField_, settings_.problems, web_core::kProblemsPerPupil);
    show();
}

// Once a field is left, it shows the count the sheet has.
void SheetPage::problemsLeft() { problemsField_.set("value", std::to_string(settings_.problems)); }

void SheetPage::variantsTyped() {
    settings_.variants = typedCount(variantsField_, settings_.variants, web_core::kVariantCount);
    show();
}

void SheetPage::variantsLeft() { variantsField_.set("value", std::to_string(settings_.variants)); }

void SheetPage::keyChanged() {
    settings_.key = keyBox_["checked"].as<bool>();
    show();
}

void SheetPage::codeTyped() { readCode(false); }

void SheetPage::codeLeft() { readCode(true); }

void SheetPage::readCode(bool left) {
    const std::string typed = codeField_["value"].as<std::string>();
    const bool wasShown = codeProblemShown_ && !settings_.code;
    web_core::setTypedCode(settings_, typed);
    // A code being typed is judged once it has its six characters, or is left.
    codeProblemShown_ =
        left || worksheets::SheetCode::typedLength(typed) >= worksheets::SheetCode::kLength;
    if (left && settings_.code) {
        codeField_.set("value", settings_.codeText);
    }
    show();
    if (!settings_.code && codeProblemShown_ && !wasShown) {
        announce(worksheets::kNoSuchSheetCode);
    }
}

void SheetPage::print() { document_["defaultView"].call<void>("print"); }

void SheetPage::printStarts() {
    web_ui_replace_query(document_["location"]["pathname"].as_handle());
    // The browser takes what it prints as the event ends; the address has its code back at the
    // next turn, not only at "afterprint", which some browsers never send.
    emscripten_set_timeout(&SheetPage::printTaken, 0, this);
}

void SheetPage::printTaken(void* page) { static_cast<SheetPage*>(page)->printEnded(); }

void SheetPage::printEnded() {
    web_ui_replace_query(val(web_core::sheetQuery(settings_)).as_handle());
}

void SheetPage::drawNewSheet() {
    settings_.code = drawnCode();
    settings_.codeText = settings_.code->text();
    codeField_.set("value", settings_.codeText);
    show();
    announce("Нов лист с код " + settings_.codeText + ".");
}

std::string SheetPage::link() const {
    // The page's own address, whatever the browser let the page write into it.
    std::string address(web_core::withoutQuery(document_["location"]["href"].as<std::string>()));
    address += web_core::sheetQuery(settings_);
    return address;
}

void SheetPage::copyLink() {
    const std::string shown = link();
    linkField_.set("value", shown);
    web_ui_copy_text(val(shown).as_handle(), &SheetPage::linkCopied, this);
}

void SheetPage::linkCopied(void* page, int copied) {
    auto& self = *static_cast<SheetPage*>(page);
    self.linkBox_.set("hidden", copied != 0);
    self.sayCopied(copied != 0, self.linkField_, kLinkCopied);
}

void SheetPage::sayCopied(bool copied, val& field, std::string_view said) {
    if (copied) {
        announce(said);
        return;
    }
    // Where the browser would not copy, the link is ready for Ctrl+C.
    field.call<void>("focus");
    field.call<void>("select");
    announce(kCopyByHand);
}

void SheetPage::copyPupilsLink() {
    if (!settings_.code) {
        announce(worksheets::kNoSuchSheetCode);
        return;
    }
    pupilsLinkAsked_ = true;
    showPupilsLink();
    if (!pupilsNote_["hidden"].as<bool>()) {
        announce(kNoPupilsLinkFromFile);
        return;
    }
    web_ui_copy_text(pupilsField_["value"].as_handle(), &SheetPage::pupilsLinkCopied, this);
}

void SheetPage::pupilsLinkCopied(void* page, int copied) {
    auto& self = *static_cast<SheetPage*>(page);
    self.sayCopied(copied != 0, self.pupilsField_, kPupilsLinkCopied);
}

void SheetPage::showPupilsLink() {
    // A link to a file (file:, or content: on Android) opens nothing on a pupil's own device.
    const std::string protocol = document_["location"]["protocol"].as<std::string>();
    const bool fromFile = protocol != "http:" && protocol != "https:";
    const bool shown = pupilsLinkAsked_ && settings_.code.has_value();
    pupilsBox_.set("hidden", !shown || fromFile);
    pupilsNote_.set("hidden", !shown || !fromFile);
    if (!shown) {
        return;
    }
    if (fromFile) {
        pupilsNote_.set("textContent", web_core::pupilsOffFileNote(settings_));
        return;
    }
    std::string address =
        web_core::addressBeside(document_["location"]["href"].as<std::string>(), kPracticePage);
    address += web_core::pupilsQuery(settings_);
    pupilsField_.set("value", address);
}

void SheetPage::announce(std::string_view text) { status_.set("textContent", std::string(text)); }

void SheetPage::showSettings() {
    codeField_.set("value", settings_.codeText);
    problemsField_.set("value", std::to_string(settings_.problems));
    variantsField_.set("value", std::to_string(settings_.variants));
    keyBox_.set("checked", settings_.key);
}

void SheetPage::show() {
    const std::string query = web_core::sheetQuery(settings_);
    web_ui_replace_query(val(query).as_handle());
    linkField_.set("value", link());
    showPupilsLink();
    const bool problem = !settings_.code && codeProblemShown_;
    codeProblem_.set("hidden", !problem);
    codeField_.call<void>("setAttribute", std::string("aria-invalid"),
                          std::string(problem ? "true" : "false"));
    // A code that cannot be read shows no sheet at all, rather than some other one.
    const std::string made = settings_.code ? query : std::string();
    if (made == shown_) {
        return;
    }
    sheets_.set("innerHTML",
                settings_.code
                    ? web_core::sheetMarkup(worksheets::ProblemSet(*settings_.code),
                                            settings_.problems, settings_.variants, settings_.key)
                    : std::string());
    shown_ = made;
}

}  // namespace web_ui
