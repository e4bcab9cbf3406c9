#pragma once

#include "titleanimation.h"
#include "shared/sharedstate.h"
#include "shared/widgets.h"

#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>

// The title window "title": the animated title word, the subtitle, the picture and the mode
// buttons. Its load sets the shared state up afresh.
class TitleWindow : public QWidget {
    Q_OBJECT
public:
    struct Services {
        std::function<void()> openEndless;  // the curtain has closed on ＥＮＤＬＥＳＳ　ＭＯＤＥ
        std::function<void()> openStory;    // likewise for ＳＴＯＲＹ　ＭＯＤＥ
        std::function<void()> exitGame;     // ＥＸＩＴ
        // A data file fault; `fatal` when the program cannot go on.
        std::function<void(const QString &message, bool fatal)> reportError;
    };

    TitleWindow(SharedState &state, Services services, QWidget *parent = nullptr);

    // Runs the start-up of the shared state and starts the animation; false (after reporting)
    // when the player file cannot be loaded.
    bool load();

    const TitleAnimation &animation() const { return animation_; }
    QTimer &timer() { return timer_; }
    void step(); // one tick of the animation

private:
    void buildControls();
    void render();

    SharedState &state_;
    Services services_;
    TitleAnimation animation_;
    QTimer timer_;
    QPixmap picture_;

    std::array<QPushButton *, 6> Command{};   // 1..5
    std::array<QLabel *, 9> letter{};         // Label1..Label8 at 1..8
    QLabel *Label9 = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *Image1 = nullptr;
};
