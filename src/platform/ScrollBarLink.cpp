#include "ScrollBarLink.h"

#include <QAbstractScrollArea>
#include <QScrollBar>

namespace platform {

void linkScrollBar(QScrollBar *own, QScrollBar *linked) {
    if (!linked)
        return;
    const auto follow = [own, linked] {
        linked->setRange(own->minimum(), own->maximum());
        linked->setPageStep(own->pageStep());
        linked->setSingleStep(own->singleStep());
        linked->setValue(own->value());
        linked->setEnabled(own->maximum() > own->minimum());
    };
    QObject::connect(own, &QScrollBar::rangeChanged, linked, follow);
    QObject::connect(own, &QScrollBar::valueChanged, linked, &QScrollBar::setValue);
    QObject::connect(linked, &QScrollBar::valueChanged, own, &QScrollBar::setValue);
    follow();
}

namespace {

QScrollBar *siblingScrollBar(QWidget *box, const QString &name) {
    auto *bar = box->parentWidget()
                    ? box->parentWidget()->findChild<QScrollBar *>(name, Qt::FindDirectChildrenOnly)
                    : nullptr;
    Q_ASSERT_X(bar, "linked scroll bar", "a linked scroll bar must be created before its box");
    return bar;
}

QString nameOf(const QScrollBar *bar) {
    return bar ? bar->objectName() : QString();
}

} // namespace

QString LinkedScrollBars::horizontalName() const {
    return nameOf(horizontal_);
}

QString LinkedScrollBars::verticalName() const {
    return nameOf(vertical_);
}

void LinkedScrollBars::linkHorizontal(QAbstractScrollArea *box, const QString &name) {
    horizontal_ = siblingScrollBar(box, name);
    linkScrollBar(box->horizontalScrollBar(), horizontal_);
}

void LinkedScrollBars::linkVertical(QAbstractScrollArea *box, const QString &name) {
    vertical_ = siblingScrollBar(box, name);
    linkScrollBar(box->verticalScrollBar(), vertical_);
}

} // namespace platform
