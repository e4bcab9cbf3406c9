// Plays the opening of a game and saves what each window shows, for the README and for looking
// at the layout on a real display:
//
//   xvfb-run -a build/mirovalk-screenshots <output folder>
//
// It plays on a copy of the data folder beside the game, so no player's records change.

#include "application.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {
void save(QWidget *window, const QString &folder, const char *name) {
    const QString path = QDir(folder).filePath(QLatin1String(name));
    if (!window->grab().save(path))
        std::fprintf(stderr, "could not save %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

int slotFor(QuizWindow *quiz, bool right) {
    for (int s = 1; s <= 4; ++s)
        if ((quiz->game().SlotAnswer[s] == 1) == right)
            return s;
    return 1;
}
} // namespace

int main(int argc, char *argv[]) {
    qputenv("QT_FONT_DPI", "96");
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);

    QTemporaryDir data;
    const QDir shipped(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("quiz")));
    for (const QString &name : shipped.entryList(QDir::Files))
        QFile::copy(shipped.filePath(name), QDir(data.path()).filePath(name));

    SharedState state(data.path());
    ClockRandom random;
    SilentBackend audio;
    Application game(state, random, audio);
    game.showTitle();
    if (!game.titleWindow())
        return 1;
    QTest::qWait(3000); // the intro is over and the title waits at rest
    save(game.titleWindow(), out, "title.png");

    QTest::mouseClick(game.titleWindow()->findChild<QPushButton *>(QStringLiteral("Command3")), Qt::LeftButton);
    if (!QTest::qWaitFor([&] { return game.quizWindow() != nullptr; }, 5000))
        return 1;
    QuizWindow *quiz = game.quizWindow();
    QWidget *keys = quiz->findChild<QWidget *>(QStringLiteral("Picture1"));
    QTest::qWait(400);
    save(quiz, out, "quiz-typing.png");

    (void)QTest::qWaitFor([&] { return quiz->timer().interval() == kCountdownInterval; }, 10000);
    QTest::qWait(1500);
    save(quiz, out, "quiz-answers.png");
    const Qt::Key slotKeys[] = {Qt::Key_unknown, Qt::Key_A, Qt::Key_S, Qt::Key_D, Qt::Key_F};
    QTest::keyClick(keys, slotKeys[slotFor(quiz, false)]);
    (void)QTest::qWaitFor([&] { return quiz->timer().interval() == kPauseInterval; }, 3000);
    QTest::qWait(100);
    save(quiz, out, "quiz-judged.png");

    // Lose the remaining lives, then look at the game-over screen and its menu.
    while (quiz->game().Lives > 0 || quiz->game().MenuMode == 0) {
        const int question = quiz->game().QuestionNo;
        if (!QTest::qWaitFor([&] { return quiz->game().QuestionNo != question || quiz->game().MenuMode == 1; }, 5000))
            return 1;
        if (quiz->game().MenuMode == 1)
            break;
        (void)QTest::qWaitFor([&] { return quiz->timer().interval() == kCountdownInterval; }, 10000);
        QTest::keyClick(keys, slotKeys[slotFor(quiz, false)]);
        (void)QTest::qWaitFor([&] { return quiz->timer().interval() == kPauseInterval; }, 3000);
    }
    QTest::qWait(300);
    save(quiz, out, "quiz-gameover.png");
    return 0;
}
