#pragma once

#include "engine/uniform_source.h"

namespace engine {

// One draw for the problem generator: the next value r of the source times 100, computed
// exactly, rounded to the nearest integer with ties to even. The result lies in 0..100; 0 and
// 100 each come up about half as often as any value in between.
int DrawPercent(UniformSource& source);

}  // namespace engine
