// The text view's model without a widget: how a text is wrapped into rows and kept
// wrapped through edits, and how the document edits, selects and undoes.
#include "controls/TextDocument.h"
#include "controls/TextRows.h"

#include <QRandomGenerator>
#include <QTest>

using platform::CharacterWidths;
using platform::TextDocument;
using platform::TextRows;

namespace {

// Every character one unit wide, a wide one (U+4E00..) two; tab stops every 4.
CharacterWidths cellWidths() {
    return CharacterWidths(
        [](QStringView c) { return c.size() == 2 || c[0].unicode() >= 0x4E00 ? 2.0 : 1.0; }, 4);
}

QList<qsizetype> startsOf(const TextRows &rows) {
    QList<qsizetype> starts;
    for (qsizetype row = 0; row < rows.count(); ++row)
        starts << rows.start(row);
    return starts;
}

QList<qsizetype> wrapped(const QString &text, qreal width) {
    TextRows rows(cellWidths(), width);
    rows.wrap(text);
    return startsOf(rows);
}

} // namespace

class tst_TextModel : public QObject {
    Q_OBJECT

private slots:
    void wrapsIntoRows_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QList<qsizetype>>("starts");
        QTest::newRow("empty") << QString() << 4 << QList<qsizetype>{0};
        QTest::newRow("fits") << QStringLiteral("abcd") << 4 << QList<qsizetype>{0};
        QTest::newRow("no blank: anywhere")
            << QStringLiteral("abcdefghij") << 4 << QList<qsizetype>{0, 4, 8};
        QTest::newRow("after the last blank")
            << QStringLiteral("ab cd ef") << 6 << QList<qsizetype>{0, 6};
        QTest::newRow("blanks hang past the width")
            << QStringLiteral("abcd    ef") << 4 << QList<qsizetype>{0, 8};
        QTest::newRow("line breaks")
            << QStringLiteral("ab\ncd\r\n\nef") << 4 << QList<qsizetype>{0, 3, 7, 8};
        QTest::newRow("trailing line break: empty last row")
            << QStringLiteral("ab\n") << 4 << QList<qsizetype>{0, 3};
        QTest::newRow("CR LF takes no room")
            << QStringLiteral("abcd\r\nef") << 4 << QList<qsizetype>{0, 6};
        QTest::newRow("tab to the next stop")
            << QStringLiteral("a\tbcde") << 6 << QList<qsizetype>{0, 2};
        QTest::newRow("wide characters") << QStringLiteral("一二三") << 4 << QList<qsizetype>{0, 2};
        QTest::newRow("surrogate pair stays whole")
            << QStringLiteral("ab😀c") << 3 << QList<qsizetype>{0, 2};
        QTest::newRow("one character wider than the row")
            << QStringLiteral("一二") << 1 << QList<qsizetype>{0, 1};
    }
    void wrapsIntoRows() {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QList<qsizetype>, starts);
        QCOMPARE(wrapped(text, width), starts);
    }

    // Rows of printable ASCII in a fixed-pitch font take a shortcut; a font where
    // one unused character differs in width takes the full scan. Both agree.
    void fixedPitchRowsWrapAsTheFullScan() {
        const CharacterWidths oneOdd([](QStringView c) { return c[0] == u'~' ? 1.5 : 1.0; }, 4);
        QVERIFY(cellWidths().asciiAdvance() > 0);
        QCOMPARE(oneOdd.asciiAdvance(), 0);
        QRandomGenerator random(11);
        const QString alphabet = QStringLiteral("ab   c\r\n\t\n\t\t");
        for (int round = 0; round < 200; ++round) {
            QString text;
            for (int n = random.bounded(400); n > 0; --n)
                text += alphabet[random.bounded(alphabet.size())];
            const int width = random.bounded(1, 30);
            TextRows full(oneOdd, width);
            full.wrap(text);
            QVERIFY2(startsOf(full) == wrapped(text, width), qPrintable(text));
        }
    }

    void rowEndsAndPositions() {
        const QString text = QStringLiteral("abcdef\r\ngh");
        TextRows rows(cellWidths(), 4);
        rows.wrap(text);
        QCOMPARE(startsOf(rows), (QList<qsizetype>{0, 4, 8}));
        QCOMPARE(rows.end(text, 0), 4);
        QCOMPARE(rows.end(text, 1), 6);
        QCOMPARE(rows.end(text, 2), 10);
        QCOMPARE(rows.rowOf(3), 0);
        QCOMPARE(rows.rowOf(4), 1);
        QCOMPARE(rows.rowOf(10), 2);
    }

    // Whatever the edits, the rows kept up to date are the rows a fresh wrap gives.
    void editsKeepTheRowsOfAFreshWrap_data() {
        QTest::addColumn<QString>("alphabet");
        QTest::newRow("words and lines") << QStringLiteral("ab  c\n");
        QTest::newRow("one long line without blanks") << QStringLiteral("0123456789ABCDEF");
        QTest::newRow("CR LF, tabs, wide and paired characters") << QStringLiteral("a\r\n\t一😀 ");
    }
    void editsKeepTheRowsOfAFreshWrap() {
        QFETCH(QString, alphabet);
        QRandomGenerator random(20261211);
        const auto piece = [&](int longest) {
            QString text;
            for (int n = random.bounded(longest + 1); n > 0; --n)
                text += alphabet[random.bounded(alphabet.size())];
            return text;
        };
        for (const int width : {1, 3, 7, 20}) {
            QString text = piece(300);
            TextRows rows(cellWidths(), width);
            rows.wrap(text);
            for (int step = 0; step < 400; ++step) {
                const qsizetype position = random.bounded(text.size() + 1);
                const qsizetype removed =
                    random.bounded(std::min<qsizetype>(text.size() - position, 12) + 1);
                const QString inserted = piece(step % 50 == 0 ? 200 : 6);
                text.replace(position, removed, inserted);
                rows.update(text, position, removed, inserted.size());
                QVERIFY2(startsOf(rows) == wrapped(text, width),
                         qPrintable(QStringLiteral("width %1, step %2").arg(width).arg(step)));
            }
        }
    }

    void edits_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("anchor");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("cursorAfter");
        QTest::newRow("type into empty") << QString() << 0 << 0 << "type x"
                                         << "x" << 1;
        QTest::newRow("type over a selection") << "abcd" << 1 << 3 << "type x"
                                               << "axd" << 2;
        QTest::newRow("backspace") << "abc" << 2 << 2 << "backspace"
                                   << "ac" << 1;
        QTest::newRow("backspace at the start") << "abc" << 0 << 0 << "backspace"
                                                << "abc" << 0;
        QTest::newRow("backspace takes CR LF whole") << "a\r\nb" << 3 << 3 << "backspace"
                                                     << "ab" << 1;
        QTest::newRow("delete takes a surrogate pair whole")
            << QStringLiteral("a😀b") << 1 << 1 << "delete"
            << "ab" << 1;
        QTest::newRow("delete at the end") << "abc" << 3 << 3 << "delete"
                                           << "abc" << 3;
        QTest::newRow("delete a selection") << "abcd" << 3 << 1 << "delete"
                                            << "ad" << 1;
        QTest::newRow("word back") << "ab cd ef" << 6 << 6 << "word back"
                                   << "ab ef" << 3;
        QTest::newRow("word forward") << "ab cd ef" << 1 << 1 << "word forward"
                                      << "acd ef" << 1;
    }
    void edits() {
        QFETCH(QString, text);
        QFETCH(int, anchor);
        QFETCH(int, cursor);
        QFETCH(QString, operation);
        QFETCH(QString, result);
        QFETCH(int, cursorAfter);
        TextDocument document;
        document.setText(text);
        document.select(anchor, cursor);
        if (operation.startsWith(QStringLiteral("type ")))
            document.insert(operation.mid(5), TextDocument::Edit::Typing);
        else if (operation == QStringLiteral("backspace"))
            document.removeTo(document.previousPosition(document.cursor()));
        else if (operation == QStringLiteral("delete"))
            document.removeTo(document.nextPosition(document.cursor()));
        else if (operation == QStringLiteral("word back"))
            document.removeTo(document.previousWordStart(document.cursor()));
        else if (operation == QStringLiteral("word forward"))
            document.removeTo(document.nextWordStart(document.cursor()));
        QCOMPARE(document.text(), result);
        QCOMPARE(document.cursor(), cursorAfter);
        QVERIFY(!document.hasSelection());
    }

    void positionsNeverSplitACharacter() {
        TextDocument document;
        document.setText(QStringLiteral("a\r\n😀"));
        document.moveCursor(2);
        QCOMPARE(document.cursor(), 1);
        document.moveCursor(4);
        QCOMPARE(document.cursor(), 3);
        QCOMPARE(document.nextPosition(1), 3);
        QCOMPARE(document.nextPosition(3), 5);
        QCOMPARE(document.previousPosition(5), 3);
        QCOMPARE(document.previousPosition(3), 1);
        QCOMPARE(document.wordAt(0), std::make_pair(qsizetype(0), qsizetype(1)));
    }

    void selectionToTextFoldsCrLf() {
        TextDocument document;
        document.setText(QStringLiteral("ab\r\ncd\ne\rf"));
        document.selectAll();
        QCOMPARE(document.selectedText(), QStringLiteral("ab\ncd\ne\rf"));
        QCOMPARE(document.text(), QStringLiteral("ab\r\ncd\ne\rf"));
    }

    void typingIsOneUndoStep() {
        TextDocument document;
        document.setText(QStringLiteral("12"));
        document.moveCursor(1);
        for (const QChar c : QStringLiteral("abc"))
            document.insert(QString(c), TextDocument::Edit::Typing);
        document.moveCursor(0);
        document.insert(QStringLiteral("x"), TextDocument::Edit::Typing);
        document.insert(QStringLiteral("PASTE"));
        QCOMPARE(document.text(), QStringLiteral("xPASTE1abc2"));
        const QStringList expected{"x1abc2", "1abc2", "12"};
        for (const QString &before : expected) {
            document.undo();
            QCOMPARE(document.text(), before);
        }
        QVERIFY(!document.canUndo());
        QCOMPARE(document.cursor(), 1);
        document.redo();
        QCOMPARE(document.text(), QStringLiteral("1abc2"));
        QCOMPARE(document.cursor(), 4);
        document.insert(QStringLiteral("!"));
        QVERIFY(!document.canRedo());
    }

    // The history shares the texts it keeps with the document; replacing the whole
    // text again and again must not make room for ever more.
    void roomStaysBoundedWhenTheTextIsShared() {
        TextDocument document;
        document.setText(QString(1000, u'a'));
        for (int i = 0; i < 200; ++i) {
            document.selectAll();
            document.insert(QString(1000, QChar(u'a' + i % 26)));
        }
        QVERIFY2(document.text().capacity() < 4000,
                 qPrintable(QString::number(document.text().capacity())));
    }

    // A change the observer cannot take (memory ran out in the rows) is undone whole.
    void failedChangeLeavesAllAsItWas() {
        TextDocument document;
        document.setText(QStringLiteral("abc"));
        document.select(1, 2);
        bool fail = true;
        document.setChangeObserver([&](qsizetype, qsizetype, qsizetype) {
            if (fail)
                throw std::bad_alloc();
        });
        QVERIFY_THROWS_EXCEPTION(std::bad_alloc, document.insert(QStringLiteral("xyz")));
        QCOMPARE(document.text(), QStringLiteral("abc"));
        QCOMPARE(document.selectedText(), QStringLiteral("b"));
        QVERIFY(!document.canUndo());
        fail = false;
        document.insert(QStringLiteral("xyz"));
        QCOMPARE(document.text(), QStringLiteral("axyzc"));
    }
};

QTEST_GUILESS_MAIN(tst_TextModel)
#include "tst_text_model.moc"
