// The real window, offscreen: a hex dump of the given size in the input box and a
// press of 格式化. Prints the time until the output is shown, the UI thread's
// largest stall during the run (a 5 ms timer records the gaps) and the peak RSS.
// Usage: window_bench [MiB ...]   (default: 1 16)
#include "HexDump.h"
#include "application/Application.h"
#include "application/FontSubstitutes.h"
#include "mainform.h"
#include "threads/SuspendableThread.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <sys/resource.h>

namespace {

void measure(double mebibytes) {
    platform::Application::createForm(Form1);
    Form1->window()->show();
    (void)QTest::qWaitForWindowExposed(Form1->window());
    const std::u16string dump = makeHexDump(static_cast<std::size_t>(mebibytes * 1048576));
    QElapsedTimer clock;
    clock.start();
    Form1->bsknrichedt_aob->setText(QString::fromStdU16String(dump));
    const qint64 setInput = clock.restart();
    QCoreApplication::processEvents();

    qint64 largestStall = 0, last = 0;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, &ticker, [&] {
        const qint64 now = clock.elapsed();
        largestStall = std::max(largestStall, now - last);
        last = now;
    });
    qint64 writingFrom = 0, writingTook = 0;
    QObject::connect(Form1->bsknbtn_format, &platform::SkinButton::captionChanged, &ticker,
                     [&](const QString &caption) {
                         if (caption == QStringLiteral("正在输出"))
                             writingFrom = clock.elapsed();
                         else if (caption == QStringLiteral("格式化"))
                             writingTook = clock.elapsed() - writingFrom;
                     });
    clock.restart();
    ticker.start();
    QTest::mouseClick(Form1->bsknbtn_format, Qt::LeftButton);
    qint64 shown = -1;
    while (Form1->bsknbtn_format->text() != QStringLiteral("格式化") ||
           Form1->bsknrichedt_fmt->isEmpty()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        if (shown < 0 && !Form1->bsknrichedt_fmt->isEmpty()) {
            Form1->bsknrichedt_fmt->viewport()->repaint();
            shown = clock.elapsed();
        }
    }
    if (shown < 0) {
        Form1->bsknrichedt_fmt->viewport()->repaint();
        shown = clock.elapsed();
    }
    const qint64 done = clock.elapsed();
    // One more tick, so that a stall at the very end is counted too.
    QTest::qWait(20);
    ticker.stop();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf(
        "%5.1f MiB: input set in %lld ms; output shown after %lld ms, run done after %lld ms; "
        "writing the output %lld ms; largest UI stall %lld ms; peak RSS %.0f MiB\n",
        mebibytes, static_cast<long long>(setInput), static_cast<long long>(shown),
        static_cast<long long>(done), static_cast<long long>(writingTook),
        static_cast<long long>(largestStall), usage.ru_maxrss / 1024.0);
    platform::SuspendableThread::stopAll();
    delete Form1->window();
    Form1 = nullptr;
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    platform::Application application(argc, argv);
    platform::installFontSubstitutes();
    QList<double> sizes;
    for (int i = 1; i < argc; ++i)
        sizes << QString::fromLocal8Bit(argv[i]).toDouble();
    if (sizes.isEmpty())
        sizes = {1, 16};
    for (double size : sizes)
        measure(size);
}
