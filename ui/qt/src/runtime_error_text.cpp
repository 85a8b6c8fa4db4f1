#include "runtime_error_text.h"

namespace qt_ui {

QString runtimeErrorTitle() { return QStringLiteral("Грешка при изпълнение"); }

QString runtimeErrorText(engine::ErrorKind kind) {
    switch (kind) {
        case engine::ErrorKind::Overflow:
            return QStringLiteral("Препълване: число или произведение е извън допустимия обхват.");
        case engine::ErrorKind::DivisionByZero:
            return QStringLiteral("Деление на нула.");
        case engine::ErrorKind::NotANumber:
            return QStringLiteral("В списъка с числа има запис, който не е число.");
        case engine::ErrorKind::IndexOutOfRange:
            return QStringLiteral("Индекс извън обхвата: търсеният елемент на списъка липсва.");
    }
    return unexpectedErrorText();
}

QString unexpectedErrorText() { return QStringLiteral("Неочаквана грешка при изпълнение."); }

QString runtimeErrorAdvice() {
    return QStringLiteral(
        "Написаното дотук е запазено и програмата продължава работа. "
        "Натиснете „Задача“ за нова задача.");
}

}  // namespace qt_ui
