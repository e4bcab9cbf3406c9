#pragma once

// A modal window runs its own event loop, and a test that opened it waits behind that loop. This
// acts on the window from inside the loop, as a player would, once it is on screen.

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

inline void onNextModal(std::function<void(QWidget *)> act) {
    auto *poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, act = std::move(act)] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        act(modal);
    });
    poll->start();
}
