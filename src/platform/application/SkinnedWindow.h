// Puts a window under the skin: wraps it in a SkinFrame with a system-menu, a
// minimise and a close button, styles every control by its skinElement, and
// skins the window's font dialogs. Without a skin (it could not be read) it says
// so in the error box and leaves the window to the window system, unskinned.
#pragma once

#include "skin/SkinData.h"

class QWidget;

namespace platform {

void putUnderSkin(QWidget *form, const SkinData &data);

} // namespace platform
