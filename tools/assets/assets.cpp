#include "assets.h"

#include "music.h"
#include "sounds.h"
#include "title.h"

#include <QDir>
#include <QSaveFile>

#include <array>

namespace mirovalk::assets {

std::span<const Asset> allAssets()
{
    static constexpr std::array<Asset, 12> assets{{
        {"type.wav", [] { return typeClickSound(0); }},
        {"type2.wav", [] { return typeClickSound(1); }},
        {"type3.wav", [] { return typeClickSound(2); }},
        {"mondai.wav", questionCueSound},
        {"seikai.wav", correctChimeSound},
        {"fuseikai.wav", wrongBuzzerSound},
        {"skilluse.wav", skillSparkleSound},
        {"slot.wav", slotTickSound},
        {"ranking.wav", rankingFanfareSound},
        {"bed.mid", backgroundMusic},
        {"gameover.mid", gameOverMusic},
        {"title.bmp", titlePicture},
    }};
    return assets;
}

QString writeAsset(const Asset& asset, const QString& folder)
{
    // QSaveFile: an interrupted run never leaves a half-written file behind.
    QSaveFile file(QDir(folder).filePath(QString::fromUtf8(asset.fileName)));
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QByteArray bytes = asset.make();
    if (file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return {};
}

} // namespace mirovalk::assets
