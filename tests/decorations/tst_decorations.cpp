// The logo's colour cycle, the mascot's frame sequence and the picture's reflection,
// stepped one iteration at a time on the test's thread; the picture at a scale of 2 too.
#include "MascotThread.h"
#include "TLogoThread.h"
#include "controls/GlowLabel.h"
#include "controls/PngImageStorage.h"
#include "controls/ReflectedImageView.h"

#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>

namespace {

quint32 platformOrder(const QColor &color) {
    return quint32(color.red()) | quint32(color.green()) << 8 | quint32(color.blue()) << 16;
}

QImage filled(int side, const QColor &color) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(color);
    return image;
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
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString file = folder.filePath(QStringLiteral("frame.png"));
        QVERIFY(filled(128, Qt::white).save(file));
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

    // ctest runs this at scale 1 and again with QT_SCALE_FACTOR=2. The frame is
    // blue; its "@2x" copy has columns of red and green, which no scaling of the
    // blue frame could draw.
    void aScaledScreenDrawsTheDoubledFrame_data() {
        QTest::addColumn<bool>("withDoubledCopy");
        QTest::newRow("with-@2x-copy") << true;
        QTest::newRow("without") << false;
    }

    void aScaledScreenDrawsTheDoubledFrame() {
        QFETCH(bool, withDoubledCopy);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QVERIFY(filled(128, Qt::blue).save(folder.filePath(QStringLiteral("frame.png"))));
        if (withDoubledCopy) {
            QImage doubled = filled(256, Qt::red);
            for (int x = 1; x < 256; x += 2)
                for (int y = 0; y < 256; ++y)
                    doubled.setPixel(x, y, QColor(Qt::green).rgb());
            QVERIFY(doubled.save(folder.filePath(QStringLiteral("frame@2x.png"))));
        }
        platform::PngImageStorage storage({folder.filePath(QStringLiteral("frame.png"))});
        platform::ReflectedImageView view;
        view.resize(105, 432);
        view.setImageStorage(&storage);

        const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
        QCOMPARE(view.devicePixelRatioF(), scale);
        const bool drawsDoubled = withDoubledCopy && scale > 1;
        const int ratio = drawsDoubled ? 2 : 1;
        QCOMPARE(view.picture().devicePixelRatio(), ratio);
        QCOMPARE(view.picture().width(), 128 * ratio);
        QCOMPARE(view.reflection().devicePixelRatio(), ratio);
        QCOMPARE(view.reflection().size(), QSize(128, 64) * ratio);
        // The layout is in the window's units whatever the picture's pixels.
        QCOMPARE(view.pictureRect(), QRect(-12, 120, 128, 128));
        QCOMPARE(view.reflectionRect(), QRect(-12, 248, 128, 64));

        const QPixmap shot = view.grab();
        QCOMPARE(shot.devicePixelRatio(), scale);
        const QImage screen = shot.toImage();
        for (const int logicalY : {184, 260}) { // the picture, then its reflection
            const QPoint left = QPoint(52, logicalY) * scale;
            const QRgb a = screen.pixel(left), b = screen.pixel(left + QPoint(1, 0));
            QVERIFY2(drawsDoubled ? a != b : a == b,
                     qPrintable(
                         QStringLiteral("y %1: %2 %3").arg(logicalY).arg(a, 0, 16).arg(b, 0, 16)));
            if (drawsDoubled)
                QVERIFY(qRed(a) > qBlue(a) || qGreen(a) > qBlue(a));
            else
                QVERIFY(qBlue(a) > qRed(a) && qBlue(a) > qGreen(a));
        }
    }
};

QTEST_MAIN(tst_Decorations)
#include "tst_decorations.moc"
