// The output box: what the user can do with a large read-only text.
#include "ReadOnlyTextBox.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QTest>

class tst_ReadOnlyTextBox : public QObject {
    Q_OBJECT

    platform::ReadOnlyTextBox *box = nullptr;

    static std::u16string numberedLines(int count) {
        std::u16string text;
        for (int i = 0; i < count; ++i)
            text += u"line " + QString::number(i).toStdU16String() + u"\r\n";
        text.resize(text.size() - 2);
        return text;
    }

private slots:
    void init() {
        box = new platform::ReadOnlyTextBox;
        box->resize(465, 155);
        box->setContent(platform::TextContent(numberedLines(3)));
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box));
    }
    void cleanup() { delete box; }

    void holdsTheTextAndOneLineBreak() {
        QCOMPARE(box->toPlainText(), QStringLiteral("line 0\nline 1\nline 2\n"));
        QCOMPARE(box->content().lineCount(), 4);
        box->clear();
        QVERIFY(box->isEmpty());
        QCOMPARE(box->toPlainText(), QString());
    }

    void selectAllAndCopy() {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("line 0\nline 1\nline 2\n"));
    }

    void keyboardSelection() {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(box, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(box->selectedText(), QStringLiteral("line 0\nl"));
        QTest::keyClick(box, Qt::Key_End, Qt::ShiftModifier);
        QCOMPARE(box->selectedText(), QStringLiteral("line 0\nline 1"));
        QTest::keyClick(box, Qt::Key_Right);
        QTest::keyClick(box, Qt::Key_End, Qt::ShiftModifier | Qt::ControlModifier);
        QCOMPARE(box->selectedText(), QStringLiteral("line 2\n"));
    }

    void mouseSelection() {
        QWidget *view = box->viewport();
        const int lineHeight = box->fontMetrics().lineSpacing();
        QTest::mousePress(view, Qt::LeftButton, {}, QPoint(4, 4 + lineHeight / 2));
        QMouseEvent drag(QEvent::MouseMove, QPointF(200, 4 + lineHeight * 3 / 2),
                         view->mapToGlobal(QPointF(200, 4 + lineHeight * 3 / 2)), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(view, &drag);
        QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(200, 4 + lineHeight * 3 / 2));
        QCOMPARE(box->selectedText(), QStringLiteral("line 0\nline 1"));
    }

    void doubleClickSelectsAWord() {
        box->setContent(platform::TextContent(u"\t0x4D, 0x5A"));
        QTest::mouseDClick(
            box->viewport(), Qt::LeftButton, {},
            QPoint(4 + 48 + box->fontMetrics().horizontalAdvance(QStringLiteral("0x4D, 0")),
                   4 + box->fontMetrics().height() / 2));
        QCOMPARE(box->selectedText(), QStringLiteral("0x5A"));
    }

    void typingChangesNothing() {
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("xyz"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Delete);
        QCOMPARE(box->toPlainText(), QStringLiteral("line 0\nline 1\nline 2\n"));
    }

    // A million lines cost nothing to show, and the last one can be scrolled to.
    void scrollsThroughAMillionLines() {
        box->setContent(platform::TextContent(numberedLines(1'000'000)));
        QScrollBar *bar = box->verticalScrollBar();
        QVERIFY(bar->maximum() > 999'000);
        bar->setValue(bar->maximum());
        box->setFocus();
        QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Up);
        QTest::keyClick(box, Qt::Key_Home, Qt::ShiftModifier);
        QTest::keyClick(box, Qt::Key_End, Qt::ShiftModifier);
        QCOMPARE(box->selectedText(), QStringLiteral("line 999999"));
    }
};

QTEST_MAIN(tst_ReadOnlyTextBox)
#include "tst_read_only_text_box.moc"
