// A font as the text boxes and the font dialog pass it around: Qt's font plus the
// colour the text is drawn in.
#pragma once

#include <QColor>
#include <QFont>

namespace platform {

struct FontDescription {
    QFont font;
    QColor color;
    bool operator==(const FontDescription &) const = default;
};

} // namespace platform
