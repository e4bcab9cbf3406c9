#include "application.h"
#include "shared/quitsignals.h"
#include "shared/sdlaudio.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[]) {
    // The layout is drawn for 96 dpi; fonts keep their point sizes at that resolution.
    if (qEnvironmentVariableIsEmpty("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "96");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("mirovalk"));

    SharedState state(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("quiz")));
    SdlAudio audio;
    ClockRandom random;
    Application game(state, random, audio);
    const QuitSignals quit([](int signal) {
        qInfo("mirovalk: signal %d received, ending the game", signal);
        QApplication::exit(0);
    });
    game.showTitle();
    const int status = app.exec();
    // Closing the last window also ends the event loop, with status 0; a fatal fault keeps its 1.
    return game.endedByFault() ? 1 : status;
}
