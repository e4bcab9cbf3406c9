// qcheck: reads question files as the game does and lists what is wrong with them.

#include "qcheck.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QSet>
#include <QTextStream>

int main(int argc, char **argv) {
    // Texts are measured at the layout's 96 dpi, and no display is needed, so the check runs in CI.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "96");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qcheck"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Reads question files with the game's reader and prints every problem as <file>:<line>: <problem>,\n"
        "then a summary. Exits with 1 when it finds a problem, 0 when it finds none."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("Question files (.qdt) to check."),
                                 QStringLiteral("files..."));
    const QCommandLineOption pairs(
        QStringLiteral("pairs"),
        QStringLiteral("Instead of checking, list every pair of records across the files that shares its right answer\n"
                       "or most of its question text, for a human to read: they may ask the same fact or give each\n"
                       "other away. Always exits with 0."));
    parser.addOption(pairs);
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty())
        parser.showHelp(2);
    if (parser.isSet(pairs)) {
        QTextStream out(stdout);
        const std::vector<SimilarPair> found = findSimilarPairs(files);
        for (const SimilarPair &pair : found)
            out << formatPair(pair) << '\n';
        out << "qcheck: " << found.size() << " pairs to read\n";
        return 0;
    }

    const std::vector<Problem> problems = checkQuestionFiles(files);
    QTextStream out(stdout);
    QSet<QString> badFiles;
    for (const Problem &problem : problems) {
        out << formatProblem(problem) << '\n';
        if (!problem.file.isEmpty())
            badFiles.insert(problem.file);
    }
    auto count = [](qsizetype n, const char *what) {
        return QStringLiteral("%1 %2%3").arg(n).arg(QLatin1String(what)).arg(n == 1 ? "" : "s");
    };
    if (problems.empty())
        out << "qcheck: no problems in " << count(files.size(), "file") << '\n';
    else
        out << "qcheck: " << count(qsizetype(problems.size()), "problem") << " in " << badFiles.size() << " of "
            << count(files.size(), "file") << '\n';
    return problems.empty() ? 0 : 1;
}
