#include "questionfile.h"

#include "shared/textfile.h"

QuestionFile parseQuestions(const QString &text, const QString &fileName) {
    SequentialReader in(text, fileName);
    QuestionFile file;
    constexpr const char16_t *kAnswerNames[] = {u"正解", u"二つ目の答え", u"三つ目の答え", u"四つ目の答え"};
    while (!in.atEnd()) {
        const int line = in.line();
        QuestionRecord record;
        record[0] = in.readField(u"問題文");
        if (record[0].isEmpty())
            return file;
        if (static_cast<int>(file.records.size()) == kMaxQuestions)
            in.failAt(line, QStringLiteral("終わりの空行の前に %1 問を超える問題があります").arg(kMaxQuestions));
        for (int i = 1; i <= 4; ++i) {
            if (in.atEnd())
                in.failAt(line, QStringLiteral("ここから始まる問題の途中でファイルが終わっています（%1がありません）")
                                    .arg(QStringView(kAnswerNames[i - 1])));
            record[i] = in.readField(kAnswerNames[i - 1]);
        }
        file.records.push_back(std::move(record));
        file.lines.push_back(line);
    }
    return file;
}

QuestionFile readQuestionFile(const QString &path) { return parseQuestions(readDataFile(path), path); }
