#include "ranking/rankingtable.h"
#include "shared/fileerror.h"

#include "../support/fakes.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

namespace {
const QByteArray shipped = readBytes(QStringLiteral(MIROVALK_TEST_DATA_DIR "/player.qdt"));
} // namespace

// Openings against the shipped table (10000 down to 1000, then 0 ""): the place the score takes,
// its sound, and what OK with the typed name leaves in the file (a refused name is then closed).
TEST(Ranking, TheScoreTakesThePlaceItBeatsAndANamedEntryIsSaved) {
    // The place caption after OK; the records expected on some lines, none when the file is kept.
    struct Case { std::int32_t score; bool offer; QString typed, caption; int entryRank; std::vector<std::pair<int, QString>> saved; };
    const Case cases[] = {
        {20000, true, "ABC", "第１位　入賞！", 0, {{1, "20000,\"ABC\""}, {2, "10000,\"クイズ王ミロ\""}, {11, "1000,\"はじめて君\""}}},
        {8000, true, "ＡＢＣ", "第４位　入賞！", 3, {{3, "8000,\"はやおし名人\""}, {4, "8000,\"ＡＢＣ\""}}},
        {1001, true, "x", "第１０位　入賞！", 9, {{10, "1001,\"x\""}, {11, "1000,\"はじめて君\""}}},
        {1000, true, "x", "順位", kNoEntry, {}},
        {20000, true, "", "第１位　入賞！", 0, {}},
        {20000, false, "x", "順位", kNoEntry, {}}, // opened again after this game's entry
        {20000, true, "ミロ😀", "「😀」は保存できない文字です", 0, {}},
    };
    DataFolder folder;
    SharedState state(folder.dir.path());
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed.toStdString() + " " + std::to_string(c.score));
        writeBytes(folder.path("player.qdt"), shipped);
        state.Score = c.score;
        RecordingBackend sound;
        RankingTable table(state, sound, c.offer);
        table.load();
        EXPECT_EQ(table.EntryRank, c.entryRank);
        EXPECT_EQ(sound.count("1:Play ranking.wav"), c.entryRank != kNoEntry ? 1 : 0);
        EXPECT_EQ(table.view.entryVisible, c.entryRank != kNoEntry);
        if (c.entryRank != kNoEntry) {
            EXPECT_EQ(table.view.point[c.entryRank] + table.view.name[c.entryRank], QString::number(c.score));
        }
        if (!table.confirm(c.typed))
            table.leave();
        EXPECT_EQ(table.view.placeCaption, c.caption);
        EXPECT_EQ(table.entrySaved(), !c.saved.empty());
        const QByteArray bytes = readBytes(folder.path("player.qdt"));
        const QStringList lines = QString(QStringDecoder("windows-31j")(bytes)).split("\r\n");
        ASSERT_EQ(lines.size(), kRankSlots + 1);
        for (const auto &[line, record] : c.saved)
            EXPECT_EQ(lines[line - 1], record);
        if (c.saved.empty()) {
            EXPECT_TRUE(bytes == shipped);
            EXPECT_EQ(table.RankName[0] + table.RankName[9], "クイズ王ミロはじめて君") << "the table is restored";
        }
    }
}

// Broken ranking files: each message names the line of the fault, and the file stays as it was.
TEST(Ranking, HostileFilesAreReportedExactlyAndChangeNothing) {
    auto withLine = [](int line, const QByteArray &record) {
        QList<QByteArray> lines = shipped.split('\n');
        lines[line - 1] = record + '\r';
        return lines.join('\n');
    };
    std::vector<std::pair<QByteArray, QString>> cases = {
        {withLine(3, "8000,\"open"), "3行目：名前の「\"」がこの行で開いたまま閉じられていません"},
        {withLine(2, "abc,\"A\""), "2行目：得点は整数でなければなりません（「abc」）"},
        {withLine(2, "4294967296,\"A\""), "2行目：得点は -2147483648 から 2147483647 までの整数でなければなりません（「4294967296」）"},
        {withLine(6, "6000\r\n\"A\""), "6行目：記録の形が違います。一行に「得点,\"名前\"」だけを、得点は空白や先頭の 0 や「+」を付けずに書きます（「6000」）"},
        {withLine(7, "4000,\"\x85\x40\""), "7行目：文字として読めないバイトがあります（Shift-JIS に割り当てのない文字コードか、制御文字）"},
        {shipped + "\x83", "12行目：ファイルが文字の途中（Shift-JIS の2バイト文字の1バイト目）で終わっています"},
        {shipped + "\r\n", "12行目：11 行の記録のあとに余計なデータがあります"},
        {shipped.chopped(2), "11行目：最後の行が CR LF で終わっていません"},
    };
    for (int n = 0, end = 0; n < kRankSlots; ++n, end = shipped.indexOf('\n', end) + 1)
        cases.push_back({shipped.left(end), QStringLiteral("%1行目：ランキングは 11 行の記録でできていますが、%2 行しかありません").arg(n + 1).arg(n)});
    DataFolder folder;
    SharedState state(folder.dir.path());
    SilentBackend audio;
    for (const auto &[bytes, fault] : cases) {
        writeBytes(folder.path("player.qdt"), bytes);
        try {
            RankingTable(state, audio).load();
            ADD_FAILURE() << fault.toStdString();
        } catch (const FileError &error) {
            EXPECT_EQ(error.message().section(u'\n', 0, 0), "「player.qdt」の" + fault + "。");
            EXPECT_FALSE(error.endsProgram()) << "the game goes on without the ranking";
        }
        EXPECT_TRUE(readBytes(folder.path("player.qdt")) == bytes);
    }
}
