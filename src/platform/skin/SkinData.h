// The skin a window is drawn with, read from the program's resources when the
// window is created. A skin that cannot be read leaves the data empty and says why.
#pragma once

#include "skin/Skin.h"

#include <optional>

namespace platform {

class SkinData {
public:
    explicit SkinData(const QString &storedSkin);

    [[nodiscard]] const std::optional<Skin> &skin() const { return skin_; }
    [[nodiscard]] const QString &error() const { return error_; }

private:
    std::optional<Skin> skin_;
    QString error_;
};

} // namespace platform
