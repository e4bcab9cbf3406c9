#pragma once

#include <QByteArray>

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// Writes Standard MIDI Files: enough of the format for our own tunes.
namespace mirovalk::assets::midi {

// MIDI's variable-length quantity: 7 bits a byte, most significant first,
// high bit set on every byte but the last.
void appendVarLen(QByteArray& out, std::uint32_t value);

// Events are collected at absolute ticks in any order; chunk() sorts them and
// writes the delta times. At one tick, settings come before notes and note
// ends before note starts, so a repeated note is never cut by its own end.
class Track {
public:
    void name(std::uint32_t tick, std::string_view text);
    void tempo(std::uint32_t tick, double beatsPerMinute);
    void timeSignature(std::uint32_t tick, int numerator, int denominatorPowerOfTwo);
    void program(std::uint32_t tick, int channel, int gmProgram);
    void control(std::uint32_t tick, int channel, int controller, int value);
    void note(std::uint32_t tick, int channel, int key, int velocity, std::uint32_t duration);

    // The complete "MTrk" chunk, closed by end-of-track at the last event.
    QByteArray chunk() const;

private:
    enum class Order { Meta, Setting, NoteOff, NoteOn };
    struct Event {
        std::uint32_t tick;
        Order order;
        QByteArray bytes;
    };
    void add(std::uint32_t tick, Order order, QByteArray bytes);
    std::vector<Event> events_;
};

// A format 1 file: all tracks play together; the first carries the tempo.
QByteArray file(std::span<const Track> tracks, std::uint16_t ticksPerQuarter);

} // namespace mirovalk::assets::midi
