#include "application/SkinnedWindow.h"

#include "controls/ErrorBox.h"
#include "controls/FontDialog.h"
#include "skin/SkinFrame.h"

#include <QApplication>
#include <QWidget>

namespace platform {

void putUnderSkin(QWidget *form, const SkinData &data) {
    if (!data.skin()) {
        showErrorBox(QStringLiteral("无法载入皮肤，窗口将以普通样式显示。\n") + data.error());
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
