// The figures of both statistics windows: truncating divisions, records taken to the nearest
// whole number, sums over genres 1..20 only, zero divisors.

#include "players/playerstatistics.h"

#include "../support/fakes.h"

#include <gtest/gtest.h>

#include <functional>

TEST(PlayerStatistics, FiguresAsTheWindowsShowThem) {
    constexpr int kPlayer = 2;
    using Setup = std::function<void(SharedState &)>;
    // Asked 7, correct 5, wrong 1, timed out 1; 600 tenths left over the correct answers, 30 at
    // the wrong one.
    const Setup history = [](SharedState &s) { s.GenreStats[kPlayer][3] = {7, 5, 1, 1, 600, 30}; };
    // 200 tenths left over three answers: 66.7 a answer, truncated to 66.
    const Setup thirds = [](SharedState &s) { s.GenreStats[kPlayer][3] = {3, 2, 1, 0, 150, 50}; };
    // Two of three right over genres 1 and 20, each with 120 tenths left; genre 0 is not counted.
    const Setup twoOfThree = [](SharedState &s) {
        s.GenreStats[kPlayer][1] = {2, 1, 0, 0, 120, 0};
        s.GenreStats[kPlayer][20] = {1, 1, 0, 0, 120, 0};
        s.GenreStats[kPlayer][0] = {90, 0, 90, 0, 0, 900};
    };
    // Best score, plays, total points (1234.9 a game), best rate.
    const Setup records = [](SharedState &s) { s.PlayerRecord[kPlayer] = {12345, 10, 12349, 1000}; };
    // Halves go to the even neighbour; a play count below one half counts as none.
    const Setup halves = [](SharedState &s) { s.PlayerRecord[kPlayer] = {2.5f, 0.4f, 800, 5}; };
    const Setup oddHalf = [](SharedState &s) { s.PlayerRecord[kPlayer] = {3.5f, 0, 0, 0}; };
    const Setup nothing = [](SharedState &) {};
    enum Window { Overall, Genre };
    const struct {
        Window window;
        Setup setup;
        const char *label;
        QString shown;
    } cases[] = {
        {Genre, history, "Label12", "７問"},
        {Genre, history, "Label16", "０問"},
        {Genre, history, "Label17", "７１.４％"},
        {Genre, history, "Label18", "４.５秒"},
        {Genre, history, "Label19", "３.０秒"},
        {Genre, history, "Label20", "１２.０秒"},
        {Genre, thirds, "Label18", "８.４秒"},
        {Genre, nothing, "Label17", "０.０％"},
        {Genre, nothing, "Label18", "０.０秒"},
        {Overall, twoOfThree, "Label20", "３問"},
        {Overall, twoOfThree, "Label24", "１問"},
        {Overall, twoOfThree, "Label27", "６６.６％"},
        {Overall, twoOfThree, "Label28", "３.０秒"},
        {Overall, twoOfThree, "Label29", "３.０秒"},
        {Overall, twoOfThree, "Label30", "０.０秒"},
        {Overall, records, "Label11", "１２３４５点"},
        {Overall, records, "Label12", "１２３４点"},
        {Overall, records, "Label19", "１０回"},
        {Overall, records, "Label26", "１００.０％"},
        {Overall, halves, "Label11", "２点"},
        {Overall, halves, "Label26", "０.５％"},
        {Overall, halves, "Label12", "０点"},
        {Overall, oddHalf, "Label11", "４点"},
        {Overall, nothing, "Label12", "０点"},
        {Overall, nothing, "Label27", "０.０％"},
    };
    for (const auto &c : cases) {
        SharedState state(QStringLiteral("/nonexistent"));
        state.InitNameTables();
        state.CurrentPlayer = kPlayer;
        c.setup(state);
        QMap<QString, QString> captions;
        if (c.window == Overall) {
            OverallStatistics overall(state);
            overall.Form_Load();
            captions = overall.captions;
        } else {
            GenreStatistics genre(state);
            genre.Form_Load();
            genre.chooseGenre(3);
            EXPECT_EQ(genre.genre, "歴史");
            captions = genre.captions;
        }
        EXPECT_EQ(captions.value(c.label), c.shown) << (c.window == Overall ? "playerdata " : "playerdatagenre ") << c.label;
    }
}
