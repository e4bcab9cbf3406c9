#pragma once

#include "shared/gametimer.h"
#include "shared/random.h"
#include "shared/sound.h"

#include <QString>

#include <cstdint>

// What the skill slot window shows.
struct SkillSlotView {
    QString name = QStringLiteral("スキルの名前"); // Label2
    QString description;                          // Label3
    bool stopVisible = true;                      // Command1 "ＳＴＯＰ"
    bool okVisible = false;                       // Command2 "OK"
};

// The skill slot: every 5 ms tick the slot rattles and shows another skill, until the player
// stops it; the skill then showing is won and handed to the quiz in the file "data.qdt", which
// holds 0 from the moment the slot opens, so a slot closed before it stops wins nothing.
class SkillSlot {
public:
    static constexpr int kSpinInterval = 5; // ms
    // Ids are drawn from 1..37; fifteen of them are skills, the rest are misses.
    static constexpr int kDrawnIds = 37;
    // A tick's draw ends after this many successive hits that follow its last miss.
    static constexpr int kHitsInARow = 10;

    // `handOffPath` is the file the result goes to.
    SkillSlot(RandomSource &random, GameTimer &timer, SlotSound &sound, QString handOffPath);

    // The window opens: the sound is readied, 0 is written to the hand-off file and the slot
    // starts spinning. Throws FileError, before the spin, when the file cannot be written.
    void load();
    // The spin, after `load` could not write the hand-off file and the player has been told.
    void startSpinning();
    void tick();
    // ＳＴＯＰ: the skill showing is won and written to the file. Throws FileError when it
    // cannot be written (the slot stops all the same).
    void stop();

    // One spin of the slot: the rattle, a reseed from the clock, and a draw of ids until the
    // run of hits is complete; the last hit is shown.
    void SpinSlot();

    // The slot's names and descriptions, by skill id; empty for an id that is no skill.
    static QString slotName(int id);
    static QString description(int id);

    std::int16_t SlotSkill = 0;
    QString SlotSkillName;
    QString SlotSkillText;

    SkillSlotView view;

private:
    RandomSource &random_;
    GameTimer &timer_;
    SlotSound &sound_;
    QString handOffPath_;
};
