#pragma once

#include <string>
#include <string_view>

#include "engine/text_box.h"

namespace engine {

// Sets the transcript to its current content followed by tail. Each command gathers what it
// writes and appends it in one go, so a long transcript is read and written once per command.
inline void appendToTranscript(TextBox& transcript, std::string_view tail) {
    std::string text = transcript.text();
    text += tail;
    transcript.setText(text);
}

// The letter of quantity 1 to 6: "A" to "F".
inline char quantityLetter(int position) { return static_cast<char>('A' + position - 1); }

}  // namespace engine
