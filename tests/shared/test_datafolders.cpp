// Where a copy of the game keeps its files: portable beside the executable, or installed with the
// player's files in a folder of their own.
#include "shared/datafolders.h"

#include "../support/fakes.h"

#include <gtest/gtest.h>

TEST(DataFolders, APortableCopyWinsOnlyWhenItsFolderCanBeWritten) {
    QTemporaryDir root;
    const QDir top(root.path());
    for (const char *dir : {"portable/quiz", "readonly/quiz", "prefix/bin", "prefix/share/mirovalk/quiz", "user"})
        ASSERT_TRUE(top.mkpath(dir));
    QFile::setPermissions(top.filePath("readonly/quiz"), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther);
    const QString user = top.filePath("user"), option = top.filePath("chosen");

    const struct {
        const char *exe;
        QString option;
        QString shipped, player;
    } cases[] = {
        {"portable", {}, top.filePath("portable/quiz"), top.filePath("portable/quiz")},
        {"portable", option, top.filePath("portable/quiz"), option},
        {"readonly", {}, top.filePath("readonly/quiz"), user},
        {"prefix/bin", {}, top.filePath("prefix/share/mirovalk/quiz"), user},
        {"prefix/bin", option, top.filePath("prefix/share/mirovalk/quiz"), option},
    };
    for (const auto &c : cases) {
        const DataFolders found = locateDataFolders(top.filePath(c.exe), c.option, user);
        EXPECT_EQ(found.shipped, c.shipped) << c.exe;
        EXPECT_EQ(found.player, c.player) << c.exe << " " << c.option.toStdString();
    }
}

// The first start makes the player's roster and ranking from the shipped ones and never replaces
// them later; the player's own question file is read instead of the shipped one.
TEST(DataFolders, ThePlayersFolderStartsFromTheShippedFilesAndKeepsItsOwn) {
    DataFolder shipped;
    writeBytes(shipped.path("player.qdt"), "1000,\"ＭＶＫ\"\r\n");
    QTemporaryDir player;
    const DataFolders folders{shipped.dir.path(), QDir(player.path()).filePath("new/mirovalk")};
    prepareDataFolders(folders);
    SharedState state(folders);
    EXPECT_EQ(readBytes(state.playerFilePath()), emptyRosterBytes());
    EXPECT_TRUE(state.playerFilePath().startsWith(folders.player));
    EXPECT_TRUE(state.dataFile("data.qdt").startsWith(folders.player));
    EXPECT_TRUE(QFileInfo(state.dataFile("player.qdt")).isWritable());

    writeBytes(state.dataFile("player.qdt"), "own ranking");
    prepareDataFolders(folders);
    EXPECT_EQ(readBytes(state.dataFile("player.qdt")), "own ranking") << "a player's file is never replaced";

    EXPECT_EQ(state.dataFile("歴史.qdt"), shipped.path("歴史.qdt"));
    EXPECT_EQ(state.dataFile("title.bmp"), shipped.path("title.bmp"));
    writeBytes(QDir(folders.player).filePath("歴史.qdt"), questionFileBytes("own", 3));
    EXPECT_EQ(state.dataFile("歴史.qdt"), QDir(folders.player).filePath("歴史.qdt"));
}
