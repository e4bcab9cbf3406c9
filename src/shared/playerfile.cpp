// The roster file "playerdata.qdt": for each of the 11 slots, 132 lines — two quoted names,
// the four record values, then counter n of genre g on line 7 + 6 × g + n.

#include "sharedstate.h"
#include "textfile.h"

namespace {
constexpr const char16_t *kGenreCounterNames[kCounterKinds] = {
    u"出題数", u"正解数", u"不正解数", u"時間切れ数", u"正解時の残り時間の合計", u"不正解時の残り時間の合計"};
constexpr const char16_t *kRecordNames[kRecords] = {u"最高得点", u"プレイ回数", u"総得点", u"最高正解率"};

// The four counts only ever grow from 0; the two time sums may be negative, since a time-out
// adds the -1 its counter stood at.
bool isCount(int counter) { return counter <= TimeOuts; }

// The roster is every player's record: a fault in reading or keeping it ends the program, with
// the file on disk left as it was.
template <typename Operation>
void onRoster(Operation operation) {
    try {
        operation();
    } catch (FileError &error) {
        error.setScope(FaultScope::Program);
        throw;
    }
}
} // namespace

void SharedState::LoadPlayerData() {
    QString text;
    onRoster([&] { text = readDataFile(playerFilePath(), TextEncoding::ShiftJis); });
    readPlayerData(text);
}

void SharedState::readPlayerData(const QString &text) {
    onRoster([&] {
        SequentialReader in(text, playerFilePath());
        // Read into copies, so a bad file leaves the roster in memory as it was.
        auto names = PlayerName;
        auto records = PlayerRecord;
        auto stats = GenreStats;
        for (int s = 0; s < kSlots; ++s) {
            names[s][0] = in.readQuotedText(u"プレイヤー名");
            names[s][1] = in.readQuotedText(u"プレイヤーの二つ目の欄");
            for (int r = 0; r < kRecords; ++r)
                records[s][r] = in.readFloat(kRecordNames[r], 0);
            for (int g = 0; g < kGenres; ++g)
                for (int n = 0; n < kCounterKinds; ++n)
                    stats[s][g][n] = isCount(n) ? in.readInteger(kGenreCounterNames[n], 0)
                                                : in.readInteger(kGenreCounterNames[n]);
        }
        in.expectEnd();
        // The guest slot starts every run with no name, no best score and no counters; its play
        // count, total points and best rate keep what the file says.
        names[0] = {};
        records[0][BestScore] = 0;
        stats[0] = {};

        PlayerName = names;
        PlayerRecord = records;
        GenreStats = stats;
    });
}

SequentialWriter SharedState::playerDataWriter() const {
    SequentialWriter out;
    for (int s = 0; s < kSlots; ++s) {
        for (const QString &name : PlayerName[s]) {
            out.writeText(name);
            out.endLine();
        }
        for (float record : PlayerRecord[s]) {
            out.writeFloat(record);
            out.endLine();
        }
        for (const auto &genre : GenreStats[s])
            for (std::int32_t counter : genre) {
                out.writeInteger(counter);
                out.endLine();
            }
    }
    return out;
}

void SharedState::SavePlayerData() {
    onRoster([this] { playerDataWriter().save(playerFilePath()); });
}

void SharedState::ClearPlayer() {
    PlayerName[CurrentPlayer] = {};
    PlayerRecord[CurrentPlayer] = {};
    GenreStats[CurrentPlayer] = {};
    SavePlayerData();
}
