#include "design/runtime_error_texts.h"

namespace design {

std::string_view runtimeErrorTitle() { return "Грешка при изпълнение"; }

std::string_view runtimeErrorText(engine::ErrorKind kind) {
    switch (kind) {
        case engine::ErrorKind::Overflow:
            return "Препълване: число или произведение е извън допустимия обхват.";
        case engine::ErrorKind::DivisionByZero:
            return "Деление на нула.";
        case engine::ErrorKind::NotANumber:
            return "В списъка с числа има запис, който не е число.";
        case engine::ErrorKind::IndexOutOfRange:
            return "Индекс извън обхвата: търсеният елемент на списъка липсва.";
    }
    return unexpectedErrorText();
}

std::string_view unexpectedErrorText() { return "Неочаквана грешка при изпълнение."; }

std::string_view runtimeErrorAdvice() {
    return "Написаното дотук е запазено и програмата продължава работа. "
           "Натиснете „Задача“ за нова задача.";
}

std::string_view runtimeErrorDismissCaption() { return "OK"; }

}  // namespace design
