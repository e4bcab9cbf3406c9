#pragma once

#include "rankingfile.h"
#include "shared/sharedstate.h"
#include "shared/sound.h"

#include <QString>

#include <array>
#include <cstdint>
#include <memory>

// What the ranking window shows, as plain data. Places are indexed 0..9 for places 1..10.
struct RankingView {
    std::array<QString, kRankPlaces> point;       // rankingpoint1..rankingpoint10
    std::array<QString, kRankPlaces> name;        // rankingname1..rankingname10
    QString placeCaption = QStringLiteral("順位"); // playerranklabel
    bool placeIsRefusal = false;                  // the caption says why a name was refused
    bool entryVisible = true;                     // PlayerNameText and playerranklabel
    QString nameText;                             // PlayerNameText as the window opens
};

// EntryRank when the score does not enter the table.
inline constexpr std::int16_t kNoEntry = kRankPlaces;

// The rules of the ranking window: each opening reads the table from the ranking file, lets the
// score of the game just played (Score) take the first place it beats, announces the place and
// asks for a name; OK with a name writes the table back, anything else leaves the file as it was.
class RankingTable {
public:
    // `offerEntry` is false when this game's score is already in the table: the window then only
    // shows it, so one game never enters twice.
    RankingTable(SharedState &state, MediaBackend &audio, bool offerEntry = true);
    ~RankingTable();

    // The window's load. Throws FileError when the ranking file cannot be read; nothing is written.
    void load();
    // OK, with the text of PlayerNameText. False when the name cannot be stored: the window stays
    // open and the place caption says why. Throws FileError when the save fails (the old file stays).
    bool confirm(const QString &typed);
    // The window closed from its title bar: as OK without an entry.
    void leave();
    // The name was changed after a refusal: the caption announces the place again.
    void editName();

    void InsertEntry();
    void RemoveEntry();
    void ShowRanking();
    void SaveRanking();
    void PlayRankingSound();

    // True once this opening wrote the current score into the file.
    bool entrySaved() const { return saved_; }
    bool entryPending() const { return EntryRank != kNoEntry; }
    QString filePath() const;

    std::array<std::int32_t, kRankSlots> RankScore{};
    std::array<QString, kRankSlots> RankName{};
    std::int16_t EntryRank = kNoEntry;
    QString EntryName;

    RankingView view;

private:
    SharedState &state_;
    std::unique_ptr<MediaControl> MMControl1;
    bool offerEntry_;
    bool saved_ = false;
    QString announcement_; // 第n位　入賞！ of the pending entry
};
