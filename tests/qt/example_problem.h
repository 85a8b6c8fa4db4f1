#pragma once

#include <string>

#include "engine/in_memory/scripted_random_source.h"

// The problem of the program's own example: A, B, C = 7, 5, 12, exponents 1, 0, 2, unknown B,
// scenario 16 (doctors).
inline const engine::in_memory::ProblemDraws kExample{{7, 5, 12}, {1, 0, 2}, 2, 16};
inline const std::string kExamplePosed =
    "Примерен текст на условие:\r\n"
    "Ако 7 лекаря за X часа преглеждат 12 пациента, то 28 лекаря за 10 часа ще прегледат 96 "
    "пациента.\r\n"
    "X = ?\r\n";
inline const std::string kExampleSolution =
    "A = 7; C = 12; D = 28; E = 10; F = 96; \r\n"
    "\r\n"
    "Отговор: \r\n"
    "X = (12 * 28 * 10) / (7 * 96) = 5\r\n";
