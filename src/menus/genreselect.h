#pragma once

#include "shared/random.h"
#include "shared/sharedstate.h"

#include <QString>

#include <array>
#include <cstdint>

// The genre select: four different genres drawn at random and "ノンジャンル". A click or a key
// only records the row; the window's next 20 ms tick hands the row's genre back in the shared
// FormatValue (0 for "ノンジャンル") and closes the window.
class GenreSelect {
public:
    static constexpr int kTickInterval = 20; // ms
    static constexpr int kOfferedRows = 4;
    static constexpr int kNoGenreRow = 10;    // "ノンジャンル", which offers genre 0

    GenreSelect(SharedState &state, RandomSource &random);

    // The window opens: no row chosen, four different genres drawn for rows 1..4.
    void load();
    void chooseRow(int row);       // 1..4 or kNoGenreRow
    void key(int virtualKey);      // A S D F / keypad 1..4 for the rows, G / keypad 5 for none
    // True when a row was chosen: its genre is now in FormatValue and the window closes.
    bool tick();
    // The window closed without a choice: no genre, as if "ノンジャンル" had been chosen.
    void closeWithoutChoice();

    // Caption of row 1..4: the offered genre's name.
    QString rowCaption(int row) const { return state_.GenreName[GenreOffer[row]]; }

    std::int16_t GenreChoice = 0;
    std::array<std::int16_t, 11> GenreOffer{};

private:
    SharedState &state_;
    RandomSource &random_;
};
