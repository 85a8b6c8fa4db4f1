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
// Where the page was opened from a file: its address opens on this computer alone.
inline constexpr std::string_view kNoPupilsLinkFromFile =
    "Страницата е отворена от файл и връзка за учениците не може да се даде: вижте "
    "„Страницата на училищен сървър“ в ръководството за учителя.";
inline constexpr std::string_view kFileLinkCopied =
    "Връзката е копирана, но води до файл и ще се отвори само на този компютър: вижте "
    "„Страницата на училищен сървър“ в ръководството за учителя.";
// "Нов лист с код 3CFPS6."
std::string newSheetSaid(std::string_view code);
// What to give the pupils where the page was opened from a file, whose address is no use on
// their own devices.
std::string pupilsOffFileNote(std::string_view code, int problems);
inline constexpr std::string_view kNameLine = "Име: ………………… Клас: …… № ……";
inline constexpr std::string_view kKeyTitle = "Отговори";

// The class's results on the worksheet page, their table and files.
inline constexpr std::string_view kResultsTitle = "Резултати";
inline constexpr std::string_view kResultsPasteLabel =
    "Поставете тук резултатите, изпратени от учениците:";
inline constexpr std::string_view kResultsKeptNowhere =
    "Страницата не изпраща и не пази резултатите: когато я затворите, те се забравят.";
inline constexpr std::string_view kResultsTooLong =
    "Текстът е над един милион знака и не е прочетен: поставете само съобщенията с резултатите.";
inline constexpr std::string_view kFileNotSaved = "Браузърът не позволи файлът да се запише.";
inline constexpr std::string_view kNoResultsFound = "В поставения текст няма редове с резултати.";
// "Прочетени резултати: 26, извън таблицата: 2."
std::string resultsSaid(int rows, int apart);
inline constexpr std::string_view kDownloadTable = "Изтегли таблицата";
inline constexpr std::string_view kPrintTable = "Печат на таблицата";
inline constexpr std::string_view kDownloadMoodle = "Изтегли за Moodle";
// "3CFPS6-резултати.csv"
std::string tableFileName(std::string_view code);
inline constexpr std::string_view kPupilNumberHeading = "№";
inline constexpr std::string_view kNameHeading = "Име";
inline constexpr std::string_view kVariantHeading = "Вариант";
// "Задача 3"
std::string problemHeading(int number);
// "Отговор 3": the answer given, a column of the table's file.
std::string answerHeading(int number);
inline constexpr std::string_view kRightHeading = "Верни";
inline constexpr std::string_view kRightPerProblem = "Верни отговори";
inline constexpr std::string_view kMarkRight = "вярно";
inline constexpr std::string_view kMarkWrong = "грешно";
inline constexpr std::string_view kMarkNoAnswer = "без отговор";
inline constexpr std::string_view kMarkWithHint = ", с подсказка";
// Under the printed table, where a hint is marked "*".
inline constexpr std::string_view kHintLegend = "* – с подсказка";
inline constexpr std::string_view kLinesApart = "Редове извън таблицата";
inline constexpr std::string_view kLineUnread =
    "Редът не може да се прочете: непълен е или е променен.";
// "От друг лист: код 3CFPS6."
std::string otherSheet(std::string_view code);
// "Два различни реда за № 12."
std::string twoLinesForNumber(int number);

// The questions for Moodle: each problem number a category under this one.
inline constexpr std::string_view kMoodleCategory = "Сложно тройно правило";
// "Вариант 7, задача 3"
std::string moodleQuestionName(int variant, int number);
inline constexpr std::string_view kUnknownAsked = "X = ?";

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
// After the check: the line to hand in.
inline constexpr std::string_view kResultTitle = "Резултат за учителя";
inline constexpr std::string_view kResultNameLabel = "Име (по желание)";
inline constexpr std::string_view kCopyResult = "Копирай резултата";
inline constexpr std::string_view kResultNote =
    "Копирай реда и го изпрати на учителя, например в чата на класа. Страницата не пази "
    "отговорите: ако я презаредиш, те се губят.";
inline constexpr std::string_view kResultNeedsNumber =
    "Напиши номера си в класа, за да се покаже резултатът.";
inline constexpr std::string_view kResultCopied = "Резултатът е копиран: изпрати го на учителя.";
inline constexpr std::string_view kResultByHand = "Резултатът е избран: копирай го с Ctrl+C.";

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
