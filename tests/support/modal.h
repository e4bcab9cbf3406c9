#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Acts on the next modal window once it is on screen, from inside the event loop it runs while
// the code that opened it waits; with `name`, on the next one of that object name.
inline void onNextModal(std::function<void(QWidget *)> act, const char *name = nullptr) {
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act = std::move(act), name] {
        if (QWidget *modal = QApplication::activeModalWidget();
            modal && modal->isVisible() && (!name || modal->objectName() == QLatin1String(name))) {
            poll->deleteLater();
            poll->stop();
            act(modal);
        }
    });
    poll->start(10);
}
