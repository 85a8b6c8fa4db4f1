#pragma once

namespace engine {

// What the problem generator draws from.
//
// Contract: next() returns the next value of a uniform distribution over [0, 1) in single
// precision. It never returns 1 or a negative value.
class UniformSource {
public:
    virtual ~UniformSource() = default;

    virtual float next() = 0;
};

}  // namespace engine
