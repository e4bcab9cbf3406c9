#pragma once

#include <QString>

#include <array>
#include <vector>

// A genre's question file: records of five fields (the question, the correct answer, three wrong
// answers), ended by a record whose question is empty. At most kMaxQuestions records.
inline constexpr int kMaxQuestions = 500;

using QuestionRecord = std::array<QString, 5>;

struct QuestionFile {
    std::vector<QuestionRecord> records;
    std::vector<int> lines; // line on which each record's question starts
};

// Parses file text (already decoded). Throws FileError naming `fileName` and the line for a
// record cut short by the end of the file, a quote never closed, or more than 500 records.
// A file that ends right after a whole record is read as if the terminator followed.
QuestionFile parseQuestions(const QString &text, const QString &fileName);

// Reads and parses the file at `path` (Shift-JIS or UTF-8). Throws FileError.
QuestionFile readQuestionFile(const QString &path);
