#include "ranking/rankingtable.h"
#include "shared/fileerror.h"

#include "../quiz/quiztest.h"

#include <QStringDecoder>

#include <map>

namespace {
struct RankingTest : ::testing::Test {
    DataFolder folder;
    SharedState state{folder.dir.path()};
    RecordingBackend audio;
    const QByteArray shipped = readBytes(QStringLiteral(MIROVALK_TEST_DATA_DIR "/player.qdt"));
    QString path() const { return folder.path("player.qdt"); }
    RankingTest() { writeBytes(path(), shipped); }

    QStringList savedLines() const {
        QString text = QStringDecoder("windows-31j")(readBytes(path()));
        QStringList lines = text.split(QStringLiteral("\r\n"));
        EXPECT_EQ(lines.takeLast(), "") << "the last record ends with CR LF";
        return lines;
    }
};
} // namespace

// Each opening against the shipped table (10000 down to 1000 in steps of 1000, then 0 ""): where
// the score goes, what the window announces, and what OK leaves in the file.
TEST_F(RankingTest, TheScoreTakesThePlaceItBeatsAndANamedEntryIsSaved) {
    struct Case {
        const char *what;
        std::int32_t score;
        bool offer;
        QString typed;
        int entryRank;
        QString caption;
        std::map<int, QString> saved; // line -> record; none: the file is left as it was
    };
    const Case cases[] = {
        {"first place", 20000, true, "山田", 0, "第１位　入賞！",
         {{1, "20000,\"山田\""}, {2, "10000,\"クイズ王ミロ\""}, {11, "1000,\"はじめて君\""}}},
        {"an equal score goes below", 8000, true, "ＡＢＣ", 3, "第４位　入賞！",
         {{3, "8000,\"はやおし名人\""}, {4, "8000,\"ＡＢＣ\""}, {5, "7000,\"ひらめきさん\""}, {11, "1000,\"はじめて君\""}}},
        {"place 10", 1001, true, "x", 9, "第１０位　入賞！", {{9, "2000,\"のんびり屋\""}, {10, "1001,\"x\""}, {11, "1000,\"はじめて君\""}}},
        {"place 10 not beaten", 1000, true, "x", kNoEntry, "順位", {}},
        {"an empty name drops the entry", 20000, true, "", 0, "第１位　入賞！", {}},
        {"opened again after this game's entry", 20000, false, "山田", kNoEntry, "順位", {}},
        {"input-method look-alikes", 20000, true, "〜−‖—¢", 0, "第１位　入賞！", {{1, "20000,\"～－∥―￠\""}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes(path(), shipped);
        state.Score = c.score;
        RecordingBackend sound;
        RankingTable table(state, sound, c.offer);
        table.Form_Load();
        EXPECT_EQ(table.EntryRank, c.entryRank);
        EXPECT_EQ(table.view.placeCaption, c.caption);
        EXPECT_EQ(table.view.entryVisible, c.entryRank != kNoEntry);
        EXPECT_EQ(sound.count("1:Play ranking.wav"), int(c.entryRank != kNoEntry));
        if (c.entryRank != kNoEntry) {
            EXPECT_EQ(table.view.point[c.entryRank], QString::number(c.score)) << "the pending row: score, no name";
            EXPECT_EQ(table.view.name[c.entryRank], "");
        }
        EXPECT_TRUE(table.Command1_Click(c.typed));
        EXPECT_EQ(table.entrySaved(), !c.saved.empty());
        if (c.saved.empty()) {
            EXPECT_TRUE(readBytes(path()) == shipped);
            EXPECT_EQ(table.RankName[0], "クイズ王ミロ") << "the table is restored";
            EXPECT_EQ(table.RankScore[9], 1000);
            continue;
        }
        const QStringList lines = savedLines();
        ASSERT_EQ(lines.size(), kRankSlots);
        for (const auto &[line, record] : c.saved)
            EXPECT_EQ(lines[line - 1], record) << "line " << line;
    }
}

// A name the file could not give back as typed is refused at OK with the reason in the place
// caption, and nothing is written; closing the window instead leaves the table as it was.
TEST_F(RankingTest, NamesTheFileCannotHoldAreRefusedWhereTheyAreTyped) {
    const std::pair<QString, QString> cases[] = {
        {"A\"B", "「\"」は使えません"},
        {"山田\t", "改行やタブは使えません"},
        {"ミロ😀", "「😀」は記録できません"},
        {"ミロ·", "「·」は記録できません"},
    };
    state.Score = 20000;
    RankingTable table(state, audio);
    table.Form_Load();
    for (const auto &[typed, reason] : cases) {
        EXPECT_FALSE(table.Command1_Click(typed)) << typed.toStdString();
        EXPECT_EQ(table.view.placeCaption, reason);
        EXPECT_TRUE(table.view.placeIsRefusal);
        table.PlayerNameText_Change();
        EXPECT_EQ(table.view.placeCaption, "第１位　入賞！");
    }
    table.Leave();
    EXPECT_EQ(table.RankName[0], "クイズ王ミロ");
    EXPECT_FALSE(table.entrySaved());
    EXPECT_TRUE(readBytes(path()) == shipped);
}

// Every broken ranking file gives its own message with the line where the fault is; the window
// does not open and the file stays as it was.
TEST_F(RankingTest, HostileFilesAreReportedExactlyAndChangeNothing) {
    auto withLine = [this](int line, const QByteArray &record) {
        QList<QByteArray> lines = shipped.split('\n');
        lines[line - 1] = record + '\r';
        return lines.join('\n');
    };
    const QString at = QStringLiteral("「player.qdt」の%1行目：");
    std::vector<std::pair<QByteArray, QString>> cases;
    for (int lines = 0, end = 0; lines < kRankSlots; ++lines, end = shipped.indexOf('\n', end) + 1)
        cases.push_back({shipped.left(end), at.arg(lines + 1) + QStringLiteral("ランキングは 11 行の記録でできていますが、%1 行しかありません。").arg(lines)});
    cases.push_back({shipped.left(shipped.indexOf('\n') - 2), at.arg(1) + "名前の「\"」がこの行で開いたまま閉じられていません。"});
    cases.push_back({withLine(3, "8000,\"open"), at.arg(3) + "名前の「\"」がこの行で開いたまま閉じられていません。"});
    cases.push_back({withLine(2, "abc,\"A\""), at.arg(2) + "得点は整数でなければなりません（「abc」）。"});
    cases.push_back({withLine(2, "4294967296,\"A\""), at.arg(2) + "得点は -2147483648 から 2147483647 までの整数でなければなりません（「4294967296」）。"});
    cases.push_back({withLine(4, "7000,A"), at.arg(4) + "名前は「\"」で囲まれていなければなりません（「A」）。"});
    cases.push_back({withLine(5, "6000,\"A\"B"), at.arg(5) + "名前を閉じる「\"」のあとに余計な文字があります。"});
    for (const char *record : {"06000,\"A\"", "+6000,\"A\"", "6000, \"A\"", "6000,\"A\",\"B\"", "6000\r\n\"A\""})
        cases.push_back({withLine(6, record), at.arg(6) + "記録の形が違います。一行に「得点,\"名前\"」だけを、得点は空白や先頭の 0 や「+」を付けずに書きます（「" + QString::fromLatin1(QByteArray(record).split('\r')[0]) + "」）。"});
    cases.push_back({withLine(7, "4000,\"\x85\x40\""), at.arg(7) + "文字として読めないバイトがあります（Shift-JIS に割り当てのない文字コードか、制御文字）。"});
    cases.push_back({shipped + "\x83", at.arg(12) + "ファイルが文字の途中（Shift-JIS の2バイト文字の1バイト目）で終わっています。"});
    cases.push_back({shipped + "0,\"\"\r\n", at.arg(12) + "11 行の記録のあとに余計なデータがあります。"});
    cases.push_back({shipped + "\r\n", at.arg(12) + "11 行の記録のあとに余計なデータがあります。"});
    cases.push_back({shipped.chopped(2), at.arg(11) + "最後の行が CR LF で終わっていません。"});
    cases.push_back({QByteArray(shipped).replace("\r\n", "\n"), at.arg(1) + "行末が CR LF ではありません（このファイルの行はすべて CR LF で終わります）。"});
    cases.push_back({{}, {}}); // no file at all

    for (const auto &[bytes, message] : cases) {
        QFile::remove(path());
        if (!message.isEmpty())
            writeBytes(path(), bytes);
        RankingTable table(state, audio);
        try {
            table.Form_Load();
            ADD_FAILURE() << "must not load: " << message.toStdString();
        } catch (const FileError &error) {
            EXPECT_EQ(error.message().section(u'\n', 0, 0), message.isEmpty() ? "「player.qdt」：ファイルがありません。" : message);
            EXPECT_FALSE(error.endsProgram()) << "the game goes on without the ranking";
        }
        EXPECT_EQ(QFile::exists(path()), !message.isEmpty());
        if (!message.isEmpty()) {
            EXPECT_TRUE(readBytes(path()) == bytes);
        }
    }
}

TEST_F(RankingTest, TheShippedTableReadsAndWritesBackByteForByte) {
    const RankingRecords records = readRankingFile(path());
    EXPECT_EQ(records.score[0], 10000);
    EXPECT_EQ(records.score[9], 1000) << "a first game can beat it";
    writeRankingFile(folder.path("copy.qdt"), records);
    EXPECT_TRUE(readBytes(folder.path("copy.qdt")) == shipped);
}

// The quiz offers a game's score once: after an entry was saved the results menu's ranking only
// shows the table; a score that was not entered is offered again, and a new game starts afresh.
TEST_F(QuizTest, AGamesScoreIsOfferedToTheRankingUntilItIsEntered) {
    load();
    state.Score = 500;
    game.GameOver(); // left without a name
    host.enterRanking = true;
    game.command2_Click(); // entered from the results menu
    game.command2_Click();
    game.NewGame();
    state.Score = 300;
    game.GameOver();
    EXPECT_EQ(host.rankingOffers, (std::vector<bool>{true, true, false, true}));
}
