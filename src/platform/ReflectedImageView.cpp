#include "ReflectedImageView.h"

#include "PngImageStorage.h"

#include <QLinearGradient>
#include <QPainter>

namespace platform {

ReflectedImageView::ReflectedImageView(QWidget *parent)
    : QWidget(parent) {}

void ReflectedImageView::setImageStorage(const PngImageStorage *storage) {
    storage_ = storage;
    setImageIndex(imageIndex_);
}

void ReflectedImageView::setImageIndex(int index) {
    imageIndex_ = index;
    picture_ = storage_ ? storage_->image(index) : QImage();
    reflection_ = {};
    if (!picture_.isNull()) {
        const int height = picture_.height() / 2;
        reflection_ = picture_.mirrored(false, true).copy(0, 0, picture_.width(), height);
        QPainter fade(&reflection_);
        fade.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        QLinearGradient opacity(0, 0, 0, height);
        opacity.setColorAt(0, QColor(0, 0, 0, 255 / 3));
        opacity.setColorAt(1, QColor(0, 0, 0, 0));
        fade.fillRect(reflection_.rect(), opacity);
    }
    update();
}

QRect ReflectedImageView::pictureRect() const {
    const QSize size = picture_.size();
    const int totalHeight = size.height() + size.height() / 2;
    return {width() / 2 - size.width() / 2, height() / 2 - totalHeight / 2, size.width(),
            size.height()};
}

QRect ReflectedImageView::reflectionRect() const {
    const QRect picture = pictureRect();
    return {picture.left(), picture.bottom() + 1, reflection_.width(), reflection_.height()};
}

void ReflectedImageView::paintEvent(QPaintEvent *) {
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(pictureRect().topLeft(), picture_);
    painter.drawImage(reflectionRect().topLeft(), reflection_);
}

} // namespace platform
