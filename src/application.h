#pragma once

#include "menus/storymapwindow.h"
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
    // Story mode: the map opens without waiting and the player is chosen over it; when the map
    // closes the title comes back, as no area has a quiz of its own yet.
    void openStory();

    TitleWindow *titleWindow() const { return title_; }
    QuizWindow *quizWindow() const { return quiz_; }
    StoryMapWindow *mapWindow() const { return map_; }
    // True once a fault has ended the program.
    bool endedByFault() const { return exiting_; }
    // Ends the program when the system asks it to stop.
    void quit();

    // How faults are shown: a message box unless replaced (tests record them instead).
    std::function<void(const QString &message)> showMessage;

    // QuizHost.
    // The player select window, modally; a roster save that failed in it is thrown on as FileError.
    bool selectPlayer() override;
    bool runSkillSlot() override;
    void selectGenre() override;
    // The ranking window, modally over the quiz window. A ranking file that cannot be read is
    // reported and the game goes on without the window.
    bool showRanking(bool offerEntry) override;
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
    QPointer<StoryMapWindow> map_;
    bool exiting_ = false;
    bool quitting_ = false;
};
