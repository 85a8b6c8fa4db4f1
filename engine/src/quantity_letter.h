#pragma once

namespace engine {

// The letter of quantity 1 to 6: "A" to "F".
inline char quantityLetter(int position) { return static_cast<char>('A' + position - 1); }

}  // namespace engine
