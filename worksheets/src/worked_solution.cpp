#include "worksheets/worked_solution.h"

#include "engine/number_text.h"
#include "worksheets/page_words.h"

namespace worksheets {

namespace {

constexpr std::string_view kRatioSign = "/";
constexpr std::string_view kTimesSign = " · ";

// How many work against how long is inverse; either against how much is done, direct.
bool inverse(QuantityKind a, QuantityKind b) {
    return (a == QuantityKind::kCount && b == QuantityKind::kTime) ||
           (a == QuantityKind::kTime && b == QuantityKind::kCount);
}

int position(int row, QuantityKind column) {
    return row * kQuantityKinds + static_cast<int>(column) + 1;
}

ProportionStep step(const ScenarioWording& wording, QuantityKind compared, QuantityKind unknown) {
    const auto words = [&wording](QuantityKind kind) -> const QuantityWords& {
        return wording.quantities[static_cast<std::size_t>(kind)];
    };
    // The columns are 0, 1 and 2, which add up to 3.
    const auto third = static_cast<QuantityKind>(kQuantityKinds - static_cast<int>(compared) -
                                                 static_cast<int>(unknown));
    ProportionStep made{compared, inverse(compared, unknown), {}, {}};
    made.arrows = made.inverse ? words::kInverseArrows : words::kDirectArrows;
    made.words += words(third).same;
    made.words += ": ";
    made.words += words::kMore;
    made.words += ' ';
    made.words += words(compared).compared;
    made.words += " – ";
    made.words += made.inverse ? words::kLess : words::kMore;
    made.words += ' ';
    made.words += words(unknown).compared;
    made.words += ", ";
    made.words += made.inverse ? words::kInverseProportion : words::kDirectProportion;
    made.words += '.';
    return made;
}

}  // namespace

WorkedSolution workedSolution(const SheetProblem& sheetProblem) {
    const engine::Problem& problem = sheetProblem.problem;
    const ScenarioWording& wording =
        sheetScenarios().at(static_cast<std::size_t>(problem.scenario - 1));
    const auto number = [&problem](int row, QuantityKind column) {
        return engine::integerText(problem.numbers[position(row, column) - 1]);
    };
    WorkedSolution solution;
    const int unknownRow = problem.unknown < engine::kFirstOfSecondSituation ? 0 : 1;
    const int otherRow = 1 - unknownRow;
    solution.unknownRow = unknownRow;
    solution.unknownColumn = kindAt(problem.unknown);
    for (int c = 0; c < kQuantityKinds; ++c) {
        const auto column = static_cast<QuantityKind>(c);
        solution.headings[static_cast<std::size_t>(c)] =
            wording.quantities[static_cast<std::size_t>(c)].heading;
        for (int row = 0; row < 2; ++row) {
            solution.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(c)] =
                position(row, column) == problem.unknown ? std::string("X") : number(row, column);
        }
    }
    solution.chain = "X = ";
    solution.chain += number(otherRow, solution.unknownColumn);
    std::size_t next = 0;
    for (int c = 0; c < kQuantityKinds; ++c) {
        const auto column = static_cast<QuantityKind>(c);
        if (column == solution.unknownColumn) {
            continue;
        }
        ProportionStep& made = solution.steps[next++];
        made = step(wording, column, solution.unknownColumn);
        solution.chain += kTimesSign;
        solution.chain += number(made.inverse ? otherRow : unknownRow, column);
        solution.chain += kRatioSign;
        solution.chain += number(made.inverse ? unknownRow : otherRow, column);
    }
    const std::string value = engine::answerText(sheetProblem.solution.value(), kDecimalComma);
    solution.chain += " = ";
    solution.chain += value;
    solution.answer = words::kAnswerOpening;
    solution.answer += value;
    solution.answer += ' ';
    solution.answer +=
        unitAfter(wording.quantities[static_cast<std::size_t>(solution.unknownColumn)], value);
    return solution;
}

}  // namespace worksheets
