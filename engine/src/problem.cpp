#include "engine/problem.h"

#include "engine/checked_arithmetic.h"
#include "engine/draw_percent.h"
#include "engine/number_text.h"
#include "engine/scenario_templates.h"

namespace engine {

int firstSituationQuantity(int percent) { return percent % 17 + 3; }

std::int32_t secondSituationMultiplier(int percent) {
    // Doubled once for each j from 0 to k: 2^(k + 1), so every answer is a terminating decimal.
    const int exponent = percent % 4;
    std::int32_t multiplier = 1;
    for (int j = 0; j <= exponent; ++j) {
        multiplier = checkedMultiply(multiplier, 2);
    }
    return multiplier;
}

int unknownPosition(int percent) { return percent % kQuantityCount + 1; }

int scenarioNumber(int percent) { return percent % kScenarioCount + 1; }

Problem drawProblem(UniformSource& draws) {
    std::array<std::int32_t, kQuantityCount> numbers{};
    for (int position = 1; position < kFirstOfSecondSituation; ++position) {
        numbers[position - 1] = firstSituationQuantity(DrawPercent(draws));
    }
    for (int position = kFirstOfSecondSituation; position <= kQuantityCount; ++position) {
        const std::int32_t multiplier = secondSituationMultiplier(DrawPercent(draws));
        const std::int32_t first = numbers[position - kFirstOfSecondSituation];
        numbers[position - 1] = checkedMultiply(multiplier, first);
    }
    const int unknown = unknownPosition(DrawPercent(draws));
    const int scenario = scenarioNumber(DrawPercent(draws));
    return makeProblem(scenario, unknown, numbers);
}

Problem makeProblem(int scenario, int unknown,
                    const std::array<std::int32_t, kQuantityCount>& numbers) {
    Problem problem{scenario, unknown, numbers, {}};
    const ScenarioTemplate& fragments = scenarioTemplates()[scenario - 1];
    problem.sentence = problemSentence(
        unknown, [&numbers](int position) { return integerText(numbers[position - 1]); },
        [&fragments](int index) { return std::string(fragments[index - 1]); });
    return problem;
}

std::string problemSentence(int unknown, const std::function<std::string(int)>& number,
                            const std::function<std::string(int)>& fragment) {
    // The longest problem, three-digit numbers in the longest scenario, takes under 300 bytes.
    constexpr std::size_t kRoomForAnySentence = 320;
    std::string sentence;
    sentence.reserve(kRoomForAnySentence);
    const bool unknownInFirstSituation = unknown < kFirstOfSecondSituation;
    if (unknownInFirstSituation) {
        sentence += "Ако ";
    }
    for (int position = 1; position <= kQuantityCount; ++position) {
        if (position == kFirstOfSecondSituation) {
            sentence += unknownInFirstSituation ? ", то " : ", ако ";
        }
        if (position == unknown) {
            sentence += 'X';
        } else {
            sentence += number(position);
        }
        sentence += fragment(position);
    }
    return sentence;
}

}  // namespace engine
