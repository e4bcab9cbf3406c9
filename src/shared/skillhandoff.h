#pragma once

#include "sharedstate.h"

#include <QString>

// The skill slot hands the skill it stopped on to the quiz in a one-value file in the player's
// folder (kSkillHandOffFile): the id as a plain decimal number and CR LF ("0" for no skill). The
// slot writes 0 when it opens and the id when it stops; the quiz reads it once the slot window
// has closed.

// Replaces the file atomically; throws FileError when it cannot be written.
void writeSkillHandOff(const QString &path, int id);
// The number in the file: 0, a skill id, or (from a file edited by hand) a number that names no
// skill. Throws FileError naming the file when it is missing, unreadable, or holds anything but
// one whole number.
int readSkillHandOff(const QString &path);
// The same check on text already read, for the fuzzer.
int parseSkillHandOff(const QString &text, const QString &path);
