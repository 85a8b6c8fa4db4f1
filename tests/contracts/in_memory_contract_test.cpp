// The in-memory controls the engine's tests drive hold to the same contracts as the toolkits'.

#include <string>
#include <vector>

#include "command_button_contract.h"
#include "engine/in_memory/in_memory_controls.h"
#include "list_box_contract.h"
#include "option_button_contract.h"
#include "text_box_contract.h"

namespace {

using namespace engine::in_memory;

struct InMemoryListBox {
    engine::ListBox& box() { return list; }
    std::vector<std::string> shownItems() { return list.items(); }

    ListBox list;
};

struct InMemoryTextBox {
    engine::TextBox& box() { return text; }
    std::string shown() { return text.text(); }
    // There is no keyboard: what the user types goes straight into the content.
    void typeAtEnd(const std::string& typed) {
        std::string content = text.text();
        for (const char character : typed) {
            if (character == '\n') {
                content += '\r';
            }
            content += character;
        }
        text.setText(content);
    }

    TextBox text;
};

struct InMemoryOptionButtons {
    engine::OptionButton& option(int index) {
        return form.Option1.at(static_cast<std::size_t>(index));
    }
    int marked() { return form.options.selected(); }

    Form form;
};

struct InMemoryCommandButton {
    engine::CommandButton& button() { return command; }
    bool looksEnabled() { return command.isEnabled(); }
    bool clickArrives() { return command.isEnabled(); }

    CommandButton command;
};

}  // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(InMemory, ListBoxContract, InMemoryListBox);
INSTANTIATE_TYPED_TEST_SUITE_P(InMemory, TextBoxContract, InMemoryTextBox);
INSTANTIATE_TYPED_TEST_SUITE_P(InMemory, OptionButtonContract, InMemoryOptionButtons);
INSTANTIATE_TYPED_TEST_SUITE_P(InMemory, CommandButtonContract, InMemoryCommandButton);
