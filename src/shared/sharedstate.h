#pragma once

#include "textfile.h"

#include <QString>

#include <array>
#include <cstdint>

// Fixed sizes of the roster and the tables.
inline constexpr int kSlots = 11;        // slot 0 is the guest, 1..10 registered players
inline constexpr int kGenres = 21;       // genre index 0..20; 1..8 carry questions
inline constexpr int kPlayedGenres = 8;
inline constexpr int kCounterKinds = 6;  // asked, correct, wrong, time-outs, time sums
inline constexpr int kRecords = 4;       // best score, plays, total points, best rate
inline constexpr int kSkillIds = 26;     // skill ids 1..25
inline constexpr int kAreas = 21;

enum GenreCounter { QuestionsAsked = 0, CorrectAnswers = 1, WrongAnswers = 2, TimeOuts = 3, CorrectTimeSum = 4, WrongTimeSum = 5 };
enum PlayerRecordKind { BestScore = 0, PlayCount = 1, TotalPoints = 2, BestRate = 3 };

// The files the game writes: the roster, the ranking and the skill slot's hand-off. They live
// with the player, never with what the game ships.
inline constexpr const char *kRosterFile = "playerdata.qdt";
inline constexpr const char *kRankingFile = "player.qdt";
inline constexpr const char *kSkillHandOffFile = "data.qdt";
inline bool isPlayerFile(const QString &name) {
    return name == QLatin1String(kRosterFile) || name == QLatin1String(kRankingFile) ||
           name == QLatin1String(kSkillHandOffFile);
}

// Full-width digits, no leading zeros. With `tenths` the last digit follows a half-width
// "." (1234 -> "１２３.４", 5 -> "０.５"). A negative value starts with a full-width minus.
QString formatFullWidth(qint64 value, bool tenths = false);

// Where the game's files are. `shipped` holds what the game comes with: question files, sounds,
// music, the title picture, and the first roster and ranking. `player` holds what the player's
// games write: the roster, the ranking and the skill hand-off file, and any question file of the
// player's own, which is used instead of the shipped file of the same genre. A portable copy keeps
// both in the one folder "quiz" beside the executable.
struct DataFolders {
    QString shipped;
    QString player;
};

// The program-wide state every window shares: the game in progress, the player roster with its
// statistics, the story map, the name tables and the number formatter's work variables.
// One object, created at start-up and handed to each window.
class SharedState {
public:
    explicit SharedState(QString dataDir); // one folder for everything
    explicit SharedState(DataFolders folders);

    // The shipped data folder.
    const QString &dataDir() const { return folders_.shipped; }
    const DataFolders &folders() const { return folders_; }
    // Where the data file `name` is read and written: the player's folder for the files the game
    // writes and for a question file the player put there, the shipped folder for the rest.
    QString dataFile(const QString &name) const;

    void InitNameTables();
    void InitGame();              // throws FileError when the player file cannot be loaded
    void DigitToText();
    void FormatNumber();

    // Player file, "playerdata.qdt"; each throws FileError and leaves the file as it was.
    void LoadPlayerData();
    void SavePlayerData();
    void ClearPlayer();
    // The roster from the player file's text, and the roster as that text, for the load and
    // save above; the roster in memory changes only when the whole text is sound.
    void readPlayerData(const QString &text);
    SequentialWriter playerDataWriter() const;

    // Game and player state.
    std::int32_t Score = 0;
    std::int32_t QuestionCount = 0;
    std::int16_t CurrentPlayer = 0;
    std::array<std::array<QString, 2>, kSlots> PlayerName{};
    std::array<std::array<float, kRecords>, kSlots> PlayerRecord{};
    std::array<std::array<std::array<std::int32_t, kCounterKinds>, kGenres>, kSlots> GenreStats{};

    // Story map.
    std::array<std::int16_t, kAreas> AreaCleared{};
    std::int32_t SelectedArea = 0;
    std::array<std::array<std::int16_t, 10>, kSlots> RepresentativeInfo{};
    std::array<std::array<QString, 2>, kSlots> RepresentativeName{};

    // Name tables.
    std::array<QString, kGenres> GenreName{};
    std::array<QString, kSkillIds> SkillName{};

    // Formatter and hand-over values.
    std::int32_t FormatValue = 0;
    QString FormatText;
    std::int16_t DecimalFormat = 0;
    std::int32_t DigitValue = 0;
    QString DigitText;
    QString BonusText;

    QString playerFilePath() const { return dataFile(QLatin1String(kRosterFile)); }

private:
    DataFolders folders_;
};
