// A window-wide key: taken from whichever control of its window has the focus,
// before that control sees it, and left alone in every other window.
#include "skin/WindowShortcut.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

// Counts the key presses that reach one control.
class KeyPressCount : public QObject {
public:
    explicit KeyPressCount(QWidget *control) { control->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::KeyPress)
            ++count;
        return false;
    }
};

} // namespace

class tst_WindowShortcut : public QObject {
    Q_OBJECT

private slots:
    void takesItsKeysInItsWindowOnly_data() {
        QTest::addColumn<bool>("inItsWindow");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("activates");
        QTest::newRow("its-key") << true << int(Qt::Key_Return) << int(Qt::ControlModifier) << true;
        QTest::newRow("keypad-counts-as-main-keyboard")
            << true << int(Qt::Key_Enter) << int(Qt::ControlModifier | Qt::KeypadModifier) << true;
        QTest::newRow("other-modifiers")
            << true << int(Qt::Key_Return) << int(Qt::ControlModifier | Qt::ShiftModifier) << false;
        QTest::newRow("other-key") << true << int(Qt::Key_A) << int(Qt::ControlModifier) << false;
        QTest::newRow("other-window")
            << false << int(Qt::Key_Return) << int(Qt::ControlModifier) << false;
    }

    void takesItsKeysInItsWindowOnly() {
        QFETCH(bool, inItsWindow);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, activates);
        QWidget window;
        auto *inside = new QLineEdit(&window);
        QLineEdit otherWindow;
        const platform::WindowShortcut shortcut(
            &window, {Qt::CTRL | Qt::Key_Return, Qt::CTRL | Qt::Key_Enter});
        QSignalSpy activations(&shortcut, &platform::WindowShortcut::activated);
        QLineEdit *target = inItsWindow ? inside : &otherWindow;
        const KeyPressCount reached(target);
        QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers));
        QApplication::sendEvent(target, &press);
        QCOMPARE(activations.count(), activates ? 1 : 0);
        QCOMPARE(reached.count, activates ? 0 : 1);
    }

    // Held down, the key acts once, and its repeats do not reach the control.
    void aHeldKeyActsOnce() {
        QWidget window;
        auto *box = new QLineEdit(&window);
        const platform::WindowShortcut shortcut(&window, {Qt::ALT | Qt::Key_Space});
        QSignalSpy activations(&shortcut, &platform::WindowShortcut::activated);
        for (bool repeat : {false, true, true}) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::AltModifier, QStringLiteral(" "),
                            repeat);
            QApplication::sendEvent(box, &press);
        }
        QCOMPARE(activations.count(), 1);
        QCOMPARE(box->text(), QString());
    }
};

QTEST_MAIN(tst_WindowShortcut)
#include "tst_window_shortcut.moc"
