#pragma once

#include "playerstatistics.h"
#include "shared/widgets.h"

#include <QDialog>
#include <QMap>

#include <array>
#include <functional>

// The per-genre statistics window "playerdatagenre": a click on a genre's box shows the current
// player's figures for that genre. Its "総合データ" closes it and opens the overall window.
class PlayerDataGenreWindow : public QDialog {
    Q_OBJECT
public:
    // `openOverall` shows the overall window without waiting, once this one has closed.
    PlayerDataGenreWindow(SharedState &state, std::function<void()> openOverall, QWidget *parent = nullptr);

    const GenreStatistics &statistics() const { return statistics_; }

private:
    void render();

    GenreStatistics statistics_;
    QLabel *Label3 = nullptr, *Label36 = nullptr;
    std::array<ClickableLabel *, GenreStatistics::kGenreBoxes + 1> box{}; // Label22..Label33 at 1..12
    QMap<QString, QLabel *> values;
};
