// The ranking window under the offscreen platform, driven as a player would: a name typed through
// an input method, OK clicked; and the table viewed and closed from the title bar.

#include "ranking/rankingwindow.h"

#include "../support/fakes.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {
struct RankingWindowTest : ::testing::Test {
    DataFolder folder;
    SharedState state{folder.dir.path()};
    SilentBackend audio;
    QStringList errors;
    const QByteArray shipped = readBytes(QStringLiteral(MIROVALK_TEST_DATA_DIR "/player.qdt"));
    RankingWindowTest() { writeBytes(folder.path("player.qdt"), shipped); }

    std::unique_ptr<Ranking> open(std::int32_t score) {
        state.Score = score;
        auto window = std::make_unique<Ranking>(state, audio, true,
                                                [this](const QString &message, bool) { errors << message; });
        EXPECT_TRUE(window->load());
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return window;
    }
    template <typename T> static T *child(QWidget *window, const char *name) {
        T *widget = window->findChild<T *>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
};

void typeWithInputMethod(QWidget *box, const QString &reading, const QString &committed) {
    QInputMethodEvent composing(reading, {});
    QApplication::sendEvent(box, &composing);
    QInputMethodEvent commit;
    commit.setCommitString(committed);
    QApplication::sendEvent(box, &commit);
}
} // namespace

TEST_F(RankingWindowTest, ANameTypedWithAnInputMethodEntersTheTable) {
    auto window = open(12345);
    EXPECT_EQ(window->windowTitle(), "ランキング");
    EXPECT_EQ(window->size(), QSize(295, 356));
    auto *place = child<QLabel>(window.get(), "playerranklabel");
    auto *box = child<QLineEdit>(window.get(), "PlayerNameText");
    auto *ok = child<QPushButton>(window.get(), "Command1");
    EXPECT_EQ(child<QLabel>(window.get(), "rankingpoint1")->text(), "12345");
    EXPECT_EQ(child<QLabel>(window.get(), "rankingname1")->text(), "");
    EXPECT_EQ(child<QLabel>(window.get(), "rankingname10")->geometry(), QRect(88, 224, 177, 17));
    EXPECT_EQ(place->text(), "第１位　入賞！");
    EXPECT_EQ(box->geometry(), QRect(32, 280, 177, 27));
    EXPECT_EQ(ok->geometry(), QRect(112, 320, 41, 25));
    EXPECT_TRUE(box->hasFocus());

    QTest::keyClicks(box, "\"");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_TRUE(window->isVisible()) << "a name with a quote is refused";
    EXPECT_EQ(place->text(), "「\"」は使えません");
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(place->text(), "第１位　入賞！");

    typeWithInputMethod(box, "やまだ〜", "山田〜");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_TRUE(window->entrySaved());
    EXPECT_TRUE(readBytes(folder.path("player.qdt")).startsWith("12345,\"\x8E\x52\x93\x63\x81\x60\"\r\n10000,"));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(RankingWindowTest, ClosingFromTheTitleBarLeavesWithoutAnEntry) {
    for (std::int32_t score : {12345, 1000}) {
        auto window = open(score);
        EXPECT_EQ(child<QLineEdit>(window.get(), "PlayerNameText")->isVisible(), score == 12345);
        EXPECT_EQ(child<QLabel>(window.get(), "playerranklabel")->isVisible(), score == 12345);
        child<QLineEdit>(window.get(), "PlayerNameText")->setText("山田");
        window->close();
        EXPECT_EQ(window->result(), QDialog::Rejected);
        EXPECT_FALSE(window->entrySaved());
        EXPECT_EQ(window->table().RankScore[0], 10000) << "the table is restored";
        EXPECT_TRUE(readBytes(folder.path("player.qdt")) == shipped);
    }
}

TEST_F(RankingWindowTest, AnUnreadableRankingIsReportedAndTheWindowDoesNotOpen) {
    QFile::remove(folder.path("player.qdt"));
    Ranking window(state, audio, true, [this](const QString &message, bool fatal) {
        errors << message;
        EXPECT_FALSE(fatal);
    });
    EXPECT_FALSE(window.load());
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith("「player.qdt」：ファイルがありません。")) << errors[0].toStdString();
}
