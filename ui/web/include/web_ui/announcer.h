#pragma once

#include <emscripten/val.h>

#include <string_view>

namespace web_ui {

// A polite live region, out of sight, whose text a screen reader reads out when it is free.
class Announcer {
public:
    // Makes the region at the end of host.
    explicit Announcer(emscripten::val host);

    // Text with CR LF line breaks, as the transcript's.
    void announce(std::string_view text);

private:
    emscripten::val region_;
};

}  // namespace web_ui
