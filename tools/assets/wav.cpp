#include "wav.h"

namespace mirovalk::assets {

namespace {

void appendLe(QByteArray& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFFu));
}

} // namespace

QByteArray encodeWav(std::span<const std::int16_t> samples, int sampleRate)
{
    constexpr std::uint32_t channels = 1;
    constexpr std::uint32_t bytesPerSample = 2;
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * bytesPerSample);

    QByteArray out;
    out.reserve(static_cast<qsizetype>(44 + dataSize));
    out.append("RIFF");
    appendLe(out, 36 + dataSize, 4);
    out.append("WAVE");

    out.append("fmt ");
    appendLe(out, 16, 4);
    appendLe(out, 1, 2); // PCM
    appendLe(out, channels, 2);
    appendLe(out, static_cast<std::uint32_t>(sampleRate), 4);
    appendLe(out, static_cast<std::uint32_t>(sampleRate) * channels * bytesPerSample, 4);
    appendLe(out, channels * bytesPerSample, 2);
    appendLe(out, 8 * bytesPerSample, 2);

    out.append("data");
    appendLe(out, dataSize, 4);
    for (const std::int16_t s : samples)
        appendLe(out, static_cast<std::uint16_t>(s), 2);
    return out;
}

} // namespace mirovalk::assets
