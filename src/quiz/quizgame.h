#pragma once

#include "questionfile.h"
#include "shared/fileerror.h"
#include "shared/gametimer.h"
#include "shared/random.h"
#include "shared/sharedstate.h"
#include "shared/skills.h"
#include "shared/sound.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// The windows the quiz opens and waits for, and the way back to the title. The application
// answers with real modal windows, tests with fakes.
class QuizHost {
public:
    virtual ~QuizHost() = default;
    // Leaves the chosen slot in CurrentPlayer. False when the program is ending instead (it was
    // told to stop while the window was open): no game starts then.
    virtual bool selectPlayer() = 0;
    // The skill slot, which hands the skill it stopped on over in the file "data.qdt". False when
    // the slot could not write that file (it has told the player so): no skill is won then.
    virtual bool runSkillSlot() = 0;
    virtual void selectGenre() = 0;    // leaves the chosen genre in FormatValue (0 for none)
    // The ranking window; `offerEntry` is false once this game's score is in the table. True when
    // the score was entered.
    virtual bool showRanking(bool offerEntry) = 0;
    virtual void showPlayerData() = 0;
    virtual void returnToTitle() = 0;  // the quiz window closes and the title opens
    // A data file went bad: tell the player. `fatal` when the program cannot go on.
    virtual void reportError(const QString &message, bool fatal) = 0;
};

// What one label of the quiz window shows.
struct LabelView {
    QString caption;
    bool visible = true;
};

// Everything the quiz window shows, as plain data. Slots are indexed 1..4.
struct QuizView {
    QString question;                  // Label1
    QString questionNumber;            // LabelNumQ
    QString scoreLine;                 // LabelPoint
    QString time = QStringLiteral("１５０");
    std::array<LabelView, 5> answer;   // ans1..ans4
    std::array<LabelView, 5> number;   // a1..a4
    std::array<QString, 5> mark;       // ox1..ox4
    QString verdict = QStringLiteral("正解か？"); // label2
    QString message;                   // LabelMes
    QString lifeLine;                  // LabelLife
    LabelView heldSkill{QStringLiteral("スキル"), true}; // nowskill
    bool menuVisible = true;           // command1..command4 with their digits Label3..Label6
};

// Interval values of the game clock. The interval is the state of the game: 70 ms while a
// question is typed, 100 ms (200 ms at half speed) while the counter runs, 1000 ms for the pause
// after a judged answer.
inline constexpr int kTypeInterval = 70;
inline constexpr int kCountdownInterval = 100;
inline constexpr int kSlowCountdownInterval = 200;
inline constexpr int kPauseInterval = 1000;
inline constexpr int kStartTime = 150;
inline constexpr int kStartLives = 4;
inline constexpr int kAmbushTime = 80;       // the counter value at which an ambush strikes
inline constexpr int kTimeStopTicks = 100;
inline constexpr int kBonusPoints = 2000;

// The results menu after a game, in the order of its entries and keys.
enum class MenuEntry { Continue = 1, Ranking = 2, Data = 3, Exit = 4 };

// The rules of the endless quiz: one game after another in the same window, each a chain of
// timed four-choice questions until the lives run out. The window hands over what the player
// does (a slot chosen, a key, the held skill used, a menu entry) and the ticks of its timer;
// everything on screen is in `view`. A data file that goes bad during play is reported through
// the host: a question file ends the game (its best score and rate are still recorded) and the
// player goes back to the title; a player file that cannot be kept ends the program.
class QuizGame {
public:
    QuizGame(SharedState &state, RandomSource &random, GameTimer &timer, QuizSounds &sounds, QuizHost &host);

    // The window opens: every genre file is checked, the player is asked for, one play is
    // counted and the first game starts. False (after reporting) when the window cannot be used.
    bool load();
    void tick();                    // one tick of the game clock
    void chooseSlot(int slot);      // an answer or its number clicked: slot 1..4
    void key(int virtualKey);       // answer keys, the skill key, the menu keys
    void useHeldSkill();            // the held skill clicked, or its key
    void chooseMenu(MenuEntry entry);

    // Every genre file must be sound before play starts. Throws FileError naming the file and
    // line, or saying that no genre holds a question.
    void CheckQuestionFiles();

    // The steps of the rules, public so tests can drive each one.
    void NewGame();
    void NextQuestion();
    void LoadQuestions();
    void DrawQuestion();
    void DealAnswers();
    void TypeStep();
    void ShowAnswers();
    void CountdownStep();
    void AnswerCheck();
    void Judge();
    void ScoreCorrect();
    void AddPoints(std::int32_t points);
    void GameOver();
    void RecordBest();
    void SelectGenre();
    void RunSkillSlot();
    void ShowHeldSkill();
    void UseSkill();

    QuizView view;

    // Variables of the window.
    std::int16_t QuestionNo = 0;
    std::int16_t CorrectCount = 0;
    std::int16_t Lives = 0;
    std::int16_t TimeLeft = kStartTime;
    std::int16_t TimeOver = 0;
    std::int16_t ChosenSlot = 0;
    std::int16_t MenuMode = 0;
    std::int16_t Streak = 0;
    std::int32_t ExtendLevel = 0;
    std::int16_t TypeInterval = kTypeInterval;
    QString TypedText;
    std::int16_t TypedLength = 0;

    std::vector<QString> Questions = std::vector<QString>(kMaxQuestions * 5 + 1);
    std::int16_t LastQuestion = 0;
    std::int16_t QuestionBase = 0;
    std::int16_t CurrentGenre = 0;
    std::array<std::array<std::int16_t, kMaxQuestions + 1>, 11> Asked{};
    std::array<std::int16_t, kMaxQuestions + 1> Candidates{};
    std::array<std::int16_t, 5> SlotAnswer{};

    std::array<std::int16_t, 31> SkillCounter{}; // indexed by skill id
    std::int16_t HeldSkill = 0;
    std::int16_t PendingSlots = 0;
    std::int16_t ChosenGenre = 0;
    bool RankingEntered = false; // this game's score is in the ranking

    // The extra-life threshold for a given number of lives already earned by score.
    static std::int32_t extendThreshold(std::int32_t level);

private:
    // Runs what the player did, or a tick; a data file gone bad is reported here.
    template <typename Event>
    void guarded(Event event);
    void breakOff(const FileError &error);
    std::int16_t readWonSkill();
    QString questionPath(int genre) const;
    QString fullWidth(qint64 value);
    std::int16_t player() const { return state_.CurrentPlayer; }
    std::int32_t &stat(int kind) { return state_.GenreStats[player()][CurrentGenre][kind]; }
    void hideMenu(bool hidden);
    void showRanking(); // offers this game's score once

    SharedState &state_;
    RandomSource &random_;
    GameTimer &timer_;
    QuizSounds &sounds_;
    QuizHost &host_;
};
