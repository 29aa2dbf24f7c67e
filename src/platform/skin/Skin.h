// A skin: the look of the window frame and of every skinned control, read from a
// skin file. Controls name the element they are drawn with in their skinElement
// property; the skin turns its elements into one application style sheet.
#pragma once

#include <QColor>
#include <QString>

#include <stdexcept>

namespace platform {

struct FrameLook {
    int border = 4;
    int captionHeight = 26;
    QColor captionTop, captionBottom;
    QColor frameTop, frameBottom;
    QColor outline, highlight;
    QColor activeText, inactiveText;
    int buttonSize = 13;
    int buttonGap = 7;
    QColor closeButton, minimizeButton, systemMenuButton, buttonGlow;
};

class SkinError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Skin {
public:
    // Reads a skin file; throws SkinError, naming the line, when it cannot.
    [[nodiscard]] static Skin parse(const QString &text);
    [[nodiscard]] static Skin load(const QString &file);

    [[nodiscard]] const FrameLook &frame() const { return frame_; }
    [[nodiscard]] const QString &styleSheet() const { return styleSheet_; }

private:
    FrameLook frame_;
    QString styleSheet_;
};

} // namespace platform
