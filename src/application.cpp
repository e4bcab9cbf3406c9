#include "application.h"

#include "players/playerdatagenrewindow.h"
#include "players/playerdatawindow.h"
#include "players/playerselectwindow.h"

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
    if (exiting_)
        return;
    TitleWindow::Services services;
    services.openEndless = [this] { openEndless(); };
    services.openStory = [] {}; // the story map has no window yet and its button stays hidden
    services.exitGame = [] { QApplication::quit(); };
    services.reportFatal = [this](const QString &message) { reportError(message, true); };
    title_ = new TitleWindow(state_, std::move(services));
    if (title_->load())
        title_->show();
}

void Application::selectPlayer() {
    PlayerSelectWindow window(state_);
    window.load();
    window.exec();
    if (window.fault())
        throw *window.fault();
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
