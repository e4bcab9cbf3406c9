#pragma once

// Independent readers for the files our generators write. They are written
// from the file formats, not from the writers, so that a mistake in a writer
// shows up here instead of being repeated.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cmath>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace mirovalk::test {

inline QByteArray readWhole(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline std::uint32_t le(const QByteArray& b, qsizetype at, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | static_cast<std::uint8_t>(b[at + i]);
    return v;
}

inline std::uint32_t be(const QByteArray& b, qsizetype at, int bytes)
{
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i)
        v = (v << 8) | static_cast<std::uint8_t>(b[at + i]);
    return v;
}

struct Wav {
    int format = 0;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<std::int16_t> samples; // interleaved

    double seconds() const { return static_cast<double>(samples.size()) / channels / sampleRate; }
};

// Reads a 16-bit PCM RIFF/WAVE file. Returns what is wrong with it, or "" if nothing.
inline std::string readWav(const QByteArray& b, Wav& out)
{
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        return "not a RIFF/WAVE file";
    if (le(b, 4, 4) + 8 != static_cast<std::uint32_t>(b.size()))
        return "RIFF size does not match the file size";
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= b.size()) {
        const QByteArray id = b.mid(at, 4);
        const qsizetype size = le(b, at + 4, 4);
        const qsizetype body = at + 8;
        if (body + size > b.size())
            return "chunk " + id.toStdString() + " runs past the end of the file";
        if (id == "fmt ") {
            if (size < 16)
                return "fmt chunk too short";
            out.format = static_cast<int>(le(b, body, 2));
            out.channels = static_cast<int>(le(b, body + 2, 2));
            out.sampleRate = static_cast<int>(le(b, body + 4, 4));
            out.bitsPerSample = static_cast<int>(le(b, body + 14, 2));
            const auto blockAlign = le(b, body + 12, 2);
            if (out.channels < 1 || blockAlign != static_cast<std::uint32_t>(out.channels * out.bitsPerSample / 8) ||
                le(b, body + 8, 4) != blockAlign * static_cast<std::uint32_t>(out.sampleRate))
                return "fmt chunk is inconsistent";
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return "data chunk before fmt chunk";
            if (out.format != 1 || out.bitsPerSample != 16)
                return "not 16-bit PCM";
            if (size % (2 * out.channels) != 0)
                return "data size is not a whole number of frames";
            for (qsizetype i = 0; i < size; i += 2)
                out.samples.push_back(static_cast<std::int16_t>(le(b, body + i, 2)));
            return "";
        }
        at = body + size + (size & 1);
    }
    return "no data chunk";
}

inline double peakDbfs(const std::vector<std::int16_t>& samples)
{
    int peak = 0;
    for (const std::int16_t s : samples)
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    return 20.0 * std::log10(std::max(peak, 1) / 32768.0);
}

struct Midi {
    int format = 0;
    int division = 0;
    std::vector<std::string> trackErrors;
    bool hasTempo = false;
    std::set<int> noteChannels;                // channels that play notes
    std::set<int> melodicChannelsWithoutProgram; // played before any program change
    double seconds = 0.0;                      // up to the last end-of-track
};

// Reads a Standard MIDI File, following every event. Returns what is wrong
// with it, or "" if nothing.
inline std::string readMidi(const QByteArray& b, Midi& out)
{
    if (b.size() < 14 || !b.startsWith("MThd") || be(b, 4, 4) != 6)
        return "no MThd header";
    out.format = static_cast<int>(be(b, 8, 2));
    const int tracks = static_cast<int>(be(b, 10, 2));
    out.division = static_cast<int>(be(b, 12, 2));
    if (out.division == 0 || out.division & 0x8000)
        return "division is not ticks per quarter note";

    std::map<std::uint32_t, std::uint32_t> tempoAt; // tick -> microseconds per quarter
    std::set<int> programmed;
    std::uint32_t lastTick = 0;
    qsizetype at = 14;
    for (int t = 0; t < tracks; ++t) {
        if (at + 8 > b.size() || b.mid(at, 4) != "MTrk")
            return "track " + std::to_string(t) + ": no MTrk chunk";
        const qsizetype end = at + 8 + be(b, at + 4, 4);
        if (end > b.size())
            return "track " + std::to_string(t) + ": chunk runs past the end of the file";
        qsizetype p = at + 8;
        const auto byte = [&]() -> int { return p < end ? static_cast<std::uint8_t>(b[p++]) : -1; };
        const auto varLen = [&]() -> std::int64_t {
            std::int64_t v = 0;
            for (int i = 0; i < 4; ++i) {
                const int c = byte();
                if (c < 0)
                    return -1;
                v = (v << 7) | (c & 0x7F);
                if (!(c & 0x80))
                    return v;
            }
            return -1;
        };
        std::uint32_t tick = 0;
        int status = 0;
        bool ended = false;
        std::map<int, int> sounding; // channel * 128 + key -> notes on
        while (p < end && !ended) {
            const std::int64_t delta = varLen();
            int first = byte();
            if (delta < 0 || first < 0)
                return "track " + std::to_string(t) + ": truncated event";
            tick += static_cast<std::uint32_t>(delta);
            if (first == 0xFF) {
                const int type = byte();
                const std::int64_t length = varLen();
                if (type < 0 || length < 0 || p + length > end)
                    return "track " + std::to_string(t) + ": bad meta event";
                if (type == 0x51) {
                    if (length != 3)
                        return "tempo event of wrong length";
                    tempoAt[tick] = be(b, p, 3);
                    out.hasTempo = true;
                }
                ended = type == 0x2F;
                p += length;
                continue;
            }
            if (first & 0x80) {
                status = first;
                first = byte();
            }
            if (status < 0x80 || status >= 0xF0 || first < 0 || first > 0x7F)
                return "track " + std::to_string(t) + ": bad channel event";
            const int kind = status & 0xF0, channel = status & 0x0F;
            int second = 0;
            if (kind != 0xC0 && kind != 0xD0 && ((second = byte()) < 0 || second > 0x7F))
                return "track " + std::to_string(t) + ": bad channel event data";
            if (kind == 0xC0)
                programmed.insert(channel);
            if (kind == 0x90 && second > 0) {
                out.noteChannels.insert(channel);
                if (channel != 9 && !programmed.contains(channel))
                    out.melodicChannelsWithoutProgram.insert(channel);
                ++sounding[channel * 128 + first];
            } else if (kind == 0x80 || kind == 0x90) {
                if (--sounding[channel * 128 + first] < 0)
                    return "note ended that was not playing";
            }
        }
        if (!ended || p != end)
            return "track " + std::to_string(t) + ": does not end with end-of-track";
        for (const auto& [note, count] : sounding)
            if (count != 0)
                return "track " + std::to_string(t) + ": a note is left sounding";
        lastTick = std::max(lastTick, tick);
        at = end;
    }
    if (at != b.size())
        return "bytes after the last track";

    // Walk the tempo map up to the last tick.
    std::uint32_t tick = 0, tempo = 500000;
    for (const auto& [change, value] : tempoAt) {
        if (change >= lastTick)
            break;
        out.seconds += static_cast<double>(change - tick) * tempo / 1e6 / out.division;
        tick = change;
        tempo = value;
    }
    out.seconds += static_cast<double>(lastTick - tick) * tempo / 1e6 / out.division;
    return "";
}

} // namespace mirovalk::test
