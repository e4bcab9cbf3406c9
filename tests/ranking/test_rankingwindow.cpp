// The ranking window under the offscreen platform, driven as a player would.

#include "ranking/rankingwindow.h"

#include "../support/fakes.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

TEST(RankingWindow, ANameTypedWithAnInputMethodEntersTheTableAndClosingLeavesItAsItWas) {
    DataFolder folder;
    const QString file = folder.path("player.qdt");
    writeBytes(file, readBytes(QStringLiteral(MIROVALK_TEST_DATA_DIR "/player.qdt")));
    SharedState state(folder.dir.path());
    SilentBackend audio;
    QStringList errors;
    std::unique_ptr<Ranking> window;
    auto open = [&](std::int32_t score) {
        state.Score = score;
        window = std::make_unique<Ranking>(state, audio, true, [&](const QString &message, bool) { errors << message; });
        return window->load() && (window->show(), QTest::qWaitForWindowExposed(window.get()));
    };
    ASSERT_TRUE(open(12345));
    auto *place = window->findChild<QLabel *>("playerranklabel");
    auto *box = window->findChild<QLineEdit *>("PlayerNameText");
    auto *ok = window->findChild<QPushButton *>("Command1");
    EXPECT_EQ(window->windowTitle() + place->text() + window->findChild<QLabel *>("rankingpoint1")->text(),
              "ランキング第１位　入賞！12345");
    EXPECT_EQ(QList<QRect>({window->rect(), window->findChild<QLabel *>("rankingname10")->geometry(), box->geometry(), ok->geometry()}),
              QList<QRect>({{0, 0, 295, 356}, {88, 224, 177, 17}, {32, 280, 177, 27}, {112, 320, 41, 25}}));
    EXPECT_TRUE(box->hasFocus());
    QTest::keyClicks(box, "\"");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_TRUE(window->isVisible() && place->text() == "名前に「\"」は使えません") << "a quote is refused";
    EXPECT_EQ(place->geometry(), QRect(16, 256, 271, 17)) << "the reason runs on to the right";
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(place->text(), "第１位　入賞！");
    QInputMethodEvent composing("やまだ〜", {}), commit;
    commit.setCommitString("山田〜");
    QApplication::sendEvent(box, &composing);
    QApplication::sendEvent(box, &commit);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    const QByteArray saved = readBytes(file);
    EXPECT_TRUE(saved.startsWith("12345,\"\x8E\x52\x93\x63\x81\x60\"\r\n10000,")) << "〜 is kept as ～";

    // A better score closed from the title bar: as OK without a name.
    ASSERT_TRUE(open(20000));
    window->findChild<QLineEdit *>("PlayerNameText")->setText("山田");
    window->close();
    EXPECT_EQ(window->table().RankScore[0], 12345) << "the table is restored";
    EXPECT_TRUE(readBytes(file) == saved && errors.isEmpty());
    ASSERT_TRUE(open(1)); // view only
    EXPECT_FALSE(window->findChild<QLineEdit *>("PlayerNameText")->isVisible() ||
                 window->findChild<QLabel *>("playerranklabel")->isVisible());
    QFile::remove(file);
    EXPECT_FALSE(open(20000));
    EXPECT_TRUE(errors.size() == 1 && errors[0].startsWith("「player.qdt」：ファイルがありません。\n"));
}
