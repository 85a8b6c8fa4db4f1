#include "worksheets/sheet_wording.h"

#include "engine/number_text.h"

namespace worksheets {

namespace {

constexpr QuantityWords kHours{"Часове", "час", "часа", "часове", "За едно и също време"};
constexpr QuantityWords kDays{"Дни", "ден", "дена", "дни", "За едно и също време"};

// clang-format off
constexpr std::array<ScenarioWording, engine::kScenarioCount> kSheetScenarios = {{
    {"преместват", "преместят",  // 1
     {{{"Кранове", "кран", "крана", "кранове", "При един и същ брой кранове"}, kHours,
       {"Товар (тонове)", "тон товар", "тона товар", "товар", "При един и същ товар"}}}},
    {"транспортират", "транспортират",  // 2
     {{{"Лодки", "лодка", "лодки", "лодки", "При един и същ брой лодки"}, kHours,
       {"Пясък (куб. м)", "куб. м пясък", "куб. м пясък", "пясък", "При едно и също количество пясък"}}}},
    {"обслужват", "обслужат",  // 3
     {{{"Касиерки", "касиерка", "касиерки", "касиерки", "При един и същ брой касиерки"}, kHours,
       {"Клиенти", "клиент", "клиенти", "клиенти", "При един и същ брой клиенти"}}}},
    {"изкопават", "изкопаят",  // 4
     {{{"Миньори", "миньор", "миньори", "миньори", "При един и същ брой миньори"}, kHours,
       {"Руда (куб. м)", "куб. м руда", "куб. м руда", "руда", "При едно и също количество руда"}}}},
    {"окосяват пасище от", "окосят пасище от",  // 5
     {{{"Хора", "човек", "човека", "хора", "При един и същ брой хора"}, kHours,
       {"Пасище (декари)", "декар", "декара", "декари", "При едно и също пасище"}}}},
    {"изорават нива от", "изорат нива от",  // 6
     {{{"Трактори", "трактор", "трактора", "трактори", "При един и същ брой трактори"}, kHours,
       {"Нива (декари)", "декар", "декара", "декари", "При една и съща нива"}}}},
    {"набират", "наберат",  // 7
     {{{"Берачи", "берач", "берачи", "берачи", "При един и същ брой берачи"}, kHours,
       {"Ябълки (тонове)", "тон ябълки", "тона ябълки", "ябълки", "При едно и също количество ябълки"}}}},
    {"събират", "съберат",  // 8
     {{{"Дървосекачи", "дървосекач", "дървосекачи", "дървосекачи", "При един и същ брой дървосекачи"}, kHours,
       {"Дървесина (куб. м)", "куб. м дървесина", "куб. м дървесина", "дървесина", "При едно и също количество дървесина"}}}},
    {"поливат поле от", "полеят поле от",  // 9
     {{{"Машини", "машина", "машини", "машини", "При един и същ брой машини"}, kHours,
       {"Поле (декари)", "декар", "декара", "декари", "При едно и също поле"}}}},
    {"пълнят басейн от", "напълнят басейн от",  // 10
     {{{"Тръби", "тръба", "тръби", "тръби", "При един и същ брой тръби"}, kHours,
       {"Басейн (куб. м)", "куб. м", "куб. м", "вода", "При едно и също количество вода"}}}},
    {"изтъкават", "изтъкат",  // 11
     {{{"Тъкачки", "тъкачка", "тъкачки", "тъкачки", "При един и същ брой тъкачки"}, kDays,
       {"Килими", "килим", "килима", "килими", "При един и същ брой килими"}}}},
    {"решават", "решат",  // 12
     {{{"Ученици", "ученик", "ученици", "ученици", "При един и същ брой ученици"}, kHours,
       {"Задачи", "задача", "задачи", "задачи", "При един и същ брой задачи"}}}},
    {"прочитат", "прочетат",  // 13
     {{{"Ученици", "ученик", "ученици", "ученици", "При един и същ брой ученици"}, kHours,
       {"Книги", "книга", "книги", "книги", "При един и същ брой книги"}}}},
    {"изработват", "изработят",  // 14
     {{{"Машини", "машина", "машини", "машини", "При един и същ брой машини"}, kDays,
       {"Детайли", "детайл", "детайла", "детайли", "При един и същ брой детайли"}}}},
    {"снасят", "снесат",  // 15
     {{{"Кокошки", "кокошка", "кокошки", "кокошки", "При един и същ брой кокошки"}, kDays,
       {"Яйца", "яйце", "яйца", "яйца", "При един и същ брой яйца"}}}},
    {"преглеждат", "прегледат",  // 16
     {{{"Лекари", "лекар", "лекари", "лекари", "При един и същ брой лекари"}, kHours,
       {"Пациенти", "пациент", "пациенти", "пациенти", "При един и същ брой пациенти"}}}},
}};
// clang-format on

}  // namespace

const std::array<ScenarioWording, engine::kScenarioCount>& sheetScenarios() {
    return kSheetScenarios;
}

QuantityKind kindAt(int position) {
    return static_cast<QuantityKind>((position - 1) % kQuantityKinds);
}

std::array<std::string, engine::kFragmentCount> sheetFragments(int scenario) {
    const ScenarioWording& wording = kSheetScenarios.at(static_cast<std::size_t>(scenario - 1));
    const auto many = [&wording](QuantityKind kind) {
        return wording.quantities[static_cast<std::size_t>(kind)].many;
    };
    std::array<std::string, engine::kFragmentCount> fragments;
    for (std::size_t situation = 0; situation < 2; ++situation) {
        std::string* fragment = &fragments[situation * kQuantityKinds];
        fragment[0] = ' ';
        fragment[0] += many(QuantityKind::kCount);
        fragment[0] += " за ";
        fragment[1] = ' ';
        fragment[1] += many(QuantityKind::kTime);
        fragment[1] += situation == 0 ? " " : " ще ";
        fragment[1] += situation == 0 ? wording.present : wording.future;
        fragment[1] += ' ';
        fragment[2] = ' ';
        fragment[2] += many(QuantityKind::kAmount);
    }
    fragments.back() += '.';
    return fragments;
}

std::string sheetSentence(const engine::Problem& problem) {
    const std::array<std::string, engine::kFragmentCount> fragments =
        sheetFragments(problem.scenario);
    std::string sentence = "Ако ";
    for (int position = 1; position <= engine::kQuantityCount; ++position) {
        if (position == engine::kFirstOfSecondSituation) {
            sentence += ", то ";
        }
        sentence += position == problem.unknown
                        ? std::string("X")
                        : engine::integerText(problem.numbers[position - 1]);
        sentence += fragments[position - 1];
    }
    return sentence;
}

std::string_view unitAfter(const QuantityWords& words, std::string_view number) {
    return number == "1" ? words.one : words.many;
}

}  // namespace worksheets
