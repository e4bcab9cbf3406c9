// mirovalk-assets FOLDER [FILE...]
// Writes the game's generated sounds, music and title picture into FOLDER
// (all of them, or only the named files). `cmake --build <build> --target
// regenerate-assets` runs it on the source tree's data/quiz.
#include "assets.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: mirovalk-assets FOLDER [FILE...]\n");
        return 2;
    }
    const QString folder = args.takeFirst();
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
        return 1;
    }

    int written = 0;
    for (const auto& asset : mirovalk::assets::allAssets()) {
        if (!args.isEmpty() && !args.contains(QString::fromUtf8(asset.fileName)))
            continue;
        const QString error = mirovalk::assets::writeAsset(asset, folder);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "%s: %s\n", asset.fileName, qPrintable(error));
            return 1;
        }
        std::printf("%s\n", asset.fileName);
        ++written;
    }
    if (written != (args.isEmpty() ? static_cast<int>(mirovalk::assets::allAssets().size()) : args.size())) {
        std::fprintf(stderr, "unknown file name among: %s\n", qPrintable(args.join(' ')));
        return 2;
    }
    return 0;
}
