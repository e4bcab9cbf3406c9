#pragma once

#include "questionfile.h"
#include "shared/random.h"
#include "shared/sharedstate.h"
#include "shared/sound.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// The quiz window's clock. Its interval is the state of the game: 70 ms while a question is
// typed, 100 ms (200 ms at half speed) while the counter runs, 1000 ms for the pause after a
// judged answer.
class GameTimer {
public:
    virtual ~GameTimer() = default;
    virtual int interval() const = 0;
    virtual void setInterval(int ms) = 0;
    virtual void setEnabled(bool enabled) = 0;
};

// The windows the quiz opens and waits for, and the way back to the title. The application
// answers with real modal windows, tests with fakes.
class QuizHost {
public:
    virtual ~QuizHost() = default;
    virtual void selectPlayer() = 0;   // leaves the chosen slot in CurrentPlayer
    virtual int runSkillSlot() = 0;    // the id of the skill won (0 for none)
    virtual void selectGenre() = 0;    // leaves the chosen genre in FormatValue (0 for none)
    virtual void showRanking() = 0;
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

// Interval values of the game clock.
inline constexpr int kTypeInterval = 70;
inline constexpr int kCountdownInterval = 100;
inline constexpr int kSlowCountdownInterval = 200;
inline constexpr int kPauseInterval = 1000;
inline constexpr int kStartTime = 150;

// The rules of the endless quiz: one game after another in the same window, each a chain of
// timed four-choice questions until the lives run out. Driven by the window's timer ticks,
// clicks and keys; everything on screen is in `view`.
class QuizGame {
public:
    QuizGame(SharedState &state, RandomSource &random, GameTimer &timer, QuizSounds &sounds, QuizHost &host);

    // Every genre file must be sound before play starts. Throws FileError naming the file and
    // line, or saying that no genre holds a question.
    void CheckQuestionFiles();

    void Form_Load();
    void NewGame();
    void NextQuestion();
    void Timer1_Timer();

    // Input. Keys are Windows virtual-key codes: A/S/D/F (65, 83, 68, 70) and keypad 1..4
    // (97..100) choose a slot or a menu entry, G (71) and keypad 5 (101) use the held skill.
    void ChooseSlot(int slot);   // ans1..ans4 and a1..a4 clicks
    void Picture1_KeyDown(int keyCode);
    void nowskill_Click();
    void command1_Click();
    void command2_Click();
    void command3_Click();
    void command4_Click();

    // Parts of a question, public so tests can drive each step.
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

    std::array<std::int16_t, 31> SkillCounter{};
    std::int16_t HeldSkill = 0;
    std::int16_t PendingSlots = 0;
    std::int16_t ChosenGenre = 0;

    // The extra-life threshold for a given number of lives already earned by score.
    static std::int32_t extendThreshold(std::int32_t level);

private:
    QString questionPath(int genre) const;
    QString fullWidth(qint64 value);
    std::int16_t player() const { return state_.CurrentPlayer; }
    std::int32_t &stat(int kind) { return state_.GenreStats[player()][CurrentGenre][kind]; }
    void hideMenu(bool hidden);

    SharedState &state_;
    RandomSource &random_;
    GameTimer &timer_;
    QuizSounds &sounds_;
    QuizHost &host_;
};
