// The web window with the engine behind it: what happens around a click.

#include "web_ui/main_form.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "design/runtime_error_texts.h"
#include "engine/in_memory/scripted_random_source.h"
#include "page_fixture.h"
#include "web_ui/browser_language.h"

namespace web_ui {
namespace {

using emscripten::val;

class MainFormTest : public ::testing::Test {
protected:
    MainFormTest()
        : container_(testing::document().call<val>("createElement", std::string("div"))) {
        testing::document()["body"].call<void>("appendChild", container_);
        auto random = std::make_unique<engine::in_memory::ScriptedRandomSource>();
        random_ = random.get();
        form_ = std::make_unique<MainForm>(container_, std::move(random));
    }
    ~MainFormTest() override {
        form_.reset();
        container_.call<void>("remove");
    }

    void click(int command) { form_->page().commands[command].call<void>("click"); }
    val dialog() { return container_.call<val>("querySelector", std::string("dialog")); }

    val container_;
    engine::in_memory::ScriptedRandomSource* random_ = nullptr;
    std::unique_ptr<MainForm> form_;
};

// A failing command shows its message and leaves the window working: the solve button as it
// was, what was written kept, and the next problem made as usual.
TEST_F(MainFormTest, RuntimeErrorShowsTheMessageAndThePageGoesOn) {
    random_->queueProblem({{7, 5, 12}, {1, 0, 2}, 2, 16});
    click(0);
    const std::string posed = form_->page().transcript["value"].as<std::string>();
    form_->page().lists[0]["options"][0].set("textContent", std::string("седем"));

    click(1);
    ASSERT_TRUE(dialog()["open"].as<bool>());
    EXPECT_EQ(container_.call<val>("querySelector", std::string("#RuntimeErrorText"))["textContent"]
                  .as<std::string>(),
              design::runtimeErrorText(engine::ErrorKind::NotANumber));
    EXPECT_FALSE(form_->page().commands[1]["disabled"].as<bool>());
    EXPECT_EQ(form_->page().transcript["value"].as<std::string>(), posed);

    container_.call<val>("querySelector", std::string("#RuntimeErrorDismiss")).call<void>("click");
    EXPECT_FALSE(dialog()["open"].as<bool>());
    random_->queueProblem({{3, 3, 3}, {0, 0, 0}, 1, 1});
    click(0);
    EXPECT_EQ(form_->page().transcript["value"].as<std::string>(),
              "Примерен текст на условие:\nАко X крана за 3 часа преместват 3 тона товар, то 6 "
              "крана за 6 часа ще преместят 6 тона товар.\nX = ?\n");
}

// "Сметки" disables itself; the focus it had goes to "Задача", not to the page.
TEST_F(MainFormTest, FocusOfTheSolveButtonMovesToMakeProblem) {
    random_->queueProblem({{7, 5, 12}, {1, 0, 2}, 2, 16});
    click(0);
    form_->page().commands[1].call<void>("focus");
    click(1);
    EXPECT_TRUE(testing::document()["activeElement"].strictlyEquals(form_->page().commands[0]));
}

struct SeparatorRow {
    const char* language;
    const char* separator;
};

TEST(DecimalSeparatorTest, FollowsTheLanguage) {
    for (const SeparatorRow& row :
         {SeparatorRow{"bg", ","}, SeparatorRow{"bg-BG", ","}, SeparatorRow{"en", "."},
          SeparatorRow{"en-US", "."}, SeparatorRow{"en-GB", "."}, SeparatorRow{"de", ","},
          SeparatorRow{"ru-RU", ","}}) {
        EXPECT_EQ(decimalSeparatorOf(row.language), row.separator) << row.language;
    }
}

}  // namespace
}  // namespace web_ui
