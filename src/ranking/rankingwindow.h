#pragma once

#include "rankingtable.h"

#include <QDialog>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

// The ranking window "Ranking": the top ten, and for a score that enters it the place and a box
// for the name. Shown modally; OK (or closing the window) ends it.
class Ranking : public QDialog {
    Q_OBJECT
public:
    // `reportError` tells the player about a ranking file that cannot be read or saved.
    Ranking(SharedState &state, MediaBackend &audio, bool offerEntry,
            std::function<void(const QString &message, bool fatal)> reportError, QWidget *parent = nullptr);

    // Reads the table and decides the entry; false (after reporting) when the file cannot be read.
    bool load();

    RankingTable &table() { return table_; }
    bool entrySaved() const { return table_.entrySaved(); }

    // Escape and the title bar's close button: OK without an entry.
    void reject() override;

private:
    void buildControls();
    void render();
    void confirm();

    RankingTable table_;
    std::function<void(const QString &, bool)> reportError_;

    std::array<QLabel *, kRankPlaces> rankingpoint{}; // rankingpoint1..rankingpoint10
    std::array<QLabel *, kRankPlaces> rankingname{};  // rankingname1..rankingname10
    QLabel *playerranklabel = nullptr;
    QLineEdit *PlayerNameText = nullptr;
    QPushButton *Command1 = nullptr;
};
