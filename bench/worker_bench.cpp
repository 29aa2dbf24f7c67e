// The worker with its real controls on 16 MiB of hex dump, from the press until
// the output is ready to be written (the output box's own work not counted),
// against the bare formatter on the same text. Prints the ratio.
#include "FormatByteArray.h"
#include "HexDump.h"
#include "IntegerEdit.h"
#include "PlainTextBox.h"
#include "ProgressBar.h"
#include "ReadOnlyTextBox.h"
#include "SkinButton.h"
#include "TFormatThread.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QTest>

#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QWidget controls;
    auto *input = new platform::PlainTextBox(&controls);
    auto *output = new platform::ReadOnlyTextBox(&controls);
    auto *upperCase = new QRadioButton(&controls);
    upperCase->setChecked(true);
    auto *bytesPerLine = new platform::IntegerEdit(&controls);
    bytesPerLine->setValue(10);
    auto *button = new platform::SkinButton(&controls);
    auto *bar = new platform::ProgressBar(&controls);
    auto *worker = new TFormatThread(true, input, output, upperCase, bytesPerLine, button, bar);
    worker->launch();

    const std::u16string dump = makeHexDump(16u << 20);
    input->setPlainText(QString::fromStdU16String(dump));

    double bestWorker = 1e9, bestBare = 1e9;
    for (int round = 0; round < 5; ++round) {
        QElapsedTimer clock;
        qint64 ready = -1;
        const auto connection = QObject::connect(button, &platform::SkinButton::captionChanged, button,
                                                 [&](const QString &caption) {
                                                     if (caption == QStringLiteral("正在输出"))
                                                         ready = clock.nsecsElapsed();
                                                 });
        clock.start();
        worker->resume();
        while (ready < 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 1);
        QObject::disconnect(connection);
        bestWorker = std::min(bestWorker, ready / 1e9);
        while (!worker->isSuspended())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 1);
        QCoreApplication::processEvents();

        clock.restart();
        {
            const auto bare = formatting::FormatByteArray(dump, true, [] { return 10; }, [] {}, [](int) {});
        }
        bestBare = std::min(bestBare, clock.nsecsElapsed() / 1e9);
    }
    std::printf("16 Mi characters: worker with its controls %.3f s, bare formatter %.3f s\n", bestWorker, bestBare);
    std::printf("ratio worker / formatter: %.2f (goal <= 1.5)\n", bestWorker / bestBare);
    platform::SuspendableThread::stopAll();
}
