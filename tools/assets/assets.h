#pragma once

#include <QByteArray>
#include <QString>

#include <span>

namespace mirovalk::assets {

// One file the game ships in data/quiz and the function that makes it.
struct Asset {
    const char* fileName;
    QByteArray (*make)();
};

// Every generated file, in the order they are written.
std::span<const Asset> allAssets();

// Makes the asset and writes it into `folder`. Returns an empty string on
// success, otherwise what went wrong.
QString writeAsset(const Asset& asset, const QString& folder);

} // namespace mirovalk::assets
