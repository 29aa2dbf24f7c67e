// The window's two text boxes with large dumps, in the real window (offscreen):
// what pasting, typing, moving the caret, paging through the output and
// rewrapping cost the UI thread, and the peak memory.
// Usage: text_box_bench [line1 line16 lines16 ...]   (default: all three)
//   line1: one line of 1 MiB; line16: one line of 16 MiB;
//   lines16: 16 MiB at 32 blank-separated pairs a line.
#include "HexDump.h"
#include "application/Application.h"
#include "application/FontSubstitutes.h"
#include "mainform.h"
#include "threads/SuspendableThread.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QTest>

#include <cstdio>
#include <functional>
#include <sys/resource.h>

namespace {

using platform::TextView;

// The UI time of one action, painting included.
double millisecondsOf(TextView *box, const std::function<void()> &action) {
    QElapsedTimer clock;
    clock.start();
    action();
    box->viewport()->repaint();
    return clock.nsecsElapsed() / 1e6;
}

double keyTime(TextView *box, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    return millisecondsOf(box, [&] { QTest::keyClick(box, key, modifiers); });
}

void convertAndPage(int bytesPerLine) {
    Form1->bsknnumedt_byte_per_line->setValue(bytesPerLine);
    TextView *output = Form1->bsknrichedt_fmt;
    // A run empties the output box, then fills it.
    int changes = 0;
    const auto counter =
        QObject::connect(output, &TextView::textChanged, output, [&] { ++changes; });
    QTest::mouseClick(Form1->bsknbtn_format, Qt::LeftButton);
    while (changes < 2 || Form1->bsknbtn_format->text() != QStringLiteral("格式化"))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    QObject::disconnect(counter);
    output->setFocus();
    QTest::keyClick(output, Qt::Key_Home, Qt::ControlModifier);
    double slowest = 0;
    long steps = 0, stuck = 0, over16 = 0;
    const qsizetype lastPage = output->rows().count() - output->rowsInView();
    while (output->firstVisibleRow() < lastPage) {
        const qsizetype before = output->firstVisibleRow();
        const double step = keyTime(output, Qt::Key_PageDown);
        slowest = std::max(slowest, step);
        over16 += step > 16;
        ++steps;
        stuck += output->firstVisibleRow() <= before;
    }
    std::printf("  bytes per line %2d: %ld PageDowns through %lld rows, slowest %.2f ms, "
                "%ld over 16 ms, %ld without new rows\n",
                bytesPerLine, steps, static_cast<long long>(output->rows().count()), slowest,
                over16, stuck);
}

void measure(const char *name, const std::u16string &dump) {
    platform::Application::createForm(Form1);
    Form1->window()->show();
    (void)QTest::qWaitForWindowExposed(Form1->window());
    TextView *input = Form1->bsknrichedt_aob;
    input->setFocus();
    QGuiApplication::clipboard()->setText(QString::fromStdU16String(dump));
    std::printf("%s (%zu characters)\n", name, dump.size());
    const double paste = keyTime(input, Qt::Key_V, Qt::ControlModifier);
    std::printf("  paste %.1f ms; %lld rows\n", paste,
                static_cast<long long>(input->rows().count()));

    double slowestKey = 0;
    for (const qsizetype at : {qsizetype(0), input->text().size() / 2, input->text().size()}) {
        input->setCursorPosition(at);
        const double typed = keyTime(input, Qt::Key_A);
        const double end = keyTime(input, Qt::Key_End);
        const double home = keyTime(input, Qt::Key_Home);
        const double pageDown = keyTime(input, Qt::Key_PageDown);
        std::printf("  at %lld: key %.2f ms, End %.2f ms, Home %.2f ms, PageDown %.2f ms\n",
                    static_cast<long long>(at), typed, end, home, pageDown);
        slowestKey = std::max({slowestKey, typed, end, home, pageDown});
    }
    const double undo = keyTime(input, Qt::Key_Z, Qt::ControlModifier);
    std::printf("  slowest key %.2f ms; undo of the last typing %.2f ms\n", slowestKey, undo);

    convertAndPage(0);
    convertAndPage(10);

    const double resize = millisecondsOf(input, [&] {
        input->resize(input->width() - 40, input->height());
        Form1->bsknrichedt_fmt->resize(input->size());
    });
    QFont larger = input->font();
    larger.setPointSize(larger.pointSize() + 3);
    const double font = millisecondsOf(input, [&] {
        input->setFont(larger);
        Form1->bsknrichedt_fmt->setFont(larger);
    });
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("  rewrap both boxes: narrower %.1f ms, larger font %.1f ms; peak RSS %.0f MiB\n",
                resize, font, usage.ru_maxrss / 1024.0);
    platform::SuspendableThread::stopAll();
    delete Form1->window();
    Form1 = nullptr;
    QGuiApplication::clipboard()->clear();
}

std::u16string oneLine(std::size_t units) {
    std::u16string line = makeHexDump(units * 3 / 2 + 64);
    std::erase_if(line, [](char16_t c) { return c == u' ' || c == u'\r' || c == u'\n'; });
    line.resize(units);
    return line;
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    platform::Application application(argc, argv);
    platform::installFontSubstitutes();
    QStringList cases;
    for (int i = 1; i < argc; ++i)
        cases << QString::fromLocal8Bit(argv[i]);
    if (cases.isEmpty())
        cases = {"line1", "line16", "lines16"};
    for (const QString &shape : cases) {
        if (shape == QStringLiteral("line1"))
            measure("one line of 1 MiB", oneLine(1 << 20));
        else if (shape == QStringLiteral("line16"))
            measure("one line of 16 MiB", oneLine(16 << 20));
        else if (shape == QStringLiteral("lines16"))
            measure("16 MiB at 32 pairs a line", makeHexDump(16 << 20));
    }
}
