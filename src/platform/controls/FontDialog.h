// The modal font dialog: name, colour, size in points and the four styles, with a
// sample. It opens showing the font it was given; only "确定" takes the choice
// into chosenFont() and then announces changed() once.
#pragma once

#include "controls/FontDescription.h"
#include "skin/Skin.h"

#include <QDialog>

#include <optional>

namespace platform {

class FontDialog : public QDialog {
    Q_OBJECT

public:
    explicit FontDialog(QWidget *parent = nullptr);

    [[nodiscard]] FontDescription chosenFont() const { return chosen_; }
    void setChosenFont(const FontDescription &font) { chosen_ = font; }

    // Shows the dialog, built anew, and returns whether the user confirmed it.
    bool execute();

    // Draws the dialog's own frame from the skin: a caption bar without buttons.
    void setFrameLook(const FrameLook &look);

Q_SIGNALS:
    void changed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    FontDescription chosen_;
    std::optional<FrameLook> frameLook_;
};

} // namespace platform
