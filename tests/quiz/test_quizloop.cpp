// The quiz window's clock: the order of work within a tick, typing, the countdown and the
// time-out, the end of a game and the results menu.

#include "quiztest.h"

TEST_F(QuizTest, LoadingAsksForThePlayerCountsOnePlayAndStartsTyping) {
    host.player = 4;
    load();
    EXPECT_EQ(host.playerSelects, 1);
    EXPECT_EQ(state.CurrentPlayer, 4);
    EXPECT_EQ(state.PlayerRecord[4][PlayCount], 1);
    EXPECT_EQ(game.Lives, 4);
    EXPECT_EQ(game.QuestionNo, 1);
    EXPECT_EQ(timer.currentInterval, kTypeInterval);
    EXPECT_TRUE(timer.enabled);
    EXPECT_FALSE(game.view.menuVisible);
    EXPECT_FALSE(game.view.heldSkill.visible);
    EXPECT_EQ(game.view.questionNumber, "第　１　問");
    EXPECT_EQ(game.view.scoreLine, "得点　　０ 点");
    EXPECT_EQ(game.view.lifeLine, "ＬＩＦＥ：　４");
    EXPECT_EQ(stat(QuestionsAsked), 1);
    EXPECT_EQ(audio.count("8:Play bed.mid"), 1);
    EXPECT_EQ(audio.count("6:Play mondai.wav"), 1);
    // The first save already holds the play count.
    SharedState saved(folder.dir.path());
    saved.LoadPlayerData();
    EXPECT_EQ(saved.PlayerRecord[4][PlayCount], 1);
}

TEST_F(QuizTest, TheTickThatCompletesTheTypingCountsDownOnceAndNoTypingTickDoes) {
    writeGenre(1, "\"123456789\",\"a\",\"b\",\"c\",\"d\"\r\n\r\n");
    for (int g = 2; g <= 8; ++g)
        writeGenre(g, "\"123456789\",\"a\",\"b\",\"c\",\"d\"\r\n\r\n");
    load();
    const int before = audio.count("1:Play type.wav");
    // Nine characters and the appended space: five steps of two.
    for (int step = 1; step <= 4; ++step) {
        tick();
        EXPECT_EQ(game.view.question.size(), 2 * step);
        EXPECT_EQ(game.TimeLeft, kStartTime);
        EXPECT_EQ(timer.currentInterval, kTypeInterval);
        EXPECT_EQ(game.view.answer[1].caption, "") << "answers wait for the whole question";
    }
    tick();
    EXPECT_EQ(game.view.question, "123456789 ");
    EXPECT_EQ(audio.count("1:Play type.wav") - before, 5);
    EXPECT_EQ(timer.currentInterval, kCountdownInterval);
    EXPECT_EQ(game.TimeLeft, 149);
    EXPECT_EQ(game.view.time, "１４９");
    for (int s = 1; s <= 4; ++s)
        EXPECT_TRUE(game.view.answer[s].caption.startsWith(u' '));
}

TEST_F(QuizTest, TheTickThatStartsAQuestionCountsNothingDown) {
    load();
    finishTyping();
    answer(true);
    EXPECT_EQ(timer.currentInterval, kPauseInterval);
    tick(); // the pause's one tick starts question 2
    EXPECT_EQ(game.QuestionNo, 2);
    EXPECT_EQ(timer.currentInterval, kTypeInterval);
    EXPECT_EQ(game.TimeLeft, kStartTime);
    EXPECT_EQ(game.view.time, "１５０");
    EXPECT_EQ(game.view.verdict, "");
    EXPECT_EQ(game.view.message, "");
    for (int s = 1; s <= 4; ++s) {
        EXPECT_EQ(game.view.mark[s], "");
        EXPECT_TRUE(game.view.number[s].visible);
    }
}

TEST_F(QuizTest, ASlotChosenDuringTypingIsJudgedAtTheNextTickWithFullTime) {
    load();
    tick();
    game.chooseSlot(correctSlot());
    tick();
    EXPECT_EQ(timer.currentInterval, kPauseInterval);
    EXPECT_EQ(game.CorrectCount, 1);
    EXPECT_EQ(state.Score, 750);
    EXPECT_EQ(stat(CorrectTimeSum), kStartTime);
}

TEST_F(QuizTest, ATimeOutIsJudgedOneTickAfterTheCounterReachesZero) {
    host.player = 2;
    load();
    finishTyping(); // first countdown step: 149
    tick(149);
    EXPECT_EQ(game.TimeLeft, 0);
    EXPECT_EQ(game.view.time, "０");
    EXPECT_EQ(game.TimeOver, 0);
    EXPECT_EQ(timer.currentInterval, kCountdownInterval) << "not judged yet";

    tick();
    EXPECT_EQ(game.TimeLeft, -1);
    EXPECT_EQ(game.view.time, "０") << "a counter below zero shows 0";
    EXPECT_EQ(timer.currentInterval, kPauseInterval);
    EXPECT_EQ(game.view.verdict, "ＴＩＭＥ　ＯＶＥＲ");
    EXPECT_EQ(game.view.mark[correctSlot()], "正解");
    for (int s = 1; s <= 4; ++s) {
        if (s != correctSlot()) {
            EXPECT_EQ(game.view.mark[s], "") << "no wrong mark without a choice";
        }
        EXPECT_FALSE(game.view.number[s].visible);
    }
    EXPECT_EQ(game.Lives, 3);
    EXPECT_EQ(stat(TimeOuts), 1);
    EXPECT_EQ(stat(WrongAnswers), 0);
    EXPECT_EQ(stat(WrongTimeSum), -1);
    EXPECT_EQ(audio.count("5:Play fuseikai.wav"), 1);
    SharedState saved(folder.dir.path());
    saved.LoadPlayerData();
    EXPECT_EQ(saved.GenreStats[2][game.CurrentGenre][TimeOuts], 1) << "saved as it changed";
}

TEST_F(QuizTest, ACorrectAnswerInTheTickThatFindsTheTimeUpIsACorrectAnswerOnly) {
    load();
    finishTyping();
    tick(149);
    ASSERT_EQ(game.TimeLeft, 0);
    game.chooseSlot(correctSlot());
    tick();
    EXPECT_EQ(game.view.verdict, "") << "no TIME OVER for an answer given in time";
    EXPECT_EQ(stat(CorrectAnswers), 1);
    EXPECT_EQ(stat(WrongAnswers), 0);
    EXPECT_EQ(stat(TimeOuts), 0);
    EXPECT_EQ(stat(CorrectTimeSum), 0) << "worth the 0 the counter showed";
    EXPECT_EQ(state.Score, 200);
    EXPECT_EQ(game.Lives, 4);
}

TEST_F(QuizTest, LosingTheLastLifeShowsItsMarksForASecondThenTheGameEnds) {
    state.PlayerRecord[0][BestRate] = 0;
    load();
    finishTyping();
    answer(true);
    for (int question = 2; question <= 5; ++question) {
        tick(); // pause tick: next question
        finishTyping();
        answer(false);
    }
    EXPECT_EQ(game.Lives, 0);
    EXPECT_EQ(game.view.mark[wrongSlot()], "不正解");
    EXPECT_EQ(host.rankings, 0);
    EXPECT_EQ(game.MenuMode, 0);

    tick(); // the tick that would start question 6
    EXPECT_EQ(game.MenuMode, 1);
    EXPECT_EQ(game.QuestionNo, 5);
    EXPECT_FALSE(timer.enabled);
    EXPECT_EQ(game.view.verdict, "ＧＡＭＥ　ＯＶＥＲ");
    EXPECT_EQ(game.view.message, "あなたの最終得点７４８点");
    EXPECT_EQ(game.view.question, "");
    EXPECT_TRUE(game.view.menuVisible);
    EXPECT_EQ(game.view.mark[wrongSlot()], "不正解") << "the last marks stay on screen";
    EXPECT_EQ(host.rankings, 1);
    EXPECT_EQ(host.playerDatas, 1);
    EXPECT_EQ(audio.count("8:Play gameover.mid"), 1);
    EXPECT_EQ(state.PlayerRecord[0][BestScore], 748) << "answered at 148: 148 + 200 + 400";
    EXPECT_EQ(state.PlayerRecord[0][BestRate], 200) << "1 correct of 5 questions";
}

TEST_F(QuizTest, AGameWithoutPointsOpensNoRankingAndKeepsAnEqualBest) {
    load();
    for (int question = 1; question <= 4; ++question) {
        playQuestion(false);
    }
    EXPECT_EQ(game.MenuMode, 1);
    EXPECT_EQ(host.rankings, 0);
    EXPECT_EQ(host.playerDatas, 1);
    EXPECT_EQ(state.PlayerRecord[0][BestScore], 0);
}

TEST_F(QuizTest, TheBestRateIsTruncatedAndOnlyRaised) {
    state.PlayerRecord[0][BestRate] = 700;
    load();
    state.QuestionCount = 3;
    game.CorrectCount = 2;
    game.GameOver();
    EXPECT_EQ(state.PlayerRecord[0][BestRate], 700) << "666 does not beat 700";
    state.PlayerRecord[0][BestRate] = 0;
    game.GameOver();
    EXPECT_EQ(state.PlayerRecord[0][BestRate], 666);
    state.QuestionCount = 50;
    game.CorrectCount = 40;
    game.GameOver();
    EXPECT_EQ(state.PlayerRecord[0][BestRate], 800);
}

TEST_F(QuizTest, KeysDriveTheResultsMenuOnceTheGameIsOver) {
    host.player = 1;
    load();
    std::array<std::int16_t, 501> askedBefore{};
    for (int question = 1; question <= 4; ++question) {
        playQuestion(false);
    }
    ASSERT_EQ(game.MenuMode, 1);
    askedBefore = game.Asked[game.CurrentGenre];
    const int genre = game.CurrentGenre;

    host.enterRanking = true;
    game.key(83); // S: the ranking, where this game's score is entered
    game.key(98); // keypad 2: the ranking again, only to look at
    EXPECT_EQ(host.rankingOffers, (std::vector<bool>{true, false})) << "a game without points opened none";
    game.key(99); // keypad 3: data
    EXPECT_EQ(host.playerDatas, 2);
    game.key(100); // keypad 4: back to the title
    EXPECT_EQ(host.titles, 1);
    game.key(72); // H does nothing
    game.chooseSlot(2);        // answer clicks do nothing either
    EXPECT_EQ(game.ChosenSlot, 0);

    game.key(65); // A: "続ける"
    EXPECT_EQ(game.MenuMode, 0);
    EXPECT_EQ(state.Score, 0);
    EXPECT_EQ(game.Lives, 4);
    EXPECT_EQ(game.QuestionNo, 1);
    EXPECT_FALSE(game.view.menuVisible);
    EXPECT_FALSE(game.RankingEntered) << "the new game's score may enter";
    EXPECT_TRUE(timer.enabled);
    EXPECT_EQ(state.PlayerRecord[1][PlayCount], 1) << "another game in the same window is not another play";
    EXPECT_EQ(host.playerSelects, 1);
    EXPECT_EQ(audio.count("8:Play bed.mid"), 2);
    int stillAsked = 0;
    for (int r = 0; r < 501; ++r)
        stillAsked += askedBefore[r] && game.Asked[genre][r];
    EXPECT_GT(stillAsked, 0) << "the asked tables carry over";
}

TEST_F(QuizTest, AnswerKeysChooseSlotsDuringPlay) {
    load();
    const int keys[][2] = {{65, 1}, {83, 2}, {68, 3}, {70, 4}, {97, 1}, {98, 2}, {99, 3}, {100, 4}};
    for (const auto &key : keys) {
        game.key(key[0]);
        EXPECT_EQ(game.ChosenSlot, key[1]) << "key " << key[0];
    }
    game.ChosenSlot = 0;
    game.key(71); // G without a held skill
    game.key(49); // the main keyboard's 1
    EXPECT_EQ(game.ChosenSlot, 0);
}

TEST_F(QuizTest, SkillSlotTurnsComeAtQuestionThreeAndWaitWhileASkillIsHeld) {
    host.skillsToWin = {7};
    load();
    for (int question = 1; question <= 2; ++question) {
        playQuestion(true);
    }
    EXPECT_EQ(game.QuestionNo, 3);
    EXPECT_EQ(host.skillSlots, 1);
    EXPECT_TRUE(timer.enabled) << "the clock runs again after the slot window";
    EXPECT_TRUE(game.view.heldSkill.visible);
    EXPECT_EQ(game.view.heldSkill.caption, "連続");

    // Question 11 earns a turn; it waits while "連続" is held.
    for (int question = 3; question <= 10; ++question) {
        playQuestion(true);
    }
    EXPECT_EQ(game.QuestionNo, 11);
    EXPECT_EQ(host.skillSlots, 1);
    EXPECT_EQ(game.PendingSlots, 1);
    game.key(71); // G uses it
    EXPECT_EQ(game.SkillCounter[7], 1);
    EXPECT_FALSE(game.view.heldSkill.visible);
    playQuestion(true);
    EXPECT_EQ(host.skillSlots, 2) << "the waiting turn runs at the next question start";
}

TEST_F(QuizTest, QuestionFiveOffersTheGenreAndTheChoiceHoldsForFiveQuestions) {
    host.genreToChoose = 6;
    load();
    for (int question = 1; question <= 4; ++question) {
        playQuestion(true);
    }
    EXPECT_EQ(host.genreSelects, 1);
    for (int question = 5; question <= 9; ++question) {
        EXPECT_EQ(game.CurrentGenre, 6) << "question " << question;
        playQuestion(true);
    }
    EXPECT_EQ(game.SkillCounter[5], 0);
    EXPECT_EQ(host.genreSelects, 1);
}
