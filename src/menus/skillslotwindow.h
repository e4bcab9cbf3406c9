#pragma once

#include "skillslot.h"
#include "shared/gametimer.h"
#include "shared/sharedstate.h"
#include "shared/widgets.h"

#include <QDialog>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <memory>

// The skill slot window "skillget", shown modally by the quiz: the slot spins until ＳＴＯＰ, the
// won skill is described, and OK closes the window.
class SkillSlotWindow : public QDialog {
    Q_OBJECT
public:
    // `report` tells the player when the hand-off file cannot be written.
    SkillSlotWindow(SharedState &state, RandomSource &random, MediaBackend &audio,
                    std::function<void(const QString &message)> report, QWidget *parent = nullptr);

    // Starts the slot and writes 0 to the hand-off file.
    void load();
    // True while the hand-off file holds what the slot says (0, or the skill won).
    bool handedOver() const { return handedOver_; }

    SkillSlot &slot() { return slot_; }
    QTimer &timer() { return timer_; }

private:
    void buildControls();
    void render();
    void stop();

    std::function<void(const QString &)> report_;
    QTimer timer_;
    QtGameTimer gameTimer_{timer_};
    SlotSound sound_;
    SkillSlot slot_;
    bool handedOver_ = false;

    QLabel *Label2 = nullptr, *Label3 = nullptr;
    QPushButton *Command1 = nullptr, *Command2 = nullptr;
};
