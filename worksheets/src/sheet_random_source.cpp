#include "worksheets/sheet_random_source.h"

#include <stdexcept>

namespace worksheets {

namespace {

constexpr std::uint64_t kGoldenGamma = 0x9E3779B97F4A7C15;

std::uint64_t checkedNumber(int number, const char* what) {
    if (number < 1 || number > SheetRandomSource::kLargestNumber) {
        throw std::out_of_range(what);
    }
    return static_cast<std::uint64_t>(number);
}

}  // namespace

std::uint64_t SheetRandomSource::mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EB;
    return z ^ (z >> 31);
}

SheetRandomSource::SheetRandomSource(const SheetCode& code, int variant, int problem)
    : state_(mix(std::uint64_t{code.number()} << 32 |
                 checkedNumber(variant, "a sheet's variants are numbered 1 to 65535") << 16 |
                 checkedNumber(problem, "a sheet's problems are numbered 1 to 65535"))) {}

float SheetRandomSource::next() {
    state_ += kGoldenGamma;
    return static_cast<float>(mix(state_) >> 40) * 0x1p-24f;
}

}  // namespace worksheets
