#pragma once

#include "genreselect.h"
#include "shared/widgets.h"

#include <QDialog>
#include <QTimer>

#include <array>

// The genre select window "genreselect", shown modally by the quiz: four genres and
// "ノンジャンル", chosen by a click on a row or its number, or by a key.
class GenreSelectWindow : public QDialog {
    Q_OBJECT
public:
    GenreSelectWindow(SharedState &state, RandomSource &random, QWidget *parent = nullptr);

    // Draws the offered genres and starts the clock.
    void load();
    GenreSelect &select() { return select_; }
    QTimer &timer() { return timer_; }

    // Closed without a choice (title bar, Escape): no genre.
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();

    GenreSelect select_;
    QTimer timer_;
    std::array<ClickableLabel *, 11> Label{}; // rows 1..4 and 10 in use, 5..9 spare
    std::array<ClickableLabel *, 11> a{};
    KeyBox *Picture1 = nullptr;
};
