#pragma once

#include "quizgame.h"
#include "shared/widgets.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

// The small box that holds the keyboard focus in the quiz window and hands its keys on as
// Windows virtual-key codes.
class KeyBox : public QWidget {
    Q_OBJECT
public:
    explicit KeyBox(QWidget *parent);
    // Qt's key to the virtual-key code the game's keys are defined in; 0 for other keys.
    static int virtualKey(const QKeyEvent &event);

signals:
    void keyDown(int virtualKey);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// The game clock on a Qt timer.
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

// The quiz window "quizmain": shows what the game's rules say and hands clicks, keys and the
// ticks of its one timer to them.
class QuizWindow : public QWidget, private QuizHost {
    Q_OBJECT
public:
    // `host` opens the other windows; the quiz window shows its own state before each opens.
    QuizWindow(SharedState &state, RandomSource &random, MediaBackend &audio, QuizHost &host,
               QWidget *parent = nullptr);
    ~QuizWindow() override;

    // Checks the question files, asks for the player and starts the first game. False (after
    // reporting) when the window cannot be used.
    bool load();

    QuizGame &game() { return *game_; }
    QTimer &timer() { return timer_; }
    void render();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // QuizHost: the application's windows, opened over this one as it stands.
    void selectPlayer() override { host_.selectPlayer(); }
    int runSkillSlot() override;
    void selectGenre() override;
    void showRanking() override;
    void showPlayerData() override;
    void returnToTitle() override { host_.returnToTitle(); }
    void reportError(const QString &message, bool fatal) override { host_.reportError(message, fatal); }

    void buildControls();
    // Runs one event of the game and shows the outcome; a file fault ends the game.
    void handle(const std::function<void()> &event);

    SharedState &state_;
    QuizHost &host_;
    QTimer timer_;
    QtGameTimer gameTimer_{timer_};
    std::unique_ptr<QuizSounds> sounds_;
    std::unique_ptr<QuizGame> game_;

    QLabel *Label1 = nullptr, *LabelNumQ = nullptr, *LabelPoint = nullptr, *time = nullptr;
    QLabel *label2 = nullptr, *LabelMes = nullptr, *LabelLife = nullptr;
    ClickableLabel *nowskill = nullptr;
    std::array<ClickableLabel *, 5> ans{}, a{}, command{};
    std::array<QLabel *, 5> ox{}, menuDigit{};
    KeyBox *Picture1 = nullptr;
};
