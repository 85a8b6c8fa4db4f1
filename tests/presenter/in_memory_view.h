#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/in_memory/in_memory_controls.h"
#include "presenter/main_form_view.h"

namespace presenter::testing {

// A front-end of the main window kept in memory: its controls are the engine's in-memory ones,
// its focus one id, and it notes what the presenter asks of it in order.
class InMemoryView final : public MainFormView {
public:
    std::unique_ptr<engine::ListBox> bindList(int index) override {
        return bound(lists.at(static_cast<std::size_t>(index)));
    }
    std::unique_ptr<engine::TextBox> bindTranscript() override { return bound(transcript); }
    std::unique_ptr<engine::OptionButton> bindOption(int index) override {
        return std::make_unique<engine::in_memory::OptionButton>(options, index);
    }
    std::unique_ptr<engine::CommandButton> bindCommand(int index) override {
        return bound(commands.at(static_cast<std::size_t>(index)));
    }

    bool hasFocus(const design::ControlId& control) const override { return focused == control; }
    bool isEnabled(const design::ControlId& control) const override {
        return control.name == "Command1" &&
               commands.at(static_cast<std::size_t>(control.index))->isEnabled();
    }
    void focus(const design::ControlId& control) override {
        focused = control;
        calls.push_back("focus " + design::objectName(control));
    }
    void showFirstLines() override { calls.push_back("first lines of " + transcript->text()); }
    void showNewestLines() override { calls.push_back("newest lines of " + transcript->text()); }
    void announce(std::string_view added) override {
        calls.push_back("announce " + std::string(added));
    }
    void reportError(const ErrorMessage& message) override {
        errors.push_back(message);
        calls.push_back("error " + std::string(message.text));
    }

    bool solveEnabled() const { return commands[1]->isEnabled(); }

    // The controls as bound; the presenter owns them.
    std::array<engine::in_memory::ListBox*, engine::kListCount> lists{};
    engine::in_memory::TextBox* transcript = nullptr;
    engine::in_memory::OptionGroup options;
    std::array<engine::in_memory::CommandButton*, engine::kCommandCount> commands{};

    std::optional<design::ControlId> focused;
    std::vector<ErrorMessage> errors;
    std::vector<std::string> calls;

private:
    template <typename Control>
    static std::unique_ptr<Control> bound(Control*& slot) {
        auto control = std::make_unique<Control>();
        slot = control.get();
        return control;
    }
};

}  // namespace presenter::testing
