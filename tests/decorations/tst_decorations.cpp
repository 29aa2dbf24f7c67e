// The logo's colour cycle, the mascot's frame sequence and the picture's reflection,
// stepped one iteration at a time on the test's thread.
#include "GlowLabel.h"
#include "MascotThread.h"
#include "PngImageStorage.h"
#include "ReflectedImageView.h"
#include "TLogoThread.h"

#include <QDir>
#include <QTest>

namespace {

quint32 platformOrder(const QColor &color) {
    return quint32(color.red()) | quint32(color.green()) << 8 | quint32(color.blue()) << 16;
}

} // namespace

class tst_Decorations : public QObject {
    Q_OBJECT

private slots:
    void logoFadesFromYellowToBlueAndBack() {
        platform::GlowLabel label;
        label.setFontColor(Qt::yellow);
        label.setShadowColor(Qt::yellow);
        TLogoThread logo(false, &label);
        QList<quint32> colors;
        for (int step = 1; step <= 68; ++step) {
            logo.Step();
            QCOMPARE(label.shadowColor(), label.fontColor());
            colors << platformOrder(label.fontColor());
        }
        QCOMPARE(colors[0], 0x000FF0F0u);
        QCOMPARE(colors[16], 0x00FF0000u);
        QCOMPARE(colors[33], 0x0000FFFFu);
        // The whole state, directions included, repeats every 34 steps.
        QCOMPARE(colors.mid(34), colors.mid(0, 34));
        // Each end is shown for one step only, and blue mirrors red throughout.
        QCOMPARE(colors.count(0x00FF0000u), 2);
        QCOMPARE(colors.count(0x0000FFFFu), 2);
        for (int step = 1; step < 17; ++step) // step k and step 34 - k look alike
            QCOMPARE(colors[step - 1], colors[34 - step - 1]);
        for (quint32 color : colors)
            QCOMPARE((color >> 16) & 0xFF, 255 - (color & 0xFF));
    }

    void mascotStepsThroughFourFrames_data() {
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("next");
        QTest::newRow("0-to-1") << 0 << 1;
        QTest::newRow("2-to-3") << 2 << 3;
        QTest::newRow("3-wraps-to-0") << 3 << 0;
        QTest::newRow("no-picture-to-0") << -1 << 0;
        QTest::newRow("beyond-the-store-wraps-too") << 6 << 3;
        QTest::newRow("remainder-truncates-toward-zero") << -6 << -1;
    }

    void mascotStepsThroughFourFrames() {
        QFETCH(int, current);
        QFETCH(int, next);
        platform::ReflectedImageView view;
        view.setImageIndex(current);
        TMascotThread mascot(false, &view);
        mascot.Step();
        QCOMPARE(view.imageIndex(), next);
    }

    void pictureAndReflectionAreCentredInTheStrip() {
        QImage frame(128, 128, QImage::Format_ARGB32_Premultiplied);
        frame.fill(Qt::white);
        const QString file = QDir::temp().filePath(QStringLiteral("hexloom-frame.png"));
        QVERIFY(frame.save(file));
        platform::PngImageStorage storage({file});
        platform::ReflectedImageView view;
        view.resize(105, 432);
        view.setImageStorage(&storage);
        view.setImageIndex(0);
        QCOMPARE(view.pictureRect(), QRect(-12, 120, 128, 128));
        QCOMPARE(view.reflectionRect(), QRect(-12, 248, 128, 64));
        // The reflection starts at a third of the picture's opacity and fades out.
        QVERIFY(qAbs(qAlpha(view.reflection().pixel(64, 0)) - 255 / 3) <= 2);
        QVERIFY(qAlpha(view.reflection().pixel(64, 63)) <= 6);
        // An index without a picture shows nothing, reflection included.
        view.setImageIndex(1);
        QVERIFY(view.reflection().isNull());
    }
};

QTEST_MAIN(tst_Decorations)
#include "tst_decorations.moc"
