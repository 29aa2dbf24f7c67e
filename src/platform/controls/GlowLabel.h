// A caption drawn in its own font and colour with a soft glow around the text in
// a second colour. Changing either colour repaints it.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>

namespace platform {

class GlowLabel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(QFont defaultFont READ defaultFont WRITE setDefaultFont)
    Q_PROPERTY(QColor fontColor READ fontColor WRITE setFontColor)
    Q_PROPERTY(QColor shadowColor READ shadowColor WRITE setShadowColor)
    Q_PROPERTY(int shadowSize READ shadowSize WRITE setShadowSize)
    Q_PROPERTY(int shadowOffset READ shadowOffset WRITE setShadowOffset)

public:
    explicit GlowLabel(QWidget *parent = nullptr);

    [[nodiscard]] QString caption() const { return caption_; }
    void setCaption(const QString &caption);
    [[nodiscard]] QFont defaultFont() const { return defaultFont_; }
    void setDefaultFont(const QFont &font);
    [[nodiscard]] QColor fontColor() const { return fontColor_; }
    void setFontColor(const QColor &color);
    [[nodiscard]] QColor shadowColor() const { return shadowColor_; }
    void setShadowColor(const QColor &color);
    [[nodiscard]] int shadowSize() const { return shadowSize_; }
    void setShadowSize(int size);
    [[nodiscard]] int shadowOffset() const { return shadowOffset_; }
    void setShadowOffset(int offset);

Q_SIGNALS:
    // A press here moves the window: the stored layout binds it to the window's handler.
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override {
        Q_EMIT mousePressed(event->button(), event->modifiers(), event->position().toPoint());
    }

private:
    // The blurred text shape, made once per caption, font and size and tinted at paint time.
    [[nodiscard]] const QImage &glowMask();

    QString caption_;
    QFont defaultFont_;
    QColor fontColor_ = Qt::black;
    QColor shadowColor_ = Qt::black;
    int shadowSize_ = 0;
    int shadowOffset_ = 0;
    QImage glowMask_;
};

} // namespace platform
