#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

#include "byte_reader.h"
#include "engine/random_source.h"

namespace fuzz {

// A random source whose values come from the fuzz input. It honours the contract: every value
// is a float in [0, 1). It keeps what it handed out since the last take(), for the oracle.
class InputDraws final : public engine::RandomSource {
public:
    explicit InputDraws(ByteReader& input) : input_(input) {}

    void seedFromClock() override {}

    float next() override {
        const std::uint32_t bits = input_.u32();
        float value = 0;
        switch (input_.byte() % 3) {
            case 0:  // a multiple of 2^-24, as the program's own source gives
                value = static_cast<float>(bits >> 8) * 0x1p-24f;
                break;
            case 1:  // any float in [0, 1), down to the subnormals
                value = std::bit_cast<float>(bits % std::bit_cast<std::uint32_t>(1.0f));
                break;
            default:  // a percent or a half-percent tie, or the largest value below 1
                value = bits % 201 == 200 ? std::nextafter(1.0f, 0.0f)
                                          : static_cast<float>(bits % 201) / 200.0f;
                break;
        }
        drawn_.push_back(value);
        return value;
    }

    std::vector<float> take() {
        std::vector<float> drawn;
        drawn.swap(drawn_);
        return drawn;
    }

private:
    ByteReader& input_;
    std::vector<float> drawn_;
};

}  // namespace fuzz
