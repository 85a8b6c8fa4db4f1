#pragma once

#include <cstddef>

// What a worksheet may be, written once: the settings' reading and writing, the pupils' link,
// both pages' fields (app/web/page_values.cpp carries them into the HTML) and the tests follow.
namespace worksheets {

// The whole numbers a setting takes, and the one it takes at first, or when none is given.
struct CountRange {
    int least;
    int most;
    int atFirst;
};

inline constexpr CountRange kProblemsPerPupil{1, 20, 5};
inline constexpr CountRange kVariantCount{1, 40, 1};
// The key after the sheets: 1 on, 0 off.
inline constexpr CountRange kKeyShown{0, 1, 1};
// The key's worked solutions: 1 on, 0 off.
inline constexpr CountRange kSolutionsShown{0, 1, 0};
// The practice page's hints, on unless a link switches them off (sheet_settings.h).
inline constexpr bool kHintsAtFirst = true;

// The longest code text kept as typed, and the code fields' length: more is no code anyway, and
// would only bloat the address.
inline constexpr std::size_t kCodeFieldLength = 32;

}  // namespace worksheets
