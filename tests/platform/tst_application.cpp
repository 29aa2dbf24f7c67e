// The application object as the command line and the desktop meet it: Qt's own
// options on the command line do nothing, and the desktop entry names the window.
#include "application/Application.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>
#include <QWidget>

#include <array>

class tst_Application : public QObject {
    Q_OBJECT

private slots:
    void qtOptionsDoNotAct() {
        QCOMPARE(QCoreApplication::arguments().size(), 1);
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
        // QT_QPA_PLATFORM still chooses the platform; "-platform minimal" does not.
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("offscreen"));
        QWidget window;
        window.setGeometry(40, 50, 120, 80);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.geometry(), QRect(40, 50, 120, 80));
    }

    // Under X11 the window's class is the application's name; Wayland's app id is
    // the desktop file name. A dock finds the entry through either.
    void desktopEntryNamesTheWindow() {
        const QString entry = QStringLiteral(HEXLOOM_DESKTOP_ENTRY);
        QVERIFY2(QFile::exists(entry), qPrintable(entry));
        QCOMPARE(QGuiApplication::desktopFileName(), QFileInfo(entry).completeBaseName());
        const QSettings desktop(entry, QSettings::IniFormat);
        QCOMPARE(desktop.value(QStringLiteral("Desktop Entry/StartupWMClass")).toString(),
                 QCoreApplication::applicationName());
    }
};

int main(int argc, char **argv) {
    // Options Qt would act on if it were handed them.
    std::array<char *, 8> withQtOptions{argv[0],
                                        const_cast<char *>("-reverse"),
                                        const_cast<char *>("-qwindowgeometry"),
                                        const_cast<char *>("300x200+7+9"),
                                        const_cast<char *>("-platform"),
                                        const_cast<char *>("minimal"),
                                        const_cast<char *>("-name"),
                                        const_cast<char *>("other")};
    int count = int(withQtOptions.size());
    platform::Application application(count, withQtOptions.data());
    tst_Application test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_application.moc"
