// The question checker on small files with one fault each, its measuring held against the quiz
// window's own labels, and the qcheck program run the way a writer of questions runs it.

#include "qcheck.h"
#include "quiz/quizwindow.h"
#include "shared/random.h"

#include "../support/fakes.h"

#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <set>

namespace {
QByteArray record(const QString &question, const QString &answers = QStringLiteral("\"正\",\"誤1\",\"誤2\",\"誤3\"")) {
    return QStringLiteral("\"%1\",%2\r\n").arg(question, answers).toUtf8();
}
const QByteArray kEnd = "\r\n";

struct QCheck : ::testing::Test {
    QTemporaryDir dir;
    QString write(const QString &name, const QByteArray &bytes) {
        writeBytes(dir.filePath(name), bytes);
        return dir.filePath(name);
    }
    // The file alone must give exactly one problem, of this kind, on this line, saying this.
    void expectOne(const char *name, const QByteArray &bytes, int line, ProblemKind kind, const char *says) {
        SCOPED_TRACE(name);
        const QString path = write(QLatin1String(name), bytes);
        const std::vector<Problem> problems = checkQuestionFiles({path});
        ASSERT_EQ(problems.size(), 1u) << (problems.empty() ? "none" : formatProblem(problems[1]).toStdString());
        EXPECT_EQ(formatProblem(problems[0]).section(u' ', 0, 0), QStringLiteral("%1:%2:").arg(path).arg(line));
        EXPECT_EQ(problems[0].kind, kind);
        EXPECT_TRUE(problems[0].text.contains(QString::fromUtf8(says))) << problems[0].text.toStdString();
    }
};
} // namespace

TEST_F(QCheck, FaultsOfTheFormatAreFoundWhereTheyStart) {
    const QByteArray one = record("q1");
    expectOne("partial", one + "\"q2\",\"a\",\"b\"\r\n", 2, ProblemKind::Unreadable, "問題の途中でファイルが終わっています");
    expectOne("quote", one + "\"q2\",\"a\r\n\r\n", 2, ProblemKind::Unreadable, "閉じられていません");
    expectOne("toomany", questionFileBytes("G", 501), 501, ProblemKind::Unreadable, "500 問を超える");
    expectOne("unended", one + record("q2"), 3, ProblemKind::NoTerminator, "without the empty line");
    expectOne("cut", one + kEnd + record("lost"), 3, ProblemKind::TextAfterEnd, "never reads");
    EXPECT_TRUE(checkQuestionFiles({write("blank", one + kEnd + "\r\n  \r\n,,\r\n")}).empty()) << "harmless";
}

TEST_F(QCheck, FaultsOfARecordAreFoundOnItsFirstLine) {
    expectOne("empty", record("q0") + record("q1", "\"正\",\"誤1\",,\"誤3\"") + kEnd, 2, ProblemKind::EmptyField,
              "the third answer is empty");
    expectOne("repeated", record("q1", "\"正\",\"誤1\",\"誤2\",\" 誤1\"") + kEnd, 1, ProblemKind::RepeatedAnswer,
              "the fourth answer is the same as the second answer");
    expectOne("break", record("q0") + record("q1", "\"正\",\"誤\r\n1\",\"誤2\",\"誤3\"") + kEnd, 2,
              ProblemKind::LineBreak, "the second answer holds a line break");
    expectOne("wide", record("q1", "\"正\",\"誤誤誤誤誤誤誤誤誤誤誤誤\",\"誤2\",\"誤3\"") + kEnd, 1,
              ProblemKind::AnswerTooWide, "the second answer takes");
    expectOne("long", record(QString(130, u'問')) + kEnd, 1, ProblemKind::QuestionTooLong, "the question takes");
    expectOne("word", record(QString(60, u'W')) + kEnd, 1, ProblemKind::QuestionTooLong, "the question takes");
    expectOne("glyph", record("q1", "\"藤子不二雄Ⓐ\",\"誤1\",\"誤2\",\"誤3\"") + kEnd, 1, ProblemKind::GlyphMissing,
              "the correct answer holds \"Ⓐ\"");
    // U+87DC is missing from the IPA fonts but present in other CJK fonts a machine may have:
    // the answer must not depend on them.
    expectOne("fallback", record("q1", "\"蟜\",\"誤1\",\"誤2\",\"誤3\"") + kEnd, 1, ProblemKind::GlyphMissing,
              "the correct answer holds \"蟜\"");
}

TEST_F(QCheck, TheSameQuestionIsReportedAtBothPlacesInOrder) {
    const QString a = write("a.qdt", record("q1") + record("同じ") + record("q3", "\"a\",\"a\",\"b\",\"c\"") + kEnd);
    const QString b = write("b.qdt", record(" 同じ ") + kEnd);
    QStringList lines;
    for (const Problem &p : checkQuestionFiles({a, b}))
        lines << formatProblem(p);
    EXPECT_EQ(lines, QStringList({a + ":2: the same question is also at " + b + ":1",
                                  a + ":3: the second answer is the same as the correct answer: \"a\"",
                                  b + ":1: the same question is also at " + a + ":2"}))
        << "file by file, line by line";
}

TEST_F(QCheck, AMissingFontIsReportedInsteadOfMeasuringWithAnother) {
    TextBox question = questionBox();
    question.font.setFamilies({QStringLiteral("No Such Font")});
    const auto problems = checkQuestionFiles({write("long", record(QString(300, u'問')) + kEnd)}, question, answerBox());
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].kind, ProblemKind::FontMissing);
    EXPECT_TRUE(problems[0].text.startsWith("the font No Such Font is not installed")) << problems[0].text.toStdString();
}

// A text is too long exactly when the quiz window's own label would cut it off.
TEST_F(QCheck, MeasuresAsTheQuizWindowsLabelsLayOut) {
    SharedState state(dir.path());
    SeededRandom random(1);
    SilentBackend audio;
    FakeHost host;
    QuizWindow window(state, random, audio, host);
    auto *question = window.findChild<QLabel *>("Label1");
    auto *answer = window.findChild<QLabel *>("ans1");
    ASSERT_TRUE(question && answer);

    QByteArray bytes;
    std::set<std::pair<int, ProblemKind>> cutOff, found;
    for (int n = 1; n <= 20; ++n) { // from one line to seven, and from 2 answer characters to 22
        const QString q = QString(8 * n, u'問').replace(n, 1, QStringLiteral("ab c"));
        const QString a = QString(n, u'答') + "iW";
        bytes += record(q, QStringLiteral("\"%1\",\"b\",\"c\",\"d\"").arg(a));
        question->setText(q + u' ');
        answer->setText(u' ' + a);
        if (question->heightForWidth(question->width()) > question->height())
            cutOff.insert({n, ProblemKind::QuestionTooLong});
        if (answer->sizeHint().width() > answer->width())
            cutOff.insert({n, ProblemKind::AnswerTooWide});
    }
    for (const Problem &p : checkQuestionFiles({write("lengths", bytes + kEnd)}))
        found.insert({p.line, p.kind});
    EXPECT_EQ(found, cutOff);
    // The lengths straddle both limits, so the two sides cannot agree by never finding anything.
    EXPECT_TRUE(found.contains({20, ProblemKind::QuestionTooLong}) && found.contains({20, ProblemKind::AnswerTooWide}));
    EXPECT_FALSE(found.contains({1, ProblemKind::QuestionTooLong}) || found.contains({1, ProblemKind::AnswerTooWide}));
}

TEST_F(QCheck, TheProgramPrintsEachProblemAndASummaryAndFailsOnAny) {
    const QString bad = write("bad.qdt", record("q1") + record("q2", "\"正\",\"正\",\"誤2\",\"誤3\"") + kEnd);
    const QString missing = dir.filePath("missing.qdt");
    QProcess run;
    run.start(QStringLiteral(QCHECK_PROGRAM), {bad, missing});
    ASSERT_TRUE(run.waitForFinished(30000));
    EXPECT_EQ(run.exitCode(), 1);
    EXPECT_EQ(QString::fromUtf8(run.readAllStandardOutput()),
              bad + ":2: the second answer is the same as the correct answer: \"正\"\n" + missing +
                  ": ファイルがありません\nqcheck: 2 problems in 2 of 2 files\n");

    run.start(QStringLiteral(QCHECK_PROGRAM), {write("good.qdt", questionFileBytes("G", kMaxQuestions))});
    ASSERT_TRUE(run.waitForFinished(30000));
    EXPECT_EQ(run.exitCode(), 0);
    EXPECT_EQ(run.readAllStandardOutput(), "qcheck: no problems in 1 file\n");
}

// The pairs a human should read: the same fact asked twice in other words (across files, in
// full-width and half-width forms) and the same right answer; not two questions that merely share
// their phrasing.
TEST_F(QCheck, PairsThatMayAskTheSameFactAreListedAcrossFiles) {
    const QString a = write("a.qdt", record("１９６４年の東京オリンピックで、女子バレーボールの日本代表につけられた愛称は？",
                                            "\"東洋の魔女\",\"誤1\",\"誤2\",\"誤3\"") +
                                         record("ベルリンの壁が築かれたのは何年？", "\"1961年\",\"誤1\",\"誤2\",\"誤3\"") +
                                         record("日本で初めて開かれたオリンピックで、聖火の最終走者を務めたのは？",
                                                "\"坂井義則\",\"誤1\",\"誤2\",\"誤3\"") +
                                         kEnd);
    const QString b = write("b.qdt", record("1964年東京オリンピックの女子バレーボール日本代表の愛称は？",
                                            "\"東洋の魔女\",\"誤a\",\"誤b\",\"誤c\"") +
                                         record("国民皆保険が実現したのは何年？", "\"１９６１年\",\"誤a\",\"誤b\",\"誤c\"") + kEnd);
    QStringList lines;
    for (const SimilarPair &pair : findSimilarPairs({a, b}))
        lines << formatPair(pair).remove(dir.path() + u'/').remove(QRegularExpression(" \\d+%"));
    EXPECT_EQ(lines, QStringList({"a.qdt:1 ~ b.qdt:1: same right answer, questions alike",
                                  "a.qdt:2 ~ b.qdt:2: same right answer"}));
}
