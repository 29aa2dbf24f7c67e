// The worker with its real controls on 16 MiB of hex dump, from the press until
// the output is ready to be written (the output box's own work not counted),
// against the bare formatter on the same text. Prints the ratio.
#include "FormatByteArray.h"
#include "HexDump.h"
#include "WorkerControls.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    WorkerControls controls;
    auto *const button = controls.button;
    auto *const worker = controls.worker;

    const std::u16string dump = makeHexDump(16u << 20);
    controls.input->setText(QString::fromStdU16String(dump));

    double bestWorker = 1e9, bestBare = 1e9;
    for (int round = 0; round < 5; ++round) {
        QElapsedTimer clock;
        qint64 ready = -1;
        const auto connection = QObject::connect(button, &platform::SkinButton::captionChanged,
                                                 button, [&](const QString &caption) {
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
            const auto bare = formatting::FormatByteArray(
                dump, true, [] { return 10; }, [] {}, [](int) {});
        }
        bestBare = std::min(bestBare, clock.nsecsElapsed() / 1e9);
    }
    std::printf("16 Mi characters: worker with its controls %.3f s, bare formatter %.3f s\n",
                bestWorker, bestBare);
    std::printf("ratio worker / formatter: %.2f (goal <= 1.5)\n", bestWorker / bestBare);
    platform::SuspendableThread::stopAll();
}
