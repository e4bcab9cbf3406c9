#pragma once

// Checks question files before they ship: anything the game's reader refuses, and anything it
// accepts but the player would see go wrong (an empty or repeated answer, a text cut off by its
// label, the same question twice in the bank).

#include <QFont>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

enum class ProblemKind {
    Unreadable,      // the game's reader refuses the file; the text is the reader's own
    NoTerminator,    // the file ends after a record without the empty line that ends the list
    TextAfterEnd,    // text after the empty line that ends the list, which the game never reads
    EmptyField,      // a question or answer that is empty or only spaces
    RepeatedAnswer,  // two answers of one record are the same
    LineBreak,       // a quoted field holds a line break
    AnswerTooWide,   // " " + answer is wider than an answer label
    QuestionTooLong, // question + " " does not fit the word-wrapped question label
    SameQuestion,    // the same question in two places of the files checked
    FontMissing,     // a layout font is not installed, so no text was measured
    GlyphMissing,    // a character the label's font does not have, drawn by some other font
};

struct Problem {
    QString file; // as it was given; empty when the problem is not about one file
    int line = 0; // 1-based; 0 when it is not tied to a line
    ProblemKind kind = ProblemKind::Unreadable;
    QString text;
};

// "<file>:<line>: <text>", leaving out the line or the file when the problem has none.
QString formatProblem(const Problem &problem);

// A label a text is shown in: its size in pixels and its font.
struct TextBox {
    QSize size;
    QFont font;
};
// The quiz window's question label and answer labels.
TextBox questionBox();
TextBox answerBox();

// Reads each file with the game's reader and returns every problem found, grouped by file in the
// order given and by line within a file. Texts are measured with the boxes' fonts, which needs a
// QGuiApplication.
std::vector<Problem> checkQuestionFiles(const QStringList &paths, const TextBox &question = questionBox(),
                                        const TextBox &answer = answerBox());

// Two records that may ask the same fact or give each other away: a human reads each pair.
struct SimilarPair {
    QString firstFile, secondFile; // as given
    int firstLine = 0, secondLine = 0;
    QString reason;
};
// Every pair of records, across all the files given, that shares its right answer or most of its
// question text: at least `alike` of the shorter question's character pairs, compared after width
// folding, without spaces and punctuation, and leaving out the pairs common to many questions.
// Files the reader refuses are left out.
std::vector<SimilarPair> findSimilarPairs(const QStringList &paths, double alike = 0.6);
QString formatPair(const SimilarPair &pair);
