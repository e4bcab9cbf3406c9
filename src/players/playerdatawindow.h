#pragma once

#include "playerstatistics.h"

#include <QDialog>
#include <QLabel>

#include <functional>

// The overall statistics window "playerdata": the current player's figures over all genres,
// computed once as it opens. Its "ジャンル別データ" closes it and opens the per-genre window.
class PlayerDataWindow : public QDialog {
    Q_OBJECT
public:
    // `openGenres` shows the per-genre window without waiting, once this one has closed.
    PlayerDataWindow(SharedState &state, std::function<void()> openGenres, QWidget *parent = nullptr);

    const OverallStatistics &statistics() const { return statistics_; }

private:
    OverallStatistics statistics_;
};
