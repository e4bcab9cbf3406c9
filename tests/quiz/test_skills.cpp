// The fifteen skills in play and how they combine, and the skill hand-off file.

#include "quiztest.h"

#include "shared/keys.h"

#include <functional>
#include <tuple>

namespace {
struct Skills : QuizTest {
    // Answers taken away from the screen; -1 when the correct one went too.
    int hidden() const {
        int n = 0;
        for (int s = 1; s <= 4; ++s)
            n += !game.view.answer[s].visible;
        return game.view.answer[correctSlot()].visible ? n : -1;
    }
    // The answers shown again as if none had been taken away yet: how many go now.
    int showAnswersAfresh() {
        for (int s = 1; s <= 4; ++s)
            game.view.answer[s].visible = true;
        game.ShowAnswers();
        return hidden();
    }
};
struct Scene final : Skills {
    void TestBody() override {}
};
enum class How { UsedWhileTyping, Used, Won, UsedAfterGameOver };
} // namespace

// Each skill used while the first question is typed or with its answers on screen, or won in
// the slot, or held when the game is already over; then what the skill table says it does and
// what is left of its counter.
TEST_F(Skills, EachSkillActsAsItsTableSays) {
    const struct {
        Skill::Id skill;
        How how;
        std::function<void(Skills &)> check;
        int left = 0;
    } cases[] = {
        {Skill::Elite, How::UsedWhileTyping, [](Skills &t) {
             t.answer(true); // 150 left
             EXPECT_EQ(t.game.view.message, "得点  ２００点＋タイムボーナス５５０点    　×２");
             EXPECT_EQ(t.state.Score, 1500);
         }, 4},
        {Skill::Slow, How::UsedWhileTyping, [](Skills &t) {
             t.finishTyping();
             EXPECT_EQ(t.timer.currentInterval, kSlowCountdownInterval);
         }, 4},
        {Skill::ThreeChoice, How::Used, [](Skills &t) { EXPECT_EQ(t.hidden(), 1) << "at once"; }, 4},
        {Skill::TwoChoice, How::Used, [](Skills &t) {
             EXPECT_EQ(t.hidden(), 2);
             // Every pair of draws takes two different wrong answers, with three-choice too.
             for (double r1 : {0.0, 0.4, 0.8})
                 for (double r2 : {0.0, 0.4, 0.8}) {
                     t.game.SkillCounter[Skill::ThreeChoice] = t.game.SkillCounter[Skill::TwoChoice] = 1;
                     t.random.script = {0.0, r1, r2};
                     EXPECT_EQ(t.showAnswersAfresh(), 2) << r1 << " " << r2;
                     EXPECT_EQ(t.game.SkillCounter[Skill::ThreeChoice], 0);
                 }
         }},
        {Skill::GenreSelect, How::Used, [](Skills &t) {
             // The next question's genre is the player's; an answer that is no genre declines.
             t.host.genreToChoose = 9;
             t.playQuestion(true);
             EXPECT_EQ(t.host.genreSelects, 1);
             EXPECT_EQ(t.game.ChosenGenre, 0) << "9 is no genre";
             // Choice granted twice before any genre was picked: no window at 10, and genre 0
             // never names a file.
             t.game.SkillCounter[Skill::GenreSelect] = 10;
             t.game.LoadQuestions();
             EXPECT_EQ(t.host.genreSelects, 1);
         }, 9},
        {Skill::Prayer, How::Won, [](Skills &t) {
             for (const auto &[lives, removed, left] : {std::tuple{3, 0, 5}, {2, 1, 4}, {1, 2, 3}}) {
                 t.game.Lives = static_cast<std::int16_t>(lives);
                 EXPECT_EQ(t.showAnswersAfresh(), removed) << lives << " lives";
                 EXPECT_EQ(t.game.SkillCounter[Skill::Prayer], left);
             }
         }, 3},
        {Skill::Retry, How::Used, [](Skills &t) {
             t.answer(false);
             EXPECT_EQ(t.game.view.mark[t.wrongSlot()] + t.game.view.mark[t.correctSlot()], "不正解");
             t.answer(false);
             EXPECT_EQ(t.game.Lives, 3) << "a second wrong choice costs a life";
         }},
        {Skill::SunSword, How::Used, [](Skills &t) {
             t.answer(true);
             EXPECT_EQ(t.game.Lives, 5);
             EXPECT_EQ(t.game.view.lifeLine, "ＬＩＦＥ：　４") << "shown before the life is added";
         }, 2},
        {Skill::Shield, How::Used, [](Skills &t) {
             t.game.Streak = 3;
             t.answer(false);
             EXPECT_EQ(t.game.Lives * 10 + t.game.Streak, 43) << "no life lost, the streak goes on";
         }},
        {Skill::Ambush, How::Used, [](Skills &t) {
             t.tick(149 - 81);
             EXPECT_EQ(t.hidden(), 0);
             t.tick(); // 80
             EXPECT_EQ(t.hidden(), 1);
         }, 4},
        {Skill::LifeRecovery, How::Used, [](Skills &t) { EXPECT_EQ(t.game.view.lifeLine, "ＬＩＦＥ：　６"); }},
        {Skill::BonusPoints, How::Won, [](Skills &t) { // from 900 past two thresholds
             EXPECT_EQ(t.state.Score * 10 + t.game.Lives, 29005) << "one life with the award";
             t.game.AddPoints(0);
             EXPECT_EQ(t.game.Lives, 6) << "and one at the next";
         }},
        {Skill::Charge, How::Used, [](Skills &t) {
             t.tick();
             EXPECT_EQ(t.stat(CorrectTimeSum), 148) << "correct at the next tick, with the time then left";
         }},
        {Skill::QuestionPass, How::Used, [](Skills &t) {
             EXPECT_EQ(t.game.QuestionNo, 2);
             EXPECT_EQ(t.state.QuestionCount, 2);
             EXPECT_EQ(t.timer.currentInterval, kTypeInterval);
             int asked = 0, judged = 0;
             for (const auto &genre : t.state.GenreStats[0])
                 asked += genre[QuestionsAsked], judged += genre[CorrectAnswers] + genre[WrongAnswers] + genre[TimeOuts];
             EXPECT_EQ(asked * 10 + judged, 20) << "asked, but neither right nor wrong";
         }},
        {Skill::TimeStop, How::Used, [](Skills &t) {
             t.tick(100);
             EXPECT_EQ(t.game.TimeLeft, 149);
             t.tick();
             EXPECT_EQ(t.game.TimeLeft, 148);
         }},
        {Skill::QuestionPass, How::UsedAfterGameOver, [](Skills &t) {
             EXPECT_EQ(t.host.playerDatas, 1) << "the end of the game runs once";
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "skill " << int(c.skill));
        Scene t;
        t.load();
        if (c.how != How::UsedWhileTyping)
            t.finishTyping();
        if (c.how == How::Won) {
            t.state.Score = 900;
            t.host.skillsToWin = {c.skill};
            t.game.RunSkillSlot();
        } else {
            if (c.how == How::UsedAfterGameOver) {
                t.game.Lives = 0;
                t.game.GameOver();
            }
            t.game.HeldSkill = c.skill;
            t.game.ShowHeldSkill();
            EXPECT_EQ(t.game.view.heldSkill.caption, t.state.SkillName[c.skill]);
            // One way of using it per case, so each is proven: the G key while the question
            // is typed, a click on the label once the answers show; after the game, neither.
            if (c.how != How::Used)
                t.game.key(VirtualKey::G);
            if (c.how != How::UsedWhileTyping)
                t.game.useHeldSkill();
        }
        const bool used = c.how != How::UsedAfterGameOver;
        EXPECT_EQ(t.game.HeldSkill, used ? Skill::None : c.skill);
        EXPECT_EQ(t.game.view.heldSkill.visible, !used);
        EXPECT_EQ(t.audio.count("7:Play skilluse.wav"), c.how == How::Used || c.how == How::UsedWhileTyping ? 1 : 0);
        c.check(t);
        EXPECT_EQ(t.game.SkillCounter[c.skill], c.left);
    }
}

// The slot's result as the quiz reads it from "data.qdt" once the slot window has closed.
TEST_F(Skills, TheHandOffFileIsReadStrictlyAndAFaultCostsOnlyTheSkill) {
    load();
    host.slotWritesFile = false;
    const struct {
        const char *file; // what "data.qdt" holds after the slot; nothing: there is none
        bool handedOver;  // false: the slot could not write it, and said so
        int held;
        const char *fault;
    } cases[] = {
        {"23\r\n", true, Skill::Charge, nullptr},     {"23\r\n", false, Skill::None, nullptr},
        {nullptr, true, Skill::None, "ファイルがありません"}, {"abc\r\n", true, Skill::None, "整数でなければ"},
        {"9\r\n", true, 9, nullptr}, {"1\r\n2\r\n", true, Skill::None, "余計なデータ"},
    };
    for (const auto &c : cases) {
        host.errors.clear();
        QFile::remove(folder.path("data.qdt"));
        if (c.file)
            writeBytes(folder.path("data.qdt"), c.file);
        host.slotHandsOver = c.handedOver;
        game.RunSkillSlot();
        EXPECT_EQ(game.HeldSkill, c.held) << c.fault;
        EXPECT_TRUE(timer.enabled) << "the game goes on";
        EXPECT_EQ(host.errors.size(), c.fault ? 1 : 0);
        const QString message = host.errors.value(0);
        EXPECT_TRUE(!c.fault || (message.contains("「data.qdt」") && message.contains(QString::fromUtf8(c.fault))))
            << message.toStdString();
    }
}
