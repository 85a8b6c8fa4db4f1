#include "design/main_form_design.h"

#include <stdexcept>

namespace design {

namespace {

constexpr Rgb kWindowBackground{0xC0, 0xC0, 0xFF};
constexpr Rgb kOptionBackground{0xFF, 0xC0, 0xFF};
constexpr std::string_view kFrameCaption = "Сложно тройно правило:   A*B*F = C*D*E";
constexpr std::string_view kLabelCaption = "Математика - пропорция, сложно тройно правило ";

// Option n sits inside the frame, measured from the frame's top left.
constexpr Control option(int n, std::string_view letter, std::string_view accessibleName) {
    return Control{.id = optionId(n),
                   .kind = ControlKind::OptionButton,
                   .place = {240 + 720 * n, 360, 615, 285},
                   .insideFrame = true,
                   .background = kOptionBackground,
                   .caption = letter,
                   .accessibleName = accessibleName};
}

// The strip of lists along the bottom edge: most of each lies below the window's edge, and they
// overlap one another and the transcript's bottom. List1(0) to List1(10) form a first row,
// List1(11) to List1(16) a lower second one.
constexpr Control list(int index, int left, std::string_view accessibleName) {
    return Control{.id = listId(index),
                   .kind = ControlKind::ListBox,
                   .place = {left, index < 11 ? 4440 : 4560, 855, 1485},
                   .accessibleName = accessibleName};
}

// clang-format off
constexpr WindowDesign kMainForm{
    .designName = "MainForm",
    .clientArea = {0, 0, 6990, 4860},
    .background = kWindowBackground,
    // Any address under a domain reserved for examples; the program itself talks to no network.
    .title = "https://proporcia.example.org  Математика - пропорция",
    .font = {.family = "Times New Roman",
             .metricCompatibleFamily = "Liberation Serif",
             .points = 12},
    .introText =
        "Задачите, в които са дадени величини, съответстващи пропорционално на други (повече от "
        "две) и се търси стойността на една от тях се наричат задачи със сложно тройно правило.\r\n"
        "Да се реализира проект, чрез който се илюстрира междупредметна връзка между Математика и "
        "Информатика.\r\n"
        "Тема на проекта: Математика - пропорция, сложно тройно правило.\r\n"
        "Проектът автоматично да генерира условие на нова задача (с различен текст, коефициенти и "
        "търсено неизвестно), както и възможност за извеждане на решението й.\r\n"
        "Примерен текст на условие:\r\n"
        "Ако 30 лодки за 17 часа транспортират 19 кубика пясък, то колко лодки за 68 часа ще "
        "транспортират 152 кубика пясък?\r\n",
    .controls = {{
        {.id = {"Label1"}, .kind = ControlKind::Label, .place = {360, 0, 5895, 375},
         .background = Rgb{0xFF, 0xC0, 0x80}, .caption = kLabelCaption,
         .alignment = Alignment::Centre, .accessibleName = kLabelCaption},
        {.id = {"Frame1"}, .kind = ControlKind::Frame, .place = {600, 480, 5175, 855},
         .background = kWindowBackground, .caption = kFrameCaption,
         .accessibleName = "Търсената величина", .accessibleDescription = kFrameCaption},
        option(0, "A", "Търсената величина е A"),
        option(1, "B", "Търсената величина е B"),
        option(2, "C", "Търсената величина е C"),
        option(3, "D", "Търсената величина е D"),
        option(4, "E", "Търсената величина е E"),
        option(5, "F", "Търсената величина е F"),
        {.id = commandId(0), .kind = ControlKind::CommandButton,
         .place = {5880, 600, 975, 375}, .background = Rgb{0x80, 0xFF, 0x80},
         .caption = "Задача", .accessibleName = "Задача",
         .accessibleDescription = "Съставя нова задача"},
        {.id = commandId(1), .kind = ControlKind::CommandButton,
         .place = {5880, 1080, 975, 375}, .background = Rgb{0x80, 0x80, 0xFF},
         .caption = "Сметки", .accessibleName = "Сметки",
         .accessibleDescription = "Показва решението на задачата"},
        {.id = transcriptId(), .kind = ControlKind::TextBox, .place = {480, 1800, 6015, 2775},
         .accessibleName = "Условие и решение на задачата"},
        list(0, 480, "Числата на задачата"),
        list(1, 1440, "Сценарий 1"),
        list(2, 1920, "Сценарий 2"),
        list(3, 2280, "Сценарий 3"),
        list(4, 2640, "Сценарий 4"),
        list(5, 3000, "Сценарий 5"),
        list(6, 3360, "Сценарий 6"),
        list(7, 3720, "Сценарий 7"),
        list(8, 3960, "Сценарий 8"),
        list(9, 4320, "Сценарий 9"),
        list(10, 4680, "Сценарий 10"),
        list(11, 5040, "Сценарий 11"),
        list(12, 5520, "Сценарий 12"),
        list(13, 5880, "Сценарий 13"),
        list(14, 6240, "Сценарий 14"),
        list(15, 6600, "Сценарий 15"),
        list(16, 6960, "Сценарий 16"),
    }},
    .tabOrder = {{
        {"Text1", 0}, {"List1", 0}, {"List1", 1}, {"List1", 2}, {"List1", 3}, {"List1", 4},
        {"List1", 5}, {"List1", 6}, {"List1", 7}, {"List1", 8}, {"List1", 9}, {"List1", 10},
        {"Command1", 0}, {"Frame1"}, {"Option1", 0}, {"Option1", 1}, {"Option1", 2},
        {"Option1", 3}, {"Option1", 4}, {"Option1", 5}, {"Label1"}, {"Command1", 1},
        {"List1", 11}, {"List1", 12}, {"List1", 13}, {"List1", 14}, {"List1", 15}, {"List1", 16}
    }},
};
// clang-format on

}  // namespace

const WindowDesign& mainForm() { return kMainForm; }

const Control& control(ControlId id) {
    for (const Control& candidate : kMainForm.controls) {
        if (candidate.id == id) {
            return candidate;
        }
    }
    throw std::out_of_range("the main window has no control " + objectName(id));
}

std::string objectName(const ControlId& id) {
    std::string name(id.name);
    if (id.index != ControlId::kNoIndex) {
        name += '_';
        name += std::to_string(id.index);
    }
    return name;
}

}  // namespace design
