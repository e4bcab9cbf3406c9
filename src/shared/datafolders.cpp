#include "datafolders.h"

#include "fileerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
// A folder someone may write into; a folder without any write permission counts as read-only
// even for a user (such as root) whom the system would let write anyway.
bool isWritableFolder(const QString &path) {
    const QFileInfo info(path);
    const QFile::Permissions anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return info.isDir() && info.isWritable() && (info.permissions() & anyWrite);
}

constexpr const char *kFirstFiles[] = {kRosterFile, kRankingFile};
} // namespace

DataFolders locateDataFolders(const QString &executableDir, const QString &dataDirOption,
                              const QString &userDataDir) {
    const QDir exe(executableDir);
    const QString beside = exe.filePath(QStringLiteral("quiz"));
    if (dataDirOption.isEmpty() && isWritableFolder(beside))
        return {beside, beside};
    const QString installed = QDir::cleanPath(exe.filePath(QStringLiteral("../share/mirovalk/quiz")));
    const QString shipped = QFileInfo(installed).isDir() ? installed : beside;
    return {shipped, dataDirOption.isEmpty() ? userDataDir : dataDirOption};
}

void prepareDataFolders(const DataFolders &folders) {
    if (folders.player == folders.shipped)
        return;
    if (!QDir().mkpath(folders.player))
        throw FileError(folders.player, 0, QStringLiteral("プレイヤーのデータを置くフォルダを作れません"))
            .setScope(FaultScope::Program)
            .setRemedy(FileError::diskRemedy());
    for (const char *name : kFirstFiles) {
        const QString own = QDir(folders.player).filePath(QLatin1String(name));
        if (QFileInfo::exists(own))
            continue;
        QFile first(QDir(folders.shipped).filePath(QLatin1String(name)));
        // A copy of a read-only installed file is read-only too; the player's copy must not be.
        if (!first.copy(own) ||
            !QFile::setPermissions(own, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther))
            throw FileError(own, 0, QStringLiteral("ゲームに付いてきたファイルから作れません"), first.errorString())
                .setScope(FaultScope::Program)
                .setRemedy(FileError::diskRemedy());
    }
}
