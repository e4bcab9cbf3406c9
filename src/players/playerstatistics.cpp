#include "playerstatistics.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// A question's full time, in tenths of a second: an average time left taken from it is an
// average answer time.
constexpr qint64 kQuestionTime = 150;
constexpr int kFirstCountedGenre = 1;
constexpr int kLastCountedGenre = kGenres - 1;

const char16_t *const kPoints = u"点";
const char16_t *const kQuestions = u"問";
const char16_t *const kPlays = u"回";
const char16_t *const kPercent = u"％";
const char16_t *const kSeconds = u"秒";

// Through the shared formatter, as every number on screen; a figure beyond what the formatter
// holds (only a file edited by hand gets there) shows its nearest limit.
QString shown(SharedState &state, qint64 value, bool tenths, const char16_t *unit) {
    state.FormatValue = static_cast<std::int32_t>(
        std::clamp<qint64>(value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
    if (tenths)
        state.DecimalFormat = 1;
    state.FormatNumber();
    return state.FormatText + QString::fromUtf16(unit);
}

// The labels that show the nine figures, in the order of AnswerFigures' fields.
using FigureLabels = std::array<const char *, 9>;
constexpr FigureLabels kOverallLabels = {"Label20", "Label21", "Label22", "Label23", "Label24",
                                         "Label27", "Label28", "Label29", "Label30"};
constexpr FigureLabels kGenreLabels = {"Label12", "Label13", "Label14", "Label15", "Label16",
                                       "Label17", "Label18", "Label19", "Label20"};

void showFigures(SharedState &state, const AnswerFigures &f, const FigureLabels &labels,
                 QMap<QString, QString> &captions) {
    const struct {
        qint64 value;
        bool tenths;
        const char16_t *unit;
    } figures[] = {{f.asked, false, kQuestions},     {f.correct, false, kQuestions},
                   {f.wrong, false, kQuestions},     {f.timeOuts, false, kQuestions},
                   {f.unanswered, false, kQuestions}, {f.rate, true, kPercent},
                   {f.averageTime, true, kSeconds},  {f.correctTime, true, kSeconds},
                   {f.wrongTime, true, kSeconds}};
    for (std::size_t i = 0; i < labels.size(); ++i)
        captions[QLatin1String(labels[i])] = shown(state, figures[i].value, figures[i].tenths, figures[i].unit);
}
} // namespace

AnswerFigures answerFigures(const AnswerCounters &m) {
    AnswerFigures f;
    f.asked = m[QuestionsAsked];
    f.correct = m[CorrectAnswers];
    f.wrong = m[WrongAnswers];
    f.timeOuts = m[TimeOuts];
    f.unanswered = f.asked - f.correct - f.wrong - f.timeOuts;
    f.rate = f.asked == 0 ? 0 : f.correct * 1000 / f.asked;
    const qint64 answered = f.correct + f.wrong;
    f.averageTime = answered == 0 ? 0 : kQuestionTime - (m[CorrectTimeSum] + m[WrongTimeSum]) / answered;
    f.correctTime = f.correct == 0 ? 0 : kQuestionTime - m[CorrectTimeSum] / f.correct;
    f.wrongTime = f.wrong == 0 ? 0 : kQuestionTime - m[WrongTimeSum] / f.wrong;
    return f;
}

qint64 nearestWhole(float value) {
    // The default rounding mode takes halves to the even neighbour.
    constexpr double kLimit = 9.0e18; // inside qint64
    return static_cast<qint64>(std::clamp(std::nearbyint(static_cast<double>(value)), -kLimit, kLimit));
}

// ---------------------------------------------------------------- overall

OverallStatistics::OverallStatistics(SharedState &state) : state_(state) {}

qint64 OverallStatistics::SumGenreColumn(int k) const {
    qint64 sum = 0;
    for (int g = kFirstCountedGenre; g <= kLastCountedGenre; ++g)
        sum += state_.GenreStats[state_.CurrentPlayer][g][k];
    return sum;
}

void OverallStatistics::load() {
    const int p = state_.CurrentPlayer;
    const auto &record = state_.PlayerRecord[p];
    name = state_.PlayerName[p][0];
    captions[QStringLiteral("Label11")] = shown(state_, nearestWhole(record[BestScore]), false, kPoints);
    // A play count read as a fraction below one half would divide by zero: it counts as none.
    const qint64 plays = nearestWhole(record[PlayCount]);
    captions[QStringLiteral("Label12")] =
        shown(state_, plays == 0 ? 0 : nearestWhole(record[TotalPoints]) / plays, false, kPoints);
    AnswerCounters sums{};
    for (int k = 0; k < kCounterKinds; ++k)
        sums[k] = SumGenreColumn(k);
    const AnswerFigures figures = answerFigures(sums);
    captions[QStringLiteral("Label19")] = shown(state_, plays, false, kPlays);
    captions[QStringLiteral("Label26")] = shown(state_, nearestWhole(record[BestRate]), true, kPercent);
    showFigures(state_, figures, kOverallLabels, captions);
}

// ---------------------------------------------------------------- per genre

GenreStatistics::GenreStatistics(SharedState &state) : state_(state) {}

void GenreStatistics::load() {
    for (int g = 1; g <= kGenreBoxes; ++g) {
        boxCaption[g] = state_.GenreName[g];
        boxVisible[g] = !state_.GenreName[g].isEmpty();
    }
    name = state_.PlayerName[state_.CurrentPlayer][0];
    genreVisible = false;
}

void GenreStatistics::chooseGenre(int genre) {
    // Only a box on screen can be clicked, and only genres with a name have one.
    if (genre < 1 || genre > kGenreBoxes || !boxVisible[genre])
        return;
    SelectedGenre = genre;
    ShowGenreStats();
}

void GenreStatistics::ShowGenreStats() {
    genre = state_.GenreName[SelectedGenre];
    genreVisible = true;
    const auto &counters = state_.GenreStats[state_.CurrentPlayer][SelectedGenre];
    AnswerCounters m{};
    std::copy(counters.begin(), counters.end(), m.begin());
    showFigures(state_, answerFigures(m), kGenreLabels, captions);
}
