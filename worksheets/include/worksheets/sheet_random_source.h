#pragma once

#include <cstdint>

#include "engine/uniform_source.h"
#include "worksheets/sheet_code.h"

namespace worksheets {

// The draws of one problem of a worksheet, from the sheet's code, the variant and the problem's
// number alone. A link shared today must give the same sheet on every device and in every later
// version, so the algorithm is fixed here, in 64-bit unsigned integers (all arithmetic modulo
// 2^64), with no library generator or hash, whose results differ between standard libraries:
//
//   key   = number of the code × 2^32 + variant × 2^16 + problem
//           (the tuple packed into separate bits: the code's number is below 2^25 and the others
//           below 2^16, so no two tuples share a key)
//   state = mix(key)
//   each value: state = state + 0x9E3779B97F4A7C15; z = mix(state);
//               the value is (z >> 40) × 2^-24, the top 24 bits as a fraction
//   mix(z): z = (z XOR (z >> 30)) × 0xBF58476D1CE4E5B9;
//           z = (z XOR (z >> 27)) × 0x94D049BB133111EB;
//           z XOR (z >> 31)
//
// That is SplitMix64, started from the key mixed once. The value is a multiple of 2^-24 in
// [0, 1), which a float holds exactly, so the generator's percent draws are the same wherever
// it runs.
class SheetRandomSource final : public engine::UniformSource {
public:
    // The largest variant and problem number a key has room for.
    static constexpr int kLargestNumber = 0xFFFF;

    // variant and problem lie in 1 to kLargestNumber; std::out_of_range otherwise.
    SheetRandomSource(const SheetCode& code, int variant, int problem);

    float next() override;

    static std::uint64_t mix(std::uint64_t z);

private:
    std::uint64_t state_;
};

}  // namespace worksheets
