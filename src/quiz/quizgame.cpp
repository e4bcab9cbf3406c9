#include "quizgame.h"

#include "shared/fileerror.h"

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

// ---------------------------------------------------------------- the game loop

void QuizGame::Form_Load() {
    host_.selectPlayer();
    // The play count grows once per opening of the window; "続ける" does not count again.
    state_.PlayerRecord[player()][PlayCount] += 1;
    TypeInterval = kTypeInterval;
    sounds_.OpenSounds();
    NewGame();
}

void QuizGame::NewGame() {
    state_.Score = 0;
    ExtendLevel = 0;
    QuestionNo = 0;
    Lives = 4;
    state_.QuestionCount = 0;
    CorrectCount = 0;
    Streak = 0;
    MenuMode = 0;
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

void QuizGame::Timer1_Timer() {
    if (Lives == 0)
        MenuMode = 1;
    if (TimeLeft == 0)
        TimeOver = 1;
    if (timer_.interval() == TypeInterval)
        TypeStep();
    if (timer_.interval() == kPauseInterval) {
        timer_.setInterval(kCountdownInterval);
        NextQuestion();
        if (Lives == 0) // the game just ended
            return;
    }
    if (timer_.interval() == kSlowCountdownInterval || timer_.interval() == kCountdownInterval)
        CountdownStep();
    view.time = fullWidth(std::max<std::int16_t>(TimeLeft, 0));
    if (ChosenSlot > 0 || TimeOver == 1)
        AnswerCheck();
}

void QuizGame::NextQuestion() {
    if (Lives == 0) {
        GameOver();
        return;
    }
    SkillCounter[25] = 0; // a time stop ends with its question
    QuestionNo += 1;
    state_.QuestionCount += 1;
    if (QuestionNo % 8 == 3)
        PendingSlots += 1;
    if (QuestionNo % 10 == 5)
        SkillCounter[5] += 5;
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
        if (SkillCounter[5] == 5)
            SelectGenre();
        int genre;
        if (SkillCounter[5] < 1) {
            genre = random_.draw(kPlayedGenres);
        } else {
            SkillCounter[5] -= 1;
            genre = ChosenGenre;
        }
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
        if (SkillCounter[2] > 0) {
            timer_.setInterval(kSlowCountdownInterval);
            SkillCounter[2] -= 1;
        } else {
            timer_.setInterval(kCountdownInterval);
        }
    }
}

void QuizGame::ShowAnswers() {
    if (SkillCounter[6] > 0 && Lives <= 2) { // prayer
        SkillCounter[6] -= 1;
        if (Lives == 2)
            SkillCounter[3] += 1;
        if (Lives == 1)
            SkillCounter[4] += 1;
    }
    int removed1 = 0;
    int removed2 = 0;
    if (SkillCounter[3] > 0) { // three choices
        SkillCounter[3] -= 1;
        removed1 = random_.draw(3) + 1;
    }
    if (SkillCounter[4] > 0) { // two choices
        SkillCounter[4] -= 1;
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
    if (SkillCounter[25] > 0) { // time stop
        SkillCounter[25] -= 1;
        return;
    }
    TimeLeft -= 1;
    if (SkillCounter[14] > 0 && TimeLeft == 80) { // ambush
        SkillCounter[14] -= 1;
        SkillCounter[3] += 1;
        ShowAnswers();
    }
}

// ---------------------------------------------------------------- judging and scoring

void QuizGame::ChooseSlot(int slot) {
    if (MenuMode == 0 && slot >= 1 && slot <= 4)
        ChosenSlot = static_cast<std::int16_t>(slot);
}

void QuizGame::AnswerCheck() {
    bool wrong = false;
    for (int s = 1; s <= 4; ++s)
        if (SlotAnswer[s] != 1 && ChosenSlot == s) {
            view.mark[s] = QStringLiteral("不正解");
            view.number[s].visible = false;
            wrong = true;
        }
    if (SkillCounter[7] > 0 && wrong) { // another try
        SkillCounter[7] -= 1;
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
        if (SkillCounter[11] > 0)
            Lives += 1;
    } else {
        stat(WrongAnswers) += 1;
        stat(WrongTimeSum) += TimeLeft;
        state_.SavePlayerData();
        sounds_.PlayWrongSound();
        if (SkillCounter[13] > 0) { // shield
            SkillCounter[13] -= 1;
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
    if (SkillCounter[11] > 0)
        SkillCounter[11] -= 1;
    if (SkillCounter[1] > 0)
        SkillCounter[1] -= 1;
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
    const std::int32_t factor = SkillCounter[1] > 0 ? 2 : 1; // elite doubles
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
    auto &record = state_.PlayerRecord[player()];
    if (record[BestScore] < static_cast<float>(state_.Score))
        record[BestScore] = static_cast<float>(state_.Score);
    if (state_.QuestionCount != 0) {
        const std::int64_t rate = std::int64_t{CorrectCount} * 1000 / state_.QuestionCount;
        if (record[BestRate] < static_cast<float>(rate))
            record[BestRate] = static_cast<float>(rate);
    }
    state_.SavePlayerData();
    sounds_.PlayGameOverMusic();
    timer_.setEnabled(false);
    hideMenu(false);
    if (state_.Score > 0)
        host_.showRanking();
    host_.showPlayerData();
}

void QuizGame::command1_Click() { NewGame(); }
void QuizGame::command2_Click() { host_.showRanking(); }
void QuizGame::command3_Click() { host_.showPlayerData(); }
void QuizGame::command4_Click() { host_.returnToTitle(); }

void QuizGame::Picture1_KeyDown(int keyCode) {
    int entry = 0;
    switch (keyCode) {
    case 65: case 97: entry = 1; break;
    case 83: case 98: entry = 2; break;
    case 68: case 99: entry = 3; break;
    case 70: case 100: entry = 4; break;
    case 71: case 101: entry = 5; break;
    default: return;
    }
    if (MenuMode == 1) {
        switch (entry) {
        case 1: command1_Click(); break;
        case 2: command2_Click(); break;
        case 3: command3_Click(); break;
        case 4: command4_Click(); break;
        default: break;
        }
        return;
    }
    if (entry <= 4)
        ChosenSlot = static_cast<std::int16_t>(entry);
    else if (view.heldSkill.visible)
        UseSkill();
}

// ---------------------------------------------------------------- skills

void QuizGame::RunSkillSlot() {
    PendingSlots -= 1;
    timer_.setEnabled(false);
    HeldSkill = static_cast<std::int16_t>(host_.runSkillSlot());
    if (HeldSkill == 6) { // prayer works from the moment it is won
        SkillCounter[6] += 5;
        HeldSkill = 0;
    }
    if (HeldSkill == 22) { // bonus points are paid at once
        AddPoints(2000);
        HeldSkill = 0;
    }
    ShowHeldSkill();
    timer_.setEnabled(true);
}

void QuizGame::ShowHeldSkill() {
    const bool heldKind = HeldSkill > 0 && HeldSkill < kSkillIds && HeldSkill != 6 && HeldSkill != 22 &&
                          !state_.SkillName[HeldSkill].isEmpty();
    if (heldKind)
        view.heldSkill.caption = state_.SkillName[HeldSkill];
    view.heldSkill.visible = heldKind;
}

void QuizGame::nowskill_Click() {
    // After the game has ended the label may still show a held skill; it takes no use then.
    if (MenuMode == 0 && view.heldSkill.visible)
        UseSkill();
}

void QuizGame::UseSkill() {
    sounds_.PlaySkillSound();
    const bool answersShown = timer_.interval() != TypeInterval;
    switch (HeldSkill) {
    case 1: SkillCounter[1] += 5; break;
    case 2: SkillCounter[2] += 5; break;
    case 3:
        SkillCounter[3] += 5;
        if (answersShown)
            ShowAnswers();
        break;
    case 4:
        SkillCounter[4] += 5;
        if (answersShown)
            ShowAnswers();
        break;
    case 5: SkillCounter[5] += 5; break;
    case 7: SkillCounter[7] += 1; break;
    case 11: SkillCounter[11] += 3; break;
    case 13: SkillCounter[13] += 1; break;
    case 14: SkillCounter[14] += 5; break;
    case 21:
        Lives += 2;
        AddPoints(0);
        break;
    case 23:
        for (int s = 1; s <= 4; ++s)
            if (SlotAnswer[s] == 1)
                ChosenSlot = static_cast<std::int16_t>(s);
        break;
    case 24: NextQuestion(); break;
    case 25: SkillCounter[25] = 100; break;
    default: break;
    }
    HeldSkill = 0;
    ShowHeldSkill();
}

void QuizGame::SelectGenre() {
    timer_.setEnabled(false);
    host_.selectGenre();
    if (state_.FormatValue != 0)
        ChosenGenre = static_cast<std::int16_t>(state_.FormatValue);
    else
        SkillCounter[5] = static_cast<std::int16_t>((SkillCounter[5] - 1) / 5 * 5);
    timer_.setEnabled(true);
}
