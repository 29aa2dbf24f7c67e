#include "SkinForm.h"

#include "Application.h"
#include "FontDialog.h"
#include "SkinFrame.h"

#include <QWidget>

namespace platform {

SkinForm::SkinForm(QWidget *form, const SkinData &data) {
    if (!data.skin()) {
        Application::showError(QStringLiteral("无法载入皮肤，窗口将以普通样式显示。\n") +
                               data.error());
        form->setFixedSize(form->size());
        return;
    }
    const Skin &skin = *data.skin();
    qApp->setStyleSheet(skin.styleSheet());
    for (FontDialog *dialog : form->findChildren<FontDialog *>())
        dialog->setFrameLook(skin.frame());
    new SkinFrame(
        form, skin.frame(),
        {SkinFrame::Button::SystemMenu, SkinFrame::Button::Minimize, SkinFrame::Button::Close});
}

} // namespace platform
