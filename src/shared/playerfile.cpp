// The roster file "playerdata.qdt": for each of the 11 slots, 132 lines — two quoted names,
// the four record values, then counter n of genre g on line 7 + 6 × g + n.

#include "sharedstate.h"
#include "textfile.h"

namespace {
constexpr const char *kGenreCounterNames[kCounterKinds] = {
    "questions asked", "correct answers", "wrong answers", "time-outs",
    "time sum of correct answers", "time sum of wrong answers"};
constexpr const char *kRecordNames[kRecords] = {"best score", "play count", "total points", "best rate"};
}

void SharedState::LoadPlayerData() {
    SequentialReader in = SequentialReader::fromFile(playerFilePath(), TextEncoding::ShiftJis);
    // Read into copies, so a bad file leaves the roster in memory as it was.
    auto names = PlayerName;
    auto records = PlayerRecord;
    auto stats = GenreStats;
    for (int s = 0; s < kSlots; ++s) {
        names[s][0] = in.readField("a player name");
        names[s][1] = in.readField("a player's second text");
        for (int r = 0; r < kRecords; ++r)
            records[s][r] = in.readFloat(kRecordNames[r]);
        for (int g = 0; g < kGenres; ++g)
            for (int n = 0; n < kCounterKinds; ++n)
                stats[s][g][n] = in.readInteger(kGenreCounterNames[n]);
    }
    // The guest slot starts every run with no name, no best score and no counters; its play
    // count, total points and best rate keep what the file says.
    names[0] = {};
    records[0][BestScore] = 0;
    stats[0] = {};

    PlayerName = names;
    PlayerRecord = records;
    GenreStats = stats;
}

void SharedState::SavePlayerData() {
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
    out.save(playerFilePath());
}

void SharedState::ClearPlayer() {
    PlayerName[CurrentPlayer] = {};
    PlayerRecord[CurrentPlayer] = {};
    GenreStats[CurrentPlayer] = {};
    SavePlayerData();
}
