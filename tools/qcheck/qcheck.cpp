#include "qcheck.h"

#include "quiz/questionfile.h"
#include "shared/fileerror.h"
#include "shared/textfile.h"
#include "shared/widgets.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QRawFont>
#include <QHash>

#include <algorithm>
#include <climits>

namespace {
// The same names the game's reader uses for the fields of a record.
constexpr const char *kFieldNames[] = {"the question", "the correct answer", "the second answer", "the third answer",
                                       "the fourth answer"};
QString fieldName(int field) { return QLatin1String(kFieldNames[field]); }

struct Place {
    QString file;
    int line;
};

class Checker {
public:
    Checker(const TextBox &question, const TextBox &answer) : question_(question), answer_(answer) {}

    std::vector<Problem> problems;

    // The fonts are looked up by name; a missing one would be replaced by whatever the system has,
    // and measuring with that says nothing about what the player sees.
    bool fontsPresent() {
        for (const QFont &font : {question_.font, answer_.font}) {
            const QString wanted = font.families().value(0, font.family());
            const QString found = QFontInfo(font).family();
            if (found != wanted)
                report({}, 0, ProblemKind::FontMissing,
                       QStringLiteral("the font %1 is not installed (%2 would stand in for it), so no text was measured")
                           .arg(wanted, found));
        }
        return problems.empty();
    }

    void checkFile(const QString &path, bool measure) {
        try {
            const QString text = readDataFile(path);
            const QuestionFile file = parseQuestions(text, path);
            for (std::size_t k = 0; k < file.records.size(); ++k)
                checkRecord(path, file.lines[k], file.records[k], measure);
            checkEnding(path, text, static_cast<int>(file.records.size()));
        } catch (const FileError &error) {
            report(path, error.line(), ProblemKind::Unreadable, error.fault());
        }
    }

    // Every place of a question found more than once names the other places.
    void checkSameQuestions() {
        for (const std::vector<Place> &places : std::as_const(questions_)) {
            if (places.size() < 2)
                continue;
            for (const Place &here : places) {
                QStringList others;
                for (const Place &there : places)
                    if (&there != &here)
                        others << QStringLiteral("%1:%2").arg(there.file).arg(there.line);
                report(here.file, here.line, ProblemKind::SameQuestion,
                       QStringLiteral("the same question is also at %1").arg(others.join(QStringLiteral(", "))));
            }
        }
    }

private:
    void report(const QString &file, int line, ProblemKind kind, const QString &text) {
        problems.push_back({file, line, kind, text});
    }

    void checkRecord(const QString &path, int line, const QuestionRecord &record, bool measure) {
        if (!record[0].trimmed().isEmpty())
            questions_[record[0].trimmed()].push_back({path, line});
        for (int i = 0; i < 5; ++i) {
            const QString &field = record[i];
            if (field.trimmed().isEmpty()) {
                report(path, line, ProblemKind::EmptyField, QStringLiteral("%1 is empty").arg(fieldName(i)));
                continue;
            }
            if (field.contains(u'\n') || field.contains(u'\r'))
                report(path, line, ProblemKind::LineBreak, QStringLiteral("%1 holds a line break").arg(fieldName(i)));
            if (i == 0)
                continue;
            for (int j = 1; j < i; ++j)
                if (record[j].trimmed() == field.trimmed()) {
                    report(path, line, ProblemKind::RepeatedAnswer,
                           QStringLiteral("%1 is the same as %2: \"%3\"").arg(fieldName(i), fieldName(j), field));
                    break;
                }
        }
        if (measure)
            measureRecord(path, line, record);
    }

    // Measured the way the labels lay their text out (QLabel draws plain text through the same
    // formatting as QFontMetrics::boundingRect), with the space the game adds to each text.
    void measureRecord(const QString &path, int line, const QuestionRecord &record) {
        for (int i = 0; i < 5; ++i)
            checkGlyphs(path, line, i, record[i], i == 0 ? question_.font : answer_.font);
        const QSize q = question_.size;
        const QRect asked = QFontMetrics(question_.font)
                                .boundingRect(QRect(0, 0, q.width(), INT_MAX),
                                              Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, record[0] + u' ');
        if (asked.height() > q.height() || asked.width() > q.width())
            report(path, line, ProblemKind::QuestionTooLong,
                   QStringLiteral("the question takes %1×%2 px, more than its %3×%4 px label")
                       .arg(asked.width())
                       .arg(asked.height())
                       .arg(q.width())
                       .arg(q.height()));
        const QSize a = answer_.size;
        for (int i = 1; i < 5; ++i) {
            const int width = QFontMetrics(answer_.font)
                                  .boundingRect(QRect(QPoint(0, 0), a), Qt::AlignLeft | Qt::AlignVCenter,
                                                u' ' + record[i])
                                  .width();
            if (width > a.width())
                report(path, line, ProblemKind::AnswerTooWide,
                       QStringLiteral("%1 takes %2 px, more than the %3 px of its label: \"%4\"")
                           .arg(fieldName(i))
                           .arg(width)
                           .arg(a.width())
                           .arg(record[i]));
        }
    }

    // A character missing from the IPA fonts is drawn by whatever font the system falls back to,
    // or as an empty box where there is none. The font file itself is asked: font metrics answer
    // for the font with its fallbacks, which depend on what else the machine has installed.
    void checkGlyphs(const QString &path, int line, int field, const QString &text, const QFont &font) {
        const QRawFont raw = QRawFont::fromFont(font);
        for (char32_t c : text.toUcs4())
            if (c >= 0x20 && !raw.supportsCharacter(c)) { // line breaks have their own report
                report(path, line, ProblemKind::GlyphMissing,
                       QStringLiteral("%1 holds \"%2\", which its font %3 does not have")
                           .arg(fieldName(field), QString::fromUcs4(&c, 1), font.families().value(0)));
                return;
            }
    }

    // The reader takes a file that stops right after a record as if the empty line followed, and
    // ignores whatever comes after that line. Walking the same fields again shows how the list
    // really ended: a stray empty line in the middle would silently cut the rest of the file.
    void checkEnding(const QString &path, const QString &text, int records) {
        SequentialReader in(text, path);
        for (int i = 0; i < records * 5; ++i)
            in.readField();
        if (in.atEnd()) {
            report(path, in.line(), ProblemKind::NoTerminator,
                   QStringLiteral("the file ends without the empty line that ends the list of questions"));
            return;
        }
        in.readField(); // the empty line
        while (!in.atEnd()) {
            const int line = in.line();
            bool text = true; // a field broken out there is text all the same
            try {
                text = !in.readField().trimmed().isEmpty();
            } catch (const FileError &) {
            }
            if (text) {
                report(path, line, ProblemKind::TextAfterEnd,
                       QStringLiteral("this comes after the empty line that ends the list, and the game never reads it"));
                return;
            }
        }
    }

    TextBox question_;
    TextBox answer_;
    QHash<QString, std::vector<Place>> questions_; // trimmed question → where it is asked
};
} // namespace

QString formatProblem(const Problem &problem) {
    if (problem.file.isEmpty())
        return problem.text;
    if (problem.line <= 0)
        return QStringLiteral("%1: %2").arg(problem.file, problem.text);
    return QStringLiteral("%1:%2: %3").arg(problem.file).arg(problem.line).arg(problem.text);
}

// As the quiz window lays out its question label Label1 and answer labels ans1..ans4.
TextBox questionBox() { return {twipsSize(6135, 1455), layoutFont(Typeface::Gothic, 12.75)}; }
TextBox answerBox() { return {twipsSize(2655, 495), layoutFont(Typeface::PGothic, 12.75)}; }

std::vector<Problem> checkQuestionFiles(const QStringList &paths, const TextBox &question, const TextBox &answer) {
    Checker checker(question, answer);
    const bool measure = checker.fontsPresent();
    for (const QString &path : paths)
        checker.checkFile(path, measure);
    checker.checkSameQuestions();
    std::vector<Problem> problems = std::move(checker.problems);
    // Problems about no file first, then file by file as given, line by line.
    auto order = [&](const Problem &p) { return std::pair(p.file.isEmpty() ? -1 : paths.indexOf(p.file), p.line); };
    std::stable_sort(problems.begin(), problems.end(),
                     [&](const Problem &x, const Problem &y) { return order(x) < order(y); });
    return problems;
}

namespace {
struct Entry {
    QString file;
    int line;
    QString answer;             // folded right answer
    std::vector<quint32> pairs; // sorted distinct character pairs of the folded question
};

// Full-width letters and digits folded to their plain forms, without spaces and punctuation, so
// "１９６１年" and "1961年" or a question with and without "、" compare alike.
QString fold(const QString &text) {
    QString folded;
    for (QChar c : text.normalized(QString::NormalizationForm_KC))
        if (c.isLetterOrNumber())
            folded += c.toLower();
    return folded;
}

std::vector<quint32> characterPairs(const QString &folded) {
    std::vector<quint32> pairs;
    for (qsizetype i = 0; i + 1 < folded.size(); ++i)
        pairs.push_back(quint32(folded[i].unicode()) << 16 | folded[i + 1].unicode());
    std::sort(pairs.begin(), pairs.end());
    pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
    return pairs;
}

std::size_t shared(const std::vector<quint32> &a, const std::vector<quint32> &b) {
    std::size_t n = 0;
    for (auto i = a.begin(), j = b.begin(); i != a.end() && j != b.end();) {
        if (*i < *j)
            ++i;
        else if (*j < *i)
            ++j;
        else
            ++n, ++i, ++j;
    }
    return n;
}
} // namespace

// Fewer shared pairs than this are a phrase two questions happen to share, not a question.
constexpr std::size_t kFewestSharedPairs = 8;

std::vector<SimilarPair> findSimilarPairs(const QStringList &paths, double alike) {
    std::vector<Entry> entries;
    for (const QString &path : paths) {
        try {
            const QuestionFile file = readQuestionFile(path);
            for (std::size_t k = 0; k < file.records.size(); ++k)
                entries.push_back({path, file.lines[k], fold(file.records[k][1]),
                                   characterPairs(fold(file.records[k][0]))});
        } catch (const FileError &) {
            // the ordinary check reports it
        }
    }
    // Pairs that half the bank shares ("のは", "初め", "何と") say nothing about a question's
    // fact: a pair found in more than one question in a hundred is left out of the comparison.
    QHash<quint32, int> questionsWith;
    for (const Entry &entry : entries)
        for (quint32 pair : entry.pairs)
            ++questionsWith[pair];
    const int common = std::max<int>(3, int(entries.size() / 100));
    for (Entry &entry : entries)
        std::erase_if(entry.pairs, [&](quint32 pair) { return questionsWith.value(pair) > common; });

    std::vector<SimilarPair> found;
    for (std::size_t i = 0; i < entries.size(); ++i)
        for (std::size_t j = i + 1; j < entries.size(); ++j) {
            const Entry &a = entries[i], &b = entries[j];
            QString reason;
            if (!a.answer.isEmpty() && a.answer == b.answer)
                reason = QStringLiteral("same right answer");
            const std::size_t shorter = std::min(a.pairs.size(), b.pairs.size());
            const std::size_t both = shared(a.pairs, b.pairs);
            if (both >= kFewestSharedPairs) {
                const double share = double(both) / double(shorter);
                if (share >= alike) {
                    const QString text = QStringLiteral("questions %1% alike").arg(qRound(share * 100));
                    reason = reason.isEmpty() ? text : reason + QStringLiteral(", ") + text;
                }
            }
            if (!reason.isEmpty())
                found.push_back({a.file, b.file, a.line, b.line, reason});
        }
    return found;
}

QString formatPair(const SimilarPair &pair) {
    return QStringLiteral("%1:%2 ~ %3:%4: %5")
        .arg(pair.firstFile)
        .arg(pair.firstLine)
        .arg(pair.secondFile)
        .arg(pair.secondLine)
        .arg(pair.reason);
}
