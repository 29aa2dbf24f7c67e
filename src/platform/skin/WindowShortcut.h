// A key combination that acts in a whole window: it is taken before whichever of the
// window's controls has the focus sees it, so a text box cannot type it and the
// number box cannot refuse it. Qt's own shortcuts would need the window to be the
// active one, which it is not where no window manager activates it.
#pragma once

#include <QKeyCombination>
#include <QList>
#include <QObject>

class QWidget;

namespace platform {

class WindowShortcut : public QObject {
    Q_OBJECT

public:
    // Watches the keys typed anywhere in `inWindow`'s window. Keys are matched without
    // Qt::KeypadModifier; the keypad's Enter is Qt::Key_Enter, beside Qt::Key_Return.
    WindowShortcut(QWidget *inWindow, QList<QKeyCombination> keys);

Q_SIGNALS:
    void activated();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *inWindow_;
    QList<QKeyCombination> keys_;
};

} // namespace platform
