#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace engine {

// A list box as the engine sees it: an ordered list of text items.
//
// Contract:
// - clear() removes every item.
// - addItem(text) appends text as the new last item, unchanged.
// - item(i) returns item i, counted from 0, exactly as it was added.
//   An index outside [0, count) throws engine::RuntimeError
//   (ErrorKind::IndexOutOfRange); it never returns a made-up value.
class ListBox {
public:
    virtual ~ListBox() = default;

    virtual void clear() = 0;
    virtual void addItem(std::string_view text) = 0;
    virtual std::string item(int index) const = 0;
};

// For implementations of item(): throws the error the contract asks for when index lies outside
// [0, count).
void checkItemIndex(int index, std::size_t count);

}  // namespace engine
