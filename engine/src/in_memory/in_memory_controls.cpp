#include "engine/in_memory/in_memory_controls.h"

#include "engine/scenario_templates.h"

namespace engine::in_memory {

std::string ListBox::item(int index) const {
    checkItemIndex(index, items_.size());
    return items_[static_cast<std::size_t>(index)];
}

Form::Form()
    : Option1{OptionButton(options, 0), OptionButton(options, 1), OptionButton(options, 2),
              OptionButton(options, 3), OptionButton(options, 4), OptionButton(options, 5)} {
    fillDesignTimeLists(controls().List1);
}

FormControls Form::controls() {
    FormControls controls;
    for (std::size_t i = 0; i < List1.size(); ++i) {
        controls.List1[i] = &List1[i];
    }
    controls.Text1 = &Text1;
    for (std::size_t i = 0; i < Option1.size(); ++i) {
        controls.Option1[i] = &Option1[i];
    }
    for (std::size_t i = 0; i < Command1.size(); ++i) {
        controls.Command1[i] = &Command1[i];
    }
    return controls;
}

}  // namespace engine::in_memory
