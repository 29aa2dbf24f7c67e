#include "controls/FontDialog.h"
#include "skin/SkinSettings.h"

#include "skin/SkinFrame.h"
#include "skin/WindowEffects.h"
#include "skin/WindowMover.h"

#include <QComboBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace platform {

namespace {

// Sizes are chosen in points and kept in pixels, as the layout gives them, at 96 dpi.
int pointsFromPixels(int pixels) {
    return static_cast<int>(std::lround(pixels * 72.0 / 96.0));
}
int pixelsFromPoints(int points) {
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

int pixelSizeOf(const QFont &font) {
    return font.pixelSize() > 0 ? font.pixelSize() : pixelsFromPoints(font.pointSize());
}

QIcon swatch(const QColor &color) {
    QPixmap pixmap(14, 14);
    pixmap.fill(color);
    return QIcon(pixmap);
}

// The sixteen basic colours a user picks text colours from.
const QColor kBasicColors[] = {Qt::black,
                               QColor(128, 0, 0),
                               QColor(0, 128, 0),
                               QColor(128, 128, 0),
                               QColor(0, 0, 128),
                               QColor(128, 0, 128),
                               QColor(0, 128, 128),
                               QColor(128, 128, 128),
                               QColor(192, 192, 192),
                               Qt::red,
                               Qt::green,
                               Qt::yellow,
                               Qt::blue,
                               Qt::magenta,
                               Qt::cyan,
                               Qt::white};

// The dialog's controls, alive while it is shown.
class FontChooser : public QWidget {
public:
    FontChooser(const FontDescription &start, QDialog *dialog)
        : QWidget(dialog)
        , color_(start.color) {
        auto *grid = new QGridLayout(this);
        grid->setContentsMargins(0, 0, 0, 0);
        grid->setVerticalSpacing(3);
        grid->addWidget(new QLabel(QStringLiteral("名称:")), 0, 0, 1, 2);
        name_ = new QFontComboBox;
        name_->setCurrentFont(start.font);
        grid->addWidget(name_, 1, 0, 1, 2);

        grid->addWidget(new QLabel(QStringLiteral("颜色:")), 2, 0);
        grid->addWidget(new QLabel(QStringLiteral("字号:")), 2, 1);
        colorButton_ = new QToolButton;
        colorButton_->setPopupMode(QToolButton::InstantPopup);
        colorButton_->setToolButtonStyle(Qt::ToolButtonIconOnly);
        colorButton_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        auto *colors = new QMenu(colorButton_);
        for (const QColor &color : kBasicColors)
            colors->addAction(swatch(color), color.name(), this, [this, color] {
                color_ = color;
                refresh();
            });
        colorButton_->setMenu(colors);
        grid->addWidget(colorButton_, 3, 0);
        size_ = new QComboBox;
        size_->setEditable(true);
        size_->setValidator(new QIntValidator(1, 999, size_));
        for (int points : QFontDatabase::standardSizes())
            size_->addItem(QString::number(points));
        size_->setCurrentText(QString::number(pointsFromPixels(pixelSizeOf(start.font))));
        grid->addWidget(size_, 3, 1);

        grid->addWidget(new QLabel(QStringLiteral("字型:")), 4, 0, 1, 2);
        auto *styles = new QHBoxLayout;
        const auto addStyle = [&](const QString &letter, bool on, auto setStyle) {
            auto *toggle = new QToolButton;
            toggle->setText(letter);
            toggle->setCheckable(true);
            toggle->setChecked(on);
            QFont look = toggle->font();
            setStyle(look, true);
            toggle->setFont(look);
            styles->addWidget(toggle);
            connect(toggle, &QToolButton::toggled, this, [this] { refresh(); });
            return toggle;
        };
        bold_ = addStyle(QStringLiteral("B"), start.font.bold(),
                         [](QFont &f, bool on) { f.setBold(on); });
        italic_ = addStyle(QStringLiteral("I"), start.font.italic(),
                           [](QFont &f, bool on) { f.setItalic(on); });
        underline_ = addStyle(QStringLiteral("U"), start.font.underline(),
                              [](QFont &f, bool on) { f.setUnderline(on); });
        strikeOut_ = addStyle(QStringLiteral("S"), start.font.strikeOut(),
                              [](QFont &f, bool on) { f.setStrikeOut(on); });
        styles->addStretch();
        grid->addLayout(styles, 5, 0, 1, 2);

        grid->addWidget(new QLabel(QStringLiteral("示例:")), 6, 0, 1, 2);
        sample_ = new QLabel(QStringLiteral("AaBbYyZz"));
        sample_->setObjectName(QStringLiteral("sample"));
        sample_->setAlignment(Qt::AlignCenter);
        sample_->setFrameShape(QFrame::StyledPanel);
        sample_->setMinimumHeight(34);
        grid->addWidget(sample_, 7, 0, 1, 2);

        connect(name_, &QFontComboBox::currentFontChanged, this, [this] { refresh(); });
        connect(size_, &QComboBox::currentTextChanged, this, [this] { refresh(); });
        refresh();
    }

    [[nodiscard]] FontDescription choice() const {
        QFont font = name_->currentFont();
        const int points = size_->currentText().toInt();
        if (points > 0)
            font.setPixelSize(pixelsFromPoints(points));
        font.setBold(bold_->isChecked());
        font.setItalic(italic_->isChecked());
        font.setUnderline(underline_->isChecked());
        font.setStrikeOut(strikeOut_->isChecked());
        return {font, color_};
    }

private:
    void refresh() {
        const FontDescription now = choice();
        colorButton_->setIcon(swatch(now.color));
        sample_->setFont(now.font);
        QPalette colours = sample_->palette();
        colours.setColor(QPalette::WindowText, now.color);
        sample_->setPalette(colours);
    }

    QColor color_;
    QFontComboBox *name_;
    QToolButton *colorButton_;
    QComboBox *size_;
    QToolButton *bold_, *italic_, *underline_, *strikeOut_;
    QLabel *sample_;
};

} // namespace

FontDialog::FontDialog(QWidget *parent)
    : QDialog(parent) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void FontDialog::setFrameLook(const FrameLook &look) {
    frameLook_ = look;
    setWindowFlag(Qt::FramelessWindowHint, true);
    setContentsMargins(look.border, look.border + look.captionHeight, look.border, look.border);
    new FadeIn(this, SkinSettings::kWindowOpacity);
}

void FontDialog::paintEvent(QPaintEvent *event) {
    if (!frameLook_) {
        QDialog::paintEvent(event);
        return;
    }
    QPainter painter(this);
    SkinFrame::paintFrame(painter, *frameLook_, rect(), windowTitle(), isActiveWindow(), {}, -1);
    painter.fillRect(contentsRect(), palette().window());
}

void FontDialog::mousePressEvent(QMouseEvent *event) {
    if (frameLook_ && event->button() == Qt::LeftButton &&
        event->position().y() < contentsMargins().top())
        WindowMover::moveWithPointer(this, 0);
    else
        QDialog::mousePressEvent(event);
}

bool FontDialog::execute() {
    // The controls are built anew each time, so they always open on chosen_.
    auto *chooser = new FontChooser(chosen_, this);
    auto *ok = new QPushButton(QStringLiteral("确定"));
    auto *cancel = new QPushButton(QStringLiteral("取消"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *content = new QWidget(this);
    auto *column = new QVBoxLayout(content);
    column->setContentsMargins(9, 6, 9, 9);
    column->addWidget(chooser);
    column->addStretch();
    column->addLayout(buttons);
    delete layout();
    auto *whole = new QVBoxLayout(this);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(content);
    // A client area of 260 x 270 inside the skin's frame, if it has one.
    const QMargins frame = contentsMargins();
    setFixedSize(260 + frame.left() + frame.right(), 270 + frame.top() + frame.bottom());

    const bool confirmed = exec() == QDialog::Accepted;
    const FontDescription choice = chooser->choice();
    delete content;
    if (confirmed) {
        chosen_ = choice;
        Q_EMIT changed();
    }
    return confirmed;
}

} // namespace platform
