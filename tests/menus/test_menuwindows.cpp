// The skill slot, genre select and story map windows under the offscreen platform, by mouse
// and keys.

#include "application.h"
#include "menus/genreselectwindow.h"
#include "menus/skillslotwindow.h"

#include "../support/fakes.h"
#include "../support/modal.h"

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {
struct MenuWindows : ::testing::Test {
    DataFolder folder;
    SharedState state{folder.dir.path()};
    SeededRandom random{11};
    SilentBackend audio;
    QStringList reports;

    MenuWindows() { state.InitNameTables(); }
    QLabel *label(QWidget *window, const char *name) { return window->findChild<QLabel *>(name); }
    void click(QWidget *window, QWidget *control) {
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, control->geometry().center());
    }
};
} // namespace

TEST_F(MenuWindows, TheSlotSpinsStopsAtAClickAndClosesAtTheKeyboard) {
    SkillSlotWindow slot(state, random, audio, [this](const QString &m) { reports << m; });
    slot.load();
    slot.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&slot));
    EXPECT_EQ(readBytes(folder.path("data.qdt")), "0\r\n");
    QLabel *name = label(&slot, "Label2");
    ASSERT_TRUE(QTest::qWaitFor([&] { return name->text() != "スキルの名前"; }, 2000)) << "the slot spins";

    auto *stop = slot.findChild<QPushButton *>("Command1");
    click(&slot, stop);
    const int won = slot.slot().SlotSkill;
    EXPECT_FALSE(slot.timer().isActive());
    EXPECT_FALSE(stop->isVisible());
    EXPECT_EQ(name->text(), SkillSlot::slotName(won));
    EXPECT_EQ(label(&slot, "Label3")->text(), SkillSlot::description(won));
    EXPECT_EQ(readBytes(folder.path("data.qdt")), QByteArray::number(won) + "\r\n");

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // OK has the focus
    EXPECT_EQ(slot.result(), QDialog::Accepted);
    EXPECT_TRUE(slot.handedOver());

    // A slot that cannot write its file says so and hands nothing over.
    QFile::remove(folder.path("data.qdt"));
    QDir(folder.dir.path()).mkdir("data.qdt");
    SkillSlotWindow broken(state, random, audio, [this](const QString &m) { reports << m; });
    broken.load();
    EXPECT_FALSE(broken.handedOver());
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains("今回のスキルは獲得できません")) << reports[0].toStdString();
}

// A click or key records the row and the next 20 ms tick hands its genre back; keys pressed
// within one tick, the last decides; keys other than the five do nothing.
TEST_F(MenuWindows, TheGenreIsChosenByAClickOrAKeyAndClosingChoosesNone) {
    const struct {
        const char *clicked; // a label clicked, or nothing
        std::vector<Qt::Key> keys;
        int row;             // the row whose genre comes back; 0: none
    } cases[] = {{"Label3", {}, 3}, {"a1", {}, 1}, {"a10", {}, 0}, {nullptr, {Qt::Key_H, Qt::Key_1, Qt::Key_L, Qt::Key_S}, 2},
                 {nullptr, {Qt::Key_A, Qt::Key_D}, 3}, {nullptr, {Qt::Key_G}, 0}, {nullptr, {}, 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.row);
        GenreSelectWindow window(state, random);
        window.load();
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        EXPECT_EQ(label(&window, "Label2")->text(), state.GenreName[window.select().GenreOffer[2]]);
        state.FormatValue = -1;
        if (c.clicked)
            click(&window, label(&window, c.clicked));
        for (Qt::Key key : c.keys)
            QTest::keyClick(window.findChild<QWidget *>("Picture1"), key);
        if (!c.clicked && c.keys.empty())
            window.close(); // from the title bar
        EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 1000));
        EXPECT_EQ(state.FormatValue, c.row ? window.select().GenreOffer[c.row] : 0);
    }
}

TEST_F(MenuWindows, StoryModeShowsTheMapOverWhichThePlayerIsChosenAndOkLeadsBackToTheTitle) {
    QImage picture(313, 209, QImage::Format_RGB888);
    picture.fill(Qt::gray);
    picture.save(folder.path("title.bmp"), "BMP");
    Application game(state, random, audio);
    game.showTitle();
    state.RepresentativeInfo[6] = {6, 1, 3, 8, 0, 0, 0, 2, 0, 21};
    state.AreaCleared[9] = 1;
    auto *story = game.titleWindow()->findChild<QPushButton *>("Command1");
    ASSERT_FALSE(story->isVisible()) << "the story button stays hidden";
    onNextModal([](QWidget *select) { QTest::mouseClick(select->findChild<QLabel *>("Label11"), Qt::LeftButton); },
                "playerselect"); // the guest plays
    story->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return game.mapWindow() && !game.titleWindow(); }, 5000));
    StoryMapWindow *map = game.mapWindow();
    auto *ok = map->findChild<QPushButton *>("Command1");
    click(map, label(map, "Label9"));
    EXPECT_FALSE(ok->isVisible()) << "a cleared area takes no click";
    click(map, label(map, "Label6"));
    EXPECT_EQ(state.SelectedArea, 6);
    EXPECT_TRUE(ok->isVisible());
    EXPECT_EQ(label(map, "Label15")->text(), "ランク") << "rank 6 names no rank";
    EXPECT_EQ(label(map, "Label16")->text(), "得意ジャンル ： ＴＶゲーム 歴史 スポーツ ");
    EXPECT_EQ(label(map, "Label17")->text(), "苦手ジャンル ： 漫画・アニメ   ") << "genre 0 and 21 name nothing";
    click(map, ok);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !game.mapWindow() && game.titleWindow(); }, 3000));
}
