#include <gtest/gtest.h>

#include <bitset>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>

#include "engine/clock_random_source.h"
#include "engine/in_memory/in_memory_controls.h"
#include "engine/main_form_logic.h"
#include "engine/scenario_templates.h"

namespace engine {
namespace {

// Which scenario a problem was built from: fragment 2 differs in every scenario.
int scenarioOf(const std::string& transcript) {
    for (int s = 0; s < kScenarioCount; ++s) {
        if (transcript.find(scenarioTemplates()[s][1]) != std::string::npos) {
            return s + 1;
        }
    }
    return 0;
}

TEST(ClockRandomSourceTest, SourcesSeededOneAfterTheOtherDiffer) {
    ClockRandomSource first;
    ClockRandomSource second;
    first.seedFromClock();
    second.seedFromClock();
    bool differ = false;
    for (int i = 0; i < 8; ++i) {
        differ = differ || first.next() != second.next();
    }
    EXPECT_TRUE(differ);
}

TEST(ClockRandomSourceTest, HundredThousandProblemsStayInRangeAndSolveExactly) {
    in_memory::Form window;
    ClockRandomSource random;
    MainFormLogic form(window.controls(), random, ".");
    form.load();

    std::bitset<7> positions;
    std::set<int> scenarios;
    for (int run = 0; run < 100'000; ++run) {
        form.commandClick(kMakeProblemCommand);
        form.commandClick(kSolveCommand);

        const auto& items = window.List1[0].items();
        ASSERT_EQ(items.size(), 6u);
        std::int64_t q[7] = {};
        for (int i = 1; i <= 6; ++i) {
            q[i] = std::stoll(items[i - 1]);
        }
        for (int i = 1; i <= 3; ++i) {
            ASSERT_TRUE(q[i] >= 3 && q[i] <= 19) << items[i - 1];
            const std::int64_t ratio = q[i + 3] / q[i];
            ASSERT_EQ(q[i + 3] % q[i], 0);
            ASSERT_TRUE(ratio == 2 || ratio == 4 || ratio == 8 || ratio == 16) << ratio;
        }

        const int unknown = form.UnknownIndex();
        ASSERT_TRUE(unknown >= 1 && unknown <= 6);
        ASSERT_EQ(window.options.selected(), unknown - 1);
        positions.set(static_cast<std::size_t>(unknown));
        scenarios.insert(scenarioOf(window.Text1.text()));

        // The relation A*B*F = C*D*E solved for the unknown, as an exact fraction.
        const bool unknownInAbf = unknown <= 2 || unknown == 6;
        const std::int64_t abf = q[1] * q[2] * q[6];
        const std::int64_t cde = q[3] * q[4] * q[5];
        const std::int64_t numerator = unknownInAbf ? cde : abf;
        const std::int64_t denominator = (unknownInAbf ? abf : cde) / q[unknown];
        const std::string text = window.Text1.text();
        const std::size_t valueStart = text.rfind(" = ") + 3;
        const std::string value = text.substr(valueStart, text.size() - valueStart - 2);
        // Every answer is a short binary fraction, so a correct text parses to a double that,
        // times the denominator, gives the numerator exactly.
        char* end = nullptr;
        const double parsed = std::strtod(value.c_str(), &end);
        ASSERT_EQ(end, value.c_str() + value.size()) << value;
        ASSERT_EQ(parsed * static_cast<double>(denominator), static_cast<double>(numerator))
            << value << " is not " << numerator << "/" << denominator;
    }
    EXPECT_EQ(positions.count(), 6u);
    EXPECT_EQ(scenarios, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
}

}  // namespace
}  // namespace engine
