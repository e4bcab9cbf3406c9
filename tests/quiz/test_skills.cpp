// The fifteen skills in play, how they combine, the skill hand-off file and the genre choice.

#include "quiztest.h"

#include "shared/keys.h"

#include <functional>
#include <tuple>

namespace {
struct Skills : QuizTest {
    // A skill in hand, as the slot would leave it.
    void hold(Skill::Id skill) {
        game.HeldSkill = skill;
        game.ShowHeldSkill();
    }
    int hiddenAnswers() const {
        int hidden = 0;
        for (int s = 1; s <= 4; ++s)
            hidden += !game.view.answer[s].visible;
        return hidden;
    }
    bool correctShown() const { return game.view.answer[correctSlot()].visible; }
    // A fresh display of the question's answers, as if none had been taken away yet.
    int showAnswersAfresh() {
        for (int s = 1; s <= 4; ++s)
            game.view.answer[s].visible = true;
        game.ShowAnswers();
        return hiddenAnswers();
    }
};

// A fresh game for each case of a table.
struct Scene final : Skills {
    void TestBody() override {}
};

enum class How { UsedWhileTyping, Used, Won, UsedAfterGameOver };

struct SkillCase {
    Skill::Id skill;
    How how; // used while the question is typed or with its answers on screen, won, or too late
    std::function<void(Skills &)> check;
};
} // namespace

// Each skill used with the first question's answers on screen (or while it is typed), or won in
// the slot, then what the skill table says it does.
TEST_F(Skills, EachSkillActsAsItsTableSays) {
    const SkillCase cases[] = {
        {Skill::Elite, How::UsedWhileTyping, [](Skills &t) {
             t.answer(true); // during typing: 150 left
             EXPECT_EQ(t.state.Score, 1500);
             EXPECT_EQ(t.game.view.message, "得点  ２００点＋タイムボーナス５５０点    　×２");
             EXPECT_EQ(t.game.SkillCounter[Skill::Elite], 4) << "spent at every judged question";
         }},
        {Skill::Slow, How::UsedWhileTyping, [](Skills &t) {
             t.finishTyping();
             EXPECT_EQ(t.timer.currentInterval, kSlowCountdownInterval);
             EXPECT_EQ(t.game.SkillCounter[Skill::Slow], 4);
         }},
        {Skill::ThreeChoice, How::Used, [](Skills &t) {
             EXPECT_EQ(t.hiddenAnswers(), 1) << "at once, as the answers are on screen";
             EXPECT_TRUE(t.correctShown());
             EXPECT_EQ(t.game.SkillCounter[Skill::ThreeChoice], 4);
         }},
        {Skill::TwoChoice, How::Used, [](Skills &t) {
             EXPECT_EQ(t.game.SkillCounter[Skill::TwoChoice], 4);
             // Every pair of draws takes two different wrong answers and never the correct one.
             for (double r1 : {0.0, 0.4, 0.8})
                 for (double r2 : {0.0, 0.4, 0.8}) {
                     t.game.SkillCounter[Skill::TwoChoice] = 1;
                     t.random.script = {r1, r2};
                     EXPECT_EQ(t.showAnswersAfresh(), 2) << r1 << " " << r2;
                     EXPECT_TRUE(t.correctShown()) << r1 << " " << r2;
                 }
         }},
        {Skill::GenreSelect, How::Used, [](Skills &t) {
             t.answer(true);
             t.tick();
             EXPECT_EQ(t.host.genreSelects, 1) << "the next question's genre is the player's";
         }},
        {Skill::Retry, How::Used, [](Skills &t) {
             const int wrong = t.wrongSlot();
             t.answer(false);
             EXPECT_EQ(t.game.view.mark[wrong], "不正解");
             EXPECT_EQ(t.timer.currentInterval, kCountdownInterval) << "the question goes on";
             EXPECT_EQ(t.game.Lives, 4);
             t.answer(false);
             EXPECT_EQ(t.game.Lives, 3) << "a second wrong choice costs a life";
         }},
        {Skill::SunSword, How::Used, [](Skills &t) {
             t.answer(true);
             EXPECT_EQ(t.game.Lives, 5);
             EXPECT_EQ(t.game.view.lifeLine, "ＬＩＦＥ：　４") << "shown before the life is added";
             EXPECT_EQ(t.game.SkillCounter[Skill::SunSword], 2);
         }},
        {Skill::Shield, How::Used, [](Skills &t) {
             t.game.Streak = 3;
             t.answer(false);
             EXPECT_EQ(t.game.Lives, 4);
             EXPECT_EQ(t.game.Streak, 3) << "the streak goes on";
             EXPECT_EQ(t.game.SkillCounter[Skill::Shield], 0);
         }},
        {Skill::Ambush, How::Used, [](Skills &t) {
             t.tick(149 - 81);
             EXPECT_EQ(t.hiddenAnswers(), 0);
             t.tick();
             EXPECT_EQ(t.game.TimeLeft, 80);
             EXPECT_EQ(t.hiddenAnswers(), 1) << "one wrong answer goes when the counter reaches 80";
             EXPECT_TRUE(t.correctShown());
             EXPECT_EQ(t.game.SkillCounter[Skill::Ambush], 4);
         }},
        {Skill::LifeRecovery, How::Used, [](Skills &t) {
             EXPECT_EQ(t.game.Lives, 6);
             EXPECT_EQ(t.game.view.lifeLine, "ＬＩＦＥ：　６");
         }},
        {Skill::Charge, How::Used, [](Skills &t) {
             t.tick();
             EXPECT_EQ(t.game.CorrectCount, 1);
             EXPECT_EQ(t.stat(CorrectTimeSum), 148) << "judged at the next tick with the time then left";
         }},
        {Skill::QuestionPass, How::Used, [](Skills &t) {
             EXPECT_EQ(t.game.QuestionNo, 2);
             EXPECT_EQ(t.state.QuestionCount, 2);
             EXPECT_EQ(t.timer.currentInterval, kTypeInterval) << "the next question starts at once";
             EXPECT_EQ(t.game.CorrectCount + t.game.Lives, 4) << "the dropped question is neither right nor wrong";
             int asked = 0, judged = 0;
             for (const auto &genre : t.state.GenreStats[0]) {
                 asked += genre[QuestionsAsked];
                 judged += genre[CorrectAnswers] + genre[WrongAnswers] + genre[TimeOuts];
             }
             EXPECT_EQ(asked, 2) << "but it was asked";
             EXPECT_EQ(judged, 0);
         }},
        {Skill::TimeStop, How::Used, [](Skills &t) {
             t.tick(100);
             EXPECT_EQ(t.game.TimeLeft, 149) << "the counter holds for 100 ticks";
             t.tick();
             EXPECT_EQ(t.game.TimeLeft, 148) << "and then runs on";
         }},
        {Skill::Prayer, How::Won, [](Skills &t) {
             // Nothing at three lives, three-choice at two, two-choice at one.
             for (const auto &[lives, hidden, left] : {std::tuple{3, 0, 5}, {2, 1, 4}, {1, 2, 3}}) {
                 t.game.Lives = static_cast<std::int16_t>(lives);
                 EXPECT_EQ(t.showAnswersAfresh(), hidden) << lives << " lives";
                 EXPECT_EQ(t.game.SkillCounter[Skill::Prayer], left);
             }
         }},
        {Skill::BonusPoints, How::Won, [](Skills &t) {
             // From 900 past two thresholds: one life with the award, one at the next.
             EXPECT_EQ(t.state.Score, 2900);
             EXPECT_EQ(t.game.Lives, 5);
             t.game.AddPoints(0);
             EXPECT_EQ(t.game.Lives, 6);
         }},
        {Skill::QuestionPass, How::UsedAfterGameOver, [](Skills &t) {
             EXPECT_EQ(t.host.playerDatas, 1) << "the end of the game runs once";
             EXPECT_EQ(t.game.HeldSkill, Skill::QuestionPass);
         }},
    };
    for (const SkillCase &c : cases) {
        SCOPED_TRACE(testing::Message() << "skill " << int(c.skill));
        Scene t;
        t.load();
        if (c.how != How::UsedWhileTyping)
            t.finishTyping();
        if (c.how == How::Won) {
            t.state.Score = 900;
            t.host.skillsToWin = {c.skill};
            t.game.RunSkillSlot();
            EXPECT_EQ(t.game.HeldSkill, Skill::None) << "nothing held, so another turn may run at once";
            EXPECT_FALSE(t.game.view.heldSkill.visible);
        } else {
            if (c.how == How::UsedAfterGameOver) {
                t.game.Lives = 0;
                t.game.GameOver();
            }
            t.hold(c.skill);
            EXPECT_EQ(t.game.view.heldSkill.caption, t.state.SkillName[c.skill]);
            t.game.key(VirtualKey::G);
            t.game.useHeldSkill();
            const bool used = c.how != How::UsedAfterGameOver;
            EXPECT_EQ(t.game.view.heldSkill.visible, !used);
            EXPECT_EQ(t.audio.count("7:Play skilluse.wav"), used ? 1 : 0);
        }
        c.check(t);
    }
}

TEST_F(Skills, ThreeAndTwoChoiceTogetherSpendBothAndLeaveTwo) {
    load();
    game.SkillCounter[Skill::ThreeChoice] = 2;
    game.SkillCounter[Skill::TwoChoice] = 2;
    finishTyping();
    EXPECT_EQ(hiddenAnswers(), 2);
    EXPECT_TRUE(correctShown());
    EXPECT_EQ(game.SkillCounter[Skill::ThreeChoice], 1);
    EXPECT_EQ(game.SkillCounter[Skill::TwoChoice], 1);
}

// The slot's result as the quiz reads it from "data.qdt" once the slot window has closed.
TEST_F(Skills, TheHandOffFileIsReadStrictlyAndAFaultCostsOnlyTheSkill) {
    load();
    host.slotWritesFile = false;
    const struct {
        const char *file; // what "data.qdt" holds after the slot; nothing: there is none
        bool handedOver;
        int held;
        const char *fault;
    } cases[] = {
        {"23\r\n", true, Skill::Charge, nullptr},
        {"0\r\n", true, Skill::None, nullptr},
        {"23\r\n", false, Skill::None, nullptr}, // an old file the slot could not replace, as it said
        {nullptr, true, Skill::None, "ファイルがありません"},
        {"abc\r\n", true, Skill::None, "スキル番号は整数でなければなりません"},
        {"9\r\n", true, Skill::None, "どのスキルの番号でもありません"},
        {"1\r\n2\r\n", true, Skill::None, "余計なデータ"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file ? c.file : "no file");
        host.errors.clear();
        QFile::remove(folder.path("data.qdt"));
        if (c.file)
            writeBytes(folder.path("data.qdt"), c.file);
        host.slotHandsOver = c.handedOver;
        game.PendingSlots = 1;
        game.RunSkillSlot();
        EXPECT_EQ(game.HeldSkill, c.held);
        EXPECT_TRUE(timer.enabled) << "the game goes on";
        if (c.fault) {
            ASSERT_EQ(host.errors.size(), 1);
            EXPECT_TRUE(host.errors[0].contains("「data.qdt」")) << host.errors[0].toStdString();
            EXPECT_TRUE(host.errors[0].contains(QString::fromUtf8(c.fault))) << host.errors[0].toStdString();
        } else {
            EXPECT_TRUE(host.errors.isEmpty());
        }
    }
}

// Genre 0 names no file: the choice declined, an answer out of range, or a choice granted
// again before any genre was picked all leave the genre to chance.
TEST_F(Skills, AGenreChoiceWithoutAGenreLeavesItToChance) {
    load();
    for (int answer : {0, 9, -1}) {
        host.genreToChoose = answer;
        game.SkillCounter[Skill::GenreSelect] = 5;
        game.LoadQuestions();
        EXPECT_EQ(game.SkillCounter[Skill::GenreSelect], 0) << answer;
        EXPECT_EQ(game.ChosenGenre, 0) << answer;
    }
    // The genre skill used just before question 5: ten loads of choice, and no window at 10.
    hold(Skill::GenreSelect);
    game.useHeldSkill();
    game.SkillCounter[Skill::GenreSelect] += 5;
    const int selects = host.genreSelects;
    game.LoadQuestions();
    EXPECT_EQ(host.genreSelects, selects);
    EXPECT_GE(game.CurrentGenre, 1);
    EXPECT_EQ(game.SkillCounter[Skill::GenreSelect], 9);
}
