// The skin engine: its file, the frame's behaviour and the window effects.
#include "ModalDialogs.h"
#include "application/SkinnedWindow.h"
#include "controls/FontDialog.h"
#include "skin/EdgeSnapping.h"
#include "skin/SkinData.h"
#include "skin/SkinFrame.h"
#include "skin/SystemMenu.h"
#include "skin/WindowEffects.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

class tst_Skin : public QObject {
    Q_OBJECT

private slots:
    void fadeInSteps() {
        const std::vector<int> expected{0,   15,  30,  45,  60,  75,  90,  105, 120,
                                        135, 150, 165, 180, 195, 210, 225, 234};
        QCOMPARE(platform::fadeInSteps(234), expected);
        QCOMPARE(platform::fadeInSteps(255).back(), 255);
        QCOMPARE(platform::fadeInSteps(255).size(), std::size_t(16));
        QCOMPARE(platform::fadeInSteps(10), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    }

    // Shown, the window starts transparent and comes to its opacity in steps.
    void fadesInWhenShown() {
        QWidget window;
        new platform::FadeIn(&window, 234);
        window.show();
        QCOMPARE(window.windowOpacity(), 0.0);
        QList<qreal> seen{0.0};
        QElapsedTimer clock;
        clock.start();
        while (window.windowOpacity() < 234 / 255.0 - 1e-9 && clock.elapsed() < 2000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            if (!qFuzzyCompare(seen.back() + 1, window.windowOpacity() + 1))
                seen << window.windowOpacity();
        }
        QCOMPARE(seen.size(), 17);
        QVERIFY(qAbs(seen.back() - 234 / 255.0) < 1e-3);
        QVERIFY(clock.elapsed() >= 16 * 5);
    }

    void centring() {
        QCOMPARE(platform::centredPosition(QRect(0, 0, 1280, 800), QSize(599, 466)),
                 QPoint(640 - 299, 400 - 233));
        QCOMPARE(platform::centredPosition(QRect(1280, 0, 1920, 1080), QSize(599, 466)),
                 QPoint(1280 + 960 - 299, 540 - 233));
    }

    // Every edge: flush once within 9 pixels, held for 10 more pixels of pointer
    // movement, free at the eleventh.
    void magneticEdges_data() {
        QTest::addColumn<QPoint>("towardsEdge"); // one pixel of pointer movement
        QTest::addColumn<QRect>("start");
        QTest::addColumn<QPoint>("flush");
        const QRect work(0, 0, 1280, 760); // a taskbar below
        const QSize size(600, 466);
        QTest::newRow("left") << QPoint(-1, 0) << QRect(QPoint(20, 100), size) << QPoint(0, 100);
        QTest::newRow("top") << QPoint(0, -1) << QRect(QPoint(100, 20), size) << QPoint(100, 0);
        QTest::newRow("right") << QPoint(1, 0) << QRect(QPoint(1280 - 600 - 20, 100), size)
                               << QPoint(680, 100);
        QTest::newRow("bottom") << QPoint(0, 1) << QRect(QPoint(100, 760 - 466 - 20), size)
                                << QPoint(100, 294);
    }

    void magneticEdges() {
        QFETCH(QPoint, towardsEdge);
        QFETCH(QRect, start);
        QFETCH(QPoint, flush);
        platform::EdgeSnapper snapper(QRect(0, 0, 1280, 760), 10);
        QPoint pointer(500, 300);
        snapper.start(start, pointer);
        // 10 pixels away: still free; 9 away: flush.
        for (int i = 0; i < 10; ++i)
            QCOMPARE(snapper.move(pointer += towardsEdge), start.topLeft() + towardsEdge * (i + 1));
        QCOMPARE(snapper.move(pointer += towardsEdge), flush);
        // The pointer goes on 10 more pixels, past the edge: the window stays.
        for (int i = 0; i < 10; ++i)
            QCOMPARE(snapper.move(pointer += towardsEdge), flush);
        // The eleventh frees it, 11 pixels beyond the edge.
        QCOMPARE(snapper.move(pointer += towardsEdge), flush + towardsEdge * 11);
        // Moving back snaps it again once it comes within reach.
        QCOMPARE(snapper.move(pointer -= towardsEdge * 2), flush);
    }

    void flushAtTheStartCountsAsSnapped() {
        platform::EdgeSnapper snapper(QRect(0, 0, 1280, 760), 10);
        snapper.start(QRect(0, 50, 600, 466), QPoint(100, 100));
        QCOMPARE(snapper.move(QPoint(110, 100)), QPoint(0, 50));
        QCOMPARE(snapper.move(QPoint(111, 100)), QPoint(11, 50));
    }

    void systemMenuInBothStates() {
        QWidget window;
        window.show();
        const auto texts = [&] {
            QStringList items;
            const auto menu = platform::createSystemMenu(&window);
            for (QAction *action : menu->actions())
                items << (action->isSeparator()
                              ? QStringLiteral("-")
                              : action->text() + u'|' + action->shortcut().toString());
            return items;
        };
        QCOMPARE(texts(), (QStringList{"最小化|", "-", "关闭|Alt+F4"}));
        window.showMinimized();
        QTRY_VERIFY(window.isMinimized());
        QCOMPARE(texts(), (QStringList{"还原|", "-", "关闭|Alt+F4"}));
    }

    void frameHoldsTheClientAtItsSize() {
        const platform::SkinData data(QStringLiteral(":/skin/silver.skin"));
        QVERIFY2(data.skin().has_value(), qPrintable(data.error()));
        auto *client = new QWidget;
        client->resize(591, 432);
        client->setWindowTitle(QStringLiteral("Hexloom"));
        platform::putUnderSkin(client, data);
        QWidget *frame = client->window();
        QVERIFY(frame != client);
        QCOMPARE(frame->windowTitle(), QStringLiteral("Hexloom"));
        QCOMPARE(client->size(), QSize(591, 432));
        const platform::FrameLook &look = data.skin()->frame();
        QCOMPARE(frame->size(),
                 QSize(591 + 2 * look.border, 432 + look.captionHeight + 2 * look.border));
        QCOMPARE(frame->minimumSize(), frame->maximumSize());
        auto *skinFrame = qobject_cast<platform::SkinFrame *>(frame);
        QVERIFY(skinFrame->buttonRect(platform::SkinFrame::Button::Close).isValid());
        QVERIFY(skinFrame->buttonRect(platform::SkinFrame::Button::Minimize).isValid());
        // A double click on the caption bar changes nothing.
        frame->show();
        const QRect before = frame->geometry();
        QTest::mouseDClick(frame, Qt::LeftButton, {}, skinFrame->captionRect().center());
        QCOMPARE(frame->geometry(), before);
        QCOMPARE(frame->windowState(), Qt::WindowNoState);
        delete frame;
    }

    void storedSkinStylesEveryElement() {
        const platform::SkinData data(QStringLiteral(":/skin/silver.skin"));
        QVERIFY2(data.skin().has_value(), qPrintable(data.error()));
        for (const char *element :
             {"form", "panel", "stdlabel", "label", "hscrollbar", "bothhscrollbar", "vscrollbar",
              "richedit", "button", "edit", "radiobox", "listbox"})
            QVERIFY2(data.skin()->styleSheet().contains(
                         QStringLiteral("[skinElement=\"%1\"]").arg(element)),
                     element);
    }

    void badSkinFilesAreRefusedWithTheLine_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("says");
        QTest::newRow("unknown-section") << "[colours]\n"
                                         << "第 1 行";
        QTest::newRow("bad-colour") << "[frame]\nborder = 4\ncaption-top = notacolour\n"
                                    << "第 3 行";
        QTest::newRow("declaration-without-semicolon") << "[element panel]\nbackground: red\n"
                                                       << "第 2 行";
        QTest::newRow("missing-frame-setting") << "[frame]\nborder = 4\n"
                                               << "缺少设置";
    }

    void badSkinFilesAreRefusedWithTheLine() {
        QFETCH(QString, text);
        QFETCH(QString, says);
        try {
            (void)platform::Skin::parse(text);
            QFAIL("accepted");
        } catch (const platform::SkinError &failure) {
            QVERIFY2(QString::fromUtf8(failure.what()).contains(says), failure.what());
        }
    }

    // Without its skin the window still opens, with the window system's frame, and
    // the user is told why.
    void windowOpensUnskinnedWithoutItsSkin() {
        const platform::SkinData missing(QStringLiteral(":/skin/missing.skin"));
        QVERIFY(!missing.skin());
        QString message;
        readNextErrorBox(message);
        QWidget client;
        client.resize(591, 432);
        platform::putUnderSkin(&client, missing);
        QVERIFY2(message.contains(QStringLiteral("无法载入皮肤")), qPrintable(message));
        QCOMPARE(client.window(), &client);
        QCOMPARE(client.minimumSize(), QSize(591, 432));
        QCOMPARE(client.maximumSize(), QSize(591, 432));
    }

    void fontDialogTakesTheSkinsFrame() {
        const platform::SkinData data(QStringLiteral(":/skin/silver.skin"));
        platform::FontDialog dialog;
        dialog.setWindowTitle(QStringLiteral("字体"));
        dialog.setFrameLook(data.skin()->frame());
        QSize clientArea;
        QTimer::singleShot(50, &dialog, [&] {
            clientArea = dialog.contentsRect().size();
            dialog.reject();
        });
        dialog.execute();
        QCOMPARE(clientArea, QSize(260, 270));
        QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
    }
};

QTEST_MAIN(tst_Skin)
#include "tst_skin.moc"
