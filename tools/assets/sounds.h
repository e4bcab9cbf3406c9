#pragma once

#include <QByteArray>

// The game's sound effects, each returned as a complete WAV file.
namespace mirovalk::assets {

QByteArray typeClickSound(int variant); // 0: type.wav, 1: type2.wav, 2: type3.wav
QByteArray questionCueSound();          // mondai.wav
QByteArray correctChimeSound();         // seikai.wav
QByteArray wrongBuzzerSound();          // fuseikai.wav
QByteArray skillSparkleSound();         // skilluse.wav
QByteArray slotTickSound();             // slot.wav
QByteArray rankingFanfareSound();       // ranking.wav

} // namespace mirovalk::assets
