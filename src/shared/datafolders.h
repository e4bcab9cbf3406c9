#pragma once

#include "sharedstate.h"

// Where a copy of the game keeps its files, worked out once at start-up.
//
// Portable: a writable folder "quiz" beside the executable holds everything, as in the build tree
// or a copy on a USB stick. Installed: the shipped files are read from the installation's data
// folder (<prefix>/share/mirovalk/quiz beside <prefix>/bin) and the player's files live in
// `userDataDir` (the per-user data folder), or in `dataDirOption` when one is given on the command
// line; a "quiz" folder beside the executable that cannot be written is read as the shipped folder.
DataFolders locateDataFolders(const QString &executableDir, const QString &dataDirOption,
                              const QString &userDataDir);

// Makes the player's folder ready: creates it and copies the first roster and ranking from the
// shipped folder when the player has none yet. Throws FileError when that cannot be done.
void prepareDataFolders(const DataFolders &folders);
