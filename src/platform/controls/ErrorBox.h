// The program's standard error box: a message under the application's title,
// with one button. Modal: it returns when the user has closed it.
#pragma once

#include <QString>

namespace platform {

void showErrorBox(const QString &message);

} // namespace platform
