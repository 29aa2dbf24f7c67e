#include "controls/ErrorBox.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace platform {

void showErrorBox(const QString &message) {
    const QString title = QGuiApplication::applicationDisplayName();
    QMessageBox box(QMessageBox::Critical, title, message, QMessageBox::Ok);
    // Without a window title of its own the box would show "<title> - <title>".
    box.setWindowTitle(title);
    box.exec();
}

} // namespace platform
