#include "controls/GlowLabel.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace platform {

GlowLabel::GlowLabel(QWidget *parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void GlowLabel::setCaption(const QString &caption) {
    caption_ = caption;
    glowMask_ = {};
    update();
}

void GlowLabel::setDefaultFont(const QFont &font) {
    defaultFont_ = font;
    glowMask_ = {};
    update();
}

void GlowLabel::setFontColor(const QColor &color) {
    fontColor_ = color;
    update();
}

void GlowLabel::setShadowColor(const QColor &color) {
    if (color == shadowColor_)
        return;
    shadowColor_ = color;
    update();
}

void GlowLabel::setShadowSize(int size) {
    shadowSize_ = size;
    glowMask_ = {};
    update();
}

void GlowLabel::setShadowOffset(int offset) {
    shadowOffset_ = offset;
    update();
}

namespace {

// One pass of a box blur over the alpha channel, along rows or columns.
void boxBlur(QImage &image, int radius, bool alongRows) {
    const int lines = alongRows ? image.height() : image.width();
    const int length = alongRows ? image.width() : image.height();
    std::vector<int> source(length);
    for (int line = 0; line < lines; ++line) {
        auto pixel = [&](int i) -> uchar & {
            return alongRows ? image.scanLine(line)[i] : image.scanLine(i)[line];
        };
        for (int i = 0; i < length; ++i)
            source[i] = pixel(i);
        int sum = 0;
        for (int i = -radius; i <= radius; ++i)
            sum += source[std::clamp(i, 0, length - 1)];
        for (int i = 0; i < length; ++i) {
            pixel(i) = static_cast<uchar>(sum / (2 * radius + 1));
            sum += source[std::min(i + radius + 1, length - 1)] - source[std::max(i - radius, 0)];
        }
    }
}

} // namespace

const QImage &GlowLabel::glowMask() {
    if (glowMask_.isNull() && !size().isEmpty()) {
        glowMask_ = QImage(size(), QImage::Format_Alpha8);
        glowMask_.fill(0);
        {
            QPainter painter(&glowMask_);
            painter.setFont(defaultFont_);
            painter.setPen(Qt::black);
            painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, caption_);
        }
        // Three box blurs come close to a Gaussian glow of the given size.
        const int radius = std::max(1, shadowSize_ / 3);
        for (int pass = 0; pass < 3; ++pass) {
            boxBlur(glowMask_, radius, true);
            boxBlur(glowMask_, radius, false);
        }
        // Strengthen it a little: a plain blur of thin text fades out too much to
        // read as a glow, while a full one would swallow the text.
        for (int y = 0; y < glowMask_.height(); ++y) {
            uchar *line = glowMask_.scanLine(y);
            for (int x = 0; x < glowMask_.width(); ++x)
                line[x] = static_cast<uchar>(std::min(160, line[x] * 2));
        }
    }
    return glowMask_;
}

void GlowLabel::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    if (shadowSize_ > 0) {
        QImage glow(size(), QImage::Format_ARGB32_Premultiplied);
        glow.fill(shadowColor_);
        {
            QPainter tint(&glow);
            tint.setCompositionMode(QPainter::CompositionMode_DestinationIn);
            tint.drawImage(0, 0, glowMask());
        }
        painter.drawImage(shadowOffset_, shadowOffset_, glow);
    }
    painter.setFont(defaultFont_);
    painter.setPen(fontColor_);
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, caption_);
}

void GlowLabel::resizeEvent(QResizeEvent *) {
    glowMask_ = {};
}

} // namespace platform
