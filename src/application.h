#pragma once

#include "menus/titlewindow.h"
#include "quiz/quizwindow.h"
#include "shared/random.h"
#include "shared/sharedstate.h"
#include "shared/sound.h"

#include <QObject>
#include <QPointer>

#include <functional>

// Owns the program-wide pieces (shared state, dice, sound), moves the player between the title
// window and the quiz window, and opens the windows the quiz waits for.
class Application : public QObject, public QuizHost {
    Q_OBJECT
public:
    Application(SharedState &state, RandomSource &random, MediaBackend &audio);
    ~Application() override;

    void showTitle();
    void openEndless();

    TitleWindow *titleWindow() const { return title_; }
    QuizWindow *quizWindow() const { return quiz_; }
    // True once a fault has ended the program.
    bool endedByFault() const { return exiting_; }

    // How faults are shown: a message box unless replaced (tests record them instead).
    std::function<void(const QString &message)> showMessage;

    // QuizHost. Until their own windows exist, the skill slot wins nothing, the genre is left to
    // chance and the ranking shows nothing.
    // The player select window, modally; a roster save that failed in it is thrown on as FileError.
    void selectPlayer() override;
    int runSkillSlot() override { return 0; }
    void selectGenre() override { state_.FormatValue = 0; }
    void showRanking() override {}
    void showPlayerData() override; // the overall statistics window, modally
    void returnToTitle() override;
    // Shows a data-file fault to the player; a fatal one ends the program afterwards.
    void reportError(const QString &message, bool fatal) override;

    // The statistics windows opened without waiting, each from the other one's button.
    void openPlayerData();
    void openPlayerDataGenre();

private:
    void showWithoutWaiting(QWidget *window);

    SharedState &state_;
    RandomSource &random_;
    MediaBackend &audio_;
    QPointer<TitleWindow> title_;
    QPointer<QuizWindow> quiz_;
    QList<QPointer<QWidget>> statisticsWindows_; // open without waiting; closed with the program
    bool exiting_ = false;
};
