#include "application.h"

#include "menus/titlewindow.h"
#include "quiz/quizwindow.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

Application::Application(SharedState &state, RandomSource &random, MediaBackend &audio)
    : showMessage([](const QString &message) {
          QMessageBox::critical(nullptr, QStringLiteral("ＭＩＲＯ　ＶＡＬＫ"), message);
      }),
      state_(state), random_(random), audio_(audio) {}

Application::~Application() {
    delete quiz_;
    delete title_;
}

void Application::reportError(const QString &message, bool fatal) {
    showMessage(message);
    if (fatal) {
        // Leave the event loop once the current event has unwound.
        QTimer::singleShot(0, qApp, [] { QApplication::exit(1); });
    }
}

void Application::showTitle() {
    TitleWindow::Services services;
    services.openEndless = [this] { openEndless(); };
    services.openStory = [] {}; // the story map has no window yet and its button stays hidden
    services.exitGame = [] { QApplication::quit(); };
    services.reportFatal = [this](const QString &message) { reportError(message, true); };
    title_ = new TitleWindow(state_, std::move(services));
    if (title_->load())
        title_->show();
}

void Application::openEndless() {
    QuizWindowServices services;
    // Until the player select window exists, every game is the guest's.
    services.selectPlayer = [this] { state_.CurrentPlayer = 0; };
    services.runSkillSlot = [] { return 0; };                     // no skill slot window yet
    services.selectGenre = [this] { state_.FormatValue = 0; };    // no genre select yet: at random
    services.showRanking = [] {};
    services.showPlayerData = [] {};
    services.returnToTitle = [this] {
        if (quiz_)
            quiz_->close();
        showTitle();
    };
    services.reportError = [this](const QString &message, bool fatal) { reportError(message, fatal); };

    quiz_ = new QuizWindow(state_, random_, audio_, std::move(services));
    TitleWindow *title = title_;
    if (!quiz_->load()) {
        delete quiz_;
        if (title)
            title->close();
        showTitle();
        return;
    }
    quiz_->show();
    if (title)
        title->close();
}
