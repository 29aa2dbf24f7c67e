#include "controls/ReflectedImageView.h"

#include "controls/PngImageStorage.h"

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
    loadPicture();
    update();
}

void ReflectedImageView::loadPicture() {
    loadedForRatio_ = devicePixelRatioF();
    picture_ = storage_ ? storage_->image(imageIndex_, loadedForRatio_) : QImage();
    reflection_ = {};
    if (picture_.isNull())
        return;
    // In the picture's own pixels: a frame drawn at twice the size keeps its detail
    // in the reflection too.
    const int height = picture_.height() / 2;
    reflection_ = picture_.mirrored(false, true).copy(0, 0, picture_.width(), height);
    reflection_.setDevicePixelRatio(picture_.devicePixelRatio());
    QPainter fade(&reflection_);
    fade.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    const qreal logicalHeight = reflection_.deviceIndependentSize().height();
    QLinearGradient opacity(0, 0, 0, logicalHeight);
    opacity.setColorAt(0, QColor(0, 0, 0, 255 / 3));
    opacity.setColorAt(1, QColor(0, 0, 0, 0));
    fade.fillRect(QRectF(QPointF(0, 0), reflection_.deviceIndependentSize()), opacity);
}

QRect ReflectedImageView::pictureRect() const {
    const QSize size = picture_.deviceIndependentSize().toSize();
    const int totalHeight = size.height() + size.height() / 2;
    return {width() / 2 - size.width() / 2, height() / 2 - totalHeight / 2, size.width(),
            size.height()};
}

QRect ReflectedImageView::reflectionRect() const {
    const QRect picture = pictureRect();
    return {picture.topLeft() + QPoint(0, picture.height()),
            reflection_.deviceIndependentSize().toSize()};
}

void ReflectedImageView::paintEvent(QPaintEvent *) {
    // The window may have moved to a screen of another scale since the last picture.
    if (devicePixelRatioF() != loadedForRatio_)
        loadPicture();
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(pictureRect().topLeft(), picture_);
    painter.drawImage(reflectionRect().topLeft(), reflection_);
}

} // namespace platform
