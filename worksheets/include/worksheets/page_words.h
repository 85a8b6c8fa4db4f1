#pragma once

#include <string>
#include <string_view>

// Every word that the worksheet page (sheet.html) and the pupils' practice page (practice.html)
// show, in one table: what the program writes into them, and what their HTML holds, which the
// build fills in from here (app/web/page_values.cpp). Nothing else of the pages is Bulgarian.
namespace worksheets::words {

// Both pages.
inline constexpr std::string_view kCodeLabel = "Код на листа:";
inline constexpr std::string_view kNoSuchSheetCode = "Няма такъв код на лист.";
inline constexpr std::string_view kNeedsJavaScript = "Страницата изисква JavaScript.";
// "Вариант 7"
std::string variantName(int variant);
// "Задача 3."
std::string problemName(int number);

// The worksheet page, and the printed sheets.
inline constexpr std::string_view kSheetTitle = "Работен лист – сложно тройно правило";
inline constexpr std::string_view kNewSheet = "Нов лист";
inline constexpr std::string_view kProblemsPerPupilLabel = "Задачи за всеки ученик:";
inline constexpr std::string_view kVariantCountLabel = "Брой варианти:";
inline constexpr std::string_view kKeyLabel = "С отговорите накрая";
inline constexpr std::string_view kSolutionsLabel = "С решенията";
inline constexpr std::string_view kWholeAnswersLabel = "Само цели отговори";
inline constexpr std::string_view kSoughtLabel = "Търси се:";
inline constexpr std::string_view kSoughtAny = "всяка величина";
inline constexpr std::string_view kSoughtCount = "броят (работници, машини…)";
inline constexpr std::string_view kSoughtTime = "времето";
inline constexpr std::string_view kSoughtAmount = "количеството";
// Beside the pupils' link, which alone carries it: a code typed by hand gives hints.
inline constexpr std::string_view kHintsLabel = "С подсказки в упражнението";
inline constexpr std::string_view kCopyLink = "Копирай връзката";
inline constexpr std::string_view kPupilsLink = "Връзка за учениците";
inline constexpr std::string_view kPrint = "Печат";
inline constexpr std::string_view kLinkLabel = "Връзка към листа:";
inline constexpr std::string_view kPupilsLinkLabel = "Връзка за учениците:";
inline constexpr std::string_view kLinkCopied = "Връзката е копирана.";
inline constexpr std::string_view kPupilsLinkCopied = "Връзката за учениците е копирана.";
inline constexpr std::string_view kCopyByHand = "Връзката е избрана: копирайте я с Ctrl+C.";
inline constexpr std::string_view kNoPupilsLinkFromFile =
    "Страница от файл не дава връзка за учениците: вижте бележката под бутоните.";
// "Нов лист с код 3CFPS6."
std::string newSheetSaid(std::string_view code);
// What to give the pupils where the page was opened from a file, whose address is no use on
// their own devices.
std::string pupilsOffFileNote(std::string_view code, int problems);
inline constexpr std::string_view kNameLine = "Име: ………………… Клас: …… № ……";
inline constexpr std::string_view kKeyTitle = "Отговори";

// The pupils' practice page.
inline constexpr std::string_view kPracticeTitle = "Упражнение – сложно тройно правило";
inline constexpr std::string_view kProblemCountLabel = "Брой задачи:";
inline constexpr std::string_view kPupilNumberLabel = "Твоят номер в класа:";
inline constexpr std::string_view kToProblems = "Към задачите";
inline constexpr std::string_view kCheck = "Провери";
inline constexpr std::string_view kAnswerLabel = "Отговор:";
// "Отговор на задача 3", the answer field's name for screen readers.
std::string answerName(int number);
inline constexpr std::string_view kNoSuchVariant = "Няма такъв вариант в този лист.";
// "Вариантите в този лист са от 1 до 26."
std::string variantsRange(int variants);
inline constexpr std::string_view kBadLink =
    "Връзката към листа е сгрешена: поискай я отново от учителя.";
inline constexpr std::string_view kRight = "Вярно";
inline constexpr std::string_view kWrong = "Грешно";
inline constexpr std::string_view kRightWithHint = "Вярно, с подсказка";
inline constexpr std::string_view kWrongWithHint = "Грешно, с подсказка";
inline constexpr std::string_view kHint = "Подсказка";
inline constexpr std::string_view kCalculations = "Сметки:";
inline constexpr std::string_view kNoAnswer = "Няма отговор";
inline constexpr std::string_view kNotANumber = "Това не е число.";
// "Верни отговори: 3 от 5"
std::string score(int right, int count);

// A worked solution ("Решение"), in the key and in practice.
inline constexpr std::string_view kSolutionTitle = "Решение";
inline constexpr std::string_view kConditionCaption = "Кратко условие";
inline constexpr std::string_view kMore = "повече";
inline constexpr std::string_view kLess = "по-малко";
inline constexpr std::string_view kDirectProportion = "права пропорционалност";
inline constexpr std::string_view kInverseProportion = "обратна пропорционалност";
inline constexpr std::string_view kDirectArrows = "↑ ↑";
inline constexpr std::string_view kInverseArrows = "↑ ↓";
inline constexpr std::string_view kAnswerOpening = "Отговор: ";

// Below the window, on its own page: the way to the worksheet.
inline constexpr std::string_view kMoreLinks = "Още";
inline constexpr std::string_view kSheetForTheClass = "Работен лист за класа";

}  // namespace worksheets::words
