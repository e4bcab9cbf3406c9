#include "genreselect.h"

#include "shared/keys.h"

GenreSelect::GenreSelect(SharedState &state, RandomSource &random) : state_(state), random_(random) {}

void GenreSelect::load() {
    GenreChoice = 0;
    GenreOffer = {};
    // Each row is drawn again until it differs from every row above it. The quiz has reseeded
    // the dice just before opening the window.
    for (int i = 1; i <= kOfferedRows; ++i) {
        bool repeated;
        do {
            GenreOffer[i] = static_cast<std::int16_t>(random_.draw(kPlayedGenres));
            repeated = false;
            for (int j = 1; j < i; ++j)
                repeated = repeated || GenreOffer[i] == GenreOffer[j];
        } while (repeated);
    }
}

void GenreSelect::chooseRow(int row) {
    if ((row >= 1 && row <= kOfferedRows) || row == kNoGenreRow)
        GenreChoice = static_cast<std::int16_t>(row);
}

void GenreSelect::key(int virtualKey) {
    const int position = VirtualKey::position(virtualKey);
    if (position >= 1 && position <= kOfferedRows)
        chooseRow(position);
    else if (position == kOfferedRows + 1)
        chooseRow(kNoGenreRow);
}

bool GenreSelect::tick() {
    if (GenreChoice < 1)
        return false;
    state_.FormatValue = GenreOffer[GenreChoice];
    return true;
}

void GenreSelect::closeWithoutChoice() { state_.FormatValue = 0; }
