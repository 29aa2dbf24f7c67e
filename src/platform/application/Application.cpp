#include "application/Application.h"

#include "controls/ErrorBox.h"

#include <QLibraryInfo>
#include <QTranslator>

namespace platform {

namespace {

// The program takes no options, so Qt is given none of its own either (-reverse,
// -qwindowgeometry, -platform, ...): only the program's name, kept for the life of
// the application as Qt wants. QT_QPA_PLATFORM still chooses the platform.
struct ProgramNameOnly {
    int count = 1;
    char *arguments[2] = {};
};

ProgramNameOnly &programNameOnly(int argc, char **argv) {
    static ProgramNameOnly only;
    only.count = argc > 0 ? 1 : 0;
    only.arguments[0] = argc > 0 ? argv[0] : nullptr;
    return only;
}

} // namespace

Application::Application(int &argc, char **argv)
    : QApplication(programNameOnly(argc, argv).count, programNameOnly(argc, argv).arguments) {
    // The window's class under X11 comes from the application's name, Wayland's app id
    // from the desktop entry's name: docks match both to resources/linux's entry.
    setApplicationName(QStringLiteral("hexloom"));
    setDesktopFileName(QStringLiteral("org.hexloom.Hexloom"));
    // Qt's own texts (a text box's context menu, the error box's button) in Chinese,
    // like the program's.
    auto *chinese = new QTranslator(this);
    if (chinese->load(QStringLiteral("qtbase_zh_CN"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(chinese);
}

QString Application::title() {
    return applicationDisplayName();
}

void Application::setTitle(const QString &title) {
    setApplicationDisplayName(title);
}

QString Application::boxText(const QString &message) {
    if (!message.isEmpty() && message.back() > u'.')
        return message + u'.';
    return message;
}

void Application::showException(const std::exception *failure) {
    showErrorBox(boxText(failure ? QString::fromUtf8(failure->what()) : QString()));
}

bool Application::notify(QObject *receiver, QEvent *event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &failure) {
        showException(&failure);
    } catch (...) {
        showException(nullptr);
    }
    return false;
}

} // namespace platform
