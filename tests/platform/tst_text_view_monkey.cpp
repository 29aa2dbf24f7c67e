// A long run of random events against both kinds of text box, from four starting
// states: keys with and without modifiers, presses, drags and double clicks of all
// three mouse buttons. After every event the input box's text must be what a plain
// model gives for the same edit, and a copy must give the model's selection.
// Nothing may crash; a failure names the run and the event, so that it replays.
#include "controls/TextView.h"

#include <QApplication>
#include <QClipboard>
#include <QRandomGenerator>
#include <QTest>

#include <string>

using platform::TextView;

namespace {

// The input box's rules on a plain string: a position never splits a CR LF or a
// surrogate pair; Backspace and Delete take one such character, or the selection.
struct Model {
    std::u16string text;

    static bool splits(const std::u16string &text, std::size_t at) {
        return at > 0 && at < text.size() &&
               ((text[at - 1] == u'\r' && text[at] == u'\n') ||
                (QChar::isHighSurrogate(text[at - 1]) && QChar::isLowSurrogate(text[at])));
    }
    void replace(std::size_t from, std::size_t to, const std::u16string &with) {
        text.replace(from, to - from, with);
    }
    std::size_t before(std::size_t at) const {
        return at == 0 ? 0 : at - 1 - (splits(text, at - 1) ? 1 : 0);
    }
    std::size_t after(std::size_t at) const {
        return at >= text.size() ? at : at + 1 + (splits(text, at + 1) ? 1 : 0);
    }
    std::u16string copied(std::size_t from, std::size_t to) const {
        std::u16string part = text.substr(from, to - from), folded;
        for (std::size_t i = 0; i < part.size(); ++i)
            if (!(part[i] == u'\r' && i + 1 < part.size() && part[i + 1] == u'\n'))
                folded += part[i];
        return folded;
    }
};

std::u16string toU16(const QString &text) {
    return text.toStdU16String();
}

QString hexRun(QRandomGenerator &random, int pairs, QChar gap) {
    QString text;
    for (int i = 0; i < pairs; ++i) {
        text += QStringLiteral("%1").arg(random.bounded(256), 2, 16, QLatin1Char('0'));
        if (!gap.isNull())
            text += gap;
    }
    return text;
}

} // namespace

class tst_TextViewMonkey : public QObject {
    Q_OBJECT

private slots:
    void randomEvents_data() {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<int>("state");
        const char *states[] = {"empty", "short text", "one long line", "many lines"};
        for (const bool readOnly : {false, true})
            for (int state = 0; state < 4; ++state)
                QTest::addRow("%s, %s", readOnly ? "output" : "input", states[state])
                    << readOnly << state;
    }

    void randomEvents() {
        QFETCH(bool, readOnly);
        QFETCH(int, state);
        const quint32 run = 7919u * (state + 1) + (readOnly ? 1 : 0);
        QRandomGenerator random(run);

        TextView box;
        box.setReadOnly(readOnly);
        box.resize(465, 155);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        box.setFocus();
        const QString start[] = {QString(), QStringLiteral("de ad\r\nbe ef 😀 a\u00A0b"),
                                 hexRun(random, 20'000, QChar()), [&] {
                                     QString lines;
                                     for (int i = 0; i < 2'000; ++i)
                                         lines += hexRun(random, 32, u' ') + QStringLiteral("\r\n");
                                     return lines;
                                 }()};
        box.setText(start[state]);
        Model model{toU16(box.text())};

        const Qt::Key keys[] = {
            Qt::Key_Left,   Qt::Key_Right,  Qt::Key_Up,       Qt::Key_Down,      Qt::Key_Home,
            Qt::Key_End,    Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Backspace, Qt::Key_Delete,
            Qt::Key_Return, Qt::Key_Enter,  Qt::Key_Insert,   Qt::Key_Tab,       Qt::Key_Escape,
            Qt::Key_A,      Qt::Key_C,      Qt::Key_V,        Qt::Key_X,         Qt::Key_Z,
            Qt::Key_Y,      Qt::Key_Space,  Qt::Key_0,        Qt::Key_F,         Qt::Key_Control};
        const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier,
                                                   Qt::NoModifier,
                                                   Qt::ShiftModifier,
                                                   Qt::ControlModifier,
                                                   Qt::ControlModifier | Qt::ShiftModifier,
                                                   Qt::AltModifier};
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::MiddleButton, Qt::RightButton};
        QWidget *view = box.viewport();
        const auto anyPoint = [&] {
            return QPoint(random.bounded(-20, view->width() + 20),
                          random.bounded(-20, view->height() + 20));
        };
        QApplication::clipboard()->setText(QStringLiteral("0x41, 0x42\r\n"));

        const int events = 2'600;
        for (int event = 0; event < events; ++event) {
            const QString where = QStringLiteral("run %1, event %2").arg(run).arg(event);
            const auto from =
                static_cast<std::size_t>(std::min(box.anchorPosition(), box.cursorPosition()));
            const auto to =
                static_cast<std::size_t>(std::max(box.anchorPosition(), box.cursorPosition()));
            const auto cursor = static_cast<std::size_t>(box.cursorPosition());
            const std::u16string clipboard = toU16(QApplication::clipboard()->text());
            // What the model expects of the text, or nothing where the event does
            // not edit in a way the model can tell ahead (undo, redo).
            std::optional<std::u16string> expected = model.text;
            const auto edit = [&](std::size_t a, std::size_t b, const std::u16string &with) {
                Model changed = model;
                changed.replace(a, b, with);
                expected = changed.text;
            };

            const int kind = random.bounded(10);
            if (kind < 7) {
                const Qt::Key key = keys[random.bounded(int(std::size(keys)))];
                const Qt::KeyboardModifiers modifier =
                    modifiers[random.bounded(int(std::size(modifiers)))];
                const bool control = modifier & Qt::ControlModifier;
                const bool alt = modifier & Qt::AltModifier;
                const bool shift = modifier & Qt::ShiftModifier;
                // The text a keyboard gives with the key, as X11 sends it.
                QString typed;
                if (key == Qt::Key_Space || (key >= Qt::Key_0 && key <= Qt::Key_9))
                    typed = QChar(key);
                else if (key >= Qt::Key_A && key <= Qt::Key_Z)
                    typed = shift ? QChar(key) : QChar(key).toLower();
                if (!readOnly && !alt) {
                    const bool selection = from != to;
                    if (key == Qt::Key_Backspace && !control)
                        edit(selection ? from : model.before(cursor), selection ? to : cursor, {});
                    else if (key == Qt::Key_Delete && !control && !shift)
                        edit(selection ? from : cursor, selection ? to : model.after(cursor), {});
                    else if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !control)
                        edit(from, to, u"\n");
                    else if ((key == Qt::Key_V && control && !shift) ||
                             (key == Qt::Key_Insert && shift && !control))
                        edit(from, to, clipboard);
                    else if ((key == Qt::Key_X && control && !shift) ||
                             (key == Qt::Key_Delete && shift && !control))
                        edit(from, to, {});
                    else if ((key == Qt::Key_Z || key == Qt::Key_Y) && control)
                        expected.reset();
                    else if (!control && !typed.isEmpty())
                        edit(from, to, toU16(typed));
                    else if (control && (key == Qt::Key_Backspace || key == Qt::Key_Delete))
                        expected.reset();
                }
                QKeyEvent press(QEvent::KeyPress, key, modifier, typed);
                QApplication::sendEvent(&box, &press);
                QKeyEvent release(QEvent::KeyRelease, key, modifier, typed);
                QApplication::sendEvent(&box, &release);
            } else {
                const Qt::MouseButton button = buttons[random.bounded(3)];
                const QPoint at = anyPoint();
                const int gesture = random.bounded(3);
                if (gesture == 0) {
                    QTest::mouseClick(view, button, {}, at);
                } else if (gesture == 1) {
                    QTest::mouseDClick(view, button, {}, at);
                } else {
                    QTest::mousePress(view, button, {}, at);
                    const QPoint end = anyPoint();
                    QMouseEvent move(QEvent::MouseMove, end, view->mapToGlobal(end), Qt::NoButton,
                                     button, {});
                    QApplication::sendEvent(view, &move);
                    QTest::mouseRelease(view, button, {}, end);
                }
                QApplication::processEvents();
            }

            if (readOnly)
                QVERIFY2(box.text() == start[state], qPrintable(where));
            else if (expected)
                QVERIFY2(toU16(box.text()) == *expected, qPrintable(where));
            model.text = toU16(box.text());

            const auto selFrom =
                static_cast<std::size_t>(std::min(box.anchorPosition(), box.cursorPosition()));
            const auto selTo =
                static_cast<std::size_t>(std::max(box.anchorPosition(), box.cursorPosition()));
            QVERIFY2(selTo <= model.text.size() && !Model::splits(model.text, selFrom) &&
                         !Model::splits(model.text, selTo),
                     qPrintable(where));
            QVERIFY2(toU16(box.selectedText()) == model.copied(selFrom, selTo), qPrintable(where));
            if (event % 50 == 0 && selFrom != selTo) {
                box.copy();
                QVERIFY2(toU16(QApplication::clipboard()->text()) == model.copied(selFrom, selTo),
                         qPrintable(where));
            }
            if (!box.hasFocus())
                box.setFocus();
        }
    }
};

QTEST_MAIN(tst_TextViewMonkey)
#include "tst_text_view_monkey.moc"
