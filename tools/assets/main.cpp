// mirovalk-assets FOLDER [FILE...]
// Writes the game's generated sounds, music and title picture into FOLDER
// (all of them, or only the named files). `cmake --build <build> --target
// regenerate-assets` runs it on the source tree's data/quiz, and with --icons on data/icons.
#include "assets.h"
#include "icon.h"

#include <QGuiApplication>
#include <QSaveFile>
#include <QDir>
#include <QStringList>

#include <cstdio>

// The icon in every size, as a hicolor icon theme folder: FOLDER/<n>x<n>/apps/mirovalk.png.
int writeIcons(const QString& folder)
{
    for (const int size : mirovalk::assets::kIconSizes) {
        const QString dir = QDir(folder).filePath(QStringLiteral("%1x%1/apps").arg(size));
        QSaveFile file(QDir(dir).filePath(QStringLiteral("mirovalk.png")));
        const QByteArray bytes = mirovalk::assets::iconPng(size);
        if (!QDir().mkpath(dir) || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
            !file.commit()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(file.fileName()), qPrintable(file.errorString()));
            return 1;
        }
        std::printf("%dx%d/apps/mirovalk.png\n", size, size);
    }
    return 0;
}

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args[0] == QLatin1String("--icons"))
        return writeIcons(args[1]);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: mirovalk-assets FOLDER [FILE...]\n       mirovalk-assets --icons FOLDER\n");
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
