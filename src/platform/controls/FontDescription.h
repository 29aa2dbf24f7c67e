// A font as the text boxes and the font dialog pass it around: Qt's font plus the
// colour the text is drawn in.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QWidget>

namespace platform {

struct FontDescription {
    QFont font;
    QColor color;
};

// A text box's font and the colour of its text.
[[nodiscard]] inline FontDescription fontDescriptionOf(const QWidget &box) {
    return {box.font(), box.palette().color(QPalette::Text)};
}

inline void applyFontDescription(QWidget &box, const FontDescription &description) {
    box.setFont(description.font);
    QPalette colours = box.palette();
    colours.setColor(QPalette::Text, description.color);
    box.setPalette(colours);
}

} // namespace platform
