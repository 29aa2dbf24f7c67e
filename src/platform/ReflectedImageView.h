// Draws one picture of an image storage, centred, with its reflection below it:
// a mirrored copy that starts at a third of the picture's opacity and fades to
// nothing over half the picture's height.
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
    const PngImageStorage *storage_ = nullptr;
    int imageIndex_ = 0;
    QImage picture_;
    QImage reflection_;
};

} // namespace platform
