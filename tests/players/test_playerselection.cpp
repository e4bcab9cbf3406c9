// The player select rules, and the names the roster file can keep.

#include "players/playerselection.h"
#include "shared/nameentry.h"
#include "shared/textfile.h"

#include "../support/fakes.h"

#include <gtest/gtest.h>

#include <optional>

namespace {
struct PlayerSelectionTest : ::testing::Test {
    DataFolder folder{1};
    SharedState state{folder.dir.path()};
    std::optional<PlayerSelection> window;

    // The window opens afresh on a roster where only slot 1 holds a player.
    PlayerSelection &open() {
        state.PlayerName = {};
        state.PlayerName[1][0] = QStringLiteral("山田");
        state.SavePlayerData();
        window.emplace(state);
        window->load();
        return *window;
    }

    // Steps separated by spaces: "s<k>" clicks slot k, "=<text>" types into the box.
    void play(const QString &steps) {
        const QHash<QString, void (PlayerSelection::*)()> intents = {
            {"ok", &PlayerSelection::ok}, {"cancel", &PlayerSelection::cancel},
            {"del", &PlayerSelection::startDeleting}, {"leave", &PlayerSelection::leave}};
        for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
            if (step[0] == u's')
                window->chooseSlot(step.mid(1).toInt());
            else if (step[0] == u'=')
                window->typeName(step.mid(1));
            else
                (*window.*intents.value(step))();
        }
    }

    // The mode, the rows shown (#), each other control shown with its caption, the title and the
    // instruction line, and for whom the window closed.
    QString screen() const {
        const PlayerSelectView &v = window->view;
        QString s = QString::number(window->SelectMode) + u' ';
        for (int k = 1; k <= 10; ++k)
            s += v.rowVisible[k] ? u'#' : u'.';
        const std::pair<bool, QString> shown[] = {
            {v.skipVisible, "11"}, {v.chosenVisible, "13:" + v.chosen}, {v.promptVisible, "14:" + v.prompt},
            {v.entryVisible, "text:" + v.entry}, {v.okVisible, "ok"}, {v.cancelVisible, "cancel"},
            {true, v.title + '/' + v.instruction}, {v.closed, QStringLiteral("closed:%1").arg(state.CurrentPlayer)}};
        for (const auto &[on, what] : shown)
            if (on)
                s += u' ' + what;
        return s;
    }
};

const QString kChoose = "0 ########## 11 13:プレイヤー削除 プレイヤーセレクト/空欄をクリックすると新規登録できます";
const QString kNewName = "0 .#........ 14:新規プレイヤー名 text: ok cancel プレイヤーセレクト/空欄をクリックすると新規登録できます";
const QString kConfirm = "2 #......... 13:山田 14:このプレイヤーでよろしいですか？ ok cancel プレイヤーセレクト/空欄をクリックすると新規登録できます";
const QString kDelete = "1 ########## cancel プレイヤーの削除/プレイヤー名をクリックしてください";
const QString kDeleteConfirm = "1 #......... 13:山田 14:削除プレイヤー名 ok cancel プレイヤーの削除/プレイヤー名をクリックしてください";
} // namespace

TEST_F(PlayerSelectionTest, EveryTransitionOfTheScreens) {
    const std::pair<const char *, QString> cases[] = {
        {"", kChoose},
        {"s2", kNewName}, {"s1", kConfirm}, {"del", kDelete}, {"leave", kChoose + " closed:0"},
        {"s2 =花子 ok", kChoose}, {"s2 cancel", kChoose},
        {"s1 ok", kConfirm + " closed:1"}, {"s1 cancel", kChoose},
        {"del s1", kDeleteConfirm}, {"del s2", kDelete}, {"del cancel", kChoose},
        {"del s1 ok", kDelete}, {"del s1 cancel", kChoose},
        // Clicks that change nothing: the name box on a confirmation, the shown row again, a hidden row.
        {"s1 del", kConfirm}, {"del s1 del", kDeleteConfirm}, {"s1 s1", kConfirm}, {"s1 s3", kConfirm},
        {"s2 =花子 s2", kNewName}, // the box is emptied again
        // After a deletion, leaving plays as the guest, not as the freed slot.
        {"del s1 ok cancel leave", kChoose + " closed:0"},
        {"s2 =a\"b ok", "0 .#........ 14:新規プレイヤー名 text:a\"b ok cancel プレイヤーセレクト/名前に「\"」は使えません"},
    };
    for (const auto &[steps, expected] : cases) {
        open();
        play(QString::fromUtf8(steps));
        EXPECT_EQ(screen(), expected) << "after: " << steps;
    }
}

// The guest slot is emptied at every opening; registering keeps the slot's figures; deleting
// zeroes that slot and no other. In memory and in the file.
TEST_F(PlayerSelectionTest, RegistrationDeletionAndOpeningTouchOnlyWhatTheyShould) {
    open();
    for (int s : {0, 1, 2, 3}) {
        state.PlayerRecord[s] = {float(100 * s + 1), 2, 300, 400};
        state.GenreStats[s][3] = {5, 4, 1, 0, 480, 90};
    }
    state.PlayerName[0][0] = QStringLiteral("前のゲスト");
    state.PlayerName[3][0] = QStringLiteral("佐藤");
    state.SavePlayerData();
    const SharedState before = state, empty(QString{});
    window->load();
    play("s2 =花子 ok del s3 ok");
    SharedState saved(folder.dir.path());
    saved.LoadPlayerData();
    for (const SharedState *s : {&state, &saved})
        for (int slot : {0, 1, 2, 3}) {
            const SharedState &expected = slot == 0 || slot == 3 ? empty : before;
            EXPECT_TRUE(s->PlayerRecord[slot] == expected.PlayerRecord[slot] &&
                        s->GenreStats[slot] == expected.GenreStats[slot]) << slot;
            EXPECT_EQ(s->PlayerName[slot][0], QStringList({"", "山田", "花子", ""})[slot]);
        }
}

// Marks typed under a code point the file cannot hold become the character it holds for them; a
// name the file still cannot hold is refused with the reason.
TEST(NameEntry, TypedNamesAreMadeStorableOrRefusedWithTheReason) {
    const std::pair<QString, QString> cases[] = { // typed -> stored, or why it is refused
        {"山田〜花子", "山田～花子"}, {"−‖¢£¬—¥¦‾¯", "－∥￠￡￢―￥￤￣￣"}, {"ｶﾀｶﾅ ①Ⅹ", "ｶﾀｶﾅ ①Ⅹ"},
        {"a\"b", "名前に「\"」は使えません"}, {"a\nb", "名前に改行や制御文字は使えません"},
        {"a\tb", "名前に改行や制御文字は使えません"}, {"한국", "「한」は保存できない文字です"},
        {"山😀", "「😀」は保存できない文字です"},
        {"a\u200Bb", "名前に保存できない文字があります"}, // a zero-width space
    };
    for (const auto &[typed, expected] : cases) {
        const QString name = withShiftJisLookAlikes(typed);
        const QString fault = nameFault(name);
        EXPECT_EQ(fault.isEmpty() ? name : fault, expected);
        EXPECT_EQ(fault.isEmpty(), isStorableText(name)) << typed.toStdString();
    }
}
