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
    platform::PlainTextBox *input = nullptr;
    platform::ReadOnlyTextBox *output = nullptr;
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
    static QString formatted(const QString &text, bool upper, int n) {
        const auto result = formatting::FormatByteArray(
            std::u16string_view(reinterpret_cast<const char16_t *>(text.utf16()), text.size()),
            upper, [n] { return n; }, [] {}, [](int) {});
        // The box holds lines: its text has a line break where the output has CR LF.
        return QString::fromStdU16String(*result).replace(QStringLiteral("\r\n"),
                                                          QStringLiteral("\n"));
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
        connect(output, &platform::ReadOnlyTextBox::textChanged, this, [this] {
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
        input->setPlainText(QStringLiteral("00 01 02\r\n03"));
        output->setContent(platform::TextContent(u"old"));
        writes.clear();
        QVERIFY(worker->isSuspended());
        press();
        waitForRunEnd();
        QStringList expected{QStringLiteral("output emptied"), QStringLiteral("正在格式化")};
        for (int p : {9, 18, 27, 36, 45, 54, 63, 72, 81, 90, 100})
            expected << QString::number(p);
        expected << QStringLiteral("正在输出") << QStringLiteral("output written")
                 << QStringLiteral("格式化") << QStringLiteral("0");
        QCOMPARE(writes, expected);
        QCOMPARE(button->caption(), QStringLiteral("格式化"));
        QCOMPARE(bar->value(), 0);
        QCOMPARE(output->toPlainText(),
                 formatted(input->toPlainText(), true, 10) + QStringLiteral("\n"));
    }

    void emptyInputEmptiesTheOutputOnly() {
        output->setContent(platform::TextContent(u"previous output"));
        bar->setValue(0);
        writes.clear();
        press();
        waitForRunEnd();
        QCOMPARE(writes, QStringList{QStringLiteral("output emptied")});
        QVERIFY(output->isEmpty());
        QCOMPARE(button->caption(), QStringLiteral("格式化"));
    }

    void secondRunReplacesTheFirst() {
        input->setPlainText(QStringLiteral("AABBCC"));
        press();
        waitForRunEnd();
        input->setPlainText(QStringLiteral("dd"));
        lowerCase->setChecked(true);
        press();
        waitForRunEnd();
        QCOMPARE(output->toPlainText(), formatted(QStringLiteral("dd"), false, 10) + u'\n');
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
        input->setPlainText(dump);
        bool changed = false;
        bool pressDuringRunIgnored = false;
        connect(button, &platform::SkinButton::captionChanged, this, [&](const QString &caption) {
            if (caption == QStringLiteral("正在格式化")) {
                changed = true;
                pressDuringRunIgnored = !worker->resume();
                input->setPlainText(QStringLiteral("FF"));
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
        const QString text = output->toPlainText();
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
