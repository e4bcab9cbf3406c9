#include "quizgame.h"

#include "shared/keys.h"
#include "shared/skillhandoff.h"

#include <algorithm>

namespace {
FileError noQuestions(const SharedState &state) {
    return FileError(state.dataDir(), 0, QStringLiteral("八つのジャンルのどの問題ファイルにも問題がありません"))
        .setRemedy(QStringLiteral("問題ファイルを直すか、付属のファイルに戻してください。"));
}
} // namespace

QuizGame::QuizGame(SharedState &state, RandomSource &random, GameTimer &timer, QuizSounds &sounds, QuizHost &host)
    : state_(state), random_(random), timer_(timer), sounds_(sounds), host_(host) {}

QString QuizGame::questionPath(int genre) const {
    return state_.dataFile(state_.GenreName[genre] + QStringLiteral(".qdt"));
}

QString QuizGame::fullWidth(qint64 value) {
    // Through the shared formatter, as every number on screen.
    state_.FormatValue = static_cast<std::int32_t>(value);
    state_.FormatNumber();
    return state_.FormatText;
}

void QuizGame::CheckQuestionFiles() {
    bool anyQuestion = false;
    for (int g = 1; g <= kPlayedGenres; ++g)
        anyQuestion |= !readQuestionFile(questionPath(g)).records.empty();
    if (!anyQuestion)
        throw noQuestions(state_);
}

// ---------------------------------------------------------------- what the window hands over

template <typename Event>
void QuizGame::guarded(Event event) {
    try {
        event();
    } catch (const FileError &error) {
        breakOff(error);
    }
}

void QuizGame::breakOff(const FileError &error) {
    timer_.setEnabled(false);
    if (error.endsProgram()) {
        host_.reportError(error.message(), true);
        return;
    }
    // Every statistic was saved as it changed; the game cut short keeps its best score and rate
    // too, and the player goes back to the title.
    host_.reportError(error.message(), false);
    try {
        RecordBest();
    } catch (const FileError &saveError) {
        host_.reportError(saveError.message(), saveError.endsProgram());
        return;
    }
    host_.returnToTitle();
}

bool QuizGame::load() {
    try {
        CheckQuestionFiles();
        if (!host_.selectPlayer()) {
            timer_.setEnabled(false);
            return false;
        }
        // The play count grows once per opening of the window; "続ける" does not count again.
        state_.PlayerRecord[player()][PlayCount] += 1;
        TypeInterval = kTypeInterval;
        sounds_.OpenSounds();
        NewGame();
    } catch (const FileError &error) {
        timer_.setEnabled(false);
        host_.reportError(error.message(), error.endsProgram());
        return false;
    }
    return true;
}

void QuizGame::tick() {
    guarded([this] {
        if (Lives == 0)
            MenuMode = 1;
        if (TimeLeft == 0)
            TimeOver = 1;
        if (timer_.interval() == TypeInterval)
            TypeStep();
        if (timer_.interval() == kPauseInterval) {
            timer_.setInterval(kCountdownInterval);
            NextQuestion();
            if (MenuMode == 1) // the game just ended
                return;
        }
        if (timer_.interval() == kSlowCountdownInterval || timer_.interval() == kCountdownInterval)
            CountdownStep();
        view.time = fullWidth(std::max<std::int16_t>(TimeLeft, 0));
        if (ChosenSlot > 0 || TimeOver == 1)
            AnswerCheck();
    });
}

void QuizGame::chooseSlot(int slot) {
    if (MenuMode == 0 && slot >= 1 && slot <= 4)
        ChosenSlot = static_cast<std::int16_t>(slot);
}

void QuizGame::key(int virtualKey) {
    const int position = VirtualKey::position(virtualKey);
    if (position == 0)
        return;
    if (MenuMode == 1) {
        if (position <= 4)
            chooseMenu(static_cast<MenuEntry>(position));
    } else if (position <= 4) {
        // Keys choose any slot, also one whose answer was taken away or already marked wrong.
        chooseSlot(position);
    } else {
        useHeldSkill();
    }
}

void QuizGame::useHeldSkill() {
    // Once the game is over a held skill stays on show but takes no use: a question pass would
    // run the end of the game a second time.
    if (MenuMode == 0 && view.heldSkill.visible)
        guarded([this] { UseSkill(); });
}

void QuizGame::chooseMenu(MenuEntry entry) {
    if (MenuMode != 1)
        return;
    switch (entry) {
    case MenuEntry::Continue: guarded([this] { NewGame(); }); break;
    case MenuEntry::Ranking: showRanking(); break;
    case MenuEntry::Data: host_.showPlayerData(); break;
    case MenuEntry::Exit: host_.returnToTitle(); break;
    }
}

// The ranking is shown at the end of a game and from the results menu; once the score is in
// the table, opening it again only shows the table.
void QuizGame::showRanking() {
    if (host_.showRanking(!RankingEntered))
        RankingEntered = true;
}

// ---------------------------------------------------------------- the game loop

void QuizGame::NewGame() {
    state_.Score = 0;
    ExtendLevel = 0;
    QuestionNo = 0;
    Lives = kStartLives;
    state_.QuestionCount = 0;
    CorrectCount = 0;
    Streak = 0;
    MenuMode = 0;
    RankingEntered = false;
    SkillCounter = {};
    sounds_.PlayMusic();
    HeldSkill = 0;
    PendingSlots = 0;
    ShowHeldSkill();
    NextQuestion();
    timer_.setEnabled(true);
    hideMenu(true);
}

void QuizGame::hideMenu(bool hidden) { view.menuVisible = !hidden; }

void QuizGame::NextQuestion() {
    if (Lives == 0) {
        GameOver();
        return;
    }
    SkillCounter[Skill::TimeStop] = 0; // a time stop ends with its question
    QuestionNo += 1;
    state_.QuestionCount += 1;
    if (QuestionNo % 8 == 3)
        PendingSlots += 1;
    if (QuestionNo % 10 == 5)
        SkillCounter[Skill::GenreSelect] += 5; // a free choice of genre for five questions
    if (PendingSlots > 0 && HeldSkill == 0)
        RunSkillSlot();
    ShowHeldSkill();
    ChosenSlot = 0;
    view.verdict.clear();
    view.message.clear();
    TimeLeft = kStartTime;
    TimeOver = 0;
    random_.Randomize();
    LoadQuestions();
    stat(QuestionsAsked) += 1;
    sounds_.PlayQuestionSound();
    state_.SavePlayerData();
    DrawQuestion();
    DealAnswers();
    Questions[QuestionBase] += u' ';
    timer_.setInterval(TypeInterval);
    TypedLength = 0;
    for (int s = 1; s <= 4; ++s) {
        view.answer[s] = {QString(), true};
        view.number[s].visible = true;
        view.mark[s].clear();
    }
    view.questionNumber = QStringLiteral("第　") + fullWidth(QuestionNo) + QStringLiteral("　問");
    AddPoints(0);
}

// ---------------------------------------------------------------- the question bank

void QuizGame::LoadQuestions() {
    std::array<bool, kPlayedGenres + 1> emptyGenre{};
    for (;;) {
        random_.Randomize();
        auto &choice = SkillCounter[Skill::GenreSelect];
        if (choice == 5)
            SelectGenre();
        int genre = 0;
        if (choice >= 1) {
            choice -= 1;
            genre = ChosenGenre;
        }
        // Choice granted again while some was left opens no window and keeps the genre picked
        // last; with none picked yet there is no genre to keep, and chance decides.
        if (genre < 1 || genre > kPlayedGenres)
            genre = random_.draw(kPlayedGenres);
        const QuestionFile file = readQuestionFile(questionPath(genre));
        if (file.records.empty()) {
            // An empty genre clears its asked table and another genre is drawn, for as long as
            // some genre may still hold questions.
            Asked[genre] = {};
            emptyGenre[genre] = true;
            if (std::count(emptyGenre.begin() + 1, emptyGenre.end(), true) == kPlayedGenres)
                throw noQuestions(state_);
            continue;
        }
        for (std::size_t k = 0; k < file.records.size(); ++k)
            std::copy(file.records[k].begin(), file.records[k].end(), Questions.begin() + 5 * k);
        Questions[5 * file.records.size()].clear(); // the terminator
        LastQuestion = static_cast<std::int16_t>(file.records.size() - 1);
        CurrentGenre = static_cast<std::int16_t>(genre);
        return;
    }
}

void QuizGame::DrawQuestion() {
    auto &asked = Asked[CurrentGenre];
    int n = 0;
    for (int r = 0; r <= LastQuestion; ++r)
        if (asked[r] == 0)
            Candidates[n++] = static_cast<std::int16_t>(r);
    if (n == 0) {
        // Only when the file shrank under a table marked for a longer one: start afresh.
        asked = {};
        DrawQuestion();
        return;
    }
    const int e = static_cast<int>(n * random_.Rnd());
    QuestionBase = static_cast<std::int16_t>(Candidates[e] * 5);
    asked[QuestionBase / 5] = 1;
    if (--n == 0)
        asked = {}; // the genre's last unasked record: start the genre afresh
}

void QuizGame::DealAnswers() {
    SlotAnswer = {};
    for (std::int16_t answer = 1; answer <= 4; ++answer) {
        int slot;
        do
            slot = random_.draw(4);
        while (SlotAnswer[slot] >= 1);
        SlotAnswer[slot] = answer;
    }
}

// ---------------------------------------------------------------- typing and countdown

void QuizGame::TypeStep() {
    sounds_.PlayTypeSound();
    TypedLength += 2;
    const QString &text = Questions[QuestionBase];
    TypedText = text.left(TypedLength);
    view.question = TypedText;
    if (TypedText == text) {
        ShowAnswers();
        if (SkillCounter[Skill::Slow] > 0) {
            timer_.setInterval(kSlowCountdownInterval);
            SkillCounter[Skill::Slow] -= 1;
        } else {
            timer_.setInterval(kCountdownInterval);
        }
    }
}

void QuizGame::ShowAnswers() {
    if (SkillCounter[Skill::Prayer] > 0 && Lives <= 2) {
        SkillCounter[Skill::Prayer] -= 1;
        if (Lives == 2)
            SkillCounter[Skill::ThreeChoice] += 1;
        if (Lives == 1)
            SkillCounter[Skill::TwoChoice] += 1;
    }
    // The answers to take away, by number: 0 takes none, and the correct answer (1) never goes.
    int removed1 = 0;
    int removed2 = 0;
    if (SkillCounter[Skill::ThreeChoice] > 0) {
        SkillCounter[Skill::ThreeChoice] -= 1;
        removed1 = random_.draw(3) + 1;
    }
    if (SkillCounter[Skill::TwoChoice] > 0) {
        SkillCounter[Skill::TwoChoice] -= 1;
        removed1 = random_.draw(3) + 1;
        removed2 = random_.draw(3) + 1;
        if (removed2 == removed1 && ++removed2 == 5)
            removed2 = 2;
    }
    for (int s = 1; s <= 4; ++s) {
        if (SlotAnswer[s] == removed1 || SlotAnswer[s] == removed2) {
            view.answer[s].visible = false;
            view.number[s].visible = false;
        }
        view.answer[s].caption = u' ' + Questions[QuestionBase + SlotAnswer[s]];
    }
}

void QuizGame::CountdownStep() {
    if (SkillCounter[Skill::TimeStop] > 0) {
        SkillCounter[Skill::TimeStop] -= 1;
        return;
    }
    TimeLeft -= 1;
    if (SkillCounter[Skill::Ambush] > 0 && TimeLeft == kAmbushTime) {
        SkillCounter[Skill::Ambush] -= 1;
        SkillCounter[Skill::ThreeChoice] += 1;
        ShowAnswers();
    }
}

// ---------------------------------------------------------------- judging and scoring

void QuizGame::AnswerCheck() {
    bool wrong = false;
    for (int s = 1; s <= 4; ++s)
        if (SlotAnswer[s] != 1 && ChosenSlot == s) {
            view.mark[s] = QStringLiteral("不正解");
            view.number[s].visible = false;
            wrong = true;
        }
    if (SkillCounter[Skill::Retry] > 0 && wrong) {
        SkillCounter[Skill::Retry] -= 1;
        ChosenSlot = 0;
        return;
    }
    timer_.setInterval(kPauseInterval);
    Judge();
}

void QuizGame::Judge() {
    for (int s = 1; s <= 4; ++s)
        if (SlotAnswer[s] == 1)
            view.mark[s] = QStringLiteral("正解");
    const bool correct = ChosenSlot > 0 && SlotAnswer[ChosenSlot] == 1;
    if (correct) {
        // A correct answer given while the counter already shows 0 is worth the 0 it shows.
        TimeLeft = std::max<std::int16_t>(TimeLeft, 0);
        stat(CorrectAnswers) += 1;
        stat(CorrectTimeSum) += TimeLeft;
        state_.SavePlayerData();
        CorrectCount += 1;
        Streak += 1;
        ScoreCorrect();
        sounds_.PlayCorrectSound();
        if (SkillCounter[Skill::SunSword] > 0)
            Lives += 1;
    } else {
        stat(WrongAnswers) += 1;
        stat(WrongTimeSum) += TimeLeft;
        state_.SavePlayerData();
        sounds_.PlayWrongSound();
        if (SkillCounter[Skill::Shield] > 0) {
            SkillCounter[Skill::Shield] -= 1;
        } else {
            Streak = 0;
            Lives -= 1;
        }
        // A time-out counts as a time-out, not as a wrong answer. A correct answer in the tick
        // that found the time up is a correct answer and nothing else.
        if (TimeOver == 1) {
            view.verdict = QStringLiteral("ＴＩＭＥ　ＯＶＥＲ");
            stat(WrongAnswers) -= 1;
            stat(TimeOuts) += 1;
            state_.SavePlayerData();
        }
    }
    for (int s = 1; s <= 4; ++s)
        view.number[s].visible = false;
    if (SkillCounter[Skill::SunSword] > 0)
        SkillCounter[Skill::SunSword] -= 1;
    if (SkillCounter[Skill::Elite] > 0)
        SkillCounter[Skill::Elite] -= 1;
}

void QuizGame::ScoreCorrect() {
    const std::int32_t t = TimeLeft;
    std::int32_t timeBonus = 0;
    if (t >= 130)
        timeBonus = 400;
    else if (t >= 120)
        timeBonus = 200;
    else if (t >= 110)
        timeBonus = 100;
    else if (t >= 100)
        timeBonus = 50;
    const std::int32_t factor = SkillCounter[Skill::Elite] > 0 ? 2 : 1;
    std::int32_t points = factor * (t + 200 + timeBonus);
    state_.BonusText = factor == 2 ? QStringLiteral("    　×２") : QString();
    state_.BonusText = QStringLiteral("タイムボーナス") + fullWidth(t + timeBonus) + QStringLiteral("点") + state_.BonusText;
    const std::int32_t streakBonus = Streak < 5 ? 0 : (Streak - 4) * 50;
    points += factor * streakBonus;
    view.message = QStringLiteral("得点  ") + fullWidth(200 + streakBonus) + QStringLiteral("点＋") + state_.BonusText;
    AddPoints(points);
}

std::int32_t QuizGame::extendThreshold(std::int32_t level) {
    static constexpr std::int32_t kFirst[] = {999, 1999, 3999, 6999, 9999, 14999};
    if (level < 6)
        return kFirst[level];
    return 19999 + (level - 6) * 8000;
}

void QuizGame::AddPoints(std::int32_t points) {
    state_.Score += points;
    state_.PlayerRecord[player()][TotalPoints] += static_cast<float>(points);
    state_.SavePlayerData();
    if (state_.Score > extendThreshold(ExtendLevel)) { // at most one extra life per award
        Lives += 1;
        ExtendLevel += 1;
    }
    view.scoreLine = QStringLiteral("得点　　") + fullWidth(state_.Score) + QStringLiteral(" 点");
    view.lifeLine = QStringLiteral("ＬＩＦＥ：　") + fullWidth(Lives);
}

// ---------------------------------------------------------------- end of the game

void QuizGame::GameOver() {
    // Normally the tick that ends the game has already set this; a question pass used in the
    // pause after the last life ends the game without such a tick.
    MenuMode = 1;
    ChosenSlot = 0;
    view.question.clear();
    view.verdict = QStringLiteral("ＧＡＭＥ　ＯＶＥＲ");
    AddPoints(0);
    view.message = QStringLiteral("あなたの最終得点") + fullWidth(state_.Score) + QStringLiteral("点");
    RecordBest();
    sounds_.PlayGameOverMusic();
    timer_.setEnabled(false);
    hideMenu(false);
    if (state_.Score > 0)
        showRanking();
    host_.showPlayerData();
}

// The player's best score and best correct rate, raised by the game just ended and saved.
void QuizGame::RecordBest() {
    auto &record = state_.PlayerRecord[player()];
    if (record[BestScore] < static_cast<float>(state_.Score))
        record[BestScore] = static_cast<float>(state_.Score);
    if (state_.QuestionCount != 0) {
        const std::int64_t rate = std::int64_t{CorrectCount} * 1000 / state_.QuestionCount;
        if (record[BestRate] < static_cast<float>(rate))
            record[BestRate] = static_cast<float>(rate);
    }
    state_.SavePlayerData();
}

// ---------------------------------------------------------------- skills

void QuizGame::RunSkillSlot() {
    PendingSlots -= 1;
    timer_.setEnabled(false);
    HeldSkill = host_.runSkillSlot() ? readWonSkill() : std::int16_t{Skill::None};
    if (HeldSkill == Skill::Prayer) { // works from the moment it is won
        SkillCounter[Skill::Prayer] += 5;
        HeldSkill = Skill::None;
    }
    if (HeldSkill == Skill::BonusPoints) { // paid at once
        AddPoints(kBonusPoints);
        HeldSkill = Skill::None;
    }
    ShowHeldSkill();
    timer_.setEnabled(true);
}

std::int16_t QuizGame::readWonSkill() {
    try {
        return static_cast<std::int16_t>(readSkillHandOff(state_.dataFile(QLatin1String(kSkillHandOffFile))));
    } catch (FileError &error) {
        // The slot's result is lost, not the game: no skill this turn, and play goes on.
        error.setRemedy(QStringLiteral("今回のスキルは獲得できませんでした。ゲームはこのまま続きます。"));
        host_.reportError(error.message(), false);
        return Skill::None;
    }
}

void QuizGame::ShowHeldSkill() {
    const bool shown = Skill::isHeld(HeldSkill) && !state_.SkillName[HeldSkill].isEmpty();
    if (shown)
        view.heldSkill.caption = state_.SkillName[HeldSkill];
    view.heldSkill.visible = shown;
}

void QuizGame::UseSkill() {
    sounds_.PlaySkillSound();
    const bool answersShown = timer_.interval() != TypeInterval;
    switch (HeldSkill) {
    case Skill::Elite: SkillCounter[Skill::Elite] += 5; break;
    case Skill::Slow: SkillCounter[Skill::Slow] += 5; break;
    case Skill::ThreeChoice:
    case Skill::TwoChoice:
        SkillCounter[HeldSkill] += 5;
        if (answersShown) // the answers on screen lose theirs at once
            ShowAnswers();
        break;
    case Skill::GenreSelect: SkillCounter[Skill::GenreSelect] += 5; break;
    case Skill::Retry: SkillCounter[Skill::Retry] += 1; break;
    case Skill::SunSword: SkillCounter[Skill::SunSword] += 3; break;
    case Skill::Shield: SkillCounter[Skill::Shield] += 1; break;
    case Skill::Ambush: SkillCounter[Skill::Ambush] += 5; break;
    case Skill::LifeRecovery:
        Lives += 2;
        AddPoints(0);
        break;
    case Skill::Charge: // the correct slot is chosen, and judged at the next tick
        for (int s = 1; s <= 4; ++s)
            if (SlotAnswer[s] == 1)
                ChosenSlot = static_cast<std::int16_t>(s);
        break;
    case Skill::QuestionPass: NextQuestion(); break;
    case Skill::TimeStop: SkillCounter[Skill::TimeStop] = kTimeStopTicks; break;
    default: break;
    }
    HeldSkill = Skill::None;
    ShowHeldSkill();
}

void QuizGame::SelectGenre() {
    timer_.setEnabled(false);
    host_.selectGenre();
    // Only a genre that names a question file is taken; anything else declines the choice.
    if (state_.FormatValue >= 1 && state_.FormatValue <= kPlayedGenres) {
        ChosenGenre = static_cast<std::int16_t>(state_.FormatValue);
    } else {
        auto &choice = SkillCounter[Skill::GenreSelect];
        choice = static_cast<std::int16_t>((choice - 1) / 5 * 5); // from 5: none left
    }
    timer_.setEnabled(true);
}
