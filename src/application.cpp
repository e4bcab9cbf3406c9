#include "application.h"

#include "menus/genreselectwindow.h"
#include "menus/skillslotwindow.h"
#include "players/playerdatagenrewindow.h"
#include "players/playerdatawindow.h"
#include "players/playerselectwindow.h"
#include "ranking/rankingwindow.h"
#include "shared/fileerror.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

Application::Application(SharedState &state, RandomSource &random, MediaBackend &audio)
    : showMessage([](const QString &message) {
          QMessageBox box(QMessageBox::Critical, QStringLiteral("ＭＩＲＯ　ＶＡＬＫ"), message);
          box.setDefaultButton(box.addButton(QStringLiteral("ＯＫ"), QMessageBox::AcceptRole));
          box.exec();
      }),
      state_(state), random_(random), audio_(audio) {}

Application::~Application() {
    for (const QPointer<QWidget> &window : statisticsWindows_)
        delete window;
    delete map_;
    delete quiz_;
    delete title_;
}

void Application::reportError(const QString &message, bool fatal) {
    // Also into the log, where whoever looks after the machine can read it.
    qWarning("%s", qUtf8Printable(message));
    showMessage(message);
    if (fatal) {
        exiting_ = true;
        // Leave the event loop once the current event has unwound.
        QTimer::singleShot(0, qApp, [] { QApplication::exit(1); });
    }
}

void Application::showTitle() {
    if (exiting_ || quitting_)
        return;
    TitleWindow::Services services;
    services.openEndless = [this] { openEndless(); };
    services.openStory = [this] { openStory(); }; // its button stays hidden
    services.exitGame = [] { QApplication::quit(); };
    services.reportError = [this](const QString &message, bool fatal) { reportError(message, fatal); };
    title_ = new TitleWindow(state_, std::move(services));
    if (title_->load())
        title_->show();
}

bool Application::selectPlayer() {
    PlayerSelectWindow window(state_);
    window.load();
    window.exec();
    if (window.fault())
        throw *window.fault();
    return !quitting_;
}

void Application::quit() {
    // Every window's event loop returns at once; what the player was choosing is not acted on.
    quitting_ = true;
    QApplication::exit(0);
}

void Application::showPlayerData() {
    PlayerDataWindow window(state_, [this] { openPlayerDataGenre(); });
    window.exec();
}

void Application::openPlayerData() {
    showWithoutWaiting(new PlayerDataWindow(state_, [this] { openPlayerDataGenre(); }));
}

void Application::openPlayerDataGenre() {
    showWithoutWaiting(new PlayerDataGenreWindow(state_, [this] { openPlayerData(); }));
}

void Application::showWithoutWaiting(QWidget *window) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    statisticsWindows_.removeAll(nullptr);
    statisticsWindows_ << window;
    window->show();
}

bool Application::showRanking(bool offerEntry) {
    Ranking window(state_, audio_, offerEntry,
                   [this](const QString &message, bool fatal) { reportError(message, fatal); }, quiz_);
    if (!window.load())
        return false;
    window.exec();
    return window.entrySaved();
}

void Application::returnToTitle() {
    if (quiz_)
        quiz_->close();
    showTitle();
}

void Application::openEndless() {
    quiz_ = new QuizWindow(state_, random_, audio_, *this);
    TitleWindow *title = title_;
    if (!quiz_->load()) {
        delete quiz_;
        if (title)
            title->close();
        showTitle(); // not after a fatal fault: the program is ending
        return;
    }
    quiz_->show();
    if (title)
        title->close();
}

void Application::openStory() {
    auto *map = new StoryMapWindow(state_);
    if (!map->load()) {
        // Every area is cleared: the story is over, and so is the program.
        delete map;
        exiting_ = true;
        QTimer::singleShot(0, qApp, [] { QApplication::exit(0); });
        return;
    }
    map_ = map;
    connect(map, &StoryMapWindow::closed, this, [this] { showTitle(); });
    map->show();
    TitleWindow *title = title_;
    try {
        selectPlayer();
    } catch (const FileError &error) {
        reportError(error.message(), error.endsProgram());
    }
    if (title)
        title->close();
}

bool Application::runSkillSlot() {
    SkillSlotWindow slot(state_, random_, audio_, [this](const QString &message) { reportError(message, false); },
                         quiz_);
    slot.load();
    slot.exec();
    return slot.handedOver();
}

void Application::selectGenre() {
    GenreSelectWindow genres(state_, random_, quiz_);
    genres.load();
    genres.exec();
}
