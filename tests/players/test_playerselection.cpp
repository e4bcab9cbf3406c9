// The player select rules: every way through its screens, what registration and deletion do to
// the roster, and which typed names the roster file can keep.

#include "players/playerselection.h"
#include "shared/textfile.h"

#include "../support/fakes.h"

#include <gtest/gtest.h>

#include <optional>

namespace {
struct PlayerSelectionTest : ::testing::Test {
    DataFolder folder{1};
    SharedState state{folder.dir.path()};
    std::optional<PlayerSelection> window;

    PlayerSelectionTest() { open(); }

    // The window opens afresh on a roster where slot 1 holds a player and the others are free.
    PlayerSelection &open() {
        state.PlayerName = {};
        state.PlayerName[1][0] = QStringLiteral("山田");
        state.SavePlayerData();
        window.emplace(state);
        window->Form_Load();
        return *window;
    }

    // Steps separated by spaces: "s<k>" clicks slot k, "type:<text>" types into the box.
    void play(const QString &steps) {
        PlayerSelection &select = *window;
        for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
            if (step.startsWith(u's'))
                select.chooseSlot(step.mid(1).toInt());
            else if (step.startsWith(QLatin1String("type:")))
                select.typeName(step.mid(5));
            else if (step == QLatin1String("ok"))
                select.ok();
            else if (step == QLatin1String("cancel"))
                select.cancel();
            else if (step == QLatin1String("del"))
                select.startDeleting();
            else if (step == QLatin1String("leave"))
                select.leave();
            else
                ADD_FAILURE() << "unknown step " << step.toStdString();
        }
    }

    // The screen as the state table describes it: the mode, the rows shown, each control on
    // screen with its caption, the title and the instruction line; and whether it closed for whom.
    QString screen() const {
        const PlayerSelection &select = *window;
        const PlayerSelectView &v = select.view;
        QStringList rows;
        for (int k = 1; k <= 10; ++k)
            if (v.rowVisible[k])
                rows << QString::number(k);
        QString s = QStringLiteral("%1 rows=%2").arg(select.SelectMode).arg(rows.size() == 10 ? "all" : rows.join(','));
        if (v.skipVisible)
            s += " 11";
        if (v.chosenVisible)
            s += " 13:" + v.chosen;
        if (v.promptVisible)
            s += " 14:" + v.prompt;
        if (v.entryVisible)
            s += " text:" + v.entry;
        if (v.okVisible)
            s += " ok";
        if (v.cancelVisible)
            s += " cancel";
        s += " ; " + v.title + " ; " + v.instruction;
        if (v.closed)
            s += QStringLiteral(" ; closed for %1").arg(state.CurrentPlayer);
        return s;
    }
};

const QString kChoose = "0 rows=all 11 13:プレイヤー削除 ; プレイヤーセレクト ; 空欄をクリックすると新規登録できます";
const QString kNewName2 = "0 rows=2 14:新規プレイヤー名 text: ok cancel ; プレイヤーセレクト ; 空欄をクリックすると新規登録できます";
const QString kConfirm1 = "2 rows=1 13:山田 14:このプレイヤーでよろしいですか？ ok cancel ; プレイヤーセレクト ; 空欄をクリックすると新規登録できます";
const QString kDelete = "1 rows=all cancel ; プレイヤーの削除 ; プレイヤー名をクリックしてください";
const QString kDeleteConfirm1 = "1 rows=1 13:山田 14:削除プレイヤー名 ok cancel ; プレイヤーの削除 ; プレイヤー名をクリックしてください";
} // namespace

TEST_F(PlayerSelectionTest, EveryTransitionOfTheScreens) {
    const struct {
        const char *steps;
        QString screen;
    } cases[] = {
        {"", kChoose},
        {"s2", kNewName2},                                   // a free slot
        {"s1", kConfirm1},                                   // a named slot
        {"del", kDelete},
        {"leave", kChoose + " ; closed for 0"},
        {"s2 type:花子 ok", kChoose},
        {"s2 cancel", kChoose},
        {"s1 ok", kConfirm1 + " ; closed for 1"},
        {"s1 cancel", kChoose},
        {"del s1", kDeleteConfirm1},
        {"del s2", kDelete},                                 // a free slot changes nothing
        {"del cancel", kChoose},
        {"del s1 ok", kDelete},                              // ready for another deletion
        {"del s1 cancel", kChoose},
        // Clicks that change nothing: the name box on a confirmation, the shown row again.
        {"s1 del", kConfirm1},
        {"del s1 del", kDeleteConfirm1},
        {"s1 s1", kConfirm1},
        {"s1 s3", kConfirm1},                                // a hidden row cannot be clicked
        {"s2 type:花子 s2", kNewName2},                      // the box is emptied again
        // After a deletion, leaving plays as the guest, not as the freed slot.
        {"del s1 ok cancel leave", kChoose + " ; closed for 0"},
        {"s2 type:a\"b ok",
         "0 rows=2 14:新規プレイヤー名 text:a\"b ok cancel ; プレイヤーセレクト ; 名前に「\"」は使えません"},
    };
    for (const auto &c : cases) {
        open();
        play(QString::fromUtf8(c.steps));
        EXPECT_EQ(screen(), c.screen) << "after: " << c.steps;
    }
}

// The guest slot is emptied at every opening; registering keeps the slot's figures; deleting
// zeroes that slot and no other. In memory and in the file.
TEST_F(PlayerSelectionTest, RegistrationDeletionAndOpeningTouchOnlyWhatTheyShould) {
    for (int s : {0, 1, 2, 3}) {
        state.PlayerRecord[s] = {float(100 * s + 1), 2, 300, 400};
        state.GenreStats[s][3] = {5, 4, 1, 0, 480, 90};
    }
    state.PlayerName[0][0] = QStringLiteral("前のゲスト");
    state.PlayerName[3][0] = QStringLiteral("佐藤");
    state.SavePlayerData();
    const auto before = state.GenreStats;
    const auto records = state.PlayerRecord;

    window->Form_Load();
    play("s2 type:花子 ok del s3 ok");

    SharedState saved(folder.dir.path());
    saved.LoadPlayerData();
    for (SharedState *s : {&state, &saved}) {
        EXPECT_EQ(s->PlayerName[0][0], "");
        EXPECT_EQ(s->PlayerRecord[0], (std::array<float, 4>{}));
        EXPECT_EQ(s->PlayerName[1][0], "山田");
        EXPECT_EQ(s->PlayerName[2][0], "花子");
        EXPECT_EQ(s->PlayerName[3][0], "");
        for (int slot : {1, 2}) {
            EXPECT_EQ(s->PlayerRecord[slot], records[slot]) << slot;
            EXPECT_EQ(s->GenreStats[slot], before[slot]) << slot;
        }
        EXPECT_EQ(s->PlayerRecord[3], (std::array<float, 4>{}));
        EXPECT_EQ(s->GenreStats[3], decltype(before)::value_type{});
    }
    // The file itself, not only its reader, holds an empty guest.
    EXPECT_TRUE(readBytes(state.playerFilePath()).startsWith("\"\"\r\n\"\"\r\n0\r\n0\r\n0\r\n0\r\n"));
}

// Marks typed with a code point the file cannot hold are stored as the character it holds for
// them; a name the file still cannot hold is refused with the reason and nothing is written.
TEST_F(PlayerSelectionTest, TypedNamesAreStoredAsTheFileCanHoldThemOrRefused) {
    const struct {
        QString typed;
        QString stored;    // empty: refused, or an empty name that leaves the slot free
        QString reason;    // the instruction line afterwards
    } cases[] = {
        {"山田〜花子", "山田～花子", "空欄をクリックすると新規登録できます"},
        {"−‖¢£¬—¥¦‾¯", "－∥￠￡￢―￥￤￣￣", "空欄をクリックすると新規登録できます"},
        {"ｶﾀｶﾅ ①Ⅹ", "ｶﾀｶﾅ ①Ⅹ", "空欄をクリックすると新規登録できます"},
        {"", "", "空欄をクリックすると新規登録できます"},
        {"a\"b", "", "名前に「\"」は使えません"},
        {"a\nb", "", "名前に改行や制御文字は使えません"},
        {"a\tb", "", "名前に改行や制御文字は使えません"},
        {"한국", "", "「한」は保存できない文字です"},
        {"山😀", "", "「😀」は保存できない文字です"},
        {"a\u200Bb", "", "名前に保存できない文字があります"}, // a zero-width space
    };
    for (const auto &c : cases) {
        PlayerSelection &select = open();
        const QByteArray file = readBytes(state.playerFilePath());
        select.chooseSlot(2);
        select.typeName(c.typed);
        select.ok();
        EXPECT_EQ(state.PlayerName[2][0], c.stored) << c.typed.toStdString();
        EXPECT_EQ(select.view.instruction, c.reason) << c.typed.toStdString();
        if (c.reason != "空欄をクリックすると新規登録できます") {
            EXPECT_EQ(select.SelectMode, PlayerSelection::Choose);
            EXPECT_TRUE(select.view.entryVisible) << "the name stays in its box to be mended";
            EXPECT_TRUE(readBytes(state.playerFilePath()) == file) << c.typed.toStdString();
        } else {
            EXPECT_TRUE(isStorableText(c.stored));
        }
    }
}
