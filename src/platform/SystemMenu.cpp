#include "SystemMenu.h"

#include "WindowEffects.h"

namespace platform {

std::unique_ptr<QMenu> createSystemMenu(QWidget *window) {
    auto menu = std::make_unique<QMenu>(window);
    menu->setProperty("skinElement", QStringLiteral("menu"));
    QFont items(QStringLiteral("Segoe UI"));
    items.setPointSize(9);
    menu->setFont(items);
    if (window->isMinimized())
        menu->addAction(QStringLiteral("还原"), window, [window] { window->showNormal(); });
    else
        menu->addAction(QStringLiteral("最小化"), window, [window] { window->showMinimized(); });
    menu->addSeparator();
    menu->addAction(QStringLiteral("关闭"), window, [window] { window->close(); })
        ->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    new FadeIn(menu.get(), 234);
    return menu;
}

} // namespace platform
