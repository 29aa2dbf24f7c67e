// The six controls the format worker is given, as real widgets without the
// window, and the worker itself, held: for the tests and benches that drive it.
#pragma once

#include "TFormatThread.h"
#include "controls/IntegerEdit.h"
#include "controls/ProgressBar.h"
#include "controls/SkinButton.h"
#include "controls/TextView.h"

#include <QRadioButton>

struct WorkerControls {
    QWidget parent;
    platform::TextView *input = new platform::TextView(&parent);
    platform::TextView *output = new platform::TextView(&parent);
    QRadioButton *upperCase = new QRadioButton(&parent);
    QRadioButton *lowerCase = new QRadioButton(&parent);
    platform::IntegerEdit *bytesPerLine = new platform::IntegerEdit(&parent);
    platform::SkinButton *button = new platform::SkinButton(&parent);
    platform::ProgressBar *bar = new platform::ProgressBar(&parent);
    TFormatThread *worker;

    // As the stored layout starts them: upper case, 10 bytes a line, "格式化".
    WorkerControls() {
        output->setReadOnly(true);
        upperCase->setChecked(true);
        bytesPerLine->setValue(10);
        button->setCaption(QStringLiteral("格式化"));
        worker = new TFormatThread(true, input, output, upperCase, bytesPerLine, button, bar);
        worker->launch();
    }
    // What the window's format button does.
    void press() {
        if (worker->isSuspended())
            worker->resume();
    }
};
