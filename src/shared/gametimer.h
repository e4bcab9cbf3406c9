#pragma once

#include <QTimer>

// A window's clock as its rules see it: an interval (which for the quiz is the state of the
// game) and an enabled flag. Tests step the ticks by hand instead.
class GameTimer {
public:
    virtual ~GameTimer() = default;
    virtual int interval() const = 0;
    virtual void setInterval(int ms) = 0;
    virtual void setEnabled(bool enabled) = 0;
};

// The clock on a Qt timer.
class QtGameTimer final : public GameTimer {
public:
    explicit QtGameTimer(QTimer &timer) : timer_(timer) {}
    int interval() const override { return timer_.interval(); }
    void setInterval(int ms) override { timer_.setInterval(ms); }
    void setEnabled(bool enabled) override {
        if (enabled)
            timer_.start();
        else
            timer_.stop();
    }

private:
    QTimer &timer_;
};
