// A box for one whole number: the digits 0-9 and a leading minus sign only, typed
// or committed by an input method, at most seven characters, no bounds. Its value follows the text
// whenever the text reads as a whole number and comes back into the text when the box loses the
// focus.
#pragma once

#include "threads/PublishedValue.h"

#include <QLineEdit>

namespace platform {

class IntegerEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValue NOTIFY valueChanged)

public:
    explicit IntegerEdit(QWidget *parent = nullptr);

    [[nodiscard]] int value() const { return value_.current(); }
    void setValue(int value);
    // The value, readable from any thread at any moment.
    [[nodiscard]] const PublishedValue<int> &publishedValue() const { return value_; }

Q_SIGNALS:
    void valueChanged(int value);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void takeValueFromText(const QString &text);
    [[nodiscard]] bool acceptsMinusSign() const;
    [[nodiscard]] bool accepts(const QString &typed) const;

    PublishedValue<int> value_{0};
};

} // namespace platform
