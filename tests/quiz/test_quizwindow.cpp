// The real windows under the offscreen platform: the way from the title into a game, and a whole
// game played with keys until it is over.

#include "application.h"
#include "shared/textfile.h"

#include "../support/fakes.h"
#include "../support/modal.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
struct WindowTest : ::testing::Test {
    DataFolder folder{20};
    SharedState state{folder.dir.path()};
    SeededRandom random{7};
    SilentBackend audio;
    std::unique_ptr<Application> game;

    QTimer answerer; // answers the skill slot and the genre select as they open

    WindowTest() {
        QImage picture(313, 209, QImage::Format_RGB888);
        picture.fill(Qt::gray);
        picture.save(folder.path("title.bmp"), "BMP");
        game = std::make_unique<Application>(state, random, audio);
        QObject::connect(&answerer, &QTimer::timeout, [] {
            QWidget *modal = QApplication::activeModalWidget();
            if (modal && modal->objectName() == "skillget") {
                for (const char *button : {"Command1", "Command2"}) // ＳＴＯＰ, then OK
                    if (auto *b = modal->findChild<QPushButton *>(button); b->isVisible())
                        return b->click();
            } else if (modal && modal->objectName() == "genreselect") {
                QTest::keyClick(modal->findChild<QWidget *>("Picture1"), Qt::Key_G); // no particular genre
            }
        });
        answerer.start(50);
    }

    // From the title window through ＥＮＤＬＥＳＳ　ＭＯＤＥ into the quiz window.
    QuizWindow *enterEndless() {
        game->showTitle();
        TitleWindow *title = game->titleWindow();
        EXPECT_NE(title, nullptr);
        if (!title)
            return nullptr;
        auto *endless = title->findChild<QPushButton *>("Command3");
        EXPECT_NE(endless, nullptr);
        EXPECT_EQ(endless->text(), "ＥＮＤＬＥＳＳ　ＭＯＤＥ");
        // The quiz asks for the player first; the guest plays.
        onNextModal([](QWidget *select) { QTest::mouseClick(select->findChild<QLabel *>("Label11"), Qt::LeftButton); });
        QTest::mouseClick(endless, Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([&] { return game->quizWindow() != nullptr; }, 5000));
        EXPECT_TRUE(QTest::qWaitFor([&] { return game->titleWindow() == nullptr; }, 5000)) << "the title unloads";
        return game->quizWindow();
    }
};

int slotFor(QuizWindow *window, bool right) {
    for (int s = 1; s <= 4; ++s)
        if ((window->game().SlotAnswer[s] == 1) == right)
            return s;
    return 0;
}
} // namespace

TEST_F(WindowTest, EndlessModeOpensTheQuizWindowWithAQuestionTyping) {
    // Whatever an earlier guest left, the guest starts empty.
    state.PlayerRecord[0] = {0, 5, 9000, 800};
    state.SavePlayerData();
    QuizWindow *quiz = enterEndless();
    ASSERT_NE(quiz, nullptr);
    EXPECT_TRUE(quiz->isVisible());
    EXPECT_EQ(quiz->windowTitle(), "ＭＩＲＯ　ＶＡＬＫ　　灰色の王冠");
    EXPECT_EQ(quiz->size(), QSize(616, 368));
    EXPECT_TRUE(quiz->timer().isActive());
    EXPECT_EQ(quiz->timer().timerType(), Qt::PreciseTimer);
    auto *number = quiz->findChild<QLabel *>("LabelNumQ");
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->text(), "第　１　問");
    EXPECT_EQ(number->geometry(), QRect(248, 0, 105, 25));
    auto *question = quiz->findChild<QLabel *>("Label1");
    ASSERT_NE(question, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return question->text().endsWith(u' '); }, 3000)) << "typed out in full";
    auto *answer = quiz->findChild<QLabel *>("ans3");
    ASSERT_NE(answer, nullptr);
    EXPECT_TRUE(answer->text().startsWith(" G"));
    EXPECT_FALSE(quiz->findChild<QLabel *>("command1")->isVisible());
    EXPECT_EQ(state.PlayerRecord[0], (std::array<float, 4>{0, 1, 0, 0}));
}

TEST_F(WindowTest, ClicksOnAnAnswerOrItsNumberChooseTheSlot) {
    QuizWindow *quiz = enterEndless();
    ASSERT_NE(quiz, nullptr);
    // Clicks land where a player's would: on the window, at the middle of each label.
    for (const char *kind : {"a", "ans"}) {
        for (int s = 1; s <= 4; ++s) {
            auto *label = quiz->findChild<QLabel *>(QStringLiteral("%1%2").arg(QLatin1String(kind)).arg(s));
            ASSERT_NE(label, nullptr);
            quiz->game().ChosenSlot = 0;
            QTest::mouseClick(quiz->windowHandle(), Qt::LeftButton, {}, label->geometry().center());
            EXPECT_EQ(quiz->game().ChosenSlot, s) << kind << s;
        }
    }
}

TEST_F(WindowTest, AWholeGamePlayedWithKeysEndsInGameOverAndIsSaved) {
    QuizWindow *quiz = enterEndless();
    ASSERT_NE(quiz, nullptr);
    QWidget *keys = quiz->findChild<QWidget *>("Picture1");
    ASSERT_NE(keys, nullptr);
    const Qt::Key slotKeys[] = {Qt::Key_unknown, Qt::Key_A, Qt::Key_S, Qt::Key_D, Qt::Key_F};
    auto *verdict = quiz->findChild<QLabel *>("label2");
    // As the game ends the ranking opens, where the player types a name, and then the statistics.
    QString opened;
    const auto answer = [&](QWidget *window) {
        opened += window->objectName() + ' ';
        if (auto *name = window->findChild<QLineEdit *>("PlayerNameText"))
            QTest::keyClicks(name, "GUEST");
        QTest::mouseClick(window->findChild<QPushButton *>("Command1"), Qt::LeftButton);
    };
    onNextModal([&](QWidget *ranking) { onNextModal(answer, "playerdata"), answer(ranking); }, "Ranking");

    // One right answer by keypad, then wrong answers until the lives are gone.
    QTest::keyClick(keys, Qt::Key(Qt::Key_0 + slotFor(quiz, true)), Qt::KeypadModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return quiz->game().CorrectCount == 1; }, 3000));
    int answered = 1;
    while (quiz->game().Lives > 0 && answered < 20) {
        const int question = quiz->game().QuestionNo;
        ASSERT_TRUE(QTest::qWaitFor([&] { return quiz->game().QuestionNo == question + 1; }, 3000));
        QTest::keyClick(keys, slotKeys[slotFor(quiz, false)]);
        ASSERT_TRUE(QTest::qWaitFor([&] { return quiz->timer().interval() == kPauseInterval; }, 3000));
        ++answered;
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return verdict->text() == "ＧＡＭＥ　ＯＶＥＲ"; }, 3000));
    EXPECT_FALSE(quiz->timer().isActive());
    EXPECT_TRUE(quiz->findChild<QLabel *>("command1")->isVisible());
    EXPECT_TRUE(quiz->findChild<QLabel *>("Label6")->isVisible());
    EXPECT_EQ(quiz->findChild<QLabel *>("LabelMes")->text(),
              "あなたの最終得点" + formatFullWidth(state.Score) + "点");

    SharedState saved(folder.dir.path());
    saved.LoadPlayerData();
    int asked = 0, correct = 0, wrong = 0;
    for (const auto &genre : state.GenreStats[0]) {
        asked += genre[QuestionsAsked];
        correct += genre[CorrectAnswers];
        wrong += genre[WrongAnswers];
    }
    EXPECT_EQ(asked, answered);
    EXPECT_EQ(correct, 1);
    EXPECT_EQ(wrong, answered - 1);
    EXPECT_EQ(saved.PlayerRecord[0][PlayCount], 1) << "the guest's plays survive a reload";
    EXPECT_EQ(saved.PlayerRecord[0][TotalPoints], state.Score);
    EXPECT_EQ(state.PlayerRecord[0][BestScore], state.Score);
    onNextModal(answer, "Ranking");
    QTest::keyClick(keys, Qt::Key_S); // the ranking again from the results menu: the score is in already
    EXPECT_TRUE(readBytes(folder.path("player.qdt")) ==
                QByteArray::number(state.Score) + ",\"GUEST\"\r\n" + QByteArray("0,\"\"\r\n").repeated(10));

    EXPECT_EQ(opened, "Ranking playerdata Ranking ");

    // A click on the red digit "４" is a click on "終了" beneath it: back to a fresh title window.
    auto *digit = quiz->findChild<QLabel *>("Label6");
    QTest::mouseClick(quiz->windowHandle(), Qt::LeftButton, {}, digit->geometry().center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return game->titleWindow() != nullptr && game->quizWindow() == nullptr; }, 3000));
}

TEST_F(WindowTest, AQuestionFileGoneBadDuringPlayIsReportedAndTheGameGoesBackToTheTitle) {
    QStringList messages;
    game->showMessage = [&](const QString &message) { messages << message; };
    QuizWindow *quiz = enterEndless();
    ASSERT_NE(quiz, nullptr);
    QWidget *keys = quiz->findChild<QWidget *>("Picture1");
    // Every genre file loses the end of its last record.
    for (int g = 1; g <= 8; ++g)
        writeBytes(folder.path(state.GenreName[g] + ".qdt"), "\"q\",\"a\",\"b\"\r\n");
    QTest::keyClick(keys, Qt::Key(Qt::Key_0 + slotFor(quiz, true)), Qt::KeypadModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.isEmpty(); }, 4000));
    EXPECT_TRUE(messages[0].contains(".qdt」の1行目：")) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains("問題の途中でファイルが終わっています")) << messages[0].toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return game->quizWindow() == nullptr && game->titleWindow() != nullptr; }, 3000));

    // The guest's counters are emptied whenever the file is loaded (the title just did), so
    // read them straight from the file: lines 7 + 6 × genre + kind of slot 0.
    const QList<QByteArray> lines = readBytes(state.playerFilePath()).split('\n');
    int asked = 0, answered = 0;
    for (int g = 0; g < kGenres; ++g) {
        asked += lines[6 + 6 * g + QuestionsAsked].trimmed().toInt();
        answered += lines[6 + 6 * g + CorrectAnswers].trimmed().toInt() + lines[6 + 6 * g + WrongAnswers].trimmed().toInt();
    }
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(answered, 1) << "the answer judged before the fault is saved";
    const int totalPoints = lines[4].trimmed().toInt(); // all this guest ever scored: this game
    EXPECT_GT(totalPoints, 0);
    EXPECT_EQ(lines[2].trimmed().toInt(), totalPoints) << "the game cut short keeps its best score";
    EXPECT_EQ(lines[5].trimmed().toInt(), 500) << "and its best rate: 1 correct of 2 questions started";
}
