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
        "учениците: те трябва да отворят страницата от уеб сървър (вижте „Serving it at a "
        "school“ в README). Вместо връзка им дайте кода на листа и броя на задачите: код ";
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

}  // namespace worksheets::words
