// The figures of both statistics windows.

#include "players/playerstatistics.h"

#include "../support/fakes.h"

#include <gtest/gtest.h>

#include <functional>

TEST(PlayerStatistics, FiguresAsTheWindowsShowThem) {
    constexpr int p = 2;
    const struct {
        bool overall; // else genre 3 in the per-genre window
        std::function<void(SharedState &)> setup;
        const char *shown;
    } cases[] = {
        // Asked 7, right 5, wrong 1, timed out 1; 600 tenths left over the right answers, 30 at the wrong.
        {false, [](SharedState &s) { s.GenreStats[p][3] = {7, 5, 1, 1, 600, 30}; },
         "Label12=７問 Label16=０問 Label17=７１.４％ Label18=４.５秒 Label19=３.０秒 Label20=１２.０秒"},
        // 200 tenths left over three answers: 66.7 an answer, truncated to 66.
        {false, [](SharedState &s) { s.GenreStats[p][3] = {3, 2, 1, 0, 150, 50}; }, "Label18=８.４秒"},
        {false, nullptr, "Label12=０問 Label17=０.０％ Label18=０.０秒"},
        // Two of three right over genres 1 and 20, 120 tenths left at each; genre 0 does not count.
        {true, [](SharedState &s) { s.GenreStats[p][1] = {2, 1, 0, 0, 120, 0}; s.GenreStats[p][20] = {1, 1, 0, 0, 120, 0};
                                    s.GenreStats[p][0] = {90, 0, 90, 0, 0, 900}; },
         "Label20=３問 Label24=１問 Label27=６６.６％ Label28=３.０秒 Label29=３.０秒 Label30=０.０秒"},
        // Best score, plays, total points (1234.9 a game), best rate.
        {true, [](SharedState &s) { s.PlayerRecord[p] = {12345, 10, 12349, 1000}; },
         "Label11=１２３４５点 Label12=１２３４点 Label19=１０回 Label26=１００.０％"},
        // Halves go to the even neighbour; a play count below one half counts as none.
        {true, [](SharedState &s) { s.PlayerRecord[p] = {2.5f, 0.4f, 800, 5}; }, "Label11=２点 Label12=０点 Label26=０.５％"},
        {true, [](SharedState &s) { s.PlayerRecord[p] = {3.5f, 0, 0, 0}; }, "Label11=４点"},
        {true, nullptr, "Label12=０点 Label27=０.０％ Label28=０.０秒"},
    };
    for (const auto &c : cases) {
        SharedState state(QStringLiteral("/nonexistent"));
        state.InitNameTables();
        state.CurrentPlayer = p;
        if (c.setup)
            c.setup(state);
        OverallStatistics overall(state);
        overall.load();
        GenreStatistics genre(state);
        genre.load();
        genre.chooseGenre(3);
        QStringList shown;
        for (const QString &expected : QString::fromUtf8(c.shown).split(u' ')) {
            const QString label = expected.section(u'=', 0, 0);
            shown << label + u'=' + (c.overall ? overall.captions : genre.captions).value(label);
        }
        EXPECT_EQ(shown.join(u' '), QString::fromUtf8(c.shown));
    }
}
