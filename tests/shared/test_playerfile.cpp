#include "shared/fileerror.h"
#include "shared/sharedstate.h"
#include "shared/textfile.h"

#include "../support/fakes.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(total.readFloat("total"), state.PlayerRecord[3][TotalPoints])
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

TEST_F(PlayerFileTest, AShortOrMalformedFileIsReportedAndChangesNothing) {
    fillRoster(state);
    state.SavePlayerData();
    const QByteArray whole = readBytes(state.playerFilePath());

    struct Case {
        QByteArray bytes;
        int line;
        const char *fault;
    } cases[] = {
        {whole.left(whole.indexOf("\r\n", 600) + 2), 0, "ends"},          // short
        {QByteArray(whole).replace("\r\n3000\r\n", "\r\nabc\r\n"), 399, "number"}, // slot 3 best score
        {QByteArray(), 1, "ends"},                                         // empty
    };
    for (const Case &c : cases) {
        writeBytes(state.playerFilePath(), c.bytes);
        SharedState other(folder.dir.path());
        other.PlayerName[5][0] = QStringLiteral("in memory");
        try {
            other.LoadPlayerData();
            FAIL() << "a bad file must not load";
        } catch (const FileError &error) {
            EXPECT_EQ(error.file(), state.playerFilePath());
            if (c.line) {
                EXPECT_EQ(error.line(), c.line);
            }
            EXPECT_TRUE(error.fault().contains(QLatin1String(c.fault))) << error.message().toStdString();
        }
        EXPECT_EQ(other.PlayerName[5][0], "in memory") << "the roster in memory is kept";
        EXPECT_EQ(readBytes(state.playerFilePath()), c.bytes) << "the file is left untouched";
    }
}

TEST_F(PlayerFileTest, AMissingFileIsReported) {
    QFile::remove(state.playerFilePath());
    try {
        state.InitGame();
        FAIL();
    } catch (const FileError &error) {
        EXPECT_TRUE(error.message().contains("playerdata.qdt"));
        EXPECT_TRUE(error.fault().contains("missing"));
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
