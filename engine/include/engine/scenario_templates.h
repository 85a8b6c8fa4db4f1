#pragma once

#include <array>
#include <string_view>

#include "engine/form_controls.h"

namespace engine {

inline constexpr int kScenarioCount = 16;
inline constexpr int kFragmentCount = 6;

// The six phrase fragments of one scenario; fragment i follows quantity i in a problem sentence.
using ScenarioTemplate = std::array<std::string_view, kFragmentCount>;

// Scenario s (1 to 16) is element s - 1.
const std::array<ScenarioTemplate, kScenarioCount>& scenarioTemplates();

// What the numbers list shows before the first problem.
inline constexpr std::array<std::string_view, kQuantityCount> kPlaceholderNumbers = {
    "11", "12", "13", "14", "15", "16"};

// Fills the window's lists with their design-time content: the placeholder numbers in List1(0)
// and scenario s in List1(s). Each list is cleared first.
void fillDesignTimeLists(const std::array<ListBox*, kListCount>& lists);

}  // namespace engine
