#pragma once

#include <array>
#include <cstdint>

#include "engine/form_controls.h"
#include "engine/problem.h"

namespace engine {

// One quantity of a problem: its position, 1 to 6 ("A" to "F"), and its value.
struct Quantity {
    int position = 0;
    std::int32_t value = 0;

    friend bool operator==(const Quantity&, const Quantity&) = default;
};

// The relation A·B·F = C·D·E solved for the unknown, as a value: the answer is the product of
// the three factors above the fraction line over the product of the two below it.
struct Solution {
    std::array<Quantity, kQuantityCount - 1> known{};  // all but the unknown, ascending position
    std::array<Quantity, 3> numerator{};               // ascending position
    std::array<Quantity, 2> denominator{};             // ascending position
    // The exact answer: numeratorProduct / denominatorProduct, unreduced; the second is not 0.
    std::int32_t numeratorProduct = 0;
    std::int32_t denominatorProduct = 1;

    // The answer as the window computes it, in double precision.
    double value() const;

    friend bool operator==(const Solution&, const Solution&) = default;
};

// Solves for the unknown (1 to 6; std::out_of_range otherwise) with the six quantities, the
// unknown's value unused. As in the window, a product beyond 32 bits throws RuntimeError
// (ErrorKind::Overflow) and a zero denominator RuntimeError (ErrorKind::DivisionByZero).
Solution solve(int unknown, const std::array<std::int32_t, kQuantityCount>& quantities);
Solution solve(const Problem& problem);

}  // namespace engine
