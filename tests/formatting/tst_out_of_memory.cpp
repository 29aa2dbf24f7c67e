// Memory running out: the process caps its own address space, so that the
// formatter's output, or a pasted text, cannot be had. The user gets a clear
// message, the input stays as it was, and the next press or paste works again.
#include "ModalDialogs.h"
#include "WorkerControls.h"
#include "application/Application.h"

#include <QClipboard>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <sys/resource.h>

namespace {

rlim_t addressSpaceInUse();

// Caps the process's address space to what is in use now and `room` bytes more,
// for as long as it lives.
class AddressSpaceCap {
public:
    explicit AddressSpaceCap(rlim_t room) {
        getrlimit(RLIMIT_AS, &before_);
        const rlimit cap{addressSpaceInUse() + room, before_.rlim_max};
        ok_ = setrlimit(RLIMIT_AS, &cap) == 0;
    }
    ~AddressSpaceCap() { setrlimit(RLIMIT_AS, &before_); }
    [[nodiscard]] bool ok() const { return ok_; }

private:
    rlimit before_{};
    bool ok_ = false;
};

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
        input->setText(dump);

        // Room for the run, not for the output it would make.
        const AddressSpaceCap cap(150u << 20);
        QVERIFY(cap.ok());

        QString message;
        readNextErrorBox(message);
        QVERIFY(worker->resume());
        QTRY_VERIFY_WITH_TIMEOUT(!message.isEmpty(), 30000);
        QVERIFY2(message.contains(QStringLiteral("内存不足")), qPrintable(message));
        QTRY_VERIFY(worker->isSuspended());
        QTRY_COMPARE(button->caption(), QStringLiteral("格式化"));
        QCOMPARE(controls.bar->value(), 0);
        QVERIFY(output->isEmpty());
        QCOMPARE(input->text(), dump);

        input->setText(QStringLiteral("ab"));
        QVERIFY(worker->resume());
        QTRY_COMPARE(output->text(), QStringLiteral("const byte code[] = {\r\n\t0xAB\r\n};\r\n"));
        platform::SuspendableThread::stopAll();
    }

    void pasteThatCannotBeHeld() {
        WorkerControls controls;
        auto *const input = controls.input;
        input->setText(QStringLiteral("00 11"));
        input->setFocus();
        QGuiApplication::clipboard()->setText(QString(64 << 20, u'A'));

        QString message;
        readNextErrorBox(message);
        {
            const AddressSpaceCap cap(64u << 20);
            QVERIFY(cap.ok());
            QTest::keyClick(input, Qt::Key_V, Qt::ControlModifier);
        }
        QVERIFY2(message.contains(QStringLiteral("内存不足")), qPrintable(message));
        QCOMPARE(input->text(), QStringLiteral("00 11"));

        QGuiApplication::clipboard()->setText(QStringLiteral(" 22"));
        QTest::keyClick(input, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(input, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(input->text(), QStringLiteral("00 11 22"));
        platform::SuspendableThread::stopAll();
    }
};

int main(int argc, char **argv) {
    platform::Application application(argc, argv);
    tst_OutOfMemory test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_out_of_memory.moc"
