#include "application.h"
#include "shared/datafolders.h"
#include "shared/fileerror.h"
#include "shared/quitsignals.h"
#include "shared/sdlaudio.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>

#include <cstdio>

namespace {
struct Options {
    QString dataDir; // empty: where the copy of the game keeps it
};

// The command line is read before any window exists, so --help and --version answer on a
// machine without a display too.
Options readCommandLine(int argc, char *argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("ＭＩＲＯ　ＶＡＬＫ　灰色の王冠 — アーケード風の四択クイズゲーム"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("この説明を表示して終わります。"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("バージョンを表示して終わります。"));
    const QCommandLineOption dataDir(
        QStringLiteral("data-dir"),
        QStringLiteral("プレイヤーの記録（playerdata.qdt, player.qdt, data.qdt）と自作の問題ファイルを置くフォルダ。"),
        QStringLiteral("DIR"));
    parser.addOptions({help, version, dataDir});
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "mirovalk: コマンドラインを読めません（%s）。mirovalk --help で使い方を表示します。\n",
                     qUtf8Printable(parser.errorText()));
        std::exit(2);
    }
    if (parser.isSet(help)) {
        const QString text = parser.helpText()
                                 .replace(QStringLiteral("<executable_name>"), QStringLiteral("mirovalk"))
                                 .replace(QStringLiteral("Usage:"), QStringLiteral("使い方:"))
                                 .replace(QStringLiteral("Options:"), QStringLiteral("オプション:"));
        std::fputs(qUtf8Printable(text), stdout);
        std::exit(0);
    }
    if (parser.isSet(version)) {
        std::printf("mirovalk %s\n", MIROVALK_VERSION);
        std::exit(0);
    }
    return {parser.isSet(dataDir) ? QDir(parser.value(dataDir)).absolutePath() : QString()};
}
} // namespace

int main(int argc, char *argv[]) {
    const Options options = readCommandLine(argc, argv);
    // The layout is drawn for 96 dpi; fonts keep their point sizes at that resolution.
    if (qEnvironmentVariableIsEmpty("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "96");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("mirovalk"));
    QApplication::setApplicationVersion(QStringLiteral(MIROVALK_VERSION));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("mirovalk")));

    const DataFolders folders =
        locateDataFolders(QCoreApplication::applicationDirPath(), options.dataDir,
                          QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    SharedState state(folders);
    SdlAudio audio;
    ClockRandom random;
    Application game(state, random, audio);
    const QuitSignals quit([&game](int signal) {
        qInfo("mirovalk: signal %d received, ending the game", signal);
        game.quit();
    });
    try {
        prepareDataFolders(folders);
    } catch (const FileError &error) {
        game.reportError(error.message(), true);
        return 1;
    }
    game.showTitle();
    const int status = app.exec();
    // Closing the last window also ends the event loop, with status 0; a fatal fault keeps its 1.
    return game.endedByFault() ? 1 : status;
}
