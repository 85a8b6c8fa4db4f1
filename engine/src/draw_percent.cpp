#include "engine/draw_percent.h"

#include "engine/checked_arithmetic.h"

namespace engine {

int DrawPercent(UniformSource& source) {
    // A float has 24 significant bits and 100 needs 7, so the product is exact in double.
    const double product = static_cast<double>(source.next()) * 100.0;
    return static_cast<int>(roundHalfEven(product));
}

}  // namespace engine
