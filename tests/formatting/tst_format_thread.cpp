// The format worker driven through real controls, as the window drives it.
#include "FormatByteArray.h"
#include "WorkerControls.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

class tst_FormatThread : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<WorkerControls> controls;
    platform::TextView *input = nullptr;
    platform::TextView *output = nullptr;
    QRadioButton *lowerCase = nullptr;
    platform::IntegerEdit *bytesPerLine = nullptr;
    platform::SkinButton *button = nullptr;
    platform::ProgressBar *bar = nullptr;
    TFormatThread *worker = nullptr;
    QStringList writes;

    void press() { controls->press(); }
    void waitForRunEnd() {
        QTRY_VERIFY_WITH_TIMEOUT(worker->isSuspended(), 20000);
        QCoreApplication::processEvents();
    }
    // What the output box holds after a run: the formatter's output as one added line.
    static QString formatted(const QString &text, bool upper, int n) {
        const auto result = formatting::FormatByteArray(
            std::u16string_view(reinterpret_cast<const char16_t *>(text.utf16()), text.size()),
            upper, [n] { return n; }, [] {}, [](int) {});
        return QString::fromStdU16String(*result) + QStringLiteral("\r\n");
    }

private slots:
    void init() {
        controls = std::make_unique<WorkerControls>();
        input = controls->input;
        output = controls->output;
        lowerCase = controls->lowerCase;
        bytesPerLine = controls->bytesPerLine;
        button = controls->button;
        bar = controls->bar;
        worker = controls->worker;
        writes.clear();
        connect(output, &platform::TextView::textChanged, this, [this] {
            writes << (output->isEmpty() ? QStringLiteral("output emptied")
                                         : QStringLiteral("output written"));
        });
        connect(button, &platform::SkinButton::captionChanged, this,
                [this](const QString &caption) { writes << caption; });
        connect(bar, &QProgressBar::valueChanged, this,
                [this](int value) { writes << QString::number(value); });
    }
    void cleanup() {
        platform::SuspendableThread::stopAll();
        controls.reset();
    }

    void runWritesInOrder() {
        input->setText(QStringLiteral("00 01 02\r\n03"));
        output->setText(QString::fromUtf16(u"old"));
        writes.clear();
        QVERIFY(worker->isSuspended());
        press();
        waitForRunEnd();
        QStringList expected{QStringLiteral("output emptied"), QStringLiteral("正在格式化")};
        for (int p : {8, 16, 25, 33, 41, 50, 58, 66, 75, 83, 91, 100})
            expected << QString::number(p);
        expected << QStringLiteral("正在输出") << QStringLiteral("output written")
                 << QStringLiteral("格式化") << QStringLiteral("0");
        QCOMPARE(writes, expected);
        QCOMPARE(button->caption(), QStringLiteral("格式化"));
        QCOMPARE(bar->value(), 0);
        QCOMPARE(output->text(), formatted(input->text(), true, 10));
    }

    // The worker converts the input box's text as it stands: characters that other
    // text boxes turn into blanks or line breaks are data here.
    void convertsTheInputAsItStands_data() {
        QTest::addColumn<QString>("input");
        QTest::newRow("no-break space") << QStringLiteral("A\u00A0B");
        QTest::newRow("line separator") << QStringLiteral("A\u2028B");
        QTest::newRow("paragraph separator") << QStringLiteral("A\u2029B");
        QTest::newRow("non-characters") << QStringLiteral("A\uFDD0\uFDD1B");
        QTest::newRow("CR LF and a lone CR") << QStringLiteral("AB\r\nCD\rE");
    }
    void convertsTheInputAsItStands() {
        QFETCH(QString, input);
        this->input->setText(input);
        QCOMPARE(this->input->text(), input);
        press();
        waitForRunEnd();
        QCOMPARE(output->text(), formatted(input, true, 10));
    }

    void emptyInputEmptiesTheOutputOnly() {
        output->setText(QString::fromUtf16(u"previous output"));
        bar->setValue(0);
        writes.clear();
        press();
        waitForRunEnd();
        QCOMPARE(writes, QStringList{QStringLiteral("output emptied")});
        QVERIFY(output->isEmpty());
        QCOMPARE(button->caption(), QStringLiteral("格式化"));
    }

    void secondRunReplacesTheFirst() {
        input->setText(QStringLiteral("AABBCC"));
        press();
        waitForRunEnd();
        input->setText(QStringLiteral("dd"));
        lowerCase->setChecked(true);
        press();
        waitForRunEnd();
        QCOMPARE(output->text(), formatted(QStringLiteral("dd"), false, 10));
    }

    // While a run is under way: another press does nothing and is not remembered,
    // an edit of the input does not change the run, and a new line length counts
    // from the next separator on, with separators still counted from the start.
    void changesDuringARun() {
        // Long enough for the run to go on well after its start reaches the UI thread.
        QString dump;
        const int pairs = 4'000'000;
        for (int i = 0; i < pairs; ++i)
            dump += QStringLiteral("%1").arg(i % 256, 2, 16, QLatin1Char('0')) +
                    (i % 32 == 31 ? u'\n' : u' ');
        input->setText(dump);
        bool changed = false;
        bool pressDuringRunIgnored = false;
        connect(button, &platform::SkinButton::captionChanged, this, [&](const QString &caption) {
            if (caption == QStringLiteral("正在格式化")) {
                changed = true;
                pressDuringRunIgnored = !worker->resume();
                input->setText(QStringLiteral("FF"));
                bytesPerLine->setValue(3);
            }
        });
        press();
        waitForRunEnd();
        QVERIFY(changed);
        QVERIFY(pressDuringRunIgnored);
        QCOMPARE(writes.count(QStringLiteral("正在格式化")), 1);
        QTest::qWait(100);
        QVERIFY(worker->isSuspended());
        QCOMPARE(writes.count(QStringLiteral("正在格式化")), 1);

        // Separator k carries a line break when k is a multiple of the line length in
        // force: 10 up to some separator, 3 from there on.
        const QString text = output->text();
        const QStringList lines = text.split(u'\n');
        QVERIFY(lines.first().startsWith(QStringLiteral("const byte code[] = {")));
        qsizetype separators = 0;
        qsizetype lastOfTen = 0, firstOfThree = -1;
        for (qsizetype i = 1; i + 2 < lines.size(); ++i) {
            separators += lines[i].count(QStringLiteral(", "));
            if (firstOfThree < 0 && separators % 10 != 0)
                firstOfThree = separators;
            if (firstOfThree < 0)
                lastOfTen = separators;
            else
                QVERIFY2(separators % 3 == 0, qPrintable(QString::number(separators)));
        }
        QVERIFY(lastOfTen > 0);
        QVERIFY(firstOfThree > lastOfTen);
        QCOMPARE(text.count(QStringLiteral("0x")), pairs);
    }
};

QTEST_MAIN(tst_FormatThread)
#include "tst_format_thread.moc"
