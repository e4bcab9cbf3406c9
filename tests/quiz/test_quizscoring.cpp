// Points, streaks and extra lives.

#include "quiztest.h"

namespace {
// Puts a question on screen with the counter at `timeLeft` and answers it correctly.
struct Scoring : QuizTest {
    void correctAt(int timeLeft) {
        finishTyping();
        // The answering tick counts down once before it judges.
        game.TimeLeft = static_cast<std::int16_t>(timeLeft + 1);
        answer(true);
    }
    void nextQuestion() { tick(); }
};
} // namespace

TEST_F(Scoring, FullTimeNoStreakIsWorth750) {
    load();
    correctAt(150);
    EXPECT_EQ(state.Score, 750);
    EXPECT_EQ(game.view.message, "得点  ２００点＋タイムボーナス５５０点");
    EXPECT_EQ(state.PlayerRecord[0][TotalPoints], 750);
    EXPECT_EQ(game.view.mark[correctSlot()], "正解");
    EXPECT_EQ(audio.count("4:Play seikai.wav"), 1);
}

TEST_F(Scoring, TheSeventhInARowAt105) {
    load();
    game.Streak = 6;
    correctAt(105);
    EXPECT_EQ(state.Score, 505);
    EXPECT_EQ(game.view.message, "得点  ３５０点＋タイムボーナス１５５点");
}

TEST_F(Scoring, TheTimeBonusStartsAt100) {
    load();
    correctAt(99);
    EXPECT_EQ(state.Score, 299);
    nextQuestion();
    correctAt(100);
    EXPECT_EQ(state.Score, 299 + 350);
    nextQuestion();
    const std::pair<int, int> bonuses[] = {{110, 100}, {119, 100}, {120, 200}, {130, 400}};
    std::int32_t before = state.Score;
    for (auto [t, bonus] : bonuses) {
        game.Streak = 0;
        game.TimeLeft = static_cast<std::int16_t>(t);
        game.ScoreCorrect();
        EXPECT_EQ(state.Score - before, t + 200 + bonus) << "t = " << t;
        before = state.Score;
    }
}

TEST_F(Scoring, ExtraLivesComeAboveEachThresholdOneAtATime) {
    load();
    state.Score = 950;
    game.AddPoints(49);
    EXPECT_EQ(state.Score, 999);
    EXPECT_EQ(game.Lives, 4) << "999 is not above 999";
    game.AddPoints(51);
    EXPECT_EQ(game.Lives, 5);
    EXPECT_EQ(game.view.lifeLine, "ＬＩＦＥ：　５");

    // A jump past two thresholds earns the second life at the next award.
    game.AddPoints(3000);
    EXPECT_EQ(game.Lives, 6);
    game.AddPoints(0);
    EXPECT_EQ(game.Lives, 7);
    game.AddPoints(0);
    EXPECT_EQ(game.Lives, 7);

    const std::int32_t thresholds[] = {999, 1999, 3999, 6999, 9999, 14999, 19999, 27999, 35999, 43999};
    for (int level = 0; level < 10; ++level)
        EXPECT_EQ(QuizGame::extendThreshold(level), thresholds[level]);
}

TEST_F(Scoring, LongStreaksDoNotOverflowThePoints) {
    load();
    game.SkillCounter[1] = 5;
    game.Streak = 399; // the 400th in a row, doubled: 2 × (550 + 200 + 19800) points
    correctAt(150);
    EXPECT_EQ(state.Score, 2 * (550 + 200 + 396 * 50));
    EXPECT_GT(state.Score, 32767);
}

TEST_F(Scoring, AWrongAnswerCostsALifeAndTheStreak) {
    load();
    game.Streak = 3;
    finishTyping();
    const int chosen = wrongSlot();
    answer(false);
    EXPECT_EQ(game.view.mark[chosen], "不正解");
    EXPECT_EQ(game.view.mark[correctSlot()], "正解");
    EXPECT_EQ(game.Lives, 3);
    EXPECT_EQ(game.Streak, 0);
    EXPECT_EQ(stat(WrongAnswers), 1);
    EXPECT_EQ(stat(WrongTimeSum), 148) << "typing ends at 149, the answering tick counts to 148";
    EXPECT_EQ(game.view.lifeLine, "ＬＩＦＥ：　４") << "the life line changes when the next question starts";
    tick();
    EXPECT_EQ(game.view.lifeLine, "ＬＩＦＥ：　３");
}
