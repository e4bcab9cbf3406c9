#pragma once

#include <QByteArray>

#include <cstdint>
#include <span>

namespace mirovalk::assets {

// A complete RIFF/WAVE file holding 16-bit PCM, one channel. SDL_mixer reads
// this plainest form of WAV without any extra decoder.
QByteArray encodeWav(std::span<const std::int16_t> samples, int sampleRate);

} // namespace mirovalk::assets
