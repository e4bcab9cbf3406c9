#include "shared/fileerror.h"
#include "shared/sharedstate.h"
#include "shared/textfile.h"

#include "../support/fakes.h"

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>

namespace {
QList<QByteArray> lines(const QByteArray &bytes) {
    QList<QByteArray> result = bytes.split('\n');
    EXPECT_TRUE(result.last().isEmpty()) << "the last line ends with CR LF too";
    result.removeLast();
    for (QByteArray &line : result) {
        EXPECT_TRUE(line.endsWith('\r'));
        line.chop(1);
    }
    return result;
}

// A roster with every field of every registered slot set to something distinct.
void fillRoster(SharedState &state) {
    for (int s = 1; s < kSlots; ++s) {
        state.PlayerName[s][0] = QStringLiteral("プレイヤー%1").arg(s);
        state.PlayerRecord[s] = {float(1000 * s), float(s), 123456789.0f + s * 1000, float(100 * s)};
        for (int g = 0; g < kGenres; ++g)
            for (int n = 0; n < kCounterKinds; ++n)
                state.GenreStats[s][g][n] = s * 10000 + g * 10 + n;
    }
}
} // namespace

struct PlayerFileTest : ::testing::Test {
    DataFolder folder;
    SharedState state{folder.dir.path()};
};

TEST_F(PlayerFileTest, TheShippedEmptyRosterLoadsAndSavesBackByteForByte) {
    const QByteArray shipped = readBytes(QStringLiteral(MIROVALK_TEST_DATA_DIR "/playerdata.qdt"));
    ASSERT_EQ(lines(shipped).size(), 1452);
    writeBytes(state.playerFilePath(), shipped);
    state.LoadPlayerData();
    state.SavePlayerData();
    EXPECT_EQ(readBytes(state.playerFilePath()), shipped);
}

TEST_F(PlayerFileTest, EveryFieldRoundTripsExactly) {
    fillRoster(state);
    state.SavePlayerData();
    const QByteArray saved = readBytes(state.playerFilePath());
    ASSERT_EQ(lines(saved).size(), 1452);

    SharedState reloaded(folder.dir.path());
    reloaded.LoadPlayerData();
    for (int s = 1; s < kSlots; ++s) {
        EXPECT_EQ(reloaded.PlayerName[s], state.PlayerName[s]);
        EXPECT_EQ(reloaded.PlayerRecord[s], state.PlayerRecord[s]) << "slot " << s;
        EXPECT_EQ(reloaded.GenreStats[s], state.GenreStats[s]) << "slot " << s;
    }
    reloaded.SavePlayerData();
    EXPECT_EQ(readBytes(state.playerFilePath()), saved) << "a load and a save change nothing";
}

TEST_F(PlayerFileTest, EachValueStandsOnItsLine) {
    fillRoster(state);
    state.SavePlayerData();
    const auto fileLines = lines(readBytes(state.playerFilePath()));
    // Slot 3 starts on line 3 × 132 + 1; counter n of genre g is on its line 7 + 6g + n.
    const int slot3 = 3 * 132;
    QByteArray name;
    ASSERT_TRUE(encodeCp932(QStringLiteral("\"プレイヤー3\""), &name));
    EXPECT_EQ(fileLines[slot3 + 0], name);
    EXPECT_EQ(fileLines[slot3 + 1], "\"\"");
    EXPECT_EQ(fileLines[slot3 + 2], "3000");
    EXPECT_EQ(fileLines[slot3 + 3], "3");
    SequentialReader total(QString::fromLatin1(fileLines[slot3 + 4]), QStringLiteral("line"));
    EXPECT_EQ(total.readFloat(u"総得点"), state.PlayerRecord[3][TotalPoints])
        << "a large total is written so it reads back as the same float: " << fileLines[slot3 + 4].toStdString();
    EXPECT_EQ(fileLines[slot3 + 6 + 6 * 20 + 5], "30205") << "genre 20, counter 5: line 7 + 6 × 20 + 5";
    EXPECT_EQ(fileLines[slot3 + 6], "30000") << "genre 0, counter 0 on line 7";
    EXPECT_EQ(fileLines[10 * 132 + 131], "100205") << "the file ends with slot 10's last counter";
}

TEST_F(PlayerFileTest, NamesAreStoredInShiftJisAndReadBackAsShiftJis) {
    state.PlayerName[1][0] = QStringLiteral("歴史");
    state.SavePlayerData();
    EXPECT_EQ(lines(readBytes(state.playerFilePath()))[132], QByteArray("\"\x97\xF0\x8E\x6A\""));
    // Half-width katakana in Shift-JIS can look like UTF-8 ("ﾐｷ" is 0xD0 0xB7, "з" in UTF-8).
    for (const char16_t *name : {u"ﾐｷ", u"ﾏｲ", u"ｱｲｳｴｵ"}) {
        state.PlayerName[2][0] = QString::fromUtf16(name);
        state.SavePlayerData();
        SharedState reloaded(folder.dir.path());
        reloaded.LoadPlayerData();
        EXPECT_EQ(reloaded.PlayerName[2][0], QString::fromUtf16(name));
    }
}

TEST_F(PlayerFileTest, TheGuestSlotIsEmptiedOnLoadButKeepsPlaysPointsAndRate) {
    state.PlayerName[0] = {QStringLiteral("guest"), QStringLiteral("x")};
    state.PlayerRecord[0] = {500, 3, 1500, 250};
    state.GenreStats[0][4][1] = 9;
    state.SavePlayerData();
    state.LoadPlayerData();
    EXPECT_TRUE(state.PlayerName[0][0].isEmpty());
    EXPECT_TRUE(state.PlayerName[0][1].isEmpty());
    EXPECT_EQ(state.PlayerRecord[0][BestScore], 0);
    EXPECT_EQ(state.PlayerRecord[0][PlayCount], 3);
    EXPECT_EQ(state.PlayerRecord[0][TotalPoints], 1500);
    EXPECT_EQ(state.PlayerRecord[0][BestRate], 250);
    EXPECT_EQ(state.GenreStats[0][4][1], 0);
}

TEST_F(PlayerFileTest, ClearPlayerEmptiesOneSlotAndSaves) {
    fillRoster(state);
    state.SavePlayerData();
    state.CurrentPlayer = 3;
    state.ClearPlayer();
    SharedState reloaded(folder.dir.path());
    reloaded.LoadPlayerData();
    EXPECT_TRUE(reloaded.PlayerName[3][0].isEmpty());
    EXPECT_EQ(reloaded.PlayerRecord[3], (std::array<float, 4>{}));
    for (const auto &genre : reloaded.GenreStats[3])
        for (auto counter : genre)
            EXPECT_EQ(counter, 0);
    for (int s : {1, 2, 4, 10}) {
        EXPECT_EQ(reloaded.PlayerName[s], state.PlayerName[s]);
        EXPECT_EQ(reloaded.GenreStats[s], state.GenreStats[s]);
    }
}

namespace {
// What each line of a slot holds, as the messages name it.
QString fieldOfLine(int line) {
    static const char16_t *const head[] = {u"プレイヤー名", u"プレイヤーの二つ目の欄", u"最高得点", u"プレイ回数", u"総得点",
                                           u"最高正解率"};
    static const char16_t *const counters[] = {u"出題数", u"正解数", u"不正解数", u"時間切れ数", u"正解時の残り時間の合計",
                                               u"不正解時の残り時間の合計"};
    const int inSlot = (line - 1) % 132;
    return QString::fromUtf16(inSlot < 6 ? head[inSlot] : counters[(inSlot - 6) % 6]);
}

QByteArray withLine(QByteArray bytes, int line, const QByteArray &content) {
    QList<QByteArray> lines = bytes.split('\n');
    lines[line - 1] = content + '\r';
    return lines.join('\n');
}
} // namespace

// Every broken roster gives its own message, with the line where the fault starts, and leaves the
// file on disk and the roster in memory as they were.
TEST_F(PlayerFileTest, HostileFilesAreReportedExactlyAndChangeNothing) {
    fillRoster(state);
    state.SavePlayerData();
    const QByteArray whole = readBytes(state.playerFilePath());

    struct Case {
        QByteArray bytes;
        QString firstLine; // of the message
    };
    std::vector<Case> cases;
    const QString at = QStringLiteral("「playerdata.qdt」の%1行目：");
    // Cut after every line, and in the middle of a name.
    qsizetype end = 0;
    for (int line = 1; line <= 1452; ++line) {
        cases.push_back({whole.left(end), at.arg(line) + fieldOfLine(line) + "があるはずの所でファイルが終わっています。"});
        end = whole.indexOf('\n', end) + 1;
    }
    cases.push_back({whole.left(whole.indexOf("\"\x83\x76") + 3), // "プ
                     at.arg(133) + "プレイヤー名の「\"」がこの行で開いたまま閉じられていません。"});
    cases.push_back({QByteArray(whole).replace("\r\n", "\n"), at.arg(1) + "行末が CR LF ではありません（このファイルの行はすべて CR LF で終わります）。"});
    cases.push_back({QByteArray(whole).replace("\r\n", "\r"), at.arg(1) + "行末が CR LF ではありません（このファイルの行はすべて CR LF で終わります）。"});
    cases.push_back({"\xEF\xBB\xBF" + whole, at.arg(1) + "ファイルの先頭に UTF-8 の印（BOM）があります。このファイルは Shift-JIS で書かれていなければなりません。"});
    cases.push_back({withLine(whole, 400, QByteArray("3\0", 2)), at.arg(400) + "NUL バイトがあります。"});
    const QString undecodable = "文字として読めないバイトがあります（Shift-JIS に割り当てのない文字コードか、制御文字）。";
    for (const QByteArray &bytes : {QByteArray("\x85\x40"), QByteArray("\xA0"), QByteArray("\xFD"), QByteArray("\x81\x7F")})
        cases.push_back({withLine(whole, 265, '"' + bytes + '"'), at.arg(265) + undecodable});
    cases.push_back({withLine(whole, 265, "ABC"), at.arg(265) + "プレイヤー名は「\"」で囲まれていなければなりません（「ABC」）。"});
    cases.push_back({withLine(whole, 265, "\"A\"B"), at.arg(265) + "プレイヤー名を閉じる「\"」のあとに余計な文字があります。"});
    cases.push_back({withLine(whole, 399, "abc"), at.arg(399) + "最高得点は数でなければなりません（「abc」）。"});
    cases.push_back({withLine(whole, 399, "nan"), at.arg(399) + "最高得点は数でなければなりません（「nan」）。"});
    cases.push_back({withLine(whole, 400, "inf"), at.arg(400) + "プレイ回数は数でなければなりません（「inf」）。"});
    cases.push_back({withLine(whole, 400, "-2"), at.arg(400) + "プレイ回数は 0 以上でなければなりません（「-2」）。"});
    cases.push_back({withLine(whole, 403, "4294967296"),
                     at.arg(403) + "出題数は 0 から 2147483647 までの整数でなければなりません（「4294967296」）。"});
    cases.push_back({withLine(whole, 404, "1.5"), at.arg(404) + "正解数は整数でなければなりません（「1.5」）。"});
    cases.push_back({withLine(whole, 408, "2147483648"),
                     at.arg(408) + "不正解時の残り時間の合計は -2147483648 から 2147483647 までの整数でなければなりません（「2147483648」）。"});
    cases.push_back({whole + "0\r\n", at.arg(1453) + "最後の値のあとに余計なデータがあります。"});
    cases.push_back({whole + QByteArray(10 * 1024 * 1024, '\n'),
                     "「playerdata.qdt」：ファイルが大きすぎます（読めるのは 4194304 バイトまでです）。"});

    auto expectRefused = [&](const QString &firstLine, const QByteArray *bytes) {
        SharedState other(folder.dir.path());
        other.PlayerName[5][0] = QStringLiteral("in memory");
        try {
            other.LoadPlayerData();
            ADD_FAILURE() << "must not load: " << firstLine.toStdString();
        } catch (const FileError &error) {
            EXPECT_TRUE(error.endsProgram());
            EXPECT_EQ(error.message().section(u'\n', 0, 0), firstLine);
        }
        EXPECT_EQ(other.PlayerName[5][0], "in memory") << "the roster in memory is kept";
        if (bytes) {
            EXPECT_TRUE(readBytes(state.playerFilePath()) == *bytes) << "the file is left untouched";
        }
    };
    for (const Case &c : cases) {
        writeBytes(state.playerFilePath(), c.bytes);
        expectRefused(c.firstLine, &c.bytes);
    }

    // Where the file should be: a folder, or a link that leads nowhere but to itself.
    QFile::remove(state.playerFilePath());
    ASSERT_TRUE(QDir(folder.dir.path()).mkdir("playerdata.qdt"));
    expectRefused("「playerdata.qdt」：ファイルのあるべき所にフォルダがあります。", nullptr);
    ASSERT_TRUE(QDir(folder.dir.path()).rmdir("playerdata.qdt"));
    ASSERT_TRUE(QFile::link(state.playerFilePath(), state.playerFilePath()));
    expectRefused("「playerdata.qdt」：ファイルを開けません。", nullptr);
}

// What rosters legitimately hold keeps reading: negative time sums (a time-out adds -1), floats in
// E-notation, empty lines after the last value.
TEST_F(PlayerFileTest, WhatStoredFilesHoldKeepsReading) {
    QByteArray bytes = withLine(emptyRosterBytes(), 132 + 7 + 6 + 5, "-3");
    bytes = withLine(bytes, 132 + 5, "2.5E+07") + "\r\n\r\n";
    writeBytes(state.playerFilePath(), bytes);
    state.LoadPlayerData();
    EXPECT_EQ(state.GenreStats[1][1][WrongTimeSum], -3);
    EXPECT_EQ(state.PlayerRecord[1][TotalPoints], 25000000.0f);
}

TEST_F(PlayerFileTest, AMissingFileIsReported) {
    QFile::remove(state.playerFilePath());
    try {
        state.InitGame();
        FAIL();
    } catch (const FileError &error) {
        EXPECT_TRUE(error.message().contains("playerdata.qdt"));
        EXPECT_TRUE(error.fault().contains("ファイルがありません"));
    }
    EXPECT_FALSE(QFile::exists(state.playerFilePath())) << "loading never creates the file";
}

TEST_F(PlayerFileTest, ANameShiftJisCannotHoldIsRefusedAndTheFileKept) {
    state.SavePlayerData();
    const QByteArray before = readBytes(state.playerFilePath());
    state.PlayerName[2][0] = QStringLiteral("😀");
    EXPECT_THROW(state.SavePlayerData(), FileError);
    EXPECT_EQ(readBytes(state.playerFilePath()), before);
}

// A disk that takes no more bytes (here a file size limit, as a full disk would): the save fails
// loudly and the old roster stays byte for byte, with no temporary file left beside it.
TEST_F(PlayerFileTest, ASaveTheDiskCannotTakeFailsAndKeepsTheOldFile) {
    state.SavePlayerData();
    const QByteArray before = readBytes(state.playerFilePath());
    fillRoster(state);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    try {
        state.SavePlayerData();
        ADD_FAILURE() << "the save must fail";
    } catch (const FileError &error) {
        EXPECT_TRUE(error.endsProgram());
        EXPECT_TRUE(error.message().contains(FileError::diskRemedy())) << error.message().toStdString();
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_TRUE(readBytes(state.playerFilePath()) == before);
    EXPECT_EQ(QDir(folder.dir.path()).entryList({"playerdata*"}, QDir::Files), QStringList{"playerdata.qdt"});
}
