// The page's bindings hold to the controls' contracts, on the elements the page builds for the
// window, in a real browser.

#include <emscripten/val.h>

#include <string>
#include <vector>

#include "command_button_contract.h"
#include "list_box_contract.h"
#include "option_button_contract.h"
#include "page_fixture.h"
#include "text_box_contract.h"
#include "web_ui/dom_controls.h"
#include "web_ui/event_listener.h"
#include "web_ui/textarea_text_box.h"

namespace {

using emscripten::val;
using web_ui::testing::PageHarness;

class PageListBox : PageHarness {
public:
    engine::ListBox& box() { return binding_; }
    std::vector<std::string> shownItems() {
        std::vector<std::string> items;
        const val options = list_["options"];
        for (int i = 0; i < options["length"].as<int>(); ++i) {
            items.push_back(options[i]["textContent"].as<std::string>());
        }
        return items;
    }

private:
    val list_ = page_.lists[0];
    web_ui::SelectListBox binding_{list_};
};

class PageTextBox : PageHarness {
public:
    engine::TextBox& box() { return binding_; }
    std::string shown() { return web_ui::testing::shownText(textarea_); }
    void typeAtEnd(const std::string& utf8) { web_ui::testing::typeAtEnd(textarea_, utf8); }

private:
    val textarea_ = page_.transcript;
    web_ui::TextareaTextBox binding_{textarea_};
};

class PageOptionButtons : PageHarness {
public:
    PageOptionButtons() {
        for (const val& input : page_.options) {
            bindings_.emplace_back(input);
        }
    }
    engine::OptionButton& option(int index) {
        return bindings_.at(static_cast<std::size_t>(index));
    }
    int marked() {
        int marked = -1;
        for (std::size_t i = 0; i < page_.options.size(); ++i) {
            if (page_.options[i]["checked"].as<bool>()) {
                EXPECT_EQ(marked, -1) << "two buttons marked";
                marked = static_cast<int>(i);
            }
        }
        return marked;
    }

private:
    std::vector<web_ui::RadioOptionButton> bindings_;
};

class PageCommandButton : PageHarness {
public:
    engine::CommandButton& button() { return binding_; }
    bool looksEnabled() {
        return !button_["disabled"].as<bool>() && button_.call<bool>("matches", val(":enabled"));
    }
    bool clickArrives() {
        const int before = clicks_;
        button_.call<void>("click");
        return clicks_ == before + 1;
    }

private:
    val button_ = page_.commands[0];
    web_ui::ButtonCommandButton binding_{button_};
    int clicks_ = 0;
    web_ui::EventListener listener_{button_, "click", [this](const val&) { ++clicks_; }};
};

}  // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Page, ListBoxContract, PageListBox);
INSTANTIATE_TYPED_TEST_SUITE_P(Page, TextBoxContract, PageTextBox);
INSTANTIATE_TYPED_TEST_SUITE_P(Page, OptionButtonContract, PageOptionButtons);
INSTANTIATE_TYPED_TEST_SUITE_P(Page, CommandButtonContract, PageCommandButton);
