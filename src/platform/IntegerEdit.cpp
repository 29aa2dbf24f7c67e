#include "IntegerEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QRegularExpression>

namespace platform {

IntegerEdit::IntegerEdit(QWidget *parent)
    : QLineEdit(parent) {
    setMaxLength(7);
    connect(this, &QLineEdit::textChanged, this, &IntegerEdit::takeValueFromText);
    setValue(0);
}

void IntegerEdit::setValue(int value) {
    const bool changed = value != value_.current();
    value_.publish(value);
    if (text() != QString::number(value))
        setText(QString::number(value));
    if (changed)
        Q_EMIT valueChanged(value);
}

void IntegerEdit::takeValueFromText(const QString &text) {
    static const QRegularExpression wholeNumber(QStringLiteral("^-?[0-9]+$"));
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    if (isNumber && wholeNumber.match(text).hasMatch() && number != value_.current()) {
        value_.publish(number);
        Q_EMIT valueChanged(number);
    }
}

bool IntegerEdit::acceptsMinusSign() const {
    if (cursorPosition() != 0 && !(hasSelectedText() && selectionStart() == 0))
        return false;
    return (hasSelectedText() && selectionStart() == 0) || !text().contains(u'-');
}

void IntegerEdit::keyPressEvent(QKeyEvent *event) {
    const QString typed = event->text();
    // Keys that type nothing (arrows, Home, ...) and control characters but Enter
    // keep their usual meaning; of printable characters only digits and the minus
    // sign get through.
    const bool typesCharacter = !typed.isEmpty() && typed.at(0).isPrint();
    const bool isEnter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (isEnter || (typesCharacter && !typed.at(0).isDigit() &&
                    !(typed == QStringLiteral("-") && acceptsMinusSign()))) {
        QApplication::beep();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void IntegerEdit::focusOutEvent(QFocusEvent *event) {
    setText(QString::number(value_.current()));
    QLineEdit::focusOutEvent(event);
}

} // namespace platform
