// The window's system menu: "最小化" (or "还原" while minimised), a separator and
// "关闭" with Alt+F4. Drawn translucent at the skin's menu opacity, fading in.
#pragma once

#include <QMenu>

#include <memory>

namespace platform {

[[nodiscard]] std::unique_ptr<QMenu> createSystemMenu(QWidget *window);

} // namespace platform
