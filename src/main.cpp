#include "application.h"
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
    game.showTitle();
    return app.exec();
}
