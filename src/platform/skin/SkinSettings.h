// The skin's settings that more than one part of the program uses.
#pragma once

namespace platform {

struct SkinSettings {
    // How opaque skinned windows and menus are, of 255: slightly translucent.
    static constexpr int kWindowOpacity = 234;
    // The face of the frame's caption and the system menu's items.
    static constexpr const char *kFontFamily = "Segoe UI";
    // How near, in pixels, a moved window's edge comes to the work area's edge
    // before it snaps to it.
    static constexpr int kMagneticDistance = 10;
};

} // namespace platform
