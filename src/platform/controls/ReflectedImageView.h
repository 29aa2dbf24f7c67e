// Draws one picture of an image storage, centred, with its reflection below it:
// a mirrored copy that starts at a third of the picture's opacity and fades to
// nothing over half the picture's height. On a screen scaled by 2 it draws the
// storage's "@2x" copies where it has them.
#pragma once

#include <QImage>
#include <QMouseEvent>
#include <QWidget>

namespace platform {

class PngImageStorage;

class ReflectedImageView : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int imageIndex READ imageIndex WRITE setImageIndex)

public:
    explicit ReflectedImageView(QWidget *parent = nullptr);

    void setImageStorage(const PngImageStorage *storage);
    [[nodiscard]] int imageIndex() const { return imageIndex_; }
    // Shows the picture at `index` at once, rebuilding the reflection; also when the
    // index is unchanged. An index without a picture shows nothing.
    void setImageIndex(int index);

    // Where the picture goes: centred together with its reflection.
    [[nodiscard]] QRect pictureRect() const;
    [[nodiscard]] QRect reflectionRect() const;
    // What is drawn, in the picture's own pixels and with its device pixel ratio.
    [[nodiscard]] const QImage &picture() const { return picture_; }
    [[nodiscard]] const QImage &reflection() const { return reflection_; }

Q_SIGNALS:
    // A press here moves the window: the stored layout binds it to the window's handler.
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override {
        Q_EMIT mousePressed(event->button(), event->modifiers(), event->position().toPoint());
    }

private:
    // Takes the picture for this screen's scale from the storage and builds its reflection.
    void loadPicture();

    const PngImageStorage *storage_ = nullptr;
    int imageIndex_ = 0;
    QImage picture_;
    QImage reflection_;
    qreal loadedForRatio_ = 1;
};

} // namespace platform
