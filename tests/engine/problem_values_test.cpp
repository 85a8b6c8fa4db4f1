// The problem and its solution as values give the window's own transcript: the window reads its
// lists back where drawProblem and solve take values, and both ways must come to the same text.

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "engine/in_memory/in_memory_controls.h"
#include "engine/main_form_logic.h"
#include "engine/number_text.h"
#include "engine/problem.h"
#include "engine/solution.h"
#include "engine/transcript_text.h"

namespace engine {
namespace {

// The same values from the same seed, in [0, 1).
class SeededSource final : public UniformSource {
public:
    explicit SeededSource(std::uint32_t seed) : generator_(seed) {}
    float next() override { return static_cast<float>(generator_() >> 8) * 0x1p-24f; }

private:
    std::mt19937 generator_;
};

TEST(ProblemValuesTest, GiveTheWindowsTranscriptForEverySeed) {
    constexpr std::uint32_t kSeeds = 3000;
    constexpr int kProblemsPerSeed = 3;
    for (std::uint32_t seed = 0; seed < kSeeds; ++seed) {
        const std::string separator = seed % 2 == 0 ? "." : ",";
        SeededSource windowDraws(seed);
        SeededSource valueDraws(seed);
        in_memory::Form window;
        MainFormLogic form(window.controls(), windowDraws, separator);
        form.load();
        for (int round = 0; round < kProblemsPerSeed; ++round) {
            const Problem problem = drawProblem(valueDraws);
            form.commandClick(kMakeProblemCommand);
            const std::string posed = problemTranscript(problem.sentence);
            ASSERT_EQ(window.Text1.text(), posed) << "seed " << seed;
            ASSERT_EQ(form.UnknownIndex(), problem.unknown) << "seed " << seed;
            for (std::size_t i = 0; i < problem.numbers.size(); ++i) {
                ASSERT_EQ(window.List1[0].items().at(i), integerText(problem.numbers[i]));
            }
            form.commandClick(kSolveCommand);
            ASSERT_EQ(window.Text1.text(), posed + solutionTranscript(solve(problem), separator))
                << "seed " << seed;
        }
    }
}

}  // namespace
}  // namespace engine
