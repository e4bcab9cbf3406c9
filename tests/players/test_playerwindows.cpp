// The players' windows under the offscreen platform, opened as the game opens them and driven by
// clicks, keys and an input method as a player would.

#include "application.h"
#include "shared/textfile.h"

#include "../support/fakes.h"
#include "../support/modal.h"

#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>

namespace {
struct PlayersWindowTest : ::testing::Test {
    DataFolder folder{5};
    SharedState state{folder.dir.path()};
    SeededRandom random{7};
    SilentBackend audio;
    Application game{state, random, audio};

    PlayersWindowTest() {
        state.InitNameTables();
        state.PlayerName[1][0] = QStringLiteral("山田");
        state.SavePlayerData();
    }
};

QWidget *control(QWidget *window, const char *name) {
    QWidget *found = window->findChild<QWidget *>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}
QString caption(QWidget *window, const char *name) {
    auto *label = qobject_cast<QLabel *>(control(window, name));
    return label && label->isVisible() ? label->text() : QStringLiteral("(hidden)");
}
// A click where a player's lands: on the window, at the middle of the control.
void click(QWidget *window, const char *name) {
    if (QWidget *target = control(window, name))
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, target->geometry().center());
}
QWidget *shownWindow(const char *name) {
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String(name) && window->isVisible())
            return window;
    return nullptr;
}
} // namespace

TEST_F(PlayersWindowTest, ANewPlayerTypesAJapaneseNameAndPlaysUnderIt) {
    bool played = false;
    onNextModal([&](QWidget *w) {
        EXPECT_EQ(w->objectName(), "playerselect");
        EXPECT_EQ(w->size(), QSize(368, 335));
        EXPECT_EQ(caption(w, "Label1"), "山田");
        click(w, "Label17"); // the number of free slot 3
        auto *box = qobject_cast<QLineEdit *>(control(w, "Text1"));
        ASSERT_TRUE(box && box->isVisible());
        EXPECT_EQ(caption(w, "Label13"), "(hidden)");
        QTest::mouseClick(box, Qt::LeftButton);
        // The input method shows its reading, then commits the converted text.
        QInputMethodEvent reading(QStringLiteral("やまだ〜はなこ"), {});
        QApplication::sendEvent(box, &reading);
        QInputMethodEvent converted;
        converted.setCommitString(QStringLiteral("山田〜花子"));
        QApplication::sendEvent(box, &converted);
        QTest::keyClick(box, Qt::Key_Return); // neither button is the default
        QTest::keyClick(w, Qt::Key_Escape);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(state.PlayerName[3][0], "");
        click(w, "Command1");
        EXPECT_EQ(caption(w, "Label3"), "山田～花子");
        EXPECT_EQ(caption(w, "Label14"), "(hidden)");
        click(w, "Label3");
        EXPECT_EQ(caption(w, "Label14"), "このプレイヤーでよろしいですか？");
        click(w, "Command1");
        played = true;
    });
    game.selectPlayer();
    EXPECT_TRUE(played);
    EXPECT_EQ(state.CurrentPlayer, 3);
    QByteArray line;
    ASSERT_TRUE(encodeCp932(QStringLiteral("\"山田～花子\"\r\n"), &line));
    EXPECT_TRUE(readBytes(state.playerFilePath()).contains(line));
}

TEST_F(PlayersWindowTest, TheCloseBoxAfterADeletionPlaysAsTheGuest) {
    onNextModal([&](QWidget *w) {
        click(w, "Label13"); // "プレイヤー削除"
        click(w, "Label15"); // the number of slot 1
        EXPECT_EQ(caption(w, "Label13"), "山田");
        click(w, "Command1");
        EXPECT_EQ(caption(w, "Label1"), "");
        w->close();
    });
    game.selectPlayer();
    EXPECT_EQ(state.CurrentPlayer, 0);
    EXPECT_EQ(state.PlayerName[1][0], "");
}

TEST_F(PlayersWindowTest, TheStatisticsWindowsLeadToEachOther) {
    state.CurrentPlayer = 1;
    state.PlayerRecord[1] = {12345, 10, 12349, 700};
    state.GenreStats[1][3] = {7, 5, 1, 1, 600, 30};
    onNextModal([&](QWidget *w) {
        EXPECT_EQ(w->objectName(), "playerdata");
        EXPECT_EQ(w->size(), QSize(494, 264));
        EXPECT_EQ(caption(w, "Label10"), "山田");
        EXPECT_EQ(caption(w, "Label12"), "１２３４点");
        EXPECT_EQ(caption(w, "Label27"), "７１.４％");
        click(w, "Command2"); // "ジャンル別データ"
    });
    game.showPlayerData();
    QWidget *genres = shownWindow("playerdatagenre");
    ASSERT_NE(genres, nullptr) << "open without waiting after the modal one closed";
    EXPECT_FALSE(genres->isModal());
    EXPECT_EQ(shownWindow("playerdata"), nullptr);
    EXPECT_EQ(caption(genres, "Label29"), "スポーツ");
    EXPECT_EQ(caption(genres, "Label30"), "(hidden)");
    EXPECT_EQ(caption(genres, "Label3"), "(hidden)");
    EXPECT_EQ(caption(genres, "Label17"), "");
    click(genres, "Label24"); // genre 3
    EXPECT_EQ(caption(genres, "Label3"), "歴史");
    EXPECT_EQ(caption(genres, "Label17"), "７１.４％");
    EXPECT_EQ(caption(genres, "Label18"), "４.５秒");

    click(genres, "Command2"); // "総合データ"
    EXPECT_TRUE(QTest::qWaitFor([] { return shownWindow("playerdatagenre") == nullptr; }, 1000));
    QWidget *overall = shownWindow("playerdata");
    ASSERT_NE(overall, nullptr);
    EXPECT_EQ(caption(overall, "Label26"), "７０.０％");
    click(overall, "Command1");
    EXPECT_EQ(shownWindow("playerdata"), nullptr);
}

// Last in this file: the report ends the program, and no event loop runs after it.
TEST_F(PlayersWindowTest, ARosterTheDiskCannotTakeIsReportedAndTheOldFileKept) {
    QStringList messages;
    game.showMessage = [&](const QString &message) { messages << message; };
    const QByteArray before = readBytes(state.playerFilePath());
    onNextModal([&](QWidget *w) {
        click(w, "Label1");
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 1000;
        setrlimit(RLIMIT_FSIZE, &small);
        click(w, "Command1");
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
    });
    game.openEndless();
    EXPECT_EQ(game.quizWindow(), nullptr);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("「playerdata.qdt」")) << messages[0].toStdString();
    EXPECT_TRUE(readBytes(state.playerFilePath()) == before);
}
