// Memory running out in the middle of a conversion: the process caps its own
// address space, so that the formatter's output cannot be had. The user gets a
// clear message, the input stays, and the worker serves the next press.
#include "Application.h"
#include "ModalDialogs.h"
#include "WorkerControls.h"

#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <sys/resource.h>

namespace {

rlim_t addressSpaceInUse() {
    std::ifstream statm("/proc/self/statm");
    rlim_t pages = 0;
    statm >> pages;
    return pages * static_cast<rlim_t>(sysconf(_SC_PAGESIZE));
}

} // namespace

class tst_OutOfMemory : public QObject {
    Q_OBJECT

private slots:
    void reportsAndKeepsServing() {
        WorkerControls controls;
        auto *const input = controls.input;
        auto *const output = controls.output;
        auto *const button = controls.button;
        auto *const worker = controls.worker;

        QString dump;
        const QString line = QStringLiteral("00 11 22 33 44 55 66 77 88 99 AA BB CC DD EE FF "
                                            "00 11 22 33 44 55 66 77 88 99 AA BB CC DD EE FF\n");
        for (int i = 0; i < 300'000; ++i)
            dump += line;
        input->setPlainText(dump);
        dump.clear();

        // Room for the worker's copy of the text, not for the output it would make.
        const rlimit cap{addressSpaceInUse() + (150u << 20), RLIM_INFINITY};
        QCOMPARE(setrlimit(RLIMIT_AS, &cap), 0);

        QString message;
        readNextErrorBox(message);
        QVERIFY(worker->resume());
        QTRY_VERIFY_WITH_TIMEOUT(!message.isEmpty(), 30000);
        QVERIFY2(message.contains(QStringLiteral("内存不足")), qPrintable(message));
        QTRY_VERIFY(worker->isSuspended());
        QTRY_COMPARE(button->caption(), QStringLiteral("格式化"));
        QCOMPARE(controls.bar->value(), 0);
        QVERIFY(output->isEmpty());
        QCOMPARE(input->document()->blockCount(), 300'001);

        input->setPlainText(QStringLiteral("ab"));
        QVERIFY(worker->resume());
        QTRY_COMPARE(output->toPlainText(), QStringLiteral("const byte code[] = {\n\t0xAB\n};\n"));
        platform::SuspendableThread::stopAll();
    }
};

int main(int argc, char **argv) {
    platform::Application application(argc, argv);
    tst_OutOfMemory test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_out_of_memory.moc"
