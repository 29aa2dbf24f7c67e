#include "controls/ScrollBarLink.h"

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
    QWidget *parent = box->parentWidget();
    auto *bar =
        parent ? parent->findChild<QScrollBar *>(name, Qt::FindDirectChildrenOnly) : nullptr;
    if (!bar)
        qFatal("%s: no scroll bar '%s' beside it", qPrintable(box->objectName()), qPrintable(name));
    return bar;
}

} // namespace

void LinkedScrollBars::link(QAbstractScrollArea *box) {
    if (linked_)
        return;
    linked_ = true;
    if (!horizontalName_.isEmpty())
        linkScrollBar(box->horizontalScrollBar(), siblingScrollBar(box, horizontalName_));
    if (!verticalName_.isEmpty())
        linkScrollBar(box->verticalScrollBar(), siblingScrollBar(box, verticalName_));
}

} // namespace platform
