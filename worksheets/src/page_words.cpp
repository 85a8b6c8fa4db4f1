#include "worksheets/page_words.h"

namespace worksheets::words {

namespace {

// text, then the number: appended piece by piece, as GCC 12 warns falsely of overlapping
// copies in "..." + std::string.
std::string followedBy(std::string_view text, int number) {
    std::string joined(text);
    joined += std::to_string(number);
    return joined;
}

}  // namespace

std::string variantName(int variant) { return followedBy("Вариант ", variant); }

std::string problemName(int number) { return followedBy("Задача ", number) + '.'; }

std::string newSheetSaid(std::string_view code) {
    std::string said = "Нов лист с код ";
    said += code;
    said += '.';
    return said;
}

std::string pupilsOffFileNote(std::string_view code, int problems) {
    std::string note =
        "Този лист е отворен от файл и връзка към него няма да се отвори на устройствата на "
        "учениците: те трябва да отворят страницата от уеб сървър (вижте „Страницата на "
        "училищен сървър“ в ръководството за учителя). Вместо връзка им дайте кода на листа и "
        "броя на задачите: код ";
    note += code;
    note += ", ";
    note += std::to_string(problems);
    note += problems == 1 ? " задача." : " задачи.";
    return note;
}

std::string answerName(int number) { return followedBy("Отговор на задача ", number); }

std::string variantsRange(int variants) {
    return followedBy("Вариантите в този лист са от 1 до ", variants) + '.';
}

std::string score(int right, int count) {
    return followedBy(followedBy("Верни отговори: ", right) + " от ", count);
}

std::string resultsSaid(int rows, int apart) {
    std::string said = followedBy("Прочетени резултати: ", rows);
    if (apart > 0) {
        said += followedBy(", извън таблицата: ", apart);
    }
    return said + '.';
}

std::string tableFileName(std::string_view code) {
    std::string name(code);
    name += "-резултати.csv";
    return name;
}

std::string problemHeading(int number) { return followedBy("Задача ", number); }

std::string answerHeading(int number) { return followedBy("Отговор ", number); }

std::string otherSheet(std::string_view code) {
    std::string said = "От друг лист: код ";
    said += code;
    said += '.';
    return said;
}

std::string twoLinesForNumber(int number) {
    return followedBy("Два различни реда за № ", number) + '.';
}

std::string moodleQuestionName(int variant, int number) {
    return followedBy(followedBy("Вариант ", variant) + ", задача ", number);
}

}  // namespace worksheets::words
