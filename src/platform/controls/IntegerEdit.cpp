#include "controls/IntegerEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QRegularExpression>

#include <algorithm>

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

bool IntegerEdit::accepts(const QString &typed) const {
    // QChar::isDigit would let in every script's digits, such as the full-width ones
    // a Chinese input method types, which toInt does not read.
    if (typed == QStringLiteral("-"))
        return acceptsMinusSign();
    return std::all_of(typed.begin(), typed.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

void IntegerEdit::keyPressEvent(QKeyEvent *event) {
    const QString typed = event->text();
    // Keys that type nothing (arrows, Home, ...) and control characters but Enter
    // keep their usual meaning; of printable characters only digits and the minus
    // sign get through.
    const bool typesCharacter = !typed.isEmpty() && typed.at(0).isPrint();
    const bool isEnter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (isEnter || (typesCharacter && !accepts(typed))) {
        QApplication::beep();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void IntegerEdit::inputMethodEvent(QInputMethodEvent *event) {
    if (event->commitString().isEmpty() || accepts(event->commitString())) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QApplication::beep();
    // What the input method is still composing stays on show; the commit is dropped.
    QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
    QLineEdit::inputMethodEvent(&withoutCommit);
    event->accept();
}

void IntegerEdit::focusOutEvent(QFocusEvent *event) {
    setText(QString::number(value_.current()));
    QLineEdit::focusOutEvent(event);
}

} // namespace platform
