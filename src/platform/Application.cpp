#include "Application.h"

#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

namespace platform {

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv) {
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
    showError(boxText(failure ? QString::fromUtf8(failure->what()) : QString()));
}

void Application::showError(const QString &message) {
    QMessageBox box(QMessageBox::Critical, title(), message, QMessageBox::Ok);
    // Without a window title of its own the box would show "<title> - <title>".
    box.setWindowTitle(title());
    box.exec();
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
