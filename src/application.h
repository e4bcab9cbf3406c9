#pragma once

#include "shared/random.h"
#include "shared/sharedstate.h"
#include "shared/sound.h"

#include <QObject>
#include <QPointer>

#include <functional>

#include "menus/titlewindow.h"
#include "quiz/quizwindow.h"

// Owns the program-wide pieces (shared state, dice, sound) and moves the player between the
// title window and the quiz window.
class Application : public QObject {
    Q_OBJECT
public:
    Application(SharedState &state, RandomSource &random, MediaBackend &audio);
    ~Application() override;

    void showTitle();
    void openEndless();

    TitleWindow *titleWindow() const { return title_; }
    QuizWindow *quizWindow() const { return quiz_; }

    // Shows a data-file fault to the player; a fatal one ends the program afterwards.
    void reportError(const QString &message, bool fatal);
    // How faults are shown: a message box unless replaced (tests record them instead).
    std::function<void(const QString &message)> showMessage;

private:
    SharedState &state_;
    RandomSource &random_;
    MediaBackend &audio_;
    QPointer<TitleWindow> title_;
    QPointer<QuizWindow> quiz_;
};
