// The text view as the user meets it in both boxes: reading, selecting and copying
// a large read-only text; editing the input; keys in an empty box; scrolling
// through every row of one very long line; input methods.
#include "controls/TextView.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTest>

using platform::TextView;

class tst_TextView : public QObject {
    Q_OBJECT

    TextView *box = nullptr;

    static QString numberedLines(int count) {
        QString text;
        for (int i = 0; i < count; ++i)
            text += QStringLiteral("line %1\r\n").arg(i);
        text.chop(2);
        return text;
    }
    QPoint pointOf(int column, int row) const {
        return {4 + box->fontMetrics().horizontalAdvance(QString(column, u'0')),
                4 + box->fontMetrics().lineSpacing() * row + box->fontMetrics().height() / 2};
    }

private slots:
    void init() {
        box = new TextView;
        box->resize(465, 155);
        box->setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 9));
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box));
        box->setFocus();
    }
    void cleanup() { delete box; }

    // Reading

    void keepsTheTextExactly() {
        const QString text = QStringLiteral("A\u00A0B\u2028C\u2029D\uFDD0\uFDD1\r\nE\rF😀");
        box->setText(text);
        QCOMPARE(box->text(), text);
        box->selectAll();
        QCOMPARE(box->selectedText(), QString(text).replace(QStringLiteral("\r\n"), "\n"));
        box->clear();
        QVERIFY(box->isEmpty());
    }

    void selectAllAndCopy() {
        box->setReadOnly(true);
        box->setText(numberedLines(3));
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("line 0\nline 1\nline 2"));
        QTest::keyClick(box, Qt::Key_Right);
        QTest::keyClick(box, Qt::Key_Home, Qt::ShiftModifier);
        QTest::keyClick(box, Qt::Key_Insert, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("line 2"));
    }

    void keyboardSelection() {
        box->setReadOnly(true);
        box->setText(numberedLines(3));
        QTest::keyClick(box, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(box, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(box->selectedText(), QStringLiteral("line 0\nl"));
        QTest::keyClick(box, Qt::Key_End, Qt::ShiftModifier);
        QCOMPARE(box->selectedText(), QStringLiteral("line 0\nline 1"));
        // Right ends the selection at its end, the next one moves on.
        QTest::keyClick(box, Qt::Key_Right);
        QVERIFY(box->selectedText().isEmpty());
        QTest::keyClick(box, Qt::Key_Right);
        QTest::keyClick(box, Qt::Key_Right, Qt::ShiftModifier | Qt::ControlModifier);
        QCOMPARE(box->selectedText(), QStringLiteral("line "));
        QTest::keyClick(box, Qt::Key_End, Qt::ShiftModifier | Qt::ControlModifier);
        QCOMPARE(box->selectedText(), QStringLiteral("line 2"));
    }

    void mouseSelection() {
        box->setText(numberedLines(3));
        QWidget *view = box->viewport();
        QTest::mousePress(view, Qt::LeftButton, {}, pointOf(0, 0));
        QMouseEvent drag(QEvent::MouseMove, pointOf(30, 1), view->mapToGlobal(pointOf(30, 1)),
                         Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(view, &drag);
        QTest::mouseRelease(view, Qt::LeftButton, {}, pointOf(30, 1));
        QCOMPARE(box->selectedText(), QStringLiteral("line 0\nline 1"));
        QTest::mouseClick(view, Qt::LeftButton, Qt::ShiftModifier, pointOf(4, 2));
        QCOMPARE(box->selectedText(), QStringLiteral("line 0\nline 1\nline"));
    }

    void doubleClickSelectsAWord() {
        box->setText(QStringLiteral("\t0x4D, 0x5A"));
        QTest::mouseDClick(
            box->viewport(), Qt::LeftButton, {},
            QPoint(4 + 48 + box->fontMetrics().horizontalAdvance("0x4D, 0"), pointOf(0, 0).y()));
        QCOMPARE(box->selectedText(), QStringLiteral("0x5A"));
    }

    void readOnlyTypingChangesNothing() {
        box->setReadOnly(true);
        box->setText(numberedLines(3));
        QTest::keyClicks(box, QStringLiteral("xyz"));
        for (const Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return})
            QTest::keyClick(box, key);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(box->text(), numberedLines(3));
    }

    // Every key, with and without modifiers, in an empty box of either kind.
    void keysInAnEmptyBox_data() {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("input") << false;
        QTest::newRow("output") << true;
    }
    void keysInAnEmptyBox() {
        QFETCH(bool, readOnly);
        box->setReadOnly(readOnly);
        const Qt::KeyboardModifiers modifiers[] = {
            Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier,
            Qt::ControlModifier | Qt::ShiftModifier, Qt::AltModifier};
        const Qt::Key keys[] = {Qt::Key_Control, Qt::Key_Shift, Qt::Key_Left,      Qt::Key_Right,
                                Qt::Key_Up,      Qt::Key_Down,  Qt::Key_PageUp,    Qt::Key_PageDown,
                                Qt::Key_Home,    Qt::Key_End,   Qt::Key_Backspace, Qt::Key_Delete,
                                Qt::Key_Insert,  Qt::Key_A,     Qt::Key_C,         Qt::Key_V,
                                Qt::Key_X,       Qt::Key_Z,     Qt::Key_Y,         Qt::Key_Escape};
        QApplication::clipboard()->clear();
        for (const auto modifier : modifiers)
            for (const Qt::Key key : keys)
                QTest::keyClick(box, key, modifier);
        if (readOnly)
            QVERIFY(box->text().isEmpty());
        QVERIFY(box->cursorPosition() <= box->text().size());
    }

    // Editing

    void typingAndUndo() {
        QTest::keyClicks(box, QStringLiteral("de ad"));
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClicks(box, QStringLiteral("bf"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, QStringLiteral("e ef"));
        QCOMPARE(box->text(), QStringLiteral("de ad\nbe ef"));
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box->text(), QStringLiteral("de ad\nb"));
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(box->text(), QStringLiteral("de ad\nbe ef"));
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(box->text().isEmpty());
        QTest::keyClick(box, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(box->text(), QStringLiteral("de ad"));
    }

    void clipboardKeys_data() {
        QTest::addColumn<QKeyCombination>("cutKey");
        QTest::addColumn<QKeyCombination>("pasteKey");
        QTest::newRow("Ctrl+X, Ctrl+V") << (Qt::CTRL | Qt::Key_X) << (Qt::CTRL | Qt::Key_V);
        QTest::newRow("Shift+Delete, Shift+Insert")
            << (Qt::SHIFT | Qt::Key_Delete) << (Qt::SHIFT | Qt::Key_Insert);
    }
    void clipboardKeys() {
        QFETCH(QKeyCombination, cutKey);
        QFETCH(QKeyCombination, pasteKey);
        box->setText(QStringLiteral("00 11 22"));
        QTest::keyClick(box, Qt::Key_Right, Qt::ShiftModifier | Qt::ControlModifier);
        QTest::keyClick(box, cutKey.key(), cutKey.keyboardModifiers());
        QCOMPARE(box->text(), QStringLiteral("11 22"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("00 "));
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClick(box, pasteKey.key(), pasteKey.keyboardModifiers());
        QCOMPARE(box->text(), QStringLiteral("11 2200 "));
    }

    void contextMenuOffersWhatFits() {
        QApplication::clipboard()->setText(QStringLiteral("cd"));
        box->setText(QStringLiteral("ab"));
        box->selectAll();
        QStringList enabled;
        const auto menu = box->createStandardContextMenu();
        for (QAction *action : menu->actions())
            if (!action->isSeparator() && action->isEnabled())
                enabled << action->text().remove(u'&');
        QCOMPARE(enabled, (QStringList{"Cut", "Copy", "Paste", "Delete", "Select All"}));
        box->setReadOnly(true);
        enabled.clear();
        const auto readOnlyMenu = box->createStandardContextMenu();
        for (QAction *action : readOnlyMenu->actions())
            if (!action->isSeparator())
                enabled << action->text().remove(u'&');
        QCOMPARE(enabled, (QStringList{"Copy", "Select All"}));
    }

    void inputMethodPreeditAndCommit() {
        box->setText(QStringLiteral("ab"));
        QTest::keyClick(box, Qt::Key_Right);
        QInputMethodEvent preedit(QStringLiteral("shu"), {});
        QApplication::sendEvent(box, &preedit);
        QCOMPARE(box->text(), QStringLiteral("ab"));
        QVERIFY(box->inputMethodQuery(Qt::ImEnabled).toBool());
        QVERIFY(box->inputMethodQuery(Qt::ImCursorRectangle).toRect().x() > 4);
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("数"));
        QApplication::sendEvent(box, &commit);
        QCOMPARE(box->text(), QStringLiteral("a数b"));
        QCOMPARE(box->cursorPosition(), 2);
    }

    // Scrolling

    // PageDown from the top of one long line to its end shows new rows every time
    // and reaches the last one, and so do the scroll bar and the wheel.
    void everyRowOfALongLineCanBeReached_data() {
        QTest::addColumn<bool>("blanks");
        QTest::newRow("hex dump on one line") << false;
        QTest::newRow("array on one line") << true;
    }
    void everyRowOfALongLineCanBeReached() {
        QFETCH(bool, blanks);
        QString line;
        for (int i = 0; i < 20'000; ++i)
            line += blanks ? QStringLiteral("0x%1, ").arg(i % 256, 2, 16, QLatin1Char('0'))
                           : QStringLiteral("%1").arg(i % 256, 2, 16, QLatin1Char('0'));
        box->setText(line);
        const qsizetype rows = box->rows().count();
        QVERIFY(rows > 100);
        QScrollBar *bar = box->verticalScrollBar();
        QCOMPARE(bar->maximum(), rows - box->rowsInView());
        qsizetype shown = box->firstVisibleRow();
        while (bar->value() < bar->maximum()) {
            QTest::keyClick(box, Qt::Key_PageDown);
            QVERIFY(box->firstVisibleRow() > shown);
            shown = box->firstVisibleRow();
        }
        QVERIFY(box->rows().rowOf(box->cursorPosition()) >= rows - box->rowsInView());
        QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(box->cursorPosition(), line.size());
        QTest::keyClick(box, Qt::Key_Home);
        QCOMPARE(box->cursorPosition(), box->rows().start(rows - 1));
        QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(bar->value(), 0);
        QWheelEvent wheel(QPointF(10, 10), box->viewport()->mapToGlobal(QPointF(10, 10)), {},
                          QPoint(0, -120), Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(box->viewport(), &wheel);
        QVERIFY(bar->value() > 0);
    }

    // A million lines cost nothing to show, and the last one can be reached.
    void scrollsThroughAMillionLines() {
        box->setReadOnly(true);
        box->setText(numberedLines(1'000'000));
        QScrollBar *bar = box->verticalScrollBar();
        QVERIFY(bar->maximum() > 999'000);
        bar->setValue(bar->maximum());
        QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Home, Qt::ShiftModifier);
        QCOMPARE(box->selectedText(), QStringLiteral("line 999999"));
        QTest::keyClick(box, Qt::Key_Up);
        QTest::keyClick(box, Qt::Key_Home);
        QTest::keyClick(box, Qt::Key_End, Qt::ShiftModifier);
        QCOMPARE(box->selectedText(), QStringLiteral("line 999998"));
    }

    // End on a wrapped row stays on that row; typing there goes behind its last
    // character, and a narrower box wraps anew.
    void endOfAWrappedRow() {
        box->setText(QString(200, u'A'));
        QVERIFY(box->rows().count() > 2);
        QTest::keyClick(box, Qt::Key_End);
        QCOMPARE(box->cursorPosition(), box->rows().start(1));
        QTest::keyClick(box, Qt::Key_Home);
        QCOMPARE(box->cursorPosition(), 0);
        const qsizetype rowsBefore = box->rows().count();
        box->resize(200, 155);
        QVERIFY(box->rows().count() > rowsBefore);
        box->setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 18));
        QVERIFY(box->rows().count() > rowsBefore * 2);
    }
};

QTEST_MAIN(tst_TextView)
#include "tst_text_view.moc"
