#include "quiz/questionfile.h"

#include "shared/fileerror.h"

#include <gtest/gtest.h>

TEST(QuestionFile, RecordsMayBeOnePerLineOrOneFieldPerLine) {
    const QuestionFile file = parseQuestions(
        QStringLiteral("\"q1\",\"a\",\"b\",\"c\",\"d\"\r\n\"q2\"\r\n\"e\"\r\n\"f, g\"\r\n\"h\"\r\n\"i\"\r\n\r\n\"after\"\r\n"),
        QStringLiteral("x.qdt"));
    ASSERT_EQ(file.records.size(), 2u);
    EXPECT_EQ(file.records[1], (QuestionRecord{"q2", "e", "f, g", "h", "i"}));
    EXPECT_EQ(file.lines, (std::vector<int>{1, 2}));
}

TEST(QuestionFile, AnEmptyFirstQuestionMeansNoRecords) {
    EXPECT_TRUE(parseQuestions(QStringLiteral("\r\n\"q\",\"a\",\"b\",\"c\",\"d\"\r\n"), "e.qdt").records.empty());
    EXPECT_TRUE(parseQuestions(QString(), "e.qdt").records.empty());
}

TEST(QuestionFile, EmptyAnswersAreFieldsToo) {
    const QuestionFile file = parseQuestions(QStringLiteral("\"q\",,\"b\",\"c\",\"\"\r\n\r\n"), "e.qdt");
    ASSERT_EQ(file.records.size(), 1u);
    EXPECT_EQ(file.records[0], (QuestionRecord{"q", "", "b", "c", ""}));
}
