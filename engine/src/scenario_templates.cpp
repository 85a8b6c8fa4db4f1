#include "engine/scenario_templates.h"

namespace engine {

namespace {

// Every fragment starts with a blank; fragment 6 closes the sentence. The texts are the
// program's own and are kept letter for letter, including the blank after scenario 9's full
// stop and the spelling of scenario 10.
// clang-format off
constexpr std::array<ScenarioTemplate, kScenarioCount> kScenarioTemplates = {{
    {{" крана за ", " часа преместват ", " тона товар", " крана за ", " часа ще преместят ", " тона товар."}},  // 1
    {{" лодки за ", " часа транспортират ", " кубика пясък", " лодки за ", " часа ще транспортират ", " кубика пясък."}},  // 2
    {{" касиерки за ", " часа обслужват ", " клиента", " касиерки за ", " часа ще обслужат ", " клиента."}},  // 3
    {{" миньора за ", " часа изкопават ", " кубика руда", " миньора за ", " часа ще изкопаят ", " кубика руда."}},  // 4
    {{" човека за ", " часа окосяват пасище от ", " декара", " човека за ", " часа ще окосят пасище от ", " декара."}},  // 5
    {{" трактора за ", " часа изорават нива от ", " декара", " трактора за ", " часа ще изорат нива от ", " декара."}},  // 6
    {{" берача за ", " часа набират ", " тона ябълки", " берача за ", " часа ще наберат ", " тона ябълки."}},  // 7
    {{" дървосекача за ", " часа събират ", " кубика дървесина", " дървосекача за ", " часа ще съберат ", " кубика дървесина."}},  // 8
    {{" машини за ", " часа поливат поле от ", " декара", " машини за ", " часа ще полеят поле от ", " декара. "}},  // 9
    {{" трьби за ", " часа пьлнят басейн от ", " кубика", " трьби за ", " часа ще напьлнят басейн от ", " кубика."}},  // 10
    {{" тъкачки за ", " дена изтъкават ", " килима", " тъкачки за ", " дена ще изтъкат ", " килима."}},  // 11
    {{" ученика за ", " часа решават ", " задачи", " ученика за ", " часа ще решат ", " задачи."}},  // 12
    {{" ученика за ", " часа прочитат ", " книги", " ученика за ", " часа ще прочитат ", " книги."}},  // 13
    {{" машини за ", " дена изработват ", " детайла", " машини за ", " дена ще изработят ", " детайла."}},  // 14
    {{" кокошки за ", " дена снасят ", " яйца", " кокошки за ", " дена ще снесат ", " яйца."}},  // 15
    {{" лекаря за ", " часа преглеждат ", " пациента", " лекаря за ", " часа ще прегледат ", " пациента."}},  // 16
}};
// clang-format on

}  // namespace

const std::array<ScenarioTemplate, kScenarioCount>& scenarioTemplates() {
    return kScenarioTemplates;
}

void fillDesignTimeLists(const std::array<ListBox*, kListCount>& lists) {
    ListBox& numbers = *lists[0];
    numbers.clear();
    for (const std::string_view number : kPlaceholderNumbers) {
        numbers.addItem(number);
    }
    for (int scenario = 1; scenario <= kScenarioCount; ++scenario) {
        ListBox& fragments = *lists[static_cast<std::size_t>(scenario)];
        fragments.clear();
        for (const std::string_view fragment : kScenarioTemplates[scenario - 1]) {
            fragments.addItem(fragment);
        }
    }
}

}  // namespace engine
