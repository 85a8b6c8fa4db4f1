// Drives the engine through its interfaces with whatever the fuzz input says: clicks on any
// button index, any transcript text, any numbers-list items, tampered scenario lists, any draws
// the random source may give. After every step it checks the whole outcome against the rules of
// the two commands: the exact texts, or the run-time error they must stop with and the text
// written up to it. Anything else aborts, and so does any crash or sanitizer report.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "byte_reader.h"
#include "engine/in_memory/in_memory_controls.h"
#include "engine/main_form_logic.h"
#include "engine/runtime_error.h"
#include "expected_texts.h"
#include "input_draws.h"

namespace fuzz {

namespace {

using engine::ErrorKind;

constexpr int kMaxSteps = 64;
constexpr std::size_t kMaxListItems = 24;
constexpr std::uint32_t kLongestLine = 1 << 18;

// The text from a little before the given offset, with control bytes and backslashes escaped.
std::string shown(std::string_view text, std::size_t from) {
    constexpr std::size_t kContext = 60;
    constexpr std::size_t kShown = 400;
    const std::size_t start = from > kContext ? from - kContext : 0;
    std::string result = start > 0 ? "..." : "";
    for (const char c : text.substr(start, kShown)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '\\') {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            result += escape;
        } else {
            result += c;
        }
    }
    if (start + kShown < text.size()) {
        result += "... (" + std::to_string(text.size()) + " bytes)";
    }
    return result;
}

const char* kindName(std::optional<ErrorKind> kind) {
    if (!kind) {
        return "no error";
    }
    switch (*kind) {
        case ErrorKind::Overflow:
            return "Overflow";
        case ErrorKind::DivisionByZero:
            return "DivisionByZero";
        case ErrorKind::NotANumber:
            return "NotANumber";
        case ErrorKind::IndexOutOfRange:
            return "IndexOutOfRange";
    }
    return "an unknown kind";
}

// What a step may not change unless the rules say so.
struct Snapshot {
    std::string transcript;
    std::array<std::vector<std::string>, engine::kListCount> lists;
    int selected = 0;
    bool makeEnabled = false;
    bool solveEnabled = false;
    int unknown = 0;

    bool operator==(const Snapshot&) const = default;
};

class Session {
public:
    explicit Session(ByteReader& input)
        : input_(input),
          draws_(input),
          separator_(input.byte() % 2 == 0 ? "." : ","),
          form_(window_.controls(), draws_, separator_) {
        form_.load();
    }

    void run() {
        for (step_ = 1; step_ <= kMaxSteps && !input_.atEnd(); ++step_) {
            doStep();
        }
    }

private:
    void doStep() {
        switch (input_.byte() % 19) {
            case 0:
            case 1:
            case 2:
            case 3:
                return makeProblem();
            case 4:
            case 5:
            case 6:
            case 7:
                return solve();
            case 8:
                return click(input_.i32());
            case 9:
                return window_.Text1.setText(input_.text());
            case 10:
                return window_.Text1.setText(window_.Text1.text() + input_.text());
            case 11:
                return window_.Text1.setText(window_.Text1.text() + longLine());
            case 12:
                return putItem(numbers(), input_.text());
            case 13:
            case 14:
                return putItem(numbers(), numberLike());
            case 15:
                return removeItem(numbers());
            case 16: {
                auto& fragments = scenario();  // read before the text, in input order
                return putItem(fragments, input_.text());
            }
            case 17:
                return removeItem(scenario());
            default:
                return window_.Option1[input_.byte() % 6].select();  // the user picks a letter
        }
    }

    std::vector<std::string>& numbers() { return window_.List1[0].items(); }
    std::vector<std::string>& scenario() { return window_.List1[1 + input_.byte() % 16].items(); }

    // A pattern repeated to a line of up to 256 KiB, with no line break of its own.
    std::string longLine() {
        std::string pattern = input_.text();
        if (pattern.empty()) {
            pattern = "7";
        }
        const std::uint32_t length = input_.u32() % kLongestLine;
        std::string line;
        line.reserve(length + pattern.size());
        while (line.size() < length) {
            line += pattern;
        }
        return line;
    }

    // Text that is, or nearly is, a number: blanks, signs, digits, a fraction, an exponent.
    std::string numberLike() {
        const std::uint8_t shape = input_.byte();
        std::string text;
        if (shape & 1) {
            text += (shape & 2) ? " " : "\t";
        }
        static constexpr std::array<const char*, 4> kSigns = {"", "-", "+", "+-"};
        text += kSigns[shape >> 2 & 3];
        text += std::to_string(shape & 16 ? input_.u32() % 400 : input_.u32());
        if (shape & 32) {
            text += "." + std::to_string(input_.byte());
        }
        if (shape & 64) {
            text += "e" + std::to_string(static_cast<std::int8_t>(input_.byte()) * 4);
        }
        if (shape & 128) {
            text += ' ';
        }
        return text;
    }

    // Replaces an item, or appends one when the index falls just past the end.
    void putItem(std::vector<std::string>& items, std::string text) {
        const std::size_t index = input_.byte() % (items.size() + 1);
        if (index < items.size()) {
            items[index] = std::move(text);
        } else if (items.size() < kMaxListItems) {
            items.push_back(std::move(text));
        }
    }

    void removeItem(std::vector<std::string>& items) {
        if (!items.empty()) {
            items.erase(items.begin() + input_.byte() % items.size());
        }
    }

    Snapshot snapshot() const {
        Snapshot state;
        state.transcript = window_.Text1.text();
        for (std::size_t i = 0; i < state.lists.size(); ++i) {
            state.lists[i] = window_.List1[i].items();
        }
        state.selected = window_.options.selected();
        state.makeEnabled = window_.Command1[engine::kMakeProblemCommand].isEnabled();
        state.solveEnabled = window_.Command1[engine::kSolveCommand].isEnabled();
        state.unknown = form_.UnknownIndex();
        return state;
    }

    // Clicks and returns the run-time error the click ended with, if any.
    std::optional<ErrorKind> clickCatching(int index) {
        try {
            form_.commandClick(index);
        } catch (const engine::RuntimeError& error) {
            return error.kind();
        }
        return std::nullopt;
    }

    void click(int index) {
        if (index == engine::kMakeProblemCommand) {
            return makeProblem();
        }
        if (index == engine::kSolveCommand) {
            return solve();
        }
        const Snapshot before = snapshot();
        const std::optional<ErrorKind> error = clickCatching(index);
        expect(!error, "a click on another button fails");
        expect(draws_.take().empty(), "a click on another button draws");
        expect(snapshot() == before, "a click on another button changes something");
    }

    void makeProblem() {
        Snapshot before = snapshot();
        const std::optional<ErrorKind> error = clickCatching(engine::kMakeProblemCommand);
        const std::vector<float> draws = draws_.take();
        expect(draws.size() == 8, "a problem takes other than eight draws");
        const ExpectedProblem expected = expectedProblem(window_, draws);
        Snapshot after = snapshot();

        expectEqual("the problem's transcript", expected.transcript, after.transcript);
        expectEqual("the problem's error", kindName(expected.error), kindName(error));
        expect(after.lists[0] == expected.numbers, "the numbers list is not the problem's");
        expect(after.unknown == expected.unknown, "UnknownIndex is not the drawn one");
        expect(after.selected == expected.unknown - 1, "the selected letter is not the unknown's");
        expect(after.solveEnabled == (error ? before.solveEnabled : true),
               "the solve button is not as the outcome asks");
        // The rest stays: the scenario lists and the make button.
        before.lists[0] = after.lists[0];
        after.transcript = before.transcript;
        after.selected = before.selected;
        after.solveEnabled = before.solveEnabled;
        after.unknown = before.unknown;
        expect(after == before, "a problem changes a scenario list or the make button");
    }

    void solve() {
        const Snapshot before = snapshot();
        const ExpectedSolution expected = expectedSolution(window_, before.unknown, separator_);
        const std::optional<ErrorKind> error = clickCatching(engine::kSolveCommand);
        expect(draws_.take().empty(), "solving draws");
        Snapshot after = snapshot();

        expectEqual("the solved transcript", expected.transcript, after.transcript);
        expectEqual("the solution's error", kindName(expected.error), kindName(error));
        expect(after.solveEnabled == (error ? before.solveEnabled : false),
               "the solve button is not as the outcome asks");
        after.transcript = before.transcript;
        after.solveEnabled = before.solveEnabled;
        expect(after == before, "solving changes a list, the letters or UnknownIndex");
    }

    void expect(bool condition, const char* what) const {
        if (!condition) {
            std::fprintf(stderr, "step %d: %s\n", step_, what);
            std::abort();
        }
    }

    void expectEqual(const char* what, const std::string& expected,
                     const std::string& actual) const {
        if (expected != actual) {
            const std::size_t from = static_cast<std::size_t>(
                std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end())
                    .first -
                expected.begin());
            std::fprintf(stderr, "step %d: %s differs from byte %zu\nexpected: %s\nactual:   %s\n",
                         step_, what, from, shown(expected, from).c_str(),
                         shown(actual, from).c_str());
            std::abort();
        }
    }

    ByteReader& input_;
    InputDraws draws_;
    std::string separator_;
    engine::in_memory::Form window_;
    engine::MainFormLogic form_;
    int step_ = 0;
};

}  // namespace

}  // namespace fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::ByteReader input(data, size);
    fuzz::Session session(input);
    session.run();
    return 0;
}
