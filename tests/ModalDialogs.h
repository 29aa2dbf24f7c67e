// Tests meet modal windows (error boxes, the font dialog) that block until closed:
// this acts on the next one to open, from the event loop it runs.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>

// Runs `act` on the next modal window to open, once it is up.
inline void whenModalOpens(std::function<void(QWidget *)> act) {
    auto *poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            act(modal);
        }
    });
    poll->start();
}

// Closes the next error box to open and keeps its text in `text`.
inline void readNextErrorBox(QString &text) {
    whenModalOpens([&text](QWidget *modal) {
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            text = box->text();
            box->accept();
        }
    });
}
