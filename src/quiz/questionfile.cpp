#include "questionfile.h"

#include "shared/textfile.h"

QuestionFile parseQuestions(const QString &text, const QString &fileName) {
    SequentialReader in(text, fileName);
    QuestionFile file;
    constexpr const char *kAnswerNames[] = {"the correct answer", "the second answer", "the third answer",
                                            "the fourth answer"};
    while (!in.atEnd()) {
        const int line = in.line();
        QuestionRecord record;
        record[0] = in.readField("a question");
        if (record[0].isEmpty())
            return file;
        if (static_cast<int>(file.records.size()) == kMaxQuestions)
            in.failAt(line, QStringLiteral("more than %1 questions before the empty line that ends the list")
                                .arg(kMaxQuestions));
        for (int i = 1; i <= 4; ++i) {
            if (in.atEnd())
                in.failAt(line, QStringLiteral("the file ends in the middle of the record that starts here, before %1")
                                    .arg(QLatin1String(kAnswerNames[i - 1])));
            record[i] = in.readField(kAnswerNames[i - 1]);
        }
        file.records.push_back(std::move(record));
        file.lines.push_back(line);
    }
    return file;
}

QuestionFile readQuestionFile(const QString &path) { return parseQuestions(readDataFile(path), path); }
