#include "engine/list_box.h"

#include <cstdint>

#include "engine/number_text.h"
#include "engine/runtime_error.h"

namespace engine {

void checkItemIndex(int index, std::size_t count) {
    if (index < 0 || static_cast<std::size_t>(index) >= count) {
        throw RuntimeError(ErrorKind::IndexOutOfRange,
                           "list has no item " + integerText(index) + " (it holds " +
                               integerText(static_cast<std::int64_t>(count)) + ")");
    }
}

}  // namespace engine
