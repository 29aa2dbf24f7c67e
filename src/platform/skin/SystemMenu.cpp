#include "skin/SystemMenu.h"
#include "skin/SkinSettings.h"

#include "skin/WindowEffects.h"

namespace platform {

std::unique_ptr<QMenu> createSystemMenu(QWidget *window) {
    auto menu = std::make_unique<QMenu>(window);
    menu->setProperty("skinElement", QStringLiteral("menu"));
    QFont items(QString::fromLatin1(SkinSettings::kFontFamily));
    items.setPointSize(9);
    menu->setFont(items);
    if (window->isMinimized())
        menu->addAction(QStringLiteral("还原"), window, [window] { window->showNormal(); });
    else
        menu->addAction(QStringLiteral("最小化"), window, [window] { window->showMinimized(); });
    menu->addSeparator();
    menu->addAction(QStringLiteral("关闭"), window, [window] { window->close(); })
        ->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    new FadeIn(menu.get(), SkinSettings::kWindowOpacity);
    return menu;
}

} // namespace platform
