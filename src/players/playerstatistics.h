#pragma once

#include "shared/sharedstate.h"

#include <QMap>
#include <QString>

#include <array>

// A player's answer counters (asked, correct, wrong, time-outs, time left summed over correct and
// over wrong answers), for one genre or summed over genres. Sums are kept wide, so even a file
// edited by hand cannot overflow them.
using AnswerCounters = std::array<qint64, kCounterKinds>;

// The nine figures the statistics windows show for a set of counters. Divisions truncate toward
// zero and a zero divisor gives 0.
struct AnswerFigures {
    qint64 asked = 0, correct = 0, wrong = 0, timeOuts = 0;
    qint64 unanswered = 0;   // asked less everything answered or timed out
    qint64 rate = 0;         // correct per asked, in tenths of a percent
    qint64 averageTime = 0;  // answer times in tenths of a second; time-outs are not counted
    qint64 correctTime = 0;
    qint64 wrongTime = 0;
};
AnswerFigures answerFigures(const AnswerCounters &m);

// A single-precision record taken to the nearest whole number, halves to even.
qint64 nearestWhole(float value);

// The overall statistics of the current player, computed once when the window "playerdata"
// loads. `captions` holds what each figure label shows, by control name ("Label11" .. "Label30").
class OverallStatistics {
public:
    explicit OverallStatistics(SharedState &state);

    void load();
    // Sum of counter k over genres 1..20 (genre 0 counts nothing) for the current player.
    qint64 SumGenreColumn(int k) const;

    QString name;                    // Label10
    QMap<QString, QString> captions; // figure labels

private:
    SharedState &state_;
};

// The statistics of the current player for one genre at a time: the window "playerdatagenre".
class GenreStatistics {
public:
    static constexpr int kGenreBoxes = 12; // Label22..Label33 stand for genres 1..12

    explicit GenreStatistics(SharedState &state);

    void load();
    void chooseGenre(int genre); // a click on the genre's box
    void ShowGenreStats();

    int SelectedGenre = 0;
    std::array<QString, kGenreBoxes + 1> boxCaption;  // 1..12
    std::array<bool, kGenreBoxes + 1> boxVisible{};
    QString name;                    // Label36
    QString genre;                   // Label3
    bool genreVisible = false;
    QMap<QString, QString> captions; // Label12..Label20, empty until a genre is chosen

private:
    SharedState &state_;
};
