// The players' windows, opened as the game opens them and driven as a player would.

#include "application.h"
#include "shared/textfile.h"

#include "../support/fakes.h"
#include "../support/modal.h"

#include <QInputMethodEvent>
#include <QLineEdit>
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

// The captions of labels, "-" for one not on screen.
QString captions(QWidget *window, std::initializer_list<const char *> names) {
    QStringList shown;
    for (const char *name : names) {
        auto *label = window->findChild<QLabel *>(QLatin1String(name));
        shown << (label && label->isVisible() ? label->text() : QStringLiteral("-"));
    }
    return shown.join(u' ');
}
// Clicks where a player's land: on the window, at the middle of each control.
void click(QWidget *window, std::initializer_list<const char *> names) {
    for (const char *name : names)
        if (auto *control = window->findChild<QWidget *>(QLatin1String(name)))
            QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, control->geometry().center());
}
QWidget *shownWindow(const char *name) {
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String(name) && window->isVisible())
            return window;
    return nullptr;
}
} // namespace

TEST_F(PlayersWindowTest, APlayerIsDeletedAnotherRegisteredUnderAJapaneseNameAndChosen) {
    onNextModal([&](QWidget *w) {
        click(w, {"Label13", "Label15", "Command1", "Command2", "Label17"}); // delete slot 1; slot 3
        auto *box = w->findChild<QLineEdit *>("Text1");
        ASSERT_TRUE(box && box->isVisible());
        QTest::mouseClick(box, Qt::LeftButton);
        QInputMethodEvent converted; // the input method commits what it converted
        converted.setCommitString(QStringLiteral("山田〜花子"));
        QApplication::sendEvent(box, &converted);
        QTest::keyClick(box, Qt::Key_Return); // neither key has a button
        QTest::keyClick(w, Qt::Key_Escape);
        EXPECT_EQ(state.PlayerName[3][0], "");
        click(w, {"Command1", "Label3"});
        EXPECT_EQ(captions(w, {"Label1", "Label3", "Label14"}), "- 山田～花子 このプレイヤーでよろしいですか？");
        click(w, {"Command1"});
    });
    game.selectPlayer();
    EXPECT_EQ(state.CurrentPlayer, 3);
    QByteArray line;
    ASSERT_TRUE(encodeCp932(QStringLiteral("\"山田～花子\"\r\n"), &line));
    EXPECT_TRUE(readBytes(state.playerFilePath()).contains(line));

    onNextModal([](QWidget *w) { // delete slot 3, then the close box: the guest plays, not the freed slot
        click(w, {"Label13", "Label17", "Command1"});
        w->close();
    });
    game.selectPlayer();
    EXPECT_EQ(state.CurrentPlayer, 0);
    EXPECT_EQ(state.PlayerName[3][0], "");
}

TEST_F(PlayersWindowTest, TheStatisticsWindowsLeadToEachOther) {
    state.CurrentPlayer = 1;
    state.PlayerRecord[1] = {12345, 10, 12349, 700};
    state.GenreStats[1][3] = {7, 5, 1, 1, 600, 30};
    onNextModal([&](QWidget *w) {
        EXPECT_EQ(captions(w, {"Label10", "Label12", "Label27"}), "山田 １２３４点 ７１.４％");
        click(w, {"Command2"}); // "ジャンル別データ"
    });
    game.showPlayerData();
    QWidget *genres = shownWindow("playerdatagenre");
    ASSERT_TRUE(genres && !genres->isModal() && !shownWindow("playerdata")) << "open without waiting, alone";
    EXPECT_EQ(captions(genres, {"Label29", "Label30", "Label3", "Label17"}), "スポーツ - - ");
    click(genres, {"Label24"}); // genre 3
    EXPECT_EQ(captions(genres, {"Label3", "Label17", "Label18"}), "歴史 ７１.４％ ４.５秒");

    click(genres, {"Command2"}); // "総合データ"
    EXPECT_TRUE(QTest::qWaitFor([] { return shownWindow("playerdatagenre") == nullptr; }, 1000));
    QWidget *overall = shownWindow("playerdata");
    ASSERT_NE(overall, nullptr);
    EXPECT_EQ(captions(overall, {"Label26"}), "７０.０％");
    click(overall, {"Command1"});
    EXPECT_EQ(shownWindow("playerdata"), nullptr);
}

// The window closes at once and its caller gets the fault, which ends the program.
TEST_F(PlayersWindowTest, ARosterTheDiskCannotTakeIsHandedOnAndTheOldFileKept) {
    const QByteArray before = readBytes(state.playerFilePath());
    onNextModal([&](QWidget *w) {
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit full{1000, saved.rlim_max}; // a file size limit stands for a full disk
        std::signal(SIGXFSZ, SIG_IGN);
        click(w, {"Label1"});
        setrlimit(RLIMIT_FSIZE, &full);
        click(w, {"Command1"});
        setrlimit(RLIMIT_FSIZE, &saved);
    });
    QString fault;
    try {
        game.selectPlayer();
    } catch (const FileError &error) {
        fault = error.endsProgram() ? error.fileName() : "";
    }
    EXPECT_EQ(fault, "playerdata.qdt");
    EXPECT_TRUE(readBytes(state.playerFilePath()) == before);
}
