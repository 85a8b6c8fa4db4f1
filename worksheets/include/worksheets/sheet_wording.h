#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/problem.h"
#include "engine/scenario_templates.h"

// The words of the sixteen scenarios as the sheets and the practice page print them. The window
// keeps its own texts letter for letter (engine/scenario_templates.h); a pupil's sheet speaks the
// Bulgarian a teacher writes:
// - every sentence reads "Ако …, то …", wherever X stands ("ако" takes no "ще");
// - "тръби", "пълнят", "напълнят" and "ще прочетат" for the window's misspellings;
// - people are counted in the plural ("миньори", "ученици", "лекари", "клиенти", ...), not in
//   the counting form meant for things ("миньора"); "човека" is the accepted counting form of
//   "човек" and stays, as does "дена";
// - the colloquial "кубика" is printed as a textbook prints cubic metres, "куб. м";
// - scenario 9's sentence ends at its full stop.
namespace worksheets {

// Each scenario's three quantities, in the sentence's order: how many work, for how long, and
// how much work they do. (How many) × (time) is proportional to (the amount) in every scenario.
enum class QuantityKind { kCount = 0, kTime = 1, kAmount = 2 };
inline constexpr int kQuantityKinds = 3;

struct QuantityWords {
    // The column's heading in the short condition: "Кранове", "Часове", "Товар (тонове)".
    std::string_view heading;
    // After 1, and after any other number, 1,5 included: "час", "часа"; "ученик", "ученици".
    std::string_view one;
    std::string_view many;
    // What there is more or less of, after "повече" and "по-малко": "кранове", "товар".
    std::string_view compared;
    // The quantity held the same while the other two are compared, opening a sentence:
    // "При един и същ товар", "За едно и също време".
    std::string_view same;
};

// A scenario's sentence is "Ако {count} {many} за {time} {many} {present} {amount} {many}, то
// {count} {many} за {time} {many} ще {future} {amount} {many}.": its counting forms are its units'.
struct ScenarioWording {
    // What the workers do in the present and the future, with what follows the verb before the
    // amount: "преместват", "ще преместят"; "окосяват пасище от", "ще окосят пасище от".
    std::string_view present;
    std::string_view future;
    std::array<QuantityWords, kQuantityKinds> quantities;
};

// Scenario s (1 to 16) is element s - 1.
const std::array<ScenarioWording, engine::kScenarioCount>& sheetScenarios();

// The scenario's (1 to 16) six fragments, as the window's templates have them: fragment i
// follows quantity i.
std::array<std::string, engine::kFragmentCount> sheetFragments(int scenario);

// The kind of the quantity at a position (1 to 6): its column in the short condition.
QuantityKind kindAt(int position);

// The problem's sentence as a sheet prints it: "Ако 7 крана за X часа преместват 12 тона товар,
// то 28 крана за 10 часа ще преместят 96 тона товар."
std::string sheetSentence(const engine::Problem& problem);

// A quantity's unit in the form that agrees with a number as written ("1", "2,5", "12").
std::string_view unitAfter(const QuantityWords& words, std::string_view number);

}  // namespace worksheets
