// The Qt bindings hold to the controls' contracts, on the window's own widgets where the window
// sets them up (the transcript, the lists, the option group) and on a plain push button.

#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "command_button_contract.h"
#include "engine/in_memory/scripted_random_source.h"
#include "list_box_contract.h"
#include "option_button_contract.h"
#include "qt_ui/main_form.h"
#include "qt_ui/plain_text_box.h"
#include "qt_ui/widget_controls.h"
#include "text_box_contract.h"
#include "typing.h"

namespace {

class QtWindow {
protected:
    template <typename Widget>
    Widget& widget(const char* name) {
        return *window_.findChild<Widget*>(QLatin1String(name));
    }

    qt_ui::MainForm window_{std::make_unique<engine::in_memory::ScriptedRandomSource>()};
};

class QtListBox : QtWindow {
public:
    QtListBox() { list_.clear(); }
    engine::ListBox& box() { return binding_; }
    std::vector<std::string> shownItems() {
        std::vector<std::string> items;
        for (int row = 0; row < list_.count(); ++row) {
            items.push_back(list_.item(row)->text().toStdString());
        }
        return items;
    }

private:
    QListWidget& list_ = widget<QListWidget>("List1_0");
    qt_ui::ListWidgetBox binding_{list_};
};

class QtTextBox : QtWindow {
public:
    QtTextBox() { edit_.clear(); }
    engine::TextBox& box() { return binding_; }
    std::string shown() {
        QString text = edit_.document()->toRawText();
        text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
        text.replace(QChar::LineSeparator, QLatin1String("\r\n"));
        return text.toStdString();
    }
    void typeAtEnd(const std::string& utf8) {
        edit_.moveCursor(QTextCursor::End);
        const QStringList lines = QString::fromStdString(utf8).split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0) {
                QTest::keyClick(&edit_, Qt::Key_Return);
            }
            typeText(&edit_, lines[i]);
        }
    }

private:
    QPlainTextEdit& edit_ = widget<QPlainTextEdit>("Text1_0");
    qt_ui::PlainTextBox binding_{edit_};
};

class QtOptionButtons : QtWindow {
public:
    QtOptionButtons() {
        for (std::size_t i = 0; i < buttons_.size(); ++i) {
            const QString name = QStringLiteral("Option1_%1").arg(i);
            buttons_[i] = window_.findChild<QRadioButton*>(name);
            bindings_[i] = std::make_unique<qt_ui::RadioOptionButton>(*buttons_[i]);
        }
    }
    engine::OptionButton& option(int index) {
        return *bindings_.at(static_cast<std::size_t>(index));
    }
    int marked() {
        int marked = -1;
        for (std::size_t i = 0; i < buttons_.size(); ++i) {
            if (buttons_[i]->isChecked()) {
                EXPECT_EQ(marked, -1) << "two buttons marked";
                marked = static_cast<int>(i);
            }
        }
        return marked;
    }

private:
    std::array<QRadioButton*, engine::kOptionCount> buttons_{};
    std::array<std::unique_ptr<qt_ui::RadioOptionButton>, engine::kOptionCount> bindings_;
};

class QtCommandButton {
public:
    engine::CommandButton& button() { return binding_; }
    bool looksEnabled() { return button_.isEnabled(); }
    bool clickArrives() {
        QSignalSpy clicks(&button_, &QPushButton::clicked);
        QTest::mouseClick(&button_, Qt::LeftButton);
        return clicks.count() == 1;
    }

private:
    QPushButton button_{QStringLiteral("Задача")};
    qt_ui::PushCommandButton binding_{button_};
};

}  // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Qt, ListBoxContract, QtListBox);
INSTANTIATE_TYPED_TEST_SUITE_P(Qt, TextBoxContract, QtTextBox);
INSTANTIATE_TYPED_TEST_SUITE_P(Qt, OptionButtonContract, QtOptionButtons);
INSTANTIATE_TYPED_TEST_SUITE_P(Qt, CommandButtonContract, QtCommandButton);

int main(int argc, char* argv[]) {
    // No display needed: Qt draws into memory, unless the caller chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
