// Plays the opening of a game and saves what each window shows, for the README and for looking
// at the layout on a real display:
//
//   xvfb-run -a build/mirovalk-screenshots <output folder>
//
// It plays on a copy of the data folder beside the game, so no player's records change.

#include "application.h"
#include "modal.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {
void save(QWidget *window, const QString &folder, const char *name) {
    const QString path = QDir(folder).filePath(QLatin1String(name));
    if (!window->grab().save(path))
        std::fprintf(stderr, "could not save %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

// A click on the window at the middle of one of its controls, as a player's.
void click(QWidget *window, const char *name) {
    if (QWidget *control = window->findChild<QWidget *>(QLatin1String(name)))
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, control->geometry().center());
}

// Players who have played before, so the statistics have something to show.
void fillRoster(SharedState &state) {
    state.PlayerName[1][0] = QStringLiteral("山田太郎");
    state.PlayerName[2][0] = QStringLiteral("佐藤花子");
    state.PlayerName[6][0] = QStringLiteral("クイズ王");
    state.PlayerRecord[1] = {18250, 11, 96800, 742};
    const std::array<std::int32_t, kCounterKinds> history[kPlayedGenres] = {
        {64, 47, 12, 3, 4512, 1010}, {58, 39, 15, 2, 3705, 1170}, {41, 22, 15, 4, 1980, 1050},
        {37, 25, 10, 1, 2300, 690},  {29, 17, 10, 2, 1445, 760},  {52, 36, 13, 3, 3240, 975},
        {33, 24, 8, 1, 2160, 560},   {46, 30, 14, 2, 2790, 1036}};
    for (int g = 1; g <= kPlayedGenres; ++g)
        state.GenreStats[1][g] = history[g - 1];
    state.SavePlayerData();
}

int slotFor(QuizWindow *quiz, bool right) {
    for (int s = 1; s <= 4; ++s)
        if ((quiz->game().SlotAnswer[s] == 1) == right)
            return s;
    return 1;
}

// The skill slot and the genre select open in the middle of a question start, whenever the game
// says, so they are looked at and answered from a timer: the slot is photographed spinning and
// then stopped, the genre select photographed and its first genre chosen.
class SkillWindowsAnswerer : public QObject {
public:
    explicit SkillWindowsAnswerer(QString out) : out_(std::move(out)) {
        connect(&timer_, &QTimer::timeout, this, [this] { look(); });
        timer_.start(100);
    }

private:
    void look() {
        QWidget *dialog = QApplication::activeModalWidget();
        const QString name = dialog ? dialog->objectName() : QString();
        if (name != QLatin1String("skillget") && name != QLatin1String("genreselect")) {
            polls_ = 0;
            return;
        }
        ++polls_;
        if (name == QLatin1String("skillget")) {
            if (polls_ == 8) {
                save(dialog, out_, "skillget-spinning.png");
                click(dialog, "Command1");
            } else if (polls_ == 12) {
                save(dialog, out_, "skillget-stopped.png");
                click(dialog, "Command2");
            }
        } else if (polls_ == 5) {
            save(dialog, out_, "genreselect.png");
            QTest::keyClick(dialog->findChild<QWidget *>(QStringLiteral("Picture1")), Qt::Key_A);
        }
    }

    QString out_;
    QTimer timer_;
    int polls_ = 0;
};
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
    SkillWindowsAnswerer answerer(out);
    game.showTitle();
    if (!game.titleWindow())
        return 1;
    QTest::qWait(3000); // the intro is over and the title waits at rest
    save(game.titleWindow(), out, "title.png");

    // The player select: the roster, a new name being typed, then a player confirmed.
    fillRoster(state);
    onNextModal([&](QWidget *select) {
        QTest::qWait(300);
        save(select, out, "playerselect-choose.png");
        click(select, "Label3");
        auto *box = select->findChild<QLineEdit *>(QStringLiteral("Text1"));
        box->setFocus();
        QInputMethodEvent typed;
        typed.setCommitString(QStringLiteral("鈴木一郎"));
        QApplication::sendEvent(box, &typed);
        QTest::qWait(100);
        save(select, out, "playerselect-newname.png");
        click(select, "Command1");
        click(select, "Label1");
        QTest::qWait(100);
        save(select, out, "playerselect-confirm.png");
        click(select, "Command1");
    });
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

    // The game's end opens the ranking as shipped, where the score takes a place under the
    // player's name; then the statistics, and from there the figures per genre.
    const QString ranking = state.dataFile(QLatin1String(kRankingFile));
    QFile::remove(ranking);
    QFile::copy(QStringLiteral(MIROVALK_SHIPPED_DATA_DIR "/player.qdt"), ranking);
    onNextModal([&](QWidget *window) {
        QTest::qWait(300);
        save(window, out, "ranking-entry.png");
        click(window, "Command1");
    }, "Ranking");
    onNextModal(
        [&](QWidget *data) {
            QTest::qWait(300);
            save(data, out, "playerdata.png");
            click(data, "Command2");
        },
        "playerdata");

    // Right answers up to question 5, past the skill slot of question 3 and the genre select of
    // question 5; then the remaining lives are lost, and the game-over screen and its menu shown.
    while (quiz->game().MenuMode == 0) {
        const int question = quiz->game().QuestionNo;
        if (!QTest::qWaitFor([&] { return quiz->game().QuestionNo != question || quiz->game().MenuMode == 1; }, 20000))
            return 1;
        if (quiz->game().MenuMode == 1)
            break;
        const bool right = quiz->game().QuestionNo <= 5;
        if (!right)
            (void)QTest::qWaitFor([&] { return quiz->timer().interval() == kCountdownInterval; }, 10000);
        QTest::keyClick(keys, slotKeys[slotFor(quiz, right)]);
        (void)QTest::qWaitFor([&] { return quiz->timer().interval() == kPauseInterval || quiz->game().MenuMode == 1; },
                              3000);
    }
    QTest::qWait(300);
    save(quiz, out, "quiz-gameover.png");
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("playerdatagenre") && window->isVisible()) {
            click(window, "Label22");
            QTest::qWait(100);
            save(window, out, "playerdatagenre.png");
            window->close();
        }

    // From the results menu the ranking again: the game's score is in it now, only to look at.
    onNextModal([&](QWidget *ranking) {
        QTest::qWait(200);
        save(ranking, out, "ranking-view.png");
        click(ranking, "Command1");
    }, "Ranking");
    QTest::keyClick(keys, Qt::Key_S);

    // Back to the title, then the story map, whose button the title keeps hidden; the guest plays.
    QTest::keyClick(keys, Qt::Key_F);
    if (!QTest::qWaitFor([&] { return game.titleWindow() != nullptr && game.quizWindow() == nullptr; }, 5000))
        return 1;
    onNextModal([](QWidget *select) { click(select, "Label11"); }, "playerselect");
    game.titleWindow()->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    if (!QTest::qWaitFor([&] { return game.mapWindow() != nullptr && game.titleWindow() == nullptr; }, 10000))
        return 1;
    StoryMapWindow *map = game.mapWindow();
    QTest::qWait(300);
    click(map, "Label6");
    QTest::qWait(300);
    save(map, out, "map.png");
    return 0;
}
