#pragma once

#include "quizgame.h"
#include "shared/gametimer.h"
#include "shared/widgets.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

// The quiz window "quizmain": shows what the game's rules say and hands clicks, keys and the
// ticks of its one timer to them.
class QuizWindow : public QWidget, private QuizHost {
    Q_OBJECT
public:
    // `host` opens the other windows; the quiz window shows its own state before each opens.
    QuizWindow(SharedState &state, RandomSource &random, MediaBackend &audio, QuizHost &host,
               QWidget *parent = nullptr);

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
    bool selectPlayer() override { return host_.selectPlayer(); }
    bool runSkillSlot() override;
    void selectGenre() override;
    bool showRanking(bool offerEntry) override;
    void showPlayerData() override;
    void returnToTitle() override { host_.returnToTitle(); }
    void reportError(const QString &message, bool fatal) override { host_.reportError(message, fatal); }

    void buildControls();
    // Hands what the player did to the game and shows the outcome.
    void handle(const std::function<void()> &event);

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
