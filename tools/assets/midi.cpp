#include "midi.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace mirovalk::assets::midi {

namespace {

void appendBe(QByteArray& out, std::uint32_t value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFFu));
}

QByteArray bytesOf(std::initializer_list<int> values)
{
    QByteArray out;
    for (const int v : values)
        out.append(static_cast<char>(v));
    return out;
}

// A wrong channel or note number would silently write a different event; a
// composition mistake should stop the generator instead.
int checked(int value, int limit, const char* what)
{
    if (value < 0 || value >= limit)
        throw std::out_of_range(what);
    return value;
}

QByteArray meta(int type, const QByteArray& data)
{
    QByteArray out = bytesOf({0xFF, type});
    appendVarLen(out, static_cast<std::uint32_t>(data.size()));
    return out + data;
}

} // namespace

void appendVarLen(QByteArray& out, std::uint32_t value)
{
    if (value > 0x0FFFFFFFu)
        throw std::out_of_range("MIDI variable-length value too large");
    char groups[4];
    int count = 0;
    do {
        groups[count++] = static_cast<char>(value & 0x7Fu);
        value >>= 7;
    } while (value != 0);
    while (count > 1)
        out.append(static_cast<char>(groups[--count] | 0x80));
    out.append(groups[0]);
}

void Track::add(std::uint32_t tick, Order order, QByteArray bytes)
{
    events_.push_back({tick, order, std::move(bytes)});
}

void Track::name(std::uint32_t tick, std::string_view text)
{
    add(tick, Order::Meta, meta(0x03, QByteArray(text.data(), static_cast<qsizetype>(text.size()))));
}

void Track::tempo(std::uint32_t tick, double beatsPerMinute)
{
    QByteArray micros;
    appendBe(micros, static_cast<std::uint32_t>(std::lround(60'000'000.0 / beatsPerMinute)), 3);
    add(tick, Order::Meta, meta(0x51, micros));
}

void Track::timeSignature(std::uint32_t tick, int numerator, int denominatorPowerOfTwo)
{
    // 24 clocks per metronome click, 8 thirty-seconds per quarter: the usual values.
    add(tick, Order::Meta, meta(0x58, bytesOf({numerator, denominatorPowerOfTwo, 24, 8})));
}

void Track::program(std::uint32_t tick, int channel, int gmProgram)
{
    add(tick, Order::Setting, bytesOf({0xC0 | checked(channel, 16, "channel"), checked(gmProgram, 128, "program")}));
}

void Track::control(std::uint32_t tick, int channel, int controller, int value)
{
    add(tick, Order::Setting,
        bytesOf({0xB0 | checked(channel, 16, "channel"), checked(controller, 128, "controller"),
                 checked(value, 128, "controller value")}));
}

void Track::note(std::uint32_t tick, int channel, int key, int velocity, std::uint32_t duration)
{
    const int status = checked(channel, 16, "channel");
    checked(key, 128, "key");
    checked(velocity - 1, 127, "velocity");
    add(tick, Order::NoteOn, bytesOf({0x90 | status, key, velocity}));
    add(tick + std::max<std::uint32_t>(duration, 1), Order::NoteOff, bytesOf({0x80 | status, key, 64}));
}

QByteArray Track::chunk() const
{
    std::vector<Event> sorted = events_;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });

    QByteArray body;
    std::uint32_t now = 0;
    for (const Event& e : sorted) {
        appendVarLen(body, e.tick - now);
        body += e.bytes;
        now = e.tick;
    }
    appendVarLen(body, 0);
    body += meta(0x2F, {});

    QByteArray out("MTrk");
    appendBe(out, static_cast<std::uint32_t>(body.size()), 4);
    return out + body;
}

QByteArray file(std::span<const Track> tracks, std::uint16_t ticksPerQuarter)
{
    QByteArray out("MThd");
    appendBe(out, 6, 4);
    appendBe(out, 1, 2);
    appendBe(out, static_cast<std::uint32_t>(tracks.size()), 2);
    appendBe(out, ticksPerQuarter, 2);
    for (const Track& t : tracks)
        out += t.chunk();
    return out;
}

} // namespace mirovalk::assets::midi
