#include "engine/solution.h"

#include <stdexcept>

#include "engine/checked_arithmetic.h"
#include "engine/runtime_error.h"

namespace engine {

namespace {

// The relation A*B*F = C*D*E solved for one position: the answer is the product of the three
// numerator positions over the product of the two denominator positions. Each group is in
// ascending position, which is also the order the formula shows them in.
struct Formula {
    std::array<int, 3> numerator;
    std::array<int, 2> denominator;
};

constexpr std::array<Formula, kQuantityCount> kFormulas = {{
    {{3, 4, 5}, {2, 6}},  // A = C*D*E / (B*F)
    {{3, 4, 5}, {1, 6}},  // B = C*D*E / (A*F)
    {{1, 2, 6}, {4, 5}},  // C = A*B*F / (D*E)
    {{1, 2, 6}, {3, 5}},  // D = A*B*F / (C*E)
    {{1, 2, 6}, {3, 4}},  // E = A*B*F / (C*D)
    {{3, 4, 5}, {1, 2}},  // F = C*D*E / (A*B)
}};

}  // namespace

double Solution::value() const {
    return static_cast<double>(numeratorProduct) / static_cast<double>(denominatorProduct);
}

Solution solve(int unknown, const std::array<std::int32_t, kQuantityCount>& quantities) {
    if (unknown < 1 || unknown > kQuantityCount) {
        throw std::out_of_range("the unknown's position lies in 1 to 6");
    }
    const auto quantity = [&quantities](int position) {
        return Quantity{position, quantities[static_cast<std::size_t>(position - 1)]};
    };
    Solution solution;
    std::size_t known = 0;
    for (int position = 1; position <= kQuantityCount; ++position) {
        if (position != unknown) {
            solution.known[known++] = quantity(position);
        }
    }
    // The factors of one side of the fraction line, and their product, checked as the window
    // multiplies: from the first factor on.
    const auto multiplied = [&quantity](const auto& positions, auto& factors) {
        std::int32_t product = 1;
        for (std::size_t i = 0; i < positions.size(); ++i) {
            factors[i] = quantity(positions[i]);
            product = checkedMultiply(product, factors[i].value);
        }
        return product;
    };
    const Formula& formula = kFormulas[static_cast<std::size_t>(unknown - 1)];
    solution.numeratorProduct = multiplied(formula.numerator, solution.numerator);
    solution.denominatorProduct = multiplied(formula.denominator, solution.denominator);
    if (solution.denominatorProduct == 0) {
        throw RuntimeError(ErrorKind::DivisionByZero, "the answer's denominator is 0");
    }
    return solution;
}

Solution solve(const Problem& problem) { return solve(problem.unknown, problem.numbers); }

}  // namespace engine
