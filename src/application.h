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

    // QuizHost. Until their own windows exist, the player is the guest, the skill slot wins
    // nothing, the genre is left to chance and the ranking and statistics show nothing.
    void selectPlayer() override;
    int runSkillSlot() override { return 0; }
    void selectGenre() override { state_.FormatValue = 0; }
    void showRanking() override {}
    void showPlayerData() override {}
    void returnToTitle() override;
    // Shows a data-file fault to the player; a fatal one ends the program afterwards.
    void reportError(const QString &message, bool fatal) override;

private:
    SharedState &state_;
    RandomSource &random_;
    MediaBackend &audio_;
    QPointer<TitleWindow> title_;
    QPointer<QuizWindow> quiz_;
    bool exiting_ = false;
};
