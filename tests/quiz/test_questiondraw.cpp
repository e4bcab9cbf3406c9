// Drawing questions without repeats, dealing answers to slots, and the checks on the files.

#include "quiztest.h"

#include "shared/fileerror.h"
#include "shared/textfile.h"

#include <cmath>
#include <functional>
#include <set>

namespace {
struct Draws : QuizTest {
    // Every genre file holds the same `count` records, so the genre drawn does not matter.
    void allGenres(int count) {
        for (int g = 1; g <= 8; ++g)
            writeGenre(g, questionFileBytes(QStringLiteral("G%1-").arg(g), count));
    }
    int recordDrawn() const { return game.QuestionBase / 5; }
    void loadAndDraw() {
        game.LoadQuestions();
        game.DrawQuestion();
    }
};
} // namespace

TEST_F(Draws, AOneRecordGenreDrawsItEveryTimeAndClearsItsTable) {
    allGenres(1);
    for (int i = 0; i < 5; ++i) {
        loadAndDraw();
        EXPECT_EQ(recordDrawn(), 0);
        EXPECT_EQ(game.Asked[game.CurrentGenre][0], 0) << "cleared right after the draw";
    }
}

TEST_F(Draws, AThreeRecordGenreAsksAllThreeBeforeAnyRepeats) {
    allGenres(3);
    random.script = {0.0};
    game.LoadQuestions();
    const int genre = game.CurrentGenre;
    std::set<int> seen;
    for (int i = 0; i < 3; ++i) {
        game.DrawQuestion();
        seen.insert(recordDrawn());
    }
    EXPECT_EQ(seen, (std::set<int>{0, 1, 2}));
    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(game.Asked[genre][r], 0) << "the third draw clears the table";
}

TEST_F(Draws, ScriptedDrawsPickTheGenreAndTheRecord) {
    allGenres(10);
    random.script = {0.30, 0.55}; // genre Int(0.30 × 8) + 1 = 3; record Int(10 × 0.55) = 5
    loadAndDraw();
    EXPECT_EQ(game.CurrentGenre, 3);
    EXPECT_EQ(game.LastQuestion, 9);
    EXPECT_EQ(recordDrawn(), 5);
    EXPECT_EQ(game.Questions[25], "G3-問題5");
    random.script = {0.30, 0.75}; // the asked record is no candidate: 0..4, 6..9, Int(9 × 0.75) = 6th
    loadAndDraw();
    EXPECT_EQ(recordDrawn(), 7);
}

TEST_F(Draws, The500thRecordLoadsAndThe501stIsRefused) {
    allGenres(500);
    random.script = {0.0};
    game.LoadQuestions();
    EXPECT_EQ(game.LastQuestion, 499);
    EXPECT_EQ(game.Questions[499 * 5 + 4], "G1-誤499c");

    writeGenre(1, questionFileBytes("G1-", 501));
    random.script = {0.0};
    try {
        game.LoadQuestions();
        FAIL();
    } catch (const FileError &error) {
        EXPECT_TRUE(error.path().endsWith("ＴＶゲーム.qdt"));
        EXPECT_EQ(error.line(), 501);
        EXPECT_TRUE(error.fault().contains("500 問を超える"));
    }
}

TEST_F(Draws, AnEmptyGenreClearsItsTableAndAnotherIsDrawn) {
    allGenres(4);
    writeGenre(2, "\r\n");
    game.Asked[2][0] = 1;
    random.script = {0.15, 0.90}; // genre 2 (empty), then genre 8
    game.LoadQuestions();
    EXPECT_EQ(game.Asked[2][0], 0);
    EXPECT_EQ(game.CurrentGenre, 8);
}

TEST_F(Draws, TheDealPutsEachAnswerInItsOwnSlotUniformly) {
    allGenres(4);
    SeededRandom seeded(2024);
    QuizGame dealer(state, seeded, timer, sounds, host);
    constexpr int kDeals = 40000;
    std::array<std::array<int, 5>, 5> counts{}; // counts[answer][slot]
    for (int d = 0; d < kDeals; ++d) {
        dealer.DealAnswers();
        std::set<int> answers(dealer.SlotAnswer.begin() + 1, dealer.SlotAnswer.end());
        ASSERT_EQ(answers, (std::set<int>{1, 2, 3, 4})) << "every answer in exactly one slot";
        EXPECT_EQ(dealer.SlotAnswer[0], 0);
        for (int s = 1; s <= 4; ++s)
            ++counts[dealer.SlotAnswer[s]][s];
    }
    // Chi-square of the correct answer over four slots, 3 degrees of freedom: 16.27 is p = 0.001.
    double chi = 0;
    for (int s = 1; s <= 4; ++s) {
        const double expected = kDeals / 4.0;
        chi += std::pow(counts[1][s] - expected, 2) / expected;
    }
    EXPECT_LT(chi, 16.27);
}

TEST_F(Draws, TheAskedTablesOutliveAGameButNotTheWindow) {
    allGenres(2);
    load();
    const int genre = game.CurrentGenre;
    const int first = recordDrawn();
    game.NewGame(); // "続ける"
    if (game.CurrentGenre == genre) {
        EXPECT_NE(recordDrawn(), first) << "the other record of the genre comes next";
    }
    int askedInGenre = 0;
    for (int g = 1; g <= 8; ++g)
        for (int r = 0; r < 2; ++r)
            askedInGenre += game.Asked[g][r];
    EXPECT_GE(askedInGenre, 1);

    QuizGame fresh(state, random, timer, sounds, host);
    for (const auto &table : fresh.Asked)
        for (auto asked : table)
            EXPECT_EQ(asked, 0);
}

TEST_F(Draws, TheChecksOnLoadNameTheFileAndTheLine) {
    allGenres(3);
    struct Case {
        QByteArray bytes;
        int line;
        const char *fault;
    } cases[] = {
        {"\"q1\",\"a\",\"b\",\"c\",\"d\"\r\n\"q2\",\"a\",\"b\"\r\n", 2, "問題の途中でファイルが終わっています"},
        {"\"q1\",\"a\",\"b\",\"c\",\"d\"\r\n\"q2\",\"a\r\n", 2, "閉じられていません"},
        {"\"q1\",\"a\",\"b\",\"c\",\"d\"\r\n\"q2,\"a\",\"b\",\"c\",\"d\"\r\n", 0, ""},
    };
    for (const Case &c : cases) {
        writeGenre(5, c.bytes);
        if (c.line == 0) {
            // A stray quote makes the rest one long field; whatever it parses to, it must not crash.
            try {
                game.CheckQuestionFiles();
            } catch (const FileError &error) {
                EXPECT_TRUE(error.path().endsWith("生物・医学.qdt"));
            }
            continue;
        }
        try {
            game.CheckQuestionFiles();
            FAIL() << c.fault;
        } catch (const FileError &error) {
            EXPECT_TRUE(error.path().endsWith("生物・医学.qdt"));
            EXPECT_EQ(error.line(), c.line) << error.message().toStdString();
            EXPECT_TRUE(error.fault().contains(QString::fromUtf8(c.fault))) << error.message().toStdString();
        }
    }
    QFile::remove(folder.path("生物・医学.qdt"));
    try {
        game.CheckQuestionFiles();
        FAIL();
    } catch (const FileError &error) {
        EXPECT_TRUE(error.fault().contains("ファイルがありません"));
    }
}

TEST_F(Draws, AFileWithoutTheTerminatorIsReadAsTerminated) {
    allGenres(3);
    writeGenre(1, "\"q1\",\"a\",\"b\",\"c\",\"d\"\r\n\"q2\",\"a\",\"b\",\"c\",\"d\"");
    random.script = {0.0};
    game.LoadQuestions();
    EXPECT_EQ(game.LastQuestion, 1);
    EXPECT_EQ(game.Questions[9], "d");
}

TEST_F(Draws, AnEmptyBankIsSaidClearlyAtLoadAndDuringPlayInsteadOfDrawingForEver) {
    auto expectNoQuestions = [](const std::function<void()> &step) {
        try {
            step();
            FAIL();
        } catch (const FileError &error) {
            EXPECT_TRUE(error.fault().contains("どの問題ファイルにも問題がありません")) << error.message().toStdString();
        }
    };
    auto emptyAll = [this] {
        for (int g = 1; g <= 8; ++g)
            writeGenre(g, "\r\n");
    };
    allGenres(3);
    load();
    emptyAll();
    expectNoQuestions([this] { game.NextQuestion(); });
    expectNoQuestions([this] { game.CheckQuestionFiles(); });
}

TEST_F(Draws, ShiftJisQuestionFilesLoadToo) {
    allGenres(3);
    QByteArray sjis;
    ASSERT_TRUE(encodeCp932(QStringLiteral("\"日本の首都は？\",\"東京\",\"大阪\",\"京都\",\"名古屋\"\r\n\r\n"), &sjis));
    writeGenre(4, sjis);
    random.script = {0.4, 0.0};
    loadAndDraw();
    EXPECT_EQ(game.CurrentGenre, 4);
    EXPECT_EQ(game.Questions[0], "日本の首都は？");
    EXPECT_EQ(game.Questions[4], "名古屋");
}
